#include "relief/frmList.h"

#include "attendance/frmTTAb.h"
#include "data/HistoryStore.h"
#include "data/PlannedSetStore.h"
#include "data/ReliefStore.h"
#include "relief/Doubles.h"
#include "relief/frmRelList.h"
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
const QString NewDayTitle = QStringLiteral("New Day");

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

// The rows kept for the set's day come back as they were; another day's are not kept.
void frmList::RestoreDaySet()
{
    const std::optional<QList<PlannedRelief>> kept = PlannedSetStore(connection_).Read(plan_.Day());
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
    if (PlannedSetStore(connection_).Replace(plan_.Day(), plan_.Planned()) || keepFailureTold_)
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
    const QDate day = plan_.AnotherDay().value_or(plan_.Day());
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
    const QDate day = plan_.Day();
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

bool frmList::CheckDay()
{
    const QDate planned = plan_.Day();
    const QDate today = registry().clock().Today();
    if (planned == today)
        return true;
    if (plan_.RowCount() == 0) {
        StartDay(today);
        return true;
    }
    const QString changed = QStringLiteral("The date has changed: this relief set was planned for %1, and today is %2.")
                                .arg(DayText(planned), DayText(today));
    Prompter& prompter = registry().prompter();
    if (IsSavedSet(planned)) {
        prompter.Report(changed
                            + QStringLiteral("\n\nIts reliefs are saved under %1. The relief set now starts %2 afresh.")
                                  .arg(DayText(planned), DayText(today)),
                        NewDayTitle, MessageIcon::Information);
    } else {
        const bool save = prompter.Ask(changed
                                           + QStringLiteral("\n\nPrint and save it as the reliefs of %1, then start "
                                                            "%2 afresh? No starts %2 afresh and leaves these reliefs "
                                                            "unsaved.")
                                                 .arg(DayText(planned), DayText(today)),
                                       NewDayTitle, MessageIcon::Exclamation);
        // A save that did not happen leaves the set as it is, and the next action asks again.
        if (save && !PrintAndSaveSet())
            return false;
    }
    StartDay(today);
    return false;
}

void frmList::StartDay(const QDate& day)
{
    registry().Close<frmRelList>();
    registry().Close<frmTTAb>();
    plan_.StartDay(day);
    for (QPushButton* button : {Command5, cmdFill, Command4, Command2})
        button->setEnabled(true);
}
