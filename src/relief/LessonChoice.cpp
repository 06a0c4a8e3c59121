#include "relief/LessonChoice.h"

#include "attendance/frmTTAb.h"
#include "data/Slot.h"
#include "relief/frmList.h"
#include "relief/frmRelList.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

void ChooseLesson(ScreenRegistry& registry, frmTTAb& timetable, int slot)
{
    frmList* list = registry.Open<frmList>();
    if (!list)
        return;
    ReliefPlan& plan = list->Plan();
    plan.ClearCandidates();
    const LessonHandOver handOver {slot, timetable.CellText(slot), PeriodName(slot), timetable.LessonSubject(slot)};
    timetable.SetHandOver(handOver);
    plan.StartLesson(timetable.TeacherNumber(), timetable.TeacherName(), handOver.classText, handOver.periodName);

    // The relief list computes as it loads; one already open for an earlier
    // lesson computes again, so that it never offers that lesson's teachers.
    const bool alreadyOpen = registry.Find<frmRelList>();
    frmRelList* reliefList = registry.Open<frmRelList>();
    if (!reliefList) {
        // Its failure has been reported; without a list the lesson stays unchosen.
        plan.RemoveLast();
        return;
    }
    if (alreadyOpen)
        reliefList->Compute();
    timetable.MarkChosen(slot);
    reliefList->SetSubject(handOver.subject);
    reliefList->ShowInFront();
    if (plan.LastRowIsDuplicate()) {
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
