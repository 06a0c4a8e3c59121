#include "relief/LessonChoice.h"

#include "attendance/frmTTAb.h"
#include "data/Slot.h"
#include "relief/ReliefSetModel.h"
#include "relief/frmList.h"
#include "relief/frmRelList.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

void ChooseLesson(ScreenRegistry& registry, frmTTAb& timetable, int slot)
{
    frmList* list = registry.Open<frmList>();
    if (!list || !list->CheckDay())
        return;
    ReliefPlan& plan = list->Plan();
    const LessonHandOver handOver {slot, timetable.CellText(slot), PeriodName(slot), timetable.LessonSubject(slot)};
    const int held = plan.RowOfLesson(UncoveredLesson(timetable.TeacherNumber(), timetable.TeacherName(),
                                                      handOver.classText, handOver.periodName),
                                      plan.Day());
    // A lesson covered already keeps its relief teacher.
    if (held >= 0 && HasReliefTeacher(plan.Rows()[held])) {
        registry.prompter().Report(QStringLiteral("This lesson is covered already: %1 relieves %2 in the %3 period.")
                                       .arg(plan.Rows()[held][ReliefRecord::PresenceTea].trimmed(), handOver.classText,
                                            handOver.periodName),
                                   QStringLiteral("Relief Set"), MessageIcon::Information);
        return;
    }
    plan.ClearCandidates();
    timetable.SetHandOver(handOver);
    // A lesson in the set without a relief teacher is taken up in its own row.
    if (held >= 0)
        plan.TakeUpLesson(held);
    else
        plan.StartLesson(timetable.TeacherNumber(), timetable.TeacherName(), handOver.classText, handOver.periodName);

    // The relief list computes as it loads; one already open for an earlier
    // lesson computes again, so that it never offers that lesson's teachers.
    const bool alreadyOpen = registry.Find<frmRelList>();
    frmRelList* reliefList = registry.Open<frmRelList>();
    if (!reliefList) {
        // Its failure has been reported; without a list the lesson stays unchosen.
        if (held < 0)
            plan.RemoveLast();
        return;
    }
    if (alreadyOpen)
        reliefList->Compute();
    timetable.MarkChosen(slot);
    reliefList->SetSubject(handOver.subject);
    reliefList->ShowInFront();
    if (held < 0 && plan.LastRowIsDuplicate()) {
        registry.prompter().Report(QStringLiteral("Class Duplicate or Free Period"));
        plan.RemoveLast();
        reliefList->RemoteClick1();
    }
}

void OpenReliefSetFromBoard(ScreenRegistry& registry)
{
    if (frmList* list = registry.Show<frmList>())
        list->OpenedFromBoard();
}
