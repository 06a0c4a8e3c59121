#include "admin/frmSetting.h"

#include "data/PasswordHash.h"
#include "data/ProgramSettings.h"
#include "data/SettingsStore.h"
#include "data/Transaction.h"
#include "ui/Clock.h"
#include "ui/DatabaseConnection.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QToolButton>

#include <cmath>

namespace {
// Stay times a school may want: none at all up to a minute.
constexpr double LongestStayTime = 60000;

enum class Viewe { TopLeft = 1, ScreenCentre = 2, Default = 3 };

// A stay time as a number is shown, in its shortest exact form.
QString StayTimeText(double milliseconds)
{
    return QString::number(milliseconds, 'g', QLocale::FloatingPointShortest);
}

// A stay time in milliseconds: a decimal number, with sign, point or exponent.
std::optional<double> Number(const QString& text)
{
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = plain.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool IsStayTime(const QString& text)
{
    const std::optional<double> value = Number(text);
    return value && *value >= 0 && *value <= LongestStayTime;
}

std::optional<int> WholeNumber(const QString& text, int lowest, int highest)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < lowest || number > highest)
        return std::nullopt;
    return number;
}

std::optional<int> PeriodsInDay(const QString& text)
{
    return WholeNumber(text, 1, ProgramSettings::MaxPeriodsInDay);
}

std::optional<int> ReliefLimit(const QString& text)
{
    return WholeNumber(text, 1, ProgramSettings::MaxLimit);
}

struct Rule {
    bool failed;
    QString text;
    QString title;
    MessageIcon icon;
};
}

frmSetting::frmSetting(ScreenRegistry& registry, QWidget* parent)
    : Screen(registry, parent)
{
    BuildScreen();
    connect(cmd_Change, &QToolButton::clicked, this, &frmSetting::cmd_Change_Click);
    connect(cmd_apply, &QToolButton::clicked, this, &frmSetting::cmd_apply_Click);
    connect(cmd_default, &QToolButton::clicked, this, &frmSetting::cmd_default_Click);
    connect(cmd_cancel, &QToolButton::clicked, this, &QWidget::close);
    Form_Load();
}

void frmSetting::Form_Load()
{
    if (!OpenDatabaseForScreen(SettingConnection, registry()))
        return LoadFailed();
    EnterViewState();
    ShowSettings();
}

// Reads the settings row afresh. The password is never shown, nor how long
// it is: its boxes start empty, and left empty they keep it.
void frmSetting::ShowSettings()
{
    const RowLookup<SettingsRow> settings = SettingsStore(SettingConnection).Read();
    if (settings.readFailed) {
        registry().prompter().Report(SettingConnection.LastError().Text());
        return;
    }
    txt_pass1->clear();
    txt_pass2->clear();
    ShowOwnSettings();
    if (!settings.row)
        return;
    txt_splash->setText(StayTimeText(settings.row->splashTime));
    txt_welcome->setText(StayTimeText(settings.row->welcomeTime));
    Check1->setChecked(settings.row->welcome);
    switch (Viewe(settings.row->viewe)) {
    case Viewe::TopLeft: opt_tl->setChecked(true); break;
    case Viewe::ScreenCentre: opt_ce->setChecked(true); break;
    default: opt_def->setChecked(true); break;
    }
}

void frmSetting::ShowOwnSettings()
{
    const ProgramSettings own(SettingConnection);
    txt_periods->setText(QString::number(own.PeriodsInDay()));
    dtpTerm->setDate(own.TermStart(registry().clock().Today()));
    const ProgramSettings::ReliefLimits limits = own.Limits();
    txtDayLimit->setText(QString::number(limits.perDay));
    txtWeekLimit->setText(QString::number(limits.perWeek));
}

void frmSetting::LockSettingFields(bool locked)
{
    for (QLineEdit* field : {txt_splash, txt_welcome, txt_periods, txtDayLimit, txtWeekLimit, txt_pass1, txt_pass2})
        field->setReadOnly(locked);
    dtpTerm->setReadOnly(locked);
    for (QWidget* choice : std::initializer_list<QWidget*> {Check1, opt_tl, opt_ce, opt_def})
        choice->setEnabled(!locked);
}

bool frmSetting::ValidateSettings()
{
    const QString missing = QStringLiteral("Field missing");
    const QString improper = QStringLiteral("Improper value");
    const bool newPassword = NewPassword();
    const Rule rules[] = {
        {txt_splash->text().isEmpty(), QStringLiteral("Please enter splashscreen stay time in ms."), missing,
         MessageIcon::Information},
        {txt_welcome->text().isEmpty(), QStringLiteral("Please enter Welcome screen stay time in ms."), missing,
         MessageIcon::Information},
        {newPassword && txt_pass1->text().trimmed().isEmpty(), QStringLiteral("Please enter Password."), missing,
         MessageIcon::Information},
        {newPassword && txt_pass2->text().isEmpty(), QStringLiteral("Please enter Passwordconfirm."), missing,
         MessageIcon::Information},
        {!Number(txt_splash->text()), QStringLiteral("Splash screen stay time mustbe Numeric."), improper,
         MessageIcon::Information},
        {!Number(txt_welcome->text()), QStringLiteral("Welcome screen stay time mustbe Numeric."), improper,
         MessageIcon::Information},
        {!IsStayTime(txt_splash->text()),
         QStringLiteral("Splash screen stay time must be from 0 to %1 ms.").arg(LongestStayTime), improper,
         MessageIcon::Information},
        {!IsStayTime(txt_welcome->text()),
         QStringLiteral("Welcome screen stay time must be from 0 to %1 ms.").arg(LongestStayTime), improper,
         MessageIcon::Information},
        {!PeriodsInDay(txt_periods->text()),
         QStringLiteral("Periods in a day must be a whole number from 1 to %1.").arg(ProgramSettings::MaxPeriodsInDay),
         improper, MessageIcon::Information},
        {!ReliefLimit(txtDayLimit->text()),
         QStringLiteral("Most reliefs a day must be from 1 to %1.").arg(ProgramSettings::MaxLimit), improper,
         MessageIcon::Information},
        {!ReliefLimit(txtWeekLimit->text()),
         QStringLiteral("Most reliefs a week must be from 1 to %1.").arg(ProgramSettings::MaxLimit), improper,
         MessageIcon::Information},
        {ReliefLimit(txtWeekLimit->text()) < ReliefLimit(txtDayLimit->text()),
         QStringLiteral("Most reliefs a week cannot be fewer than most reliefs a day."), improper,
         MessageIcon::Information},
        {txt_pass2->text() != txt_pass1->text(), QStringLiteral("May be typing mistake,plese verify the password."),
         QStringLiteral("Invalid password"), MessageIcon::Critical},
    };
    for (const Rule& rule : rules) {
        if (rule.failed) {
            registry().prompter().Report(rule.text, rule.title, rule.icon);
            return false;
        }
    }
    return true;
}

