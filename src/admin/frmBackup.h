#pragma once

#include "data/Connection.h"
#include "ui/Screen.h"

class FolderList;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

// The backup screen: a consistent copy of the database written to a folder
// and name of the operator's choice, and the record of the last backup.
class frmBackup : public Screen {
    Q_OBJECT
public:
    explicit frmBackup(ScreenRegistry& registry, QWidget* parent = nullptr);

private:
    void BuildScreen();
    QGroupBox* BuildLastBackup();
    QGroupBox* BuildChoice();
    QWidget* BuildButtons();

    void Form_Load();
    void FillDrives();
    void Drive1_Change(int index);
    void File1_Follow(const QString& folder);
    void cmdSave_Click();
    void BackupFailed(const QString& target, const QString& reason);
    void cmdMKDir_Click();
    void cmdRestore_Click();
    void ShowTarget();
    QString Target() const;

    Connection BackupConnection;
    int driveIndex_ = 0;

    QComboBox* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    QListWidget* File1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QToolButton* cmdSave = nullptr;
    QToolButton* cmdCancel = nullptr;
    QPushButton* cmdMKDir = nullptr;
    QPushButton* cmdRestore = nullptr;
    QLabel* lbl_target = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lbl_path = nullptr;
    QLabel* lbl_lastdate = nullptr;
    QLabel* lbl_lasttime = nullptr;
};
