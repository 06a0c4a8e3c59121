#include "teachers/frmDbase.h"

#include "data/NextTeacherNumber.h"
#include "teachers/TimetableColours.h"
#include "ui/Colours.h"
#include "ui/LockableComboBox.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace {
const QString Blank = QStringLiteral("-");
}

void frmDbase::cmdAdd_Click()
{
    const std::optional<QString> number = NextTeacherNumber(TeacherConnection);
    if (!number) {
        const DbError& failure = TeacherConnection.LastError();
        registry_.prompter().Report(failure.IsSet()
                                        ? failure.Text()
                                        : QStringLiteral("No teacher can be added: the highest teacher number, %1, is already in use.")
                                              .arg(HighestTeacherNumber),
                                    {}, MessageIcon::Exclamation);
        return;
    }
    TeacherRecordset.AddNew();
    EnterEditMode();
    Check1->setChecked(false);
    Check2->setChecked(false);
    for (QLineEdit* field : {txtADNo, txtName, txtComName, txtSubj, txtClass})
        field->clear();
    txttitle->setEditText(QString());
    for (int slot = 0; slot < SlotCount; ++slot) {
        Text1[slot]->setText(OffPeriod);
        Text10[slot]->setText(OffPeriod);
        SetBackground(Text1[slot], WorkingColour);
        SetBackground(Text10[slot], WorkingColour);
    }
    txtADNo->setText(*number);
    txttitle->setFocus();
}

void frmDbase::cmdSave_Click()
{
    freePeriodCount_ = 0;
    if (!TimetableCheck())
        return;
    StoreEmptyClassSlotsAsOff();
    if (!RequiredFieldsPresent())
        return;
    FillBlankOptionalFields();

    const TeacherRow row = TeacherRowFromScreen();
    row.Write(TeacherRecordset);
    if (!TeacherRecordset.Update()) {
        ReportSaveFailure();
        return;
    }
    registry_.prompter().Report(QStringLiteral("The record has been saved successfully."), QStringLiteral("ADD"));

    if (TeacherRecordset.Requery())
        PositionOnTeacher(row.adno1);
    EnterBrowseMode();
    ShowFreePeriods();
    ShowRecordCounters();
}

// A slot is either off in both cells or working in both; the first slot that
// is not is marked and gets the focus.
bool frmDbase::TimetableCheck()
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        SetBackground(Text1[slot], WorkingColour);
        SetBackground(Text10[slot], WorkingColour);
        const bool classOff = Text1[slot]->text() == OffPeriod;
        const bool subjectOff = Text10[slot]->text() == OffPeriod;
        if (classOff != subjectOff) {
            SetBackground(Text1[slot], TimetableErrorColour);
            SetBackground(Text10[slot], TimetableErrorColour);
            Text1[slot]->setFocus();
            return false;
        }
    }
    return true;
}

// A slot whose class was left empty is an off period in both cells.
void frmDbase::StoreEmptyClassSlotsAsOff()
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (Text1[slot]->text().isEmpty()) {
            Text1[slot]->setText(OffPeriod);
            Text10[slot]->setText(OffPeriod);
        }
    }
}

bool frmDbase::RequiredFieldsPresent()
{
    const auto missing = [this](QWidget* field, const QString& message) {
        registry_.prompter().Report(message);
        field->setFocus();
        return false;
    };
    if (txtADNo->text().isEmpty())
        return missing(txtADNo, QStringLiteral("Enter Teacher No"));
    if (txttitle->currentText().isEmpty())
        return missing(txttitle, QStringLiteral("Enter Teacher Title"));
    if (txtName->text().isEmpty())
        return missing(txtName, QStringLiteral("Enter Teacher Name"));
    return true;
}

void frmDbase::FillBlankOptionalFields()
{
    for (QLineEdit* field : {txtSubj, txtClass, txtComName}) {
        if (field->text().isEmpty())
            field->setText(Blank);
    }
}

