#include "admin/frmSetting.h"

#include "ui/DatabaseConnection.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QToolButton>

#include <cmath>

namespace {
const QString SettingsQuery = QStringLiteral(
    "select Dayslimit,Fratepday,Maxhold,Pass,Refcopy,Salnew,Salper,Saltemp,Splashtime,Viewe,Welcometime,Welcome "
    "from Custom");
const QString ApplyStatement = QStringLiteral(
    "UPDATE Custom SET Pass = ?, Splashtime = ?, Viewe = ?, Welcome = ?, Welcometime = ? WHERE Key=1");
// The stored password is kept, without its surrounding spaces.
const QString DefaultStatement = QStringLiteral(
    "UPDATE Custom SET Dayslimit = 15, Fratepday = 1, Maxhold = 2, Pass = trim(Pass), Refcopy = 2, Salnew = 2000, "
    "Salper = 4500, Saltemp = 3000, Splashtime = 2000, Viewe = 3, Welcome = 1, Welcometime = 1000 WHERE Key=1");

enum class Viewe { TopLeft = 1, ScreenCentre = 2, Default = 3 };

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

struct Rule {
    bool failed;
    QString text;
    QString title;
    MessageIcon icon;
};
}

frmSetting::frmSetting(ScreenRegistry& registry, QWidget* parent)
    : Screen(registry, parent)
    , SettingRecordset(SettingConnection)
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
    if (!SettingRecordset.Open(SettingsQuery)) {
        registry().prompter().Report(SettingRecordset.LastError().Text());
        return;
    }
    ShowSettings();
}

void frmSetting::ShowSettings()
{
    if (!SettingRecordset.HasCurrentRow())
        return;
    txt_splash->setText(SettingRecordset.Text(QStringLiteral("Splashtime")));
    txt_welcome->setText(SettingRecordset.Text(QStringLiteral("Welcometime")));
    txt_pass1->setText(SettingRecordset.Text(QStringLiteral("Pass")));
    txt_pass2->setText(SettingRecordset.Text(QStringLiteral("Pass")));
    Check1->setChecked(SettingRecordset.Field(QStringLiteral("Welcome")).toInt() != 0);
    switch (Viewe(SettingRecordset.Field(QStringLiteral("Viewe")).toInt())) {
    case Viewe::TopLeft: opt_tl->setChecked(true); break;
    case Viewe::ScreenCentre: opt_ce->setChecked(true); break;
    default: opt_def->setChecked(true); break;
    }
}

void frmSetting::LockSettingFields(bool locked)
{
    for (QLineEdit* field : {txt_splash, txt_welcome, txt_pass1, txt_pass2})
        field->setReadOnly(locked);
    for (QWidget* choice : std::initializer_list<QWidget*> {Check1, opt_tl, opt_ce, opt_def})
        choice->setEnabled(!locked);
}

bool frmSetting::ValidateSettings()
{
    const QString missing = QStringLiteral("Field missing");
    const QString improper = QStringLiteral("Improper value");
    const Rule rules[] = {
        {txt_splash->text().isEmpty(), QStringLiteral("Please enter splashscreen stay time in ms."), missing,
         MessageIcon::Information},
        {txt_welcome->text().isEmpty(), QStringLiteral("Please enter Welcome screen stay time in ms."), missing,
         MessageIcon::Information},
        {txt_pass1->text().trimmed().isEmpty(), QStringLiteral("Please enter Password."), missing,
         MessageIcon::Information},
        {txt_pass2->text().isEmpty(), QStringLiteral("Please enter Passwordconfirm."), missing,
         MessageIcon::Information},
        {!Number(txt_splash->text()), QStringLiteral("Splash screen stay time mustbe Numeric."), improper,
         MessageIcon::Information},
        {!Number(txt_welcome->text()), QStringLiteral("Welcome screen stay time mustbe Numeric."), improper,
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
    const QVariantList values = {txt_pass1->text().trimmed(), *Number(txt_splash->text()), SelectedViewe(),
                                 Check1->isChecked() ? 1 : 0, *Number(txt_welcome->text())};
    if (!UpdateSettingsRow(ApplyStatement, values))
        return;
    registry().prompter().Report(QStringLiteral("Changes are Applied."), QStringLiteral("Save"),
                                 MessageIcon::Information);
    EnterViewState();
}

void frmSetting::cmd_default_Click()
{
    if (!UpdateSettingsRow(DefaultStatement, {}))
        return;
    if (SettingRecordset.Requery())
        ShowSettings();
    else
        registry().prompter().Report(SettingRecordset.LastError().Text());
    Check1->setChecked(true);
    registry().prompter().Report(QStringLiteral("Default Changes are Applied."), QStringLiteral("Save"),
                                 MessageIcon::Information);
    EnterViewState();
}

// Nothing changed must not be reported as applied: a row other than Key 1
// is shown, but never changed.
bool frmSetting::UpdateSettingsRow(const QString& sql, const QVariantList& values)
{
    int changed = 0;
    if (!SettingConnection.Execute(sql, values, &changed)) {
        registry().prompter().Report(SettingConnection.LastError().Text());
        return false;
    }
    if (changed == 0) {
        registry().prompter().Report(
            QStringLiteral("Nothing was stored: the database holds no settings row with the Key 1."), {},
            MessageIcon::Critical);
        return false;
    }
    return true;
}

void frmSetting::EnterViewState()
{
    cmd_Change->setEnabled(true);
    cmd_apply->setEnabled(false);
    Label8->setText(QStringLiteral("OK"));
    LockSettingFields(true);
}

int frmSetting::SelectedViewe() const
{
    if (opt_tl->isChecked())
        return int(Viewe::TopLeft);
    if (opt_ce->isChecked())
        return int(Viewe::ScreenCentre);
    return int(Viewe::Default);
}
