#pragma once

#include "data/Connection.h"
#include "data/FieldLimits.h"
#include "ui/Screen.h"

#include <functional>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;
class ProgramSettings;
class SettingsStore;
enum class SettingsWrite;

// The settings screen: the Administrator password, the stay times, the
// welcome flag and the window-position option of the settings row (Key 1),
// the school's periods in a day, the term's first day and the relief limits,
// shown read-only until "Click to modify".
class frmSetting : public Screen {
    Q_OBJECT
public:
    // The password boxes take as many characters as the login's password box.
    static constexpr int PasswordLength = MaxPasswordLength;

    explicit frmSetting(ScreenRegistry& registry, QWidget* parent = nullptr);

    void ShowSettings();
    void LockSettingFields(bool locked);
    bool ValidateSettings();

private:
    void BuildScreen();
    QGroupBox* BuildStayTimes();
    QGroupBox* BuildOpenForm();
    QGroupBox* BuildPassword();
    QGroupBox* BuildRelief();
    QWidget* BuildButtons();

    void Form_Load();
    void cmd_Change_Click();
    void cmd_apply_Click();
    void cmd_default_Click();
    void ShowOwnSettings();
    void EnterViewState();
    int SelectedViewe() const;
    bool NewPassword() const;
    // Whether a write of the settings row stored it; the operator is told
    // when it failed or found no row to change.
    bool Stored(SettingsWrite write);
    // Writes the settings row and the program's own settings together or not
    // at all; the operator is told of a failure.
    bool StoreTogether(const std::function<SettingsWrite(SettingsStore&)>& writeRow,
                       const std::function<bool(ProgramSettings&)>& writeOwn);

    Connection SettingConnection;

    QLineEdit* txt_splash = nullptr;
    QLineEdit* txt_welcome = nullptr;
    QLineEdit* txt_periods = nullptr;
    QCheckBox* Check1 = nullptr;
    QGroupBox* fra_form = nullptr;
    QRadioButton* opt_tl = nullptr;
    QRadioButton* opt_ce = nullptr;
    QRadioButton* opt_def = nullptr;
    QLineEdit* txt_pass1 = nullptr;
    QLineEdit* txt_pass2 = nullptr;
    QDateEdit* dtpTerm = nullptr;
    QLineEdit* txtDayLimit = nullptr;
    QLineEdit* txtWeekLimit = nullptr;
    QToolButton* cmd_Change = nullptr;
    QToolButton* cmd_apply = nullptr;
    QToolButton* cmd_default = nullptr;
    QToolButton* cmd_cancel = nullptr;
    QLabel* Label8 = nullptr;
};
