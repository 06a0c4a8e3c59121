#include "admin/frmLogin.h"

#include "teachers/frmDbase.h"
#include "ui/DatabaseConnection.h"
#include "ui/LockableComboBox.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

namespace {
const QString Administrator = QStringLiteral("Administrator");
const QString NoLogo = QStringLiteral("N/A");
const QString LogoFilter = QStringLiteral("Files Images (*.jpg *.jpeg *.gif *.bmp *.png)");

constexpr int CollapsedHeight = 3990;
constexpr int ExtendedHeight = 7020;
constexpr int FrameHeight = 3735;
constexpr int ExtendedFrameHeight = 3979;
constexpr int AppliedFrameHeight = 2206;

// Columns of the settings row, read by position.
constexpr int KeyColumn = 0;
constexpr int WelcometimeColumn = 11;
constexpr int SchoolNameColumn = 13;
constexpr int PictureColumn = 14;

// More and Less lie at one place: the hidden one's column must not take the other's clicks.
void ShowButtonWithLabel(QWidget* button, QWidget* label, bool shown)
{
    button->setVisible(shown);
    label->setVisible(shown);
    button->parentWidget()->setVisible(shown);
}
}

frmLogin::frmLogin(ScreenRegistry& registry, QWidget* parent)
    : Screen(registry, parent)
    , LoginRecordset(LoginConnection)
{
    BuildScreen();
    connect(cmb_as, &LockableComboBox::activated, this, &frmLogin::cmb_as_Click);
    connect(cmdOK, &QToolButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(txt_pass, &QLineEdit::returnPressed, cmdOK, &QToolButton::click);
    connect(cmdCancel, &QToolButton::clicked, this, [this] { this->registry().EndProgram(); });
    connect(Command1, &QToolButton::clicked, this, &frmLogin::Command1_Click);
    connect(Command7, &QToolButton::clicked, this, &frmLogin::Command7_Click);
    connect(cmd_Change, &QToolButton::clicked, this, &frmLogin::cmd_Change_Click);
    connect(Command5, &QPushButton::clicked, this, &frmLogin::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmLogin::Command6_Click);
    connect(cmd_apply, &QToolButton::clicked, this, &frmLogin::cmd_apply_Click);
    Form_Load();
}

void frmLogin::Form_Load()
{
    if (!OpenDatabaseOrEnd(LoginConnection, registry()))
        return LoadFailed();
    cmd_apply->setEnabled(false);
    if (!LoginRecordset.Open(QStringLiteral("Select * from custom"))) {
        registry().prompter().Report(LoginRecordset.LastError().Text());
        return;
    }
    if (LoginRecordset.HasCurrentRow()) {
        if (LoginRecordset.Field(KeyColumn).toInt() == 0) {
            cmb_as->setEditText(Administrator);
            cmb_as->SetLocked(true);
            txt_uname->setEnabled(false);
        }
        txtSchoolName->setText(LoginRecordset.Text(SchoolNameColumn));
        txt_Welcometime->setText(LoginRecordset.Text(WelcometimeColumn));
        lblPicture->setText(LoginRecordset.Text(PictureColumn));
    }
    txtSchoolName->setReadOnly(true);
    LoginRecordset.Close();
}

// The screen is set out afresh each time it is shown, not when it comes back
// from one of its own dialogs (the logo's file dialog, a message).
void frmLogin::showEvent(QShowEvent* event)
{
    Screen::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void frmLogin::Form_Activate()
{
    Collapse(FrameHeight);
    Command5->setEnabled(false);
    Command6->setEnabled(false);
    cmb_as->setFocus();
}

// Closing the login window without logging in ends the program, as Cancel does.
void frmLogin::closeEvent(QCloseEvent* event)
{
    Screen::closeEvent(event);
    if (!loggedIn_ && !registry().IsEnding())
        registry().EndProgram();
}

void frmLogin::cmb_as_Click()
{
    if (cmb_as->currentText() != Administrator)
        return;
    txt_uname->setEnabled(false);
    txt_pass->setFocus();
    txt_uname->clear();
}

void frmLogin::cmdOK_Click()
{
    if (txtSchoolName->text() == UnnamedSchool) {
        registry().prompter().Report(QStringLiteral("Please Change, Correct School Name and Address"),
                                     QStringLiteral("Invalid School Name"), MessageIcon::Information);
        Command1_Click();
        return;
    }
    if (cmb_as->currentText() != Administrator)
        return;
    if (txt_pass->text().isEmpty()) {
        registry().prompter().Report(QStringLiteral("Please enter password."), QStringLiteral("Password missing"),
                                     MessageIcon::Information);
        txt_pass->setFocus();
        return;
    }
    const std::optional<bool> matches = PasswordMatches();
    if (matches != true) {
        if (matches == false)
            registry().prompter().Report(QStringLiteral("Invalid password."), QStringLiteral("Acess Denied"),
                                         MessageIcon::Information);
        txt_pass->clear();
        return;
    }
    HandOverToTeacherScreen();
}

// Compared exactly: letter case and every space count. A failed read is
// reported, gives no answer and lets nobody in.
std::optional<bool> frmLogin::PasswordMatches()
{
    if (!LoginRecordset.Open(QStringLiteral("Select Pass from Custom"))) {
        registry().prompter().Report(LoginRecordset.LastError().Text());
        return std::nullopt;
    }
    const bool matches = LoginRecordset.HasCurrentRow() && LoginRecordset.Text(0) == txt_pass->text();
    LoginRecordset.Close();
    return matches;
}

void frmLogin::HandOverToTeacherScreen()
{
    loggedIn_ = true;
    if (auto* teachers = registry().Show<frmDbase>())
        teachers->SetSchool(txtSchoolName->text(), lblPicture->text());
    close();
}

void frmLogin::Command1_Click()
{
    setFixedHeight(Twips(ExtendedHeight));
    Shape1->setFixedHeight(Twips(ExtendedFrameHeight));
    Shape2->show();
    ShowButtonWithLabel(Command7, Label8, true);
    ShowButtonWithLabel(Command1, Label5, false);
    ShowLogo();
    Command5->setEnabled(false);
    Command6->setEnabled(false);
}

void frmLogin::Command7_Click()
{
    Collapse(FrameHeight);
}

void frmLogin::Collapse(int frameHeightTwips)
{
    setFixedHeight(Twips(CollapsedHeight));
    Shape1->setFixedHeight(Twips(frameHeightTwips));
    Shape2->hide();
    ShowButtonWithLabel(Command7, Label8, false);
    ShowButtonWithLabel(Command1, Label5, true);
}

// A logo that is missing or not a picture shows no logo.
void frmLogin::ShowLogo()
{
    const QString path = lblPicture->text();
    Image4->setPixmap(path.isEmpty() || path == NoLogo ? QPixmap() : QPixmap(path));
}

void frmLogin::cmd_Change_Click()
{
    txtSchoolName->setReadOnly(false);
    txtSchoolName->setFocus();
    txtSchoolName->selectAll();
    cmdOK->setEnabled(false);
    cmd_Change->setEnabled(false);
    Command7->setEnabled(false);
    cmd_apply->setEnabled(true);
    Command5->setEnabled(true);
    Command6->setEnabled(true);
}

void frmLogin::Command5_Click()
{
    const QString path = registry().prompter().OpenFile(QStringLiteral("Select School Logo"), LogoFilter);
    if (path.isEmpty())
        return;
    lblPicture->setText(path);
    ShowLogo();
}

void frmLogin::Command6_Click()
{
    lblPicture->clear();
    Image4->setPixmap(QPixmap());
}

void frmLogin::cmd_apply_Click()
{
    const QString name = txtSchoolName->text().trimmed();
    if (name.isEmpty()) {
        registry().prompter().Report(QStringLiteral("Enter Correct School Name"));
        txtSchoolName->clear();
        txtSchoolName->setFocus();
        return;
    }
    if (!LoginRecordset.Open(QStringLiteral("Select * from custom")) || !LoginRecordset.HasCurrentRow()) {
        registry().prompter().Report(LoginRecordset.LastError().IsSet()
                                         ? LoginRecordset.LastError().Text()
                                         : QStringLiteral("Nothing was stored: the database holds no settings row."));
        return;
    }
    LoginRecordset.SetField(QStringLiteral("schName"), name);
    LoginRecordset.SetField(QStringLiteral("Picture"), lblPicture->text());
    const bool stored = LoginRecordset.Update();
    if (!stored)
        registry().prompter().Report(LoginRecordset.LastError().Text());
    LoginRecordset.Close();
    if (!stored)
        return;
    txtSchoolName->setText(name);
    registry().prompter().Report(QStringLiteral("Record Added Successfusly!"), QStringLiteral("Add Record"),
                                 MessageIcon::Information);
    cmdOK->setEnabled(true);
    Collapse(AppliedFrameHeight);
    cmd_Change->setEnabled(true);
    Command7->setEnabled(true);
    txtSchoolName->setReadOnly(true);
    cmd_apply->setEnabled(false);
}