void frmDbase::ReportSaveFailure()
{
    const DbError& failure = TeacherRecordset.LastError();
    if (failure.IsUniqueViolation())
        registry_.prompter().Report(QStringLiteral("Teacher's No. already exist,please enter another No."),
                                    QStringLiteral("Teacher ID exist"), MessageIcon::Information);
    else
        registry_.prompter().Report(failure.Text());
}

// Makes the teacher with this number the current row, so that the counters
// show its place and a later Update changes this teacher and no other.
void frmDbase::PositionOnTeacher(const QString& number)
{
    const int wanted = number.trimmed().toInt();
    for (TeacherRecordset.MoveFirst(); TeacherRecordset.HasCurrentRow(); TeacherRecordset.MoveNext()) {
        if (TeacherRecordset.Field(TeacherColumn::adno1).toInt() == wanted)
            return;
    }
    TeacherRecordset.MoveFirst();
}

void frmDbase::cmdUpdate_Click()
{
    if (!registry_.prompter().Ask(QStringLiteral("Do you really want to modify the current record?"),
                                  QStringLiteral("Modify"), MessageIcon::Exclamation))
        return;
    TeacherRecordset.Update();
    EnterEditMode();
    txtADNo->setFocus();
    txtADNo->selectAll();
    Text1[0]->setText(Text1[0]->text().toUpper());
}

void frmDbase::cmdCancel_Click()
{
    if (!registry_.prompter().Ask(QStringLiteral("Do you really want to cancel this update?"), QStringLiteral("CANCEL"),
                                  MessageIcon::Exclamation))
        return;
    TeacherRecordset.CancelUpdate();
    TeacherRecordset.MoveFirst();
    ShowCurrentTeacher();
    EnterBrowseMode();
    ShowRecordCounters();
}

void frmDbase::cmdDelete_Click()
{
    if (TeacherRecordset.RecordCount() <= 1) {
        registry_.prompter().Report(QStringLiteral("No permision for delete Records."));
        return;
    }
    if (registry_.prompter().Ask(QStringLiteral("Do you really want to delete the current record?"),
                                 QStringLiteral("DELETE"), MessageIcon::Exclamation)) {
        if (!TeacherConnection.Execute(QStringLiteral("delete from TabelPB where adno1=?"), {txtAdno1->text()})) {
            registry_.prompter().Report(TeacherConnection.LastError().Text());
            return;
        }
        registry_.prompter().Report(QStringLiteral("The record has been deleted successfully."));
        OpenTeacherTable();
        ShowCurrentTeacher();
        EnterBrowseMode();
    }
    ShowRecordCounters();
}

void frmDbase::cmdSearch_Click()
{
    const std::optional<QString> typed = registry_.prompter().Input(QStringLiteral("Teacher Number: "),
                                                                    QStringLiteral("Teacher Number"), QStringLiteral("1"));
    if (!typed)
        return;
    const std::optional<QString> number = FindTeacherNumber(*typed);
    if (!number) {
        registry_.prompter().Report(QStringLiteral("Please enter valid Teacher number"), QStringLiteral("Error"),
                                    MessageIcon::Question);
        return;
    }
    if (!OpenTeacherTable())
        return;
    PositionOnTeacher(*number);
    ShowCurrentTeacher();
    EnterBrowseMode();
    ShowRecordCounters();
}

// The number of the teacher that a typed search text names: a number in any of
// its usual written forms, whole, and the number of a teacher in the table.
std::optional<QString> frmDbase::FindTeacherNumber(const QString& typed)
{
    bool numeric = false;
    const double value = typed.trimmed().toDouble(&numeric);
    if (!numeric || !std::isfinite(value) || value != std::floor(value) || value < 1 || value > HighestTeacherNumber)
        return std::nullopt;
    const QString number = QString::number(int(value));
    Recordset lookup(TeacherConnection);
    if (!lookup.Open(QStringLiteral("select adno1 from TabelPB where adno1=?"), {int(value)}) || lookup.IsEOF())
        return std::nullopt;
    return number;
}
