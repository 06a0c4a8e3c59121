#include "relief/PrintAndSave.h"

#include "data/ReliefStore.h"
#include "relief/ReliefReport.h"
#include "ui/DatabaseConnection.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

namespace {
void ReportNotSaved(const ReliefSaveResult& result, Prompter& prompter)
{
    if (result.status == ReliefSaveResult::Status::NotEmpty) {
        prompter.Report(QStringLiteral("DataBase not empty."));
        return;
    }
    prompter.Report(result.error.Text()
                        + QStringLiteral("\n\nThe relief list has not been saved. The list saved before is kept."),
                    {}, MessageIcon::Critical);
}
}

PrintAndSaveResult PrintAndSave(Connection& connection, const QList<ReliefRecord>& rows, const QDate& day,
                                const School& school, ScreenRegistry& registry)
{
    ReliefStore store(connection);
    const ReliefSaveResult saved = store.Replace(rows, day);
    if (saved.status != ReliefSaveResult::Status::Saved) {
        ReportNotSaved(saved, registry.prompter());
        return {false, store.Count(), std::nullopt};
    }
    const std::optional<QList<ReliefRecord>> stored = store.Read(ReliefOrder::ReliefTeacher);
    if (!stored) {
        ReportReadFailure(connection, registry);
        return {true, int(rows.size()), std::nullopt};
    }
    return {true, int(stored->size()), ReliefTeachersList(*stored, school, day)};
}
