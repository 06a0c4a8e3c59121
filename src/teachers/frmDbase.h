#pragma once

#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/TeacherRow.h"
#include "teachers/StoredTeacher.h"
#include "ui/Screen.h"

#include <array>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class LockableComboBox;
class ScreenRegistry;
class TimetableCell;
struct DbError;
struct School;

// The teacher database screen: one teacher record at a time with the personal
// timetable, the record commands and the buttons that lead to every other screen.
class frmDbase : public Screen {
    Q_OBJECT
public:
    explicit frmDbase(ScreenRegistry& registry, QWidget* parent = nullptr);

    void ShowCurrentTeacher();
    void MarkTimetableErrors();
    void ShowRecordCounters();

    int FreePeriodCount() const { return freePeriodCount_; }

signals:
    // The buttons that lead to the screens built on this one; the program
    // connects them to those screens.
    void attendanceAsked();
    void backupAsked();
    void settingsAsked();
    void contactAsked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the screen.
    void BuildScreen();
    QWidget* BuildBanner();
    QGroupBox* BuildRecordArea();
    QGroupBox* BuildGrid(const QString& caption, const QString& frameName, std::array<TimetableCell*, SlotCount>& cells,
                         const QString& cellName);
    QWidget* BuildLegend();
    QWidget* BuildUpperButtons();
    QWidget* BuildLowerButtons();
    QWidget* BuildImportButtons();

    // Loading and showing.
    void Form_Load();
    void ShowTeacherRow(const TeacherRow& row);
    void ShowEmptyRecord();
    void ShowSchool(const School& school);
    void ShowFreePeriods();
    void ReadPeriodsInDay();
    bool IsSchoolPeriod(int slot) const;
    void ShowNoPeriods();
    TeacherRow TeacherRowFromScreen() const;

    // Modes.
    void EnterBrowseMode();
    void EnterEditMode();
    void SetRecordFieldsEditable(bool editable);
    // Between Add or Update and their Save or Cancel.
    bool IsEditing() const { return editing_; }

    // Field events.
    void ClassCellChanged();
    void TitleEntered();
    void Check1Toggled(bool ticked);
    void Check2Toggled(bool ticked);

    // Commands.
    void cmdFirst_Click();
    void cmdLast_Click();
    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdExit_Click();
    void ShowAfterMove();
    bool AskToQuit();
    void Command4_Click();

    // Record commands (adding, saving, changing, deleting, searching).
    void cmdAdd_Click();
    void cmdSave_Click();
    void cmdUpdate_Click();
    // Gives the answer to its question: true when the edit was given up.
    bool cmdCancel_Click();
    void cmdDelete_Click();
    void cmdSearch_Click();
    bool TimetableCheck();
    bool MarkIfTimetableError(int slot);
    void StoreEmptyClassSlotsAsOff();
    bool RequiredFieldsPresent();
    bool TeacherNumberValid();
    bool TextsWithinLimit();
    void FillBlankOptionalFields();
    StoredTeacher::State WriteTeacher(const TeacherRow& row, DbError* failure);
    void ReportSaveFailure(const DbError& failure);
    void OfferStoredTeacher(int number, const QString& whatHappened);
    void ShowStoredTeacher(int number);
    bool OpenTeacherTable();
    void PositionOnTeacher(int number);
    std::optional<int> FindTeacherNumber(const QString& typed, bool* lookedUp);

    // Bringing teachers in from a file and writing the register out.
    void cmdImport_Click();
    void cmdExport_Click();

    Connection TeacherConnection;
    Recordset TeacherRecordset;
    int freePeriodCount_ = 0;
    int periodsInDay_ = PeriodsPerDay;
    bool editing_ = false;
    // The teacher as read when Update began; a save writes only over that row.
    std::optional<StoredTeacher> updating_;

    // Controls, named as on the screen.
    QLabel* Label19 = nullptr;
    QLabel* Label25 = nullptr;
    QLabel* Label24 = nullptr;
    QLineEdit* txtADNo = nullptr;
    QLineEdit* txtAdno1 = nullptr;
    QLabel* Label21 = nullptr;
    QCheckBox* Check1 = nullptr;
    LockableComboBox* txttitle = nullptr;
    QLineEdit* txtName = nullptr;
    QCheckBox* Check2 = nullptr;
    QLineEdit* txtSubj = nullptr;
    QLineEdit* txtClass = nullptr;
    QLineEdit* txtComName = nullptr;
    std::array<TimetableCell*, SlotCount> Text1 {};
    std::array<TimetableCell*, SlotCount> Text10 {};
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdSearch = nullptr;
    QPushButton* cmdAtten = nullptr;
    QPushButton* cmdBackup = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* cmdFirst = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdLast = nullptr;
    QLabel* lbl_rec = nullptr;
    QLabel* lbl_total = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdExport = nullptr;
};
