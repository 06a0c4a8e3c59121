#include "teachers/frmDbase.h"

#include "data/ProgramSettings.h"
#include "data/TeacherStore.h"
#include "report/ReportPreview.h"
#include "teachers/TimetableCell.h"
#include "teachers/TimetableColours.h"
#include "teachers/TimetableReport.h"
#include "ui/Clock.h"
#include "ui/Colours.h"
#include "ui/DatabaseConnection.h"
#include "ui/LockableComboBox.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QString FreePeriodText(int count)
{
    return QString::number(count) + QStringLiteral(" Free Period(s)");
}
}

frmDbase::frmDbase(ScreenRegistry& registry, QWidget* parent)
    : Screen(registry, parent)
    , TeacherRecordset(TeacherConnection, TeacherStore::Table)
{
    BuildScreen();

    for (TimetableCell* cell : Text1)
        connect(cell, &QLineEdit::textChanged, this, &frmDbase::ClassCellChanged);
    connect(txtADNo, &QLineEdit::textChanged, txtAdno1, &QLineEdit::setText);
    connect(txttitle->lineEdit(), &QLineEdit::returnPressed, this, &frmDbase::TitleEntered);
    connect(Check1, &QCheckBox::toggled, this, &frmDbase::Check1Toggled);
    connect(Check2, &QCheckBox::toggled, this, &frmDbase::Check2Toggled);

    connect(cmdFirst, &QPushButton::clicked, this, &frmDbase::cmdFirst_Click);
    connect(cmdLast, &QPushButton::clicked, this, &frmDbase::cmdLast_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmDbase::cmdNext_Click);
    connect(cmdPrevious, &QPushButton::clicked, this, &frmDbase::cmdPrevious_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDbase::cmdExit_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmDbase::cmdAdd_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmDbase::cmdSave_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmDbase::cmdUpdate_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmDbase::cmdCancel_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmDbase::cmdDelete_Click);
    connect(cmdSearch, &QPushButton::clicked, this, &frmDbase::cmdSearch_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmDbase::cmdImport_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmDbase::cmdExport_Click);

    connect(cmdAtten, &QPushButton::clicked, this, &frmDbase::attendanceAsked);
    connect(cmdBackup, &QPushButton::clicked, this, &frmDbase::backupAsked);
    connect(Command6, &QPushButton::clicked, this, &frmDbase::settingsAsked);
    connect(Command3, &QPushButton::clicked, this, &frmDbase::contactAsked);
    connect(Command4, &QPushButton::clicked, this, &frmDbase::Command4_Click);
    connect(&registry, &ScreenRegistry::schoolChanged, this, &frmDbase::ShowSchool);
    ShowSchool(registry.school());

    Form_Load();
}

void frmDbase::Form_Load()
{
    if (!OpenDatabaseOrEnd(TeacherConnection, registry()))
        return LoadFailed();
    if (!OpenTeacherTable()) {
        registry().EndProgram(1);
        return LoadFailed();
    }
    WarnWhenChangesCannotBeSaved(TeacherConnection, registry());
    txttitle->addItems(
        {QStringLiteral("Rev."), QStringLiteral("Mr."), QStringLiteral("Mrs."), QStringLiteral("Miss.")});
    ShowCurrentTeacher();
    EnterBrowseMode();
    ShowRecordCounters();
}

// Reads the whole teacher table in number order and moves to the first teacher.
bool frmDbase::OpenTeacherTable()
{
    if (!TeacherStore(TeacherConnection).OpenRegister(TeacherRecordset)) {
        ReportReadFailure(TeacherConnection, registry());
        return false;
    }
    TeacherRecordset.MoveFirst();
    return true;
}

// TT Print: every teacher's personal time table as saved, in a preview that
// leaves this screen usable.
void frmDbase::Command4_Click()
{
    const std::optional<QList<TeacherRow>> teachers = TeacherStore(TeacherConnection).Rows();
    if (!teachers)
        return ReportReadFailure(TeacherConnection, registry());
    ReportPreview::Show(PersonalTimeTable(*teachers, registry().clock().Today().year(), registry().school().name,
                                          ProgramSettings(TeacherConnection).PeriodsInDay()),
                        *this);
}

// Label25 shows the school's name, the hidden Label24 its logo's path.
void frmDbase::ShowSchool(const School& school)
{
    Label25->setText(school.name);
    Label24->setText(school.logoPath);
}

