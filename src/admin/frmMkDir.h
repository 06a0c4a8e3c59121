#pragma once

#include "ui/Screen.h"

class QLineEdit;
class QPushButton;

// The new-folder dialog of the backup screen, which it replaces while open
// and brings back, freshly loaded, when it closes.
class frmMkDir : public Screen {
    Q_OBJECT
public:
    explicit frmMkDir(ScreenRegistry& registry, QWidget* parent = nullptr);

    // The folder in which the new one is made.
    void SetParentFolder(const QString& folder);
    void FocusName();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildScreen();
    void Command1_Click();
    void ShowBackupScreen();

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