void frmSetting::cmd_Change_Click()
{
    LockSettingFields(false);
    cmd_Change->setEnabled(false);
    cmd_apply->setEnabled(true);
    Label8->setText(QStringLiteral("Cancel"));
    txt_pass1->setFocus();
}

void frmSetting::cmd_apply_Click()
{
    if (txt_pass2->text() != txt_pass1->text()) {
        registry().prompter().Report(QStringLiteral("Password Mismatch ."), QStringLiteral("Password Error"),
                                     MessageIcon::Information);
        txt_pass1->clear();
        txt_pass2->clear();
        return;
    }
    if (!ValidateSettings())
        return;
    // Every character counts, spaces too, as at the login that checks it.
    std::optional<QString> password;
    if (NewPassword()) {
        password = PasswordHash::Hash(txt_pass1->text());
        if (password->isEmpty()) {
            registry().prompter().Report(QStringLiteral("The new password cannot be stored: nothing was saved."), {},
                                         MessageIcon::Critical);
            return;
        }
    }
    const SettingsChange change = {password, *Number(txt_splash->text()), SelectedViewe(), Check1->isChecked(),
                                   *Number(txt_welcome->text())};
    const int periods = *PeriodsInDay(txt_periods->text());
    const QDate termStart = dtpTerm->date();
    const ProgramSettings::ReliefLimits limits = {*ReliefLimit(txtDayLimit->text()),
                                                  *ReliefLimit(txtWeekLimit->text())};
    const bool stored = StoreTogether([&change](SettingsStore& row) { return row.Apply(change); },
                                      [&](ProgramSettings& own) {
                                          return own.SetPeriodsInDay(periods) && own.SetTermStart(termStart)
                                              && own.SetLimits(limits);
                                      });
    if (!stored)
        return;
    txt_pass1->clear();
    txt_pass2->clear();
    registry().prompter().Report(QStringLiteral("Changes are Applied."), QStringLiteral("Save"),
                                 MessageIcon::Information);
    EnterViewState();
}

// The periods in a day are the school's own and stay as they are.
void frmSetting::cmd_default_Click()
{
    const QDate newYear(registry().clock().Today().year(), 1, 1);
    const bool stored = StoreTogether([](SettingsStore& row) { return row.RestoreDefaults(); },
                                      [&newYear](ProgramSettings& own) {
                                          return own.SetTermStart(newYear) && own.SetLimits({});
                                      });
    if (!stored)
        return;
    ShowSettings();
    Check1->setChecked(true);
    registry().prompter().Report(QStringLiteral("Default Changes are Applied."), QStringLiteral("Save"),
                                 MessageIcon::Information);
    EnterViewState();
}

bool frmSetting::StoreTogether(const std::function<SettingsWrite(SettingsStore&)>& writeRow,
                               const std::function<bool(ProgramSettings&)>& writeOwn)
{
    Transaction transaction(SettingConnection);
    if (transaction.IsActive()) {
        SettingsStore row(SettingConnection);
        if (!Stored(writeRow(row)))
            return false;
        ProgramSettings own(SettingConnection);
        if (writeOwn(own) && transaction.Commit())
            return true;
    }
    registry().prompter().Report(SettingConnection.LastError().Text());
    return false;
}

// Nothing changed must not be reported as applied: a row other than Key 1
// is shown, but never changed.
bool frmSetting::Stored(SettingsWrite write)
{
    switch (write) {
    case SettingsWrite::Written: return true;
    case SettingsWrite::Failed: registry().prompter().Report(SettingConnection.LastError().Text()); break;
    case SettingsWrite::NoRow:
        registry().prompter().Report(QStringLiteral(
                                         "Nothing was stored: the database holds no settings row with the Key 1."),
                                     {}, MessageIcon::Critical);
        break;
    }
    return false;
}

void frmSetting::EnterViewState()
{
    cmd_Change->setEnabled(true);
    cmd_apply->setEnabled(false);
    Label8->setText(QStringLiteral("OK"));
    LockSettingFields(true);
}

// Both password boxes left empty keep the stored password.
bool frmSetting::NewPassword() const
{
    return !txt_pass1->text().isEmpty() || !txt_pass2->text().isEmpty();
}

int frmSetting::SelectedViewe() const
{
    if (opt_tl->isChecked())
        return int(Viewe::TopLeft);
    if (opt_ce->isChecked())
        return int(Viewe::ScreenCentre);
    return int(Viewe::Default);
}
