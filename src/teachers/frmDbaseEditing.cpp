#include "teachers/frmDbase.h"

#include "data/FieldLimits.h"
#include "data/NextTeacherNumber.h"
#include "data/TeacherStore.h"
#include "data/Transaction.h"
#include "teachers/TimetableCell.h"
#include "teachers/TimetableColours.h"
#include "ui/Colours.h"
#include "ui/DatabaseConnection.h"
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
        registry().prompter().Report(
            failure.IsSet()
                ? failure.Text()
                : QStringLiteral("No teacher can be added: the highest teacher number, %1, is already in use.")
                      .arg(HighestTeacherNumber),
            {}, MessageIcon::Exclamation);
        return;
    }
    updating_.reset();
    ReadPeriodsInDay();
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
        SetBackground(Text1[slot], IsSchoolPeriod(slot) ? WorkingColour : NoPeriodBackground);
        SetBackground(Text10[slot], IsSchoolPeriod(slot) ? WorkingColour : NoPeriodBackground);
    }
    ShowNoPeriods();
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
    if (!TeacherNumberValid())
        return;
    if (!TextsWithinLimit())
        return;
    FillBlankOptionalFields();

    const TeacherRow row = TeacherRowFromScreen();
    DbError failure;
    switch (WriteTeacher(row, &failure)) {
    case StoredTeacher::State::Same: break;
    case StoredTeacher::State::Failed: return ReportSaveFailure(failure);
    case StoredTeacher::State::Changed:
        return OfferStoredTeacher(
            updating_->Number(),
            QStringLiteral("Teacher %1 was changed elsewhere since you began this update, so nothing was saved.")
                .arg(updating_->Number()));
    case StoredTeacher::State::Gone:
        return registry().prompter().Report(
            QStringLiteral("Teacher %1 was deleted elsewhere since you began this update, so nothing was saved. "
                           "Your changes stay on the screen; Cancel leaves them.")
                .arg(updating_->Number()),
            {}, MessageIcon::Exclamation);
    }
    updating_.reset();
    registry().prompter().Report(QStringLiteral("The record has been saved successfully."), QStringLiteral("ADD"));

    if (TeacherRecordset.Requery())
        PositionOnTeacher(row.adno1.toInt());
    else
        ReportReadFailure(TeacherConnection, registry());
    EnterBrowseMode();
    ShowFreePeriods();
    ShowRecordCounters();
}

// A slot is either off in both cells or working in both; the first slot that
// is not is marked and gets the focus.
bool frmDbase::TimetableCheck()
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (!IsSchoolPeriod(slot))
            continue;
        SetBackground(Text1[slot], WorkingColour);
        SetBackground(Text10[slot], WorkingColour);
        if (MarkIfTimetableError(slot))
            return false;
    }
    return true;
}

// A slot whose class was left empty is an off period in both cells.
void frmDbase::StoreEmptyClassSlotsAsOff()
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (IsSchoolPeriod(slot) && Text1[slot]->text().isEmpty()) {
            Text1[slot]->setText(OffPeriod);
            Text10[slot]->setText(OffPeriod);
        }
    }
}

