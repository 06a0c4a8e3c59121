#pragma once

#include "data/Connection.h"
#include "data/FieldLimits.h"
#include "ui/Screen.h"

#include <optional>

class LockableComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The gate to the program: the Administrator's password, and in its
// extension the school's name and logo, which a login hands to the registry.
class frmLogin : public Screen {
    Q_OBJECT
public:
    static constexpr int PasswordLength = MaxPasswordLength;
    // The school name of a database whose school has not been named yet.
    static inline const QString UnnamedSchool = QStringLiteral("School Name Here");

    explicit frmLogin(ScreenRegistry& registry, QWidget* parent = nullptr);

signals:
    // The Administrator is in; the program goes on with its main screen.
    void loggedIn();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildScreen();
    void BuildLoginPart();
    void BuildExtension();

    void Form_Load();
    void Form_Activate();
    void cmb_as_Click();
    void cmdOK_Click();
    void Command1_Click();
    void Command7_Click();
    void cmd_Change_Click();
    void Command5_Click();
    void Command6_Click();
    void cmd_apply_Click();

    void Collapse(int frameHeightTwips);
    void ShowLogo();
    std::optional<bool> PasswordMatches();
    void StorePasswordHashed(const QString& plain);
    void HandOverSchool();
    void HandOverToTeacherScreen();

    Connection LoginConnection;
    bool loggedIn_ = false;

    QFrame* Shape1 = nullptr;
    LockableComboBox* cmb_as = nullptr;
    QLineEdit* txt_uname = nullptr;
    QLineEdit* txt_pass = nullptr;
    QToolButton* cmdOK = nullptr;
    QToolButton* cmdCancel = nullptr;
    QToolButton* Command1 = nullptr;
    QLabel* Label5 = nullptr;
    QToolButton* Command7 = nullptr;
    QLabel* Label8 = nullptr;

    QFrame* Shape2 = nullptr;
    QLineEdit* txtSchoolName = nullptr;
    QLabel* Image4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QToolButton* cmd_Change = nullptr;
    QToolButton* cmd_apply = nullptr;
    QLabel* lblPicture = nullptr;
    QLineEdit* txt_Welcometime = nullptr;
};
