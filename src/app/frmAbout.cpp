#include "app/frmAbout.h"

#include "app/AboutClosing.h"
#include "ui/Colours.h"
#include "ui/Contact.h"
#include "ui/ScreenRegistry.h"
#include "ui/TextEffect.h"
#include "ui/WebEmail.h"
#include "ui/WindowRegions.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
const QColor LightGreen(128, 255, 128);
const QColor Yellow(255, 255, 0);
const QColor LightBlue(128, 128, 255);
const QColor DarkRed(128, 0, 0);
}

frmAbout::frmAbout(ScreenRegistry& registry, QWidget* parent)
    : Screen(registry, parent)
{
    BuildScreen();
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(ColourResetMs);
    connect(Timer1, &QTimer::timeout, this, &frmAbout::Timer1_Timer);
    Timer1->start();
    closing_ = new QTimer(this);
    closing_->setObjectName(QStringLiteral("Closing"));
    closing_->setInterval(ClosingStepMs);
    connect(closing_, &QTimer::timeout, this, &frmAbout::StepClosing);
    Form_Load();
}

void frmAbout::Form_Load()
{
    lblURL->setText(Contact().webPage.toString());
    lblURL1->setText(Contact().blogPage.toString());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    SetEllipticRegion(this, Diameter, Diameter);
    SetRoundedRegion(Command1);
}

void frmAbout::changeEvent(QEvent* event)
{
    Screen::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

// Every time the screen becomes the active window the effect starts afresh,
// in place of one still running.
void frmAbout::Form_Activate()
{
    delete effect_;
    effect_ = StartTextEffect(this, QString(), 12, 12, false, 128, 0, DarkRed);
}

void frmAbout::Timer1_Timer()
{
    for (QLabel* label : {lblEmail, lblSendEmail})
        SetTextColour(label, LightGreen);
    for (QLabel* label : {lblURL, lblURL1, lblGoToWeb})
        SetTextColour(label, Yellow);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove)
        PointerOver(watched);
    else if (event->type() == QEvent::MouseButtonRelease
             && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Clicked(watched);
    return Screen::eventFilter(watched, event);
}

void frmAbout::PointerOver(QObject* label)
{
    if (label == lblEmail) {
        SetTextColour(lblEmail, LightBlue);
        SetTextColour(lblSendEmail, LightBlue);
    } else if (label == lblURL) {
        SetTextColour(lblURL, LightBlue);
        SetTextColour(lblGoToWeb, LightBlue);
    } else if (label == lblURL1) {
        SetTextColour(lblURL1, LightBlue);
    }
}

void frmAbout::Clicked(QObject* label)
{
    if (label == lblEmail)
        SendEmail(registry().links());
    else if (label == lblURL)
        OpenWebPage(registry().links());
    else if (label == lblURL1)
        OpenBlogPage(registry().links());
}

// Every way of closing first plays the animation; when the program ends the
// screen goes at once.
void frmAbout::closeEvent(QCloseEvent* event)
{
    if (closed_ || registry().IsEnding()) {
        Timer1->stop();
        closing_->stop();
        event->accept();
        return;
    }
    event->ignore();
    if (closing_->isActive())
        return;
    closingFrames_ = AboutClosingFrames(geometry(), Picture1->height(), screen()->geometry().width());
    closing_->start();
}

bool frmAbout::StepClosing()
{
    if (closed_)
        return false;
    if (closingFrames_.isEmpty()) {
        closed_ = true;
        close();
        return false;
    }
    setGeometry(closingFrames_.takeFirst());
    return true;
}
