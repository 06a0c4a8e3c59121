#include "relief/frmList.h"

#include "data/HistoryStore.h"
#include "data/PlannedSetStore.h"
#include "data/ReliefStore.h"
#include "relief/Doubles.h"
#include "ui/Clock.h"
#include "ui/DatabaseConnection.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

namespace {
const QString PrintAndSaveTitle = QStringLiteral("Print and Save");

QString DayText(const QDate& day)
{
    return day.isValid() ? QLocale::system().toString(day, QLocale::LongFormat) : QStringLiteral("an earlier day");
}

// The rows as a set: in any order, whatever place numbers they carry.
QList<ReliefRecord> AsSet(QList<ReliefRecord> rows)
{
    for (ReliefRecord& row : rows)
        row[ReliefRecord::Adno].clear();
    std::sort(rows.begin(), rows.end(),
              [](const ReliefRecord& a, const ReliefRecord& b) { return a.fields < b.fields; });
    return rows;
}
}

// The rows kept for today come back as they were; another day's are not kept.
void frmList::RestoreDaySet()
{
    const std::optional<QList<PlannedRelief>> kept = PlannedSetStore(connection_).Read(registry().clock().Today());
    if (!kept) {
        ReportReadFailure(connection_, registry());
        return;
    }
    if (kept->isEmpty())
        return;
    plan_.Restore(*kept);
    for (QPushButton* button : {Command4, Command2, Command6})
        button->setEnabled(true);
}

void frmList::KeepDaySet()
{
    if (PlannedSetStore(connection_).Replace(registry().clock().Today(), plan_.Planned()) || keepFailureTold_)
        return;
    keepFailureTold_ = true;
    registry().prompter().Report(connection_.LastError().Text()
                                     + QStringLiteral("\n\nToday's relief set cannot be kept in the database. The "
                                                      "reliefs stay in this list while it is open: print and save "
                                                      "them before closing it."),
                                 QStringLiteral("Relief Set"), MessageIcon::Exclamation);
}

void frmList::ShowSetDay()
{
    if (plan_.RowCount() == 0) {
        lblSetDay->clear();
        return;
    }
    const QDate day = plan_.AnotherDay().value_or(registry().clock().Today());
    lblSetDay->setText(QStringLiteral("Planned for %1 — %2")
                           .arg(DayText(day), IsSavedSet(day) ? QStringLiteral("saved") : QStringLiteral("not saved")));
}

// Whether the rows are exactly the set saved for that day; a set saved
// before days were kept is the one in the relief table.
bool frmList::IsSavedSet(const QDate& day)
{
    const std::optional<QList<ReliefRecord>> saved = day.isValid()
        ? HistoryStore(connection_).Reliefs(day)
        : ReliefStore(connection_).Read(ReliefOrder::AbsentTeacher);
    return saved && AsSet(*saved) == AsSet(ReliefStore::AsStored(plan_.Rows()));
}

bool frmList::ConfirmPrintAndSave()
{
    Prompter& prompter = registry().prompter();
    if (const QStringList doubles = Doubles(plan_.Rows()); !doubles.isEmpty()) {
        prompter.Report(QStringLiteral("This relief set cannot be saved:\n\n%1\n\nCorrect the list and save again.")
                            .arg(doubles.join('\n')),
                        PrintAndSaveTitle, MessageIcon::Exclamation);
        return false;
    }
    if (const std::optional<QDate> day = plan_.AnotherDay()) {
        if (!prompter.Ask(QStringLiteral("These reliefs were planned for %1, not for today. "
                                         "Save them as today's reliefs?")
                              .arg(DayText(*day)),
                          PrintAndSaveTitle, MessageIcon::Exclamation))
            return false;
    }
    const int uncovered = plan_.UncoveredCount();
    return uncovered == 0
        || prompter.Ask(QStringLiteral("%1 lesson(s) have no relief teacher and will be printed as Helper (Volunteer). "
                                       "Print and save?")
                            .arg(uncovered),
                        PrintAndSaveTitle, MessageIcon::Exclamation);
}

void frmList::RemoveSavedDay()
{
    Prompter& prompter = registry().prompter();
    const QDate day = registry().clock().Today();
    const std::optional<QList<ReliefRecord>> saved = HistoryStore(connection_).Reliefs(day);
    if (!saved) {
        ReportReadFailure(connection_, registry());
        return;
    }
    if (saved->isEmpty()) {
        prompter.Report(QStringLiteral("The relief set is empty: there is nothing to print and save."),
                        PrintAndSaveTitle, MessageIcon::Information);
        return;
    }
    if (!prompter.Ask(QStringLiteral("The relief set is empty. Remove the %1 relief(s) saved for %2?")
                          .arg(saved->size())
                          .arg(DayText(day)),
                      PrintAndSaveTitle, MessageIcon::Exclamation))
        return;
    if (!ReliefStore(connection_).RemoveDay(day))
        prompter.Report(connection_.LastError().Text() + QStringLiteral("\n\nThe saved reliefs have not been removed."),
                        {}, MessageIcon::Critical);
    ShowSavedCount();
}
