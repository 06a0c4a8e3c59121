#include "app/frmAbout.h"

#include "data/ApplicationFolder.h"
#include "ui/Colours.h"
#include "ui/Contact.h"
#include "ui/Controls.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int CaptionLeft = 8;
constexpr int CaptionWidth = 110;
constexpr int ValueLeft = 122;
constexpr int ValueWidth = 222;
constexpr int RowHeight = 22;

QLabel* PlacedLabel(const QString& text, const QString& name, QWidget* parent, const QRect& place, const QColor& colour)
{
    QLabel* label = NewLabel(text, name, parent);
    label->setGeometry(place);
    SetTextColour(label, colour);
    return label;
}

QLabel* Caption(const QString& text, const QString& name, QWidget* parent, int top, const QColor& colour)
{
    QLabel* label = PlacedLabel(text, name, parent, QRect(CaptionLeft, top, CaptionWidth, RowHeight), colour);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel* Value(const QString& text, const QString& name, QWidget* parent, int top, const QColor& colour)
{
    return PlacedLabel(text, name, parent, QRect(ValueLeft, top, ValueWidth, RowHeight), colour);
}
}

void frmAbout::BuildScreen()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("About Morvane, programmed by %1").arg(Contact().programmer));
    resize(Diameter, Diameter);
    setAutoFillBackground(true);
    SetBackground(this, Qt::black);

    const QColor lightGreen(128, 255, 128);
    const QColor yellow(255, 255, 0);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(0, 0, Diameter, 1);

    QLabel* title = PlacedLabel(QStringLiteral("Morvane"), QStringLiteral("lblTitle"), this, QRect(0, 56, Diameter, 48),
                                QColor(255, 215, 96));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = title->font();
    titleFont.setPointSize(24);
    titleFont.setBold(true);
    title->setFont(titleFont);

    Caption(QStringLiteral("Mobile:"), QStringLiteral("lblBy"), this, 124, Qt::white);
    Value(Contact().mobile, QStringLiteral("Label1"), this, 124, Qt::white);
    lblSendEmail = Caption(QStringLiteral("Send Email:"), QStringLiteral("lblSendEmail"), this, 150, lightGreen);
    lblEmail = Value(Contact().email, QStringLiteral("lblEmail"), this, 150, lightGreen);
    lblGoToWeb = Caption(QStringLiteral("Go to Web Page:"), QStringLiteral("lblGoToWeb"), this, 176, yellow);
    lblURL = Value(QString(), QStringLiteral("lblURL"), this, 176, yellow);
    lblURL->setToolTip(QStringLiteral("The programmer's web page"));
    lblURL1 = Value(QString(), QStringLiteral("lblURL1"), this, 200, yellow);
    lblURL1->setToolTip(QStringLiteral("The programmer's blog page"));
    for (QLabel* link : {lblEmail, lblURL, lblURL1}) {
        link->setMouseTracking(true);
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }

    // The database in use, in small print across the circle's widest part.
    QLabel* database = PlacedLabel(QDir::toNativeSeparators(DatabaseFilePath()), QStringLiteral("lblDatabase"), this,
                                   QRect(20, 224, Diameter - 40, 30), Qt::lightGray);
    database->setAlignment(Qt::AlignCenter);
    database->setWordWrap(true);
    database->setToolTip(QStringLiteral("The database in use"));
    QFont small = database->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    database->setFont(small);

    Command1 = NewButton(QStringLiteral("OK"), QStringLiteral("Command1"), this);
    Command1->setGeometry((Diameter - 84) / 2, 258, 84, 30);
}