void frmDbase::ShowCurrentTeacher()
{
    ReadPeriodsInDay();
    if (TeacherRecordset.HasCurrentRow())
        ShowTeacherRow(TeacherRow::Read(TeacherRecordset));
    else
        ShowEmptyRecord();
}

void frmDbase::ShowTeacherRow(const TeacherRow& row)
{
    txtADNo->setText(row.adno);
    txttitle->setEditText(row.title);
    txtName->setText(row.name1);
    txtComName->setText(row.comname);
    txtAdno1->setText(row.adno1);
    Check1->setChecked(row.salOnly);
    Check2->setChecked(row.relFree);
    for (int slot = 0; slot < SlotCount; ++slot) {
        Text1[slot]->setText(row.classes[slot]);
        Text10[slot]->setText(row.subjects[slot]);
    }
    txtSubj->setText(row.subject);
    txtClass->setText(row.class1);
    ShowNoPeriods();
    ShowFreePeriods();
}

void frmDbase::ReadPeriodsInDay()
{
    periodsInDay_ = ProgramSettings(TeacherConnection).PeriodsInDay();
}

// The periods after the school's last one of the day are no periods.
bool frmDbase::IsSchoolPeriod(int slot) const
{
    return IsTeachingPeriod(slot, periodsInDay_);
}

// Cells of periods the school does not have are greyed, empty, and take no input.
void frmDbase::ShowNoPeriods()
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        const bool period = IsSchoolPeriod(slot);
        for (TimetableCell* cell : {Text1[slot], Text10[slot]}) {
            cell->setEnabled(period);
            if (!period)
                cell->clear();
        }
    }
}

void frmDbase::ShowEmptyRecord()
{
    for (QLineEdit* field : {txtADNo, txtName, txtComName, txtAdno1, txtSubj, txtClass})
        field->clear();
    txttitle->setEditText(QString());
    Check1->setChecked(false);
    Check2->setChecked(false);
    for (int slot = 0; slot < SlotCount; ++slot) {
        Text1[slot]->clear();
        Text10[slot]->clear();
        SetBackground(Text1[slot], WorkingColour);
        SetBackground(Text10[slot], WorkingColour);
    }
    freePeriodCount_ = 0;
    Label21->clear();
}

// Colours the cells from their texts and shows the number of free periods:
// the class cells that hold exactly "0".
void frmDbase::ShowFreePeriods()
{
    freePeriodCount_ = 0;
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (!IsSchoolPeriod(slot)) {
            SetBackground(Text1[slot], NoPeriodBackground);
            SetBackground(Text10[slot], NoPeriodBackground);
            continue;
        }
        const bool classOff = Text1[slot]->text() == OffPeriod;
        freePeriodCount_ += classOff ? 1 : 0;
        SetBackground(Text1[slot], classOff ? OffPeriodColour : WorkingColour);
        SetBackground(Text10[slot], Text10[slot]->text() == OffPeriod ? OffPeriodColour : WorkingColour);
    }
    Label21->setText(FreePeriodText(freePeriodCount_));
}

void frmDbase::MarkTimetableErrors()
{
    for (int slot = 0; slot < SlotCount; ++slot)
        MarkIfTimetableError(slot);
}

// Marks a slot whose two cells disagree about being off, and puts the focus
// on its class cell.
bool frmDbase::MarkIfTimetableError(int slot)
{
    if (!IsTimetableError(Text1[slot]->text(), Text10[slot]->text()))
        return false;
    SetBackground(Text1[slot], TimetableErrorColour);
    SetBackground(Text10[slot], TimetableErrorColour);
    Text1[slot]->setFocus();
    return true;
}

void frmDbase::ShowRecordCounters()
{
    lbl_total->setText(QString::number(TeacherRecordset.RecordCount()));
    lbl_rec->setText(QString::number(TeacherRecordset.AbsolutePosition()));
}

TeacherRow frmDbase::TeacherRowFromScreen() const
{
    TeacherRow row;
    row.adno = txtADNo->text();
    for (int slot = 0; slot < SlotCount; ++slot) {
        row.classes[slot] = IsSchoolPeriod(slot) ? Text1[slot]->text() : OffPeriod;
        row.subjects[slot] = IsSchoolPeriod(slot) ? Text10[slot]->text() : OffPeriod;
    }
    row.title = txttitle->currentText();
    row.name1 = txtName->text();
    row.comname = txtComName->text();
    row.salOnly = Check1->isChecked();
    row.adno1 = txtAdno1->text();
    row.relFree = Check2->isChecked();
    row.subject = txtSubj->text();
    row.class1 = txtClass->text();
    return row;
}