bool frmDbase::RequiredFieldsPresent()
{
    const auto missing = [this](QWidget* field, const QString& message) {
        registry().prompter().Report(message);
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

// The number is stored as a number and as its text; only a plain whole number
// is taken, and written back in its one form, so that both columns agree.
bool frmDbase::TeacherNumberValid()
{
    const std::optional<int> number = ParseTeacherNumber(txtADNo->text());
    if (!number) {
        registry().prompter().Report(
            QStringLiteral("The teacher number must be a whole number from 1 to %1, written in digits only.")
                .arg(HighestTeacherNumber),
            {}, MessageIcon::Exclamation);
        txtADNo->setFocus();
        txtADNo->selectAll();
        return false;
    }
    txtADNo->setText(QString::number(*number));
    return true;
}

// A text longer than the register holds is refused whole, never cut.
bool frmDbase::TextsWithinLimit()
{
    QList<std::pair<QLineEdit*, QString>> fields = {{txttitle->lineEdit(), QStringLiteral("title")},
                                                    {txtName, QStringLiteral("teacher name")},
                                                    {txtComName, QStringLiteral("common name")},
                                                    {txtSubj, QStringLiteral("subjects")},
                                                    {txtClass, QStringLiteral("class")}};
    for (int slot = 0; slot < SlotCount; ++slot) {
        const QString when = QStringLiteral("%1, %2 period").arg(DayNames[DayOf(slot)], PeriodName(slot));
        fields.append({Text1[slot], QStringLiteral("class of ") + when});
        fields.append({Text10[slot], QStringLiteral("subject of ") + when});
    }
    for (const auto& [field, what] : fields) {
        if (field->text().size() <= MaxRegisterText)
            continue;
        registry().prompter().Report(QStringLiteral("The %1 is %2 characters long; it may have at most %3. "
                                                    "Nothing was saved.")
                                         .arg(what)
                                         .arg(field->text().size())
                                         .arg(MaxRegisterText),
                                     {}, MessageIcon::Exclamation);
        field->setFocus();
        field->selectAll();
        return false;
    }
    return true;
}

void frmDbase::FillBlankOptionalFields()
{
    for (QLineEdit* field : {txtSubj, txtClass, txtComName}) {
        if (field->text().isEmpty())
            field->setText(Blank);
    }
}

// A change is written only while the stored teacher is still the one read
// when Update began; the failure is taken before the transaction ends, so that
// no message is shown while the file is held.
StoredTeacher::State frmDbase::WriteTeacher(const TeacherRow& row, DbError* failure)
{
    Transaction transaction(TeacherConnection);
    StoredTeacher::State state = transaction.IsActive() ? StoredTeacher::State::Same : StoredTeacher::State::Failed;
    if (state == StoredTeacher::State::Same && updating_)
        state = updating_->Compare(TeacherConnection);
    if (state == StoredTeacher::State::Same) {
        row.Write(TeacherRecordset);
        if (!TeacherRecordset.Update() || !transaction.Commit())
            state = StoredTeacher::State::Failed;
    }
    *failure = TeacherConnection.LastError();
    return state;
}

void frmDbase::ReportSaveFailure(const DbError& failure)
{
    if (failure.IsUniqueViolation())
        registry().prompter().Report(QStringLiteral("Teacher's No. already exist,please enter another No."),
                                     QStringLiteral("Teacher ID exist"), MessageIcon::Information);
    else
        registry().prompter().Report(failure.Text());
}

// Makes the teacher with this number the current row, so that the counters
// show its place and a later Update changes this teacher and no other.
void frmDbase::PositionOnTeacher(int number)
{
    for (TeacherRecordset.MoveFirst(); TeacherRecordset.HasCurrentRow(); TeacherRecordset.MoveNext()) {
        if (TeacherRecordset.Field(TeacherColumn::adno1).toInt() == number)
            return;
    }
    TeacherRecordset.MoveFirst();
}

void frmDbase::cmdUpdate_Click()
{
    if (!registry().prompter().Ask(QStringLiteral("Do you really want to modify the current record?"),
                                   QStringLiteral("Modify"), MessageIcon::Exclamation))
        return;
    TeacherRecordset.Update();
    updating_ = StoredTeacher::Read(TeacherRecordset);
    EnterEditMode();
    txtADNo->setFocus();
    txtADNo->selectAll();
    Text1[0]->setText(Text1[0]->text().toUpper());
}

bool frmDbase::cmdCancel_Click()
{
    if (!registry().prompter().Ask(QStringLiteral("Do you really want to cancel this update?"),
                                   QStringLiteral("CANCEL"), MessageIcon::Exclamation))
        return false;
    updating_.reset();
    TeacherRecordset.CancelUpdate();
    TeacherRecordset.MoveFirst();
    ShowCurrentTeacher();
    EnterBrowseMode();
    ShowRecordCounters();
    return true;
}

void frmDbase::cmdDelete_Click()
{
    if (TeacherRecordset.RecordCount() <= 1) {
        registry().prompter().Report(QStringLiteral("No permision for delete Records."));
        return;
    }
    if (registry().prompter().Ask(QStringLiteral("Do you really want to delete the current record?"),
                                  QStringLiteral("DELETE"), MessageIcon::Exclamation)) {
        const StoredTeacher shown = StoredTeacher::Read(TeacherRecordset);
        switch (shown.Delete(TeacherConnection)) {
        case StoredTeacher::State::Failed: registry().prompter().Report(TeacherConnection.LastError().Text()); return;
        case StoredTeacher::State::Changed:
            OfferStoredTeacher(shown.Number(),
                               QStringLiteral(
                                   "Teacher %1 was changed elsewhere since it was shown, so it was not deleted.")
                                   .arg(shown.Number()));
            return;
        case StoredTeacher::State::Gone:
            registry().prompter().Report(
                QStringLiteral("Teacher %1 had already been deleted elsewhere.").arg(shown.Number()), {},
                MessageIcon::Exclamation);
            break;
        case StoredTeacher::State::Same:
            registry().prompter().Report(QStringLiteral("The record has been deleted successfully."));
            break;
        }
        OpenTeacherTable();
        ShowCurrentTeacher();
        EnterBrowseMode();
    }
    ShowRecordCounters();
}

// Tells what another copy of the program did to the teacher, and offers the
// teacher as stored now; No keeps the screen as it is, so that an edit can be
// copied before it is given up.
void frmDbase::OfferStoredTeacher(int number, const QString& whatHappened)
{
    if (registry().prompter().Ask(whatHappened + QStringLiteral("\n\nShow the teacher as stored now?"),
                                  QStringLiteral("Changed elsewhere"), MessageIcon::Exclamation))
        ShowStoredTeacher(number);
}

void frmDbase::ShowStoredTeacher(int number)
{
    updating_.reset();
    TeacherRecordset.CancelUpdate();
    if (OpenTeacherTable())
        PositionOnTeacher(number);
    ShowCurrentTeacher();
    EnterBrowseMode();
    ShowRecordCounters();
}

void frmDbase::cmdSearch_Click()
{
    const std::optional<QString> typed = registry().prompter().Input(QStringLiteral("Teacher Number: "),
                                                                     QStringLiteral("Teacher Number"),
                                                                     QStringLiteral("1"));
    if (!typed)
        return;
    bool lookedUp = false;
    const std::optional<int> number = FindTeacherNumber(*typed, &lookedUp);
    if (!lookedUp) {
        ReportReadFailure(TeacherConnection, registry());
        return;
    }
    if (!number) {
        registry().prompter().Report(QStringLiteral("Please enter valid Teacher number"), QStringLiteral("Error"),
                                     MessageIcon::Question);
        return;
    }
    // A table that cannot be read again leaves no teacher to show or change.
    if (OpenTeacherTable())
        PositionOnTeacher(*number);
    ShowCurrentTeacher();
    EnterBrowseMode();
    ShowRecordCounters();
}

// The number of the teacher that a typed search text names: a number in any of
// its usual written forms, whole, and the number of a teacher in the table.
// lookedUp is false when the table could not be read, so that a failure is
// never taken for a teacher who does not exist.
std::optional<int> frmDbase::FindTeacherNumber(const QString& typed, bool* lookedUp)
{
    *lookedUp = true;
    bool numeric = false;
    const double value = typed.trimmed().toDouble(&numeric);
    if (!numeric || !std::isfinite(value) || value != std::floor(value) || value < 1 || value > HighestTeacherNumber)
        return std::nullopt;
    const std::optional<bool> inUse = TeacherStore(TeacherConnection).NumberInUse(int(value));
    *lookedUp = inUse.has_value();
    if (inUse != true)
        return std::nullopt;
    return int(value);
}
