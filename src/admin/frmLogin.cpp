#include "admin/frmLogin.h"

#include "data/FieldLimits.h"
#include "data/PasswordHash.h"
#include "data/ProgramSettings.h"
#include "data/SettingsStore.h"
#include "ui/Clock.h"
#include "ui/DatabaseConnection.h"
#include "ui/LockableComboBox.h"
#include "ui/LogoFile.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace {
const QString Administrator = QStringLiteral("Administrator");
const QString LogoFilter = QStringLiteral("Files Images (*.jpg *.jpeg *.gif *.bmp *.png)");

constexpr int CollapsedHeight = 3990;
constexpr int ExtendedHeight = 7020;
constexpr int FrameHeight = 3735;
constexpr int ExtendedFrameHeight = 3979;
constexpr int AppliedFrameHeight = 2206;

// Wrong passwords in a row before each further try must wait, and the
// longest wait: 1 s after the third, doubling with each one after it.
constexpr int FreeTries = 3;
constexpr int LongestWaitSeconds = 30;

int WaitSeconds(int failures)
{
    if (failures < FreeTries)
        return 0;
    return std::min(LongestWaitSeconds, 1 << std::min(failures - FreeTries, 5));
}

// Whole seconds still to wait, rounded up; none once the wait has passed.
int SecondsLeft(const ProgramSettings::LoginFailures& failures, const QDateTime& now)
{
    const qint64 wait = qint64(WaitSeconds(failures.count)) * 1000;
    const qint64 elapsed = failures.last.isValid() ? failures.last.msecsTo(now) : wait;
    if (elapsed >= wait)
        return 0;
    return int((wait - elapsed + 999) / 1000);
}

// A clock set back before the last wrong password counts as no time having
// passed: the wait runs afresh from now, so setting the clock back neither
// ends it nor makes it last until the clock catches up.
ProgramSettings::LoginFailures FailuresAsOf(ProgramSettings& settings, const QDateTime& now)
{
    ProgramSettings::LoginFailures failures = settings.FailedLogins();
    if (failures.last.isValid() && failures.last > now) {
        failures.last = now;
        settings.SetFailedLogins(failures);
    }
    return failures;
}

QString WaitText(int seconds)
{
    return seconds == 1 ? QStringLiteral("Too many wrong passwords: try again in 1 second.")
                        : QStringLiteral("Too many wrong passwords: try again in %1 seconds.").arg(seconds);
}

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
    const RowLookup<SettingsRow> settings = SettingsStore(LoginConnection).Read();
    if (settings.readFailed) {
        registry().prompter().Report(LoginConnection.LastError().Text());
        return;
    }
    if (settings.row) {
        if (settings.row->key == 0) {
            cmb_as->setEditText(Administrator);
            cmb_as->SetLocked(true);
            txt_uname->setEnabled(false);
        }
        txtSchoolName->setText(settings.row->schoolName);
        txt_Welcometime->setText(QString::number(settings.row->welcomeTime, 'g', QLocale::FloatingPointShortest));
        lblPicture->setText(settings.row->picture);
    }
    txtSchoolName->setReadOnly(true);
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
    ProgramSettings settings(LoginConnection);
    const QDateTime now = registry().clock().Now();
    const ProgramSettings::LoginFailures failures = FailuresAsOf(settings, now);
    if (const int wait = SecondsLeft(failures, now); wait > 0) {
        registry().prompter().Report(WaitText(wait), QStringLiteral("Acess Denied"), MessageIcon::Information);
        txt_pass->clear();
        return;
    }
    const std::optional<bool> matches = PasswordMatches();
    if (matches != true) {
        if (matches == false) {
            settings.SetFailedLogins({failures.count + 1, now});
            registry().prompter().Report(QStringLiteral("Invalid password."), QStringLiteral("Acess Denied"),
                                         MessageIcon::Information);
        }
        txt_pass->clear();
        return;
    }
    if (failures.count > 0)
        settings.SetFailedLogins({});
    HandOverToTeacherScreen();
}

// Letter case and every space count. A failed read is reported, gives no
// answer and lets nobody in.
std::optional<bool> frmLogin::PasswordMatches()
{
    const RowLookup<SettingsRow> settings = SettingsStore(LoginConnection).Read();
    if (settings.readFailed) {
        registry().prompter().Report(LoginConnection.LastError().Text());
        return std::nullopt;
    }
    const QString stored = settings.row ? settings.row->pass : QString();
    const PasswordHash::Check check = PasswordHash::Verify(stored, txt_pass->text());
    if (check == PasswordHash::Check::RightButPlain)
        StorePasswordHashed(stored);
    return check != PasswordHash::Check::Wrong;
}

// A password an older file keeps as plain text is stored as its hash by the
// first login that gives it; secure_delete leaves no trace of the plain text.
// A failure to store it is reported and keeps nobody out: the next login tries again.
void frmLogin::StorePasswordHashed(const QString& plain)
{
    const QString hash = PasswordHash::Hash(plain);
    if (hash.isEmpty())
        return;
    if (!SettingsStore(LoginConnection).ReplacePlainPassword(plain, hash))
        registry().prompter().Report(LoginConnection.LastError().Text());
}

void frmLogin::HandOverSchool()
{
    registry().SetSchool({txtSchoolName->text().left(MaxSchoolName), lblPicture->text()});
}

void frmLogin::HandOverToTeacherScreen()
{
    loggedIn_ = true;
    HandOverSchool();
    emit loggedIn();
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

// A logo that is missing, not a regular file or not a picture shows no logo.
void frmLogin::ShowLogo()
{
    Image4->setPixmap(QPixmap::fromImage(LoadLogo(lblPicture->text())));
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
    if (!IsLogoFile(path)) {
        registry().prompter().Report(
            QStringLiteral("The school logo must be a picture file of at most %1 MB.").arg(MaxLogoBytes >> 20),
            QStringLiteral("Select School Logo"), MessageIcon::Information);
        return;
    }
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
    if (name.size() > MaxSchoolName) {
        registry().prompter().Report(QStringLiteral("The school name takes at most %1 characters; this one has %2.")
                                         .arg(MaxSchoolName)
                                         .arg(name.size()),
                                     QStringLiteral("Invalid School Name"), MessageIcon::Information);
        txtSchoolName->setFocus();
        return;
    }
    switch (SettingsStore(LoginConnection).SetSchool(name, lblPicture->text())) {
    case SettingsWrite::Written: break;
    case SettingsWrite::Failed: return registry().prompter().Report(LoginConnection.LastError().Text());
    case SettingsWrite::NoRow:
        return registry().prompter().Report(QStringLiteral("Nothing was stored: the database holds no settings row."));
    }
    txtSchoolName->setText(name);
    HandOverSchool();
    registry().prompter().Report(QStringLiteral("Record Added Successfusly!"), QStringLiteral("Add Record"),
                                 MessageIcon::Information);
    cmdOK->setEnabled(true);
    Collapse(AppliedFrameHeight);
    cmd_Change->setEnabled(true);
    Command7->setEnabled(true);
    txtSchoolName->setReadOnly(true);
    cmd_apply->setEnabled(false);
}