void frmDbase::EnterBrowseMode()
{
    const bool hasTeachers = TeacherRecordset.RecordCount() > 0;
    for (QPushButton* button : {cmdFirst, cmdLast, cmdNext, cmdPrevious, cmdDelete, cmdSearch, cmdUpdate})
        button->setEnabled(hasTeachers);
    for (QPushButton* button : {cmdAtten, cmdBackup, cmdExit, cmdImport, cmdExport})
        button->setEnabled(true);
    editing_ = false;
    cmdAdd->show();
    cmdSave->hide();
    cmdCancel->setEnabled(false);
    SetRecordFieldsEditable(false);
}

void frmDbase::EnterEditMode()
{
    for (QPushButton* button : {cmdFirst, cmdLast, cmdNext, cmdPrevious, cmdDelete, cmdSearch, cmdUpdate, cmdAtten,
                                cmdBackup, cmdExit, cmdImport, cmdExport})
        button->setEnabled(false);
    editing_ = true;
    cmdAdd->hide();
    cmdSave->show();
    cmdCancel->setEnabled(true);
    SetRecordFieldsEditable(true);
}

void frmDbase::SetRecordFieldsEditable(bool editable)
{
    for (QLineEdit* field : {txtADNo, txtName, txtComName, txtSubj, txtClass, txtAdno1})
        field->setReadOnly(!editable);
    for (int slot = 0; slot < SlotCount; ++slot) {
        Text1[slot]->setReadOnly(!editable);
        Text10[slot]->setReadOnly(!editable);
    }
    txttitle->SetLocked(!editable);
    Check1->setEnabled(editable);
    Check2->setEnabled(editable);
}

// Classes are kept in upper case; the caret stays at the end of the field being typed in.
void frmDbase::ClassCellChanged()
{
    for (TimetableCell* cell : Text1) {
        const QString upper = cell->text().toUpper();
        if (cell->text() != upper)
            cell->setText(upper);
    }
    if (auto* focused = qobject_cast<QLineEdit*>(focusWidget()))
        focused->end(false);
}

void frmDbase::TitleEntered()
{
    txtName->setFocus();
    txtName->selectAll();
}

// A teacher is either attached for substitution or free of relief duty, never both.
void frmDbase::Check1Toggled(bool ticked)
{
    if (ticked)
        Check2->setChecked(false);
}

void frmDbase::Check2Toggled(bool ticked)
{
    if (ticked)
        Check1->setChecked(false);
}

void frmDbase::ShowAfterMove()
{
    ShowCurrentTeacher();
    MarkTimetableErrors();
    ShowRecordCounters();
}

void frmDbase::cmdFirst_Click()
{
    TeacherRecordset.MoveFirst();
    ShowAfterMove();
}

void frmDbase::cmdLast_Click()
{
    TeacherRecordset.MoveLast();
    ShowAfterMove();
}

void frmDbase::cmdNext_Click()
{
    TeacherRecordset.MoveNext();
    if (TeacherRecordset.IsEOF()) {
        registry().prompter().Report(QStringLiteral("This is the last record."), QStringLiteral("Note it..."),
                                     MessageIcon::Exclamation);
        TeacherRecordset.MoveLast();
    }
    ShowAfterMove();
}

void frmDbase::cmdPrevious_Click()
{
    TeacherRecordset.MovePrevious();
    if (TeacherRecordset.IsBOF()) {
        registry().prompter().Report(QStringLiteral("This is the first record."), QStringLiteral("Note it..."),
                                     MessageIcon::Exclamation);
        TeacherRecordset.MoveFirst();
    }
    ShowAfterMove();
}

bool frmDbase::AskToQuit()
{
    return registry().prompter().Ask(QStringLiteral("Do you really want to Quit this Software?"),
                                     QStringLiteral("QUIT"), MessageIcon::Information);
}

void frmDbase::cmdExit_Click()
{
    if (AskToQuit())
        registry().EndProgram();
}

// Closing the main screen ends the program, after the same question as Exit.
// A record being added or changed is given up first, after its own question.
void frmDbase::closeEvent(QCloseEvent* event)
{
    if (registry().IsEnding()) {
        event->accept();
        return;
    }
    event->ignore();
    if (IsEditing() && !cmdCancel_Click())
        return;
    if (AskToQuit())
        registry().EndProgram();
}
