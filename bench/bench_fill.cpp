// Timings of Fill the Day: 30 teachers absent among 220 with full
// timetables, a year of history, and nothing covered yet.
#include "ConnectedProgram.h"
#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "YearOfHistory.h"
#include "attendance/frmAtten.h"
#include "data/ApplicationFolder.h"
#include "data/Slot.h"
#include "data/TeacherRow.h"
#include "relief/DayPlan.h"
#include "relief/FairDay.h"
#include "relief/frmFill.h"
#include "relief/frmList.h"

#include <QCoreApplication>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {
constexpr int SchoolTeachers = 220;
constexpr int AbsentTeachers = 30;

// One class of the school's 220, none taught by two teachers in the same slot.
QString ClassOf(int number, int slot)
{
    const int index = (number * 7 + slot) % SchoolTeachers;
    return QStringLiteral("%1/%2").arg(6 + index % 6).arg(1 + index / 6);
}

// A school's week: two or three periods off each day, at places that differ
// from teacher to teacher and from day to day; the rest taught.
QList<QStringList> School()
{
    const QStringList subjects = {"Maths", "English", "Science", "History", "Art", "Music", "Sinhala", "Tamil"};
    QList<QStringList> teachers;
    for (int number = 1; number <= SchoolTeachers; ++number) {
        QStringList teacher = Teacher(number);
        teacher[TeacherColumn::subject] = subjects[number % 8];
        for (int day = 0; day < DaysPerWeek; ++day) {
            const int first = (number * 3 + day) % PeriodsPerDay;
            const int second = (first + 3 + number % 2) % PeriodsPerDay;
            const int third = number % 4 == 0 ? (first + 6) % PeriodsPerDay : first;
            for (int period = 0; period < PeriodsPerDay; ++period) {
                const int slot = day * PeriodsPerDay + period;
                const bool off = period == first || period == second || period == third;
                SetSlot(teacher, slot, off ? "0" : ClassOf(number, slot), off ? "0" : subjects[(slot + number) % 8]);
            }
        }
        teachers << teacher;
    }
    return teachers;
}

// The morning: the board with 30 teachers absent and the relief set open, empty.
struct FillMorning {
    FillMorning()
        : previousFolder(ApplicationFolder())
        , fixture(School())
    {
        if (!WriteYearOfHistory(fixture.connection, fixture.program.clock.now.date().addDays(-1)))
            qFatal("the year of history could not be written");
        board = fixture.program.Open<frmAtten>();
        Click(board, "cmdClear");
        for (int box = 0; box < AbsentTeachers; ++box)
            Click(board, Cell("Check1", box));
        list = fixture.program.Open<frmList>();
        SetApplicationFolder(previousFolder);
    }

    QString previousFolder;
    ConnectedProgram fixture;
    frmAtten* board = nullptr;
    frmList* list = nullptr;
};

FillMorning& TheFillMorning()
{
    static auto* morning = new FillMorning;
    return *morning;
}

// The other benchmarks' programs keep their own folders while this one runs in its.
class InFolderOf {
public:
    explicit InFolderOf(FillMorning& morning)
        : previous_(ApplicationFolder())
    {
        SetApplicationFolder(morning.fixture.program.Folder());
    }
    ~InFolderOf() { SetApplicationFolder(previous_); }

private:
    QString previous_;
};

// A click on Fill the Day until frmFill is shown with its proposal.
void FillTheDayUntilShown(benchmark::State& state)
{
    FillMorning& morning = TheFillMorning();
    const InFolderOf folder(morning);
    int lines = 0;
    for (auto _ : state) {
        Click(morning.list, "cmdFill");
        auto* fill = morning.fixture.program.registry.Find<frmFill>();
        fill->repaint();
        state.PauseTiming();
        lines = Find<QTreeWidget>(fill, "lvFill")->topLevelItemCount();
        fill->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["lessons"] = lines;
}
BENCHMARK(FillTheDayUntilShown)->Unit(benchmark::kMillisecond);

// Accept with every line ticked: each becomes a row of the set, kept at each change.
void FillTheDayAccepted(benchmark::State& state)
{
    FillMorning& morning = TheFillMorning();
    const InFolderOf folder(morning);
    for (auto _ : state) {
        state.PauseTiming();
        Click(morning.list, "cmdFill");
        auto* fill = morning.fixture.program.registry.Find<frmFill>();
        state.ResumeTiming();
        Click(fill, "cmdAccept");
        state.PauseTiming();
        state.counters["rows"] = morning.list->Plan().RowCount();
        morning.list->Plan().Clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(FillTheDayAccepted)->Unit(benchmark::kMillisecond);

// Its parts: reading the day (register, history read afresh, board) and the lessons to fill.
void FillTheDayRead(benchmark::State& state)
{
    FillMorning& morning = TheFillMorning();
    for (auto _ : state) {
        LoadHistory history;
        const std::optional<FairDay> day = FairDay::Read(morning.fixture.connection, morning.board->Day(),
                                                         morning.list->Plan(), history,
                                                         morning.fixture.program.clock.Today());
        benchmark::DoNotOptimize(day->ToFill(morning.list->Plan()));
    }
}
BENCHMARK(FillTheDayRead)->Unit(benchmark::kMillisecond);

// The plan of the whole day, found by the solver.
void FillTheDayPlan(benchmark::State& state)
{
    FillMorning& morning = TheFillMorning();
    const std::optional<FairDay> day = FairDay::Read(morning.fixture.connection, morning.board->Day(),
                                                     morning.list->Plan(), morning.list->History(),
                                                     morning.fixture.program.clock.Today());
    QList<RuleLesson> lessons;
    for (const LessonToFill& lesson : day->ToFill(morning.list->Plan()))
        lessons << lesson.lesson;
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanDay(day->Teachers(), lessons, day->Rules()));
    state.counters["lessons"] = double(lessons.size());
    state.counters["teachers"] = double(day->Teachers().size());
}
BENCHMARK(FillTheDayPlan)->Unit(benchmark::kMillisecond);
}
