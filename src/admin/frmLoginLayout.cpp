#include "admin/frmLogin.h"

#include "ui/Controls.h"
#include "ui/LockableComboBox.h"
#include "ui/PictureButton.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {
constexpr int ScreenWidth = 440;
constexpr int FieldsLeft = 80;
constexpr int BoxLeft = 170;
constexpr int BoxWidth = 240;
constexpr int ButtonsTop = 166;
constexpr int ExtensionTop = 280;

QLabel* PlacedLabel(const QString& text, const QString& name, QWidget* parent, const QRect& place)
{
    QLabel* label = NewLabel(text, name, parent);
    label->setGeometry(place);
    return label;
}

QLineEdit* NewBox(const QString& text, const QString& name, QWidget* parent, const QRect& place)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

QFrame* NewShape(const QString& name, QWidget* parent, const QRect& place)
{
    auto* shape = new QFrame(parent);
    shape->setObjectName(name);
    shape->setFrameShape(QFrame::Box);
    shape->setFrameShadow(QFrame::Sunken);
    shape->setGeometry(place);
    return shape;
}

PictureButton NewButton(QStyle::StandardPixmap picture, const QString& tooltip, const QString& name,
                        const QString& caption, const QString& labelName, QWidget* parent, QPoint at)
{
    const PictureButton made = NewPictureButton(parent->style()->standardIcon(picture), tooltip, name, caption,
                                                labelName, parent);
    made.column->setGeometry(QRect(at, QSize(90, 66)));
    return made;
}
}

void frmLogin::BuildScreen()
{
    setWindowTitle(QStringLiteral("Login"));
    setFixedWidth(ScreenWidth);
    BuildLoginPart();
    BuildExtension();
}

void frmLogin::BuildLoginPart()
{
    Shape1 = NewShape(QStringLiteral("Shape1"), this, QRect(8, 8, ScreenWidth - 16, 249));
    auto* image = PlacedLabel(QString(), QStringLiteral("Image1"), this, QRect(20, 20, 48, 48));
    image->setPixmap(style()->standardIcon(QStyle::SP_DialogYesButton).pixmap(48, 48));

    PlacedLabel(QStringLiteral("Enter as"), QStringLiteral("Label1"), this, QRect(FieldsLeft, 22, 80, 24));
    cmb_as = new LockableComboBox(this);
    cmb_as->setObjectName(QStringLiteral("cmb_as"));
    cmb_as->setEditable(true);
    cmb_as->setInsertPolicy(QComboBox::NoInsert);
    // A role typed by hand stays as typed: "Adm" is not completed to the one role that logs in.
    cmb_as->setCompleter(nullptr);
    cmb_as->addItem(QStringLiteral("Administrator"));
    cmb_as->setEditText(QStringLiteral("Enter as"));
    cmb_as->setGeometry(BoxLeft, 20, BoxWidth, 26);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(FieldsLeft, 52, ScreenWidth - FieldsLeft - 30, 4);

    // The user-name box is never shown: there is no login by user name.
    PlacedLabel(QStringLiteral("User Name:"), QStringLiteral("lblLabels(0)"), this, QRect(FieldsLeft, 64, 80, 24))
        ->hide();
    txt_uname = NewBox(QStringLiteral("User Name"), QStringLiteral("txt_uname"), this,
                       QRect(BoxLeft, 62, BoxWidth, 26));
    txt_uname->setMaxLength(PasswordLength);
    txt_uname->hide();
    PlacedLabel(QStringLiteral("Password:"), QStringLiteral("lblLabels(1)"), this, QRect(FieldsLeft, 64, 80, 24));
    txt_pass = NewBox(QStringLiteral("Password"), QStringLiteral("txt_pass"), this, QRect(BoxLeft, 62, BoxWidth, 26));
    MaskWithStars(txt_pass);
    txt_pass->setMaxLength(PasswordLength);

    auto* hint = PlacedLabel(QStringLiteral(
                                 "Specify option for enterring in Morvane and enter password,Specify User name "
                                 "for Users."),
                             QStringLiteral("Label4"), this, QRect(20, 98, ScreenWidth - 40, 44));
    hint->setWordWrap(true);

    cmdOK = NewButton(QStyle::SP_DialogOkButton, QStringLiteral("Click to submit"), QStringLiteral("cmdOK"),
                      QStringLiteral("OK"), QStringLiteral("Label3"), this, QPoint(60, ButtonsTop))
                .button;
    cmdCancel = NewButton(QStyle::SP_DialogCancelButton, QStringLiteral("Cancel to Abort"), QStringLiteral("cmdCancel"),
                          QStringLiteral("Cancel"), QStringLiteral("Label2"), this, QPoint(175, ButtonsTop))
                    .button;
    const PictureButton more = NewButton(QStyle::SP_ArrowDown, QStringLiteral("More Details"),
                                         QStringLiteral("Command1"), QStringLiteral("More Setting"),
                                         QStringLiteral("Label5"), this, QPoint(290, ButtonsTop));
    Command1 = more.button;
    Label5 = more.label;
    const PictureButton less = NewButton(QStyle::SP_ArrowUp, QStringLiteral("More Details"), QStringLiteral("Command7"),
                                         QStringLiteral("Less Setting"), QStringLiteral("Label8"), this,
                                         QPoint(290, ButtonsTop));
    Command7 = less.button;
    Label8 = less.label;
}

void frmLogin::BuildExtension()
{
    const int top = ExtensionTop;
    Shape2 = NewShape(QStringLiteral("Shape2"), this, QRect(8, top, ScreenWidth - 16, 180));
    PlacedLabel(QStringLiteral("School Name"), QStringLiteral("Label6"), this, QRect(20, top + 12, 90, 24));
    txtSchoolName = NewBox(QString(), QStringLiteral("txtSchoolName"), this, QRect(110, top + 10, 310, 26));

    NewShape(QStringLiteral("Shape3"), this, QRect(20, top + 44, 112, 112));
    Image4 = PlacedLabel(QString(), QStringLiteral("Image4"), this, QRect(22, top + 46, 108, 108));
    Image4->setScaledContents(true);

    Command5 = new QPushButton(QStringLiteral("Select School Logo"), this);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command5->setGeometry(144, top + 54, 140, 28);
    Command6 = new QPushButton(QStringLiteral("Clear School Logo"), this);
    Command6->setObjectName(QStringLiteral("Command6"));
    Command6->setGeometry(144, top + 94, 140, 28);

    cmd_Change = NewButton(QStyle::SP_FileDialogDetailedView, QStringLiteral("Click to modify"),
                           QStringLiteral("cmd_Change"), QStringLiteral("Change"), QStringLiteral("Label7"), this,
                           QPoint(290, top + 40))
                     .button;
    cmd_apply = NewButton(QStyle::SP_DialogApplyButton, QStringLiteral("Apply settings"), QStringLiteral("cmd_apply"),
                          QStringLiteral("Apply"), QStringLiteral("Label9"), this, QPoint(290, top + 108))
                    .button;

    // Carriers of values, never shown.
    lblPicture = NewLabel(QString(), QStringLiteral("lblPicture"), this);
    lblPicture->hide();
    txt_Welcometime = NewBox(QString(), QStringLiteral("txt_Welcometime"), this, QRect());
    txt_Welcometime->hide();
}
