// Timings of relief planning with 220 teachers, a year of history and a relief set of 40 rows.
#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "YearOfHistory.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTTAb.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "relief/LessonChoice.h"
#include "relief/frmList.h"
#include "relief/frmRelList.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {
constexpr int SchoolTeachers = 220;
constexpr int AbsentTeachers = 10;
constexpr int PlannedReliefs = 40;
constexpr int ChosenSlot = 5; // Monday, 6th period

// Every fifth teacher is off in the chosen slot, so that about forty are listed.
QList<QStringList> School()
{
    QList<QStringList> teachers = Teachers(SchoolTeachers);
    for (int number = 1; number <= SchoolTeachers; ++number) {
        if (number % 5 != 0)
            SetSlot(teachers[number - 1], ChosenSlot, "7B", "Art");
    }
    return teachers;
}

// The morning's state: the board with ten teachers absent, the first absent
// teacher's timetable open, and forty reliefs already planned.
struct Morning {
    TestProgram program;
    frmAtten* board = nullptr;
    frmTTAb* timetable = nullptr;

    Morning()
    {
        program.CreateDatabase(School());
        Connection connection;
        if (!connection.Open(ConnectionString())
            || !WriteYearOfHistory(connection, program.clock.now.date().addDays(-1)))
            qFatal("the year of history could not be written");
        board = program.Open<frmAtten>();
        Click(board, "cmdClear");
        for (int box = 0; box < AbsentTeachers; ++box)
            Click(board, Cell("Check1", box));
        Click(board, "cmdAbs");
        board->Label1_DblClick(0);
        timetable = program.registry.Find<frmTTAb>();
        ReliefPlan& plan = program.registry.Open<frmList>()->Plan();
        const QStringList periods = {"1st", "2nd", "3rd", "4th", "7th", "8th"};
        for (int row = 0; row < PlannedReliefs; ++row) {
            const int relief = AbsentTeachers + 1 + row * 5;
            plan.StartLesson(QString::number(row % AbsentTeachers + 1), "Mr. Teacher", "8A",
                             periods[row % periods.size()]);
            ReliefListRow line;
            line.number = QString::number(relief);
            line.name = QStringLiteral("Teacher %1").arg(relief);
            line.subject = QStringLiteral("Maths");
            plan.ChooseRelief(line, "Maths");
        }
    }

    // Back to forty reliefs, with the relief list closed.
    void Reset()
    {
        if (QWidget* reliefList = program.registry.Find<frmRelList>())
            reliefList->close();
        frmList* list = program.registry.Find<frmList>();
        while (list->Plan().RowCount() > PlannedReliefs)
            list->Plan().RemoveLast();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

Morning& TheMorning()
{
    static Morning* morning = new Morning;
    return *morning;
}

// A double-click on a lesson: the row is started and the relief list computed and shown.
void LessonChosenUntilTheReliefListIsShown(benchmark::State& state)
{
    Morning& morning = TheMorning();
    for (auto _ : state) {
        ChooseLesson(morning.program.registry, *morning.timetable, ChosenSlot);
        morning.program.registry.Find<frmRelList>()->repaint();
        state.PauseTiming();
        morning.Reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LessonChosenUntilTheReliefListIsShown)->Unit(benchmark::kMillisecond);

// A double-click on an absent teacher's number: the absence timetable opened and filled.
void TimetableDoubleClick(benchmark::State& state)
{
    Morning& morning = TheMorning();
    for (auto _ : state) {
        morning.board->Label1_DblClick(0);
        morning.program.registry.Find<frmTTAb>()->repaint();
        state.PauseTiming();
        morning.program.registry.Find<frmTTAb>()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        morning.board->Label1_DblClick(0);
        morning.timetable = morning.program.registry.Find<frmTTAb>();
        morning.timetable->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    morning.board->Label1_DblClick(0);
    morning.timetable = morning.program.registry.Find<frmTTAb>();
}
BENCHMARK(TimetableDoubleClick)->Unit(benchmark::kMillisecond);
}
