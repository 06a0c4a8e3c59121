#include "app/frmSplash.h"

#include "admin/frmLogin.h"
#include "app/ProductPicture.h"
#include "ui/Colours.h"
#include "ui/ScreenRegistry.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPalette>

namespace {
const QSize PictureSize(658, 368);
const int TrackWidth = Twips(7695);
const int BarHeight = Twips(45);
const int BarStep = (TrackWidth + frmSplash::GrowthSteps - 1) / frmSplash::GrowthSteps;
}

frmSplash::frmSplash(ScreenRegistry& registry, QWidget* parent)
    : Screen(registry, parent)
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(PictureSize);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture"));
    picture->setPixmap(ProductPicture(PictureSize));
    picture->setGeometry(rect());

    const int left = (PictureSize.width() - TrackWidth) / 2;
    const int top = PictureSize.height() - 36;
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(left, top, TrackWidth, BarHeight);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAutoFillBackground(true);
    SetBackground(Label2, palette().color(QPalette::Disabled, QPalette::WindowText));
    Label2->setGeometry(left, top, BarHeight, BarHeight);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(StartMs);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();
}

void frmSplash::Timer1_Timer()
{
    if (Label2->width() >= Label1->width()) {
        registry().Show<frmLogin>();
        Timer1->stop();
        close();
        return;
    }
    Timer1->setInterval(GrowthStepMs);
    Label2->resize(std::min(Label1->width(), Label2->width() + BarStep), Label2->height());
}

// Closed before it has opened the login (Alt+F4), the splash would leave the
// program running without a window: it ends the program instead.
void frmSplash::closeEvent(QCloseEvent* event)
{
    Screen::closeEvent(event);
    if (!registry().Find<frmLogin>() && !registry().IsEnding())
        registry().EndProgram();
}
