// Timings of the operations the office waits for, with 220 teachers.
// Run: morvane_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "YearOfHistory.h"
#include "app/Screens.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTeaName.h"
#include "data/ApplicationFolder.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "import/ImportSource.h"
#include "import/frmImport.h"
#include "relief/frmHistory.h"
#include "relief/frmList.h"
#include "teachers/frmDbase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

namespace {
constexpr int BoardTeachers = 220;

// A program with 220 teachers and a year of saved relief sets up to the day
// before its today, built once for all benchmarks.
TestProgram& Program()
{
    static TestProgram* program = [] {
        auto* created = new TestProgram;
        created->CreateDatabase(Teachers(BoardTeachers));
        Connection connection;
        if (!connection.Open(ConnectionString())
            || !WriteYearOfHistory(connection, created->clock.now.date().addDays(-1)))
            qFatal("the year of history could not be written");
        return created;
    }();
    return *program;
}

// What main() does up to the teacher screen being on the display, in a fresh
// process; the parent times the whole process.
int StartUpProbe(const QString& folder)
{
    SetApplicationFolder(folder);
    ScriptedPrompter prompter;
    FixedClock clock;
    RecordingPrinter printer;
    RecordingLinks links;
    ScreenRegistry registry(prompter, clock, printer, links);
    RegisterScreens(registry);
    QWidget* screen = registry.Show<frmDbase>();
    if (registry.IsEnding())
        return 1;
    screen->repaint();
    QApplication::processEvents();
    return 0;
}

void StartToTeacherScreenShown(benchmark::State& state)
{
    const QString folder = Program().Folder();
    for (auto _ : state) {
        QProcess probe;
        probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        probe.start(QCoreApplication::applicationFilePath(), {"--start-up-probe", folder});
        probe.waitForFinished();
        if (probe.exitCode() != 0)
            state.SkipWithError("the start-up probe failed");
    }
}
BENCHMARK(StartToTeacherScreenShown)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// Creating and loading a screen, as the registry does when it is opened.
template <class Screen>
void ScreenLoad(benchmark::State& state)
{
    TestProgram& program = Program();
    for (auto _ : state) {
        benchmark::DoNotOptimize(program.Open<Screen>());
        state.PauseTiming();
        program.CloseScreens();
        state.ResumeTiming();
    }
}
BENCHMARK_TEMPLATE(ScreenLoad, frmDbase)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(ScreenLoad, frmAtten)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(ScreenLoad, frmList)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(ScreenLoad, frmHistory)->Unit(benchmark::kMillisecond);

void TeacherScreenNext(benchmark::State& state)
{
    TestProgram& program = Program();
    auto* screen = program.Open<frmDbase>();
    int position = 1;
    for (auto _ : state) {
        if (position == BoardTeachers) {
            state.PauseTiming();
            Click(screen, "cmdFirst");
            position = 1;
            state.ResumeTiming();
        }
        Click(screen, "cmdNext");
        ++position;
    }
    program.CloseScreens();
}
BENCHMARK(TeacherScreenNext)->Unit(benchmark::kMicrosecond);

void TeacherSave(benchmark::State& state)
{
    TestProgram& program = Program();
    auto* screen = program.Open<frmDbase>();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        Find<QLineEdit>(screen, "txtName")->setText(QStringLiteral("Teacher %1").arg(++round));
        state.ResumeTiming();
        Click(screen, "cmdSave");
    }
    program.prompter.asked.clear();
    program.CloseScreens();
}
BENCHMARK(TeacherSave)->Unit(benchmark::kMillisecond);

void TeacherSearch(benchmark::State& state)
{
    TestProgram& program = Program();
    auto* screen = program.Open<frmDbase>();
    int number = 0;
    for (auto _ : state) {
        state.PauseTiming();
        program.prompter.PlanInput(QString::number(number++ % BoardTeachers + 1));
        state.ResumeTiming();
        Click(screen, "cmdSearch");
    }
    program.CloseScreens();
}
BENCHMARK(TeacherSearch)->Unit(benchmark::kMillisecond);

// Times one board command, each round on a freshly loaded board. The ticks
// the command starts from are made on the first round only: the board keeps
// them for the day, and every tick is a write. What the board does not keep
// (its list mode) is brought about on every round.
template <class Ticks, class Prepare>
void TimeBoardCommand(benchmark::State& state, const QString& command, Ticks ticks, Prepare prepare)
{
    TestProgram& program = Program();
    bool ticked = false;
    for (auto _ : state) {
        state.PauseTiming();
        auto* board = program.Open<frmAtten>();
        if (!std::exchange(ticked, true))
            ticks(board);
        prepare(board);
        state.ResumeTiming();
        Click(board, command);
        state.PauseTiming();
        program.CloseScreens();
        state.ResumeTiming();
    }
}

void NoChange(QWidget*)
{
}

// Every other teacher present, so that half the board is listed.
void MarkHalfPresent(QWidget* board)
{
    Click(board, "cmdClear");
    for (int box = 0; box < BoardTeachers; box += 2)
        Click(board, Cell("Check1", box));
}

void BoardCheckAll(benchmark::State& state)
{
    TimeBoardCommand(state, "cmdClear", NoChange, NoChange);
}
BENCHMARK(BoardCheckAll)->Unit(benchmark::kMillisecond);

void BoardAbsence(benchmark::State& state)
{
    TimeBoardCommand(state, "cmdAbs", MarkHalfPresent, NoChange);
}
BENCHMARK(BoardAbsence)->Unit(benchmark::kMillisecond);

void BoardNames(benchmark::State& state)
{
    TimeBoardCommand(
        state, "cmdDisplay", [](QWidget* board) { Click(board, "cmdClear"); },
        [](QWidget* board) { Click(board, "cmdPres"); });
}
BENCHMARK(BoardNames)->Unit(benchmark::kMillisecond);
}

namespace {
// FET's teachers XML for 220 teachers over 5 days of 9 hours, the fifth hour a
// break: a lesson in nearly every teaching hour, 8,581 lessons, every
// fifth of them for two students sets.
QString WriteFetSchool(const QString& folder)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Teachers_Timetable>\n";
    for (int teacher = 1; teacher <= BoardTeachers; ++teacher) {
        xml += "  <Teacher name=\"Teacher " + QByteArray::number(teacher) + "\">\n";
        for (int day = 0; day < 5; ++day) {
            xml += "   <Day name=\"" + QByteArray::number(day + 1) + "\">\n";
            for (int hour = 1; hour <= 9; ++hour) {
                xml += "    <Hour name=\"" + QByteArray::number(hour) + "\">";
                if (hour != 5 && (teacher + day * 8 + hour) % 40 != 0) {
                    xml +=
                        "<Activity id=\"1\"></Activity><Subject name=\"Maths\"></Subject><Students name=\"7A\"></Students>";
                    if ((hour + teacher) % 5 == 0)
                        xml += "<Students name=\"7B\"></Students>";
                }
                xml += "</Hour>\n";
            }
            xml += "   </Day>\n";
        }
        xml += "  </Teacher>\n";
    }
    xml += "</Teachers_Timetable>\n";
    const QString path = folder + "/school_teachers.xml";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(xml);
    return path;
}

// The operator's wait from choosing FET's file to the import written: reading
// the file, the preview (register read, teachers matched) and Import, into a
// register that holds the same 220 teachers with other timetables.
void ImportFetSchool(benchmark::State& state)
{
    TestProgram program;
    program.CreateDatabase(Teachers(BoardTeachers));
    const QString path = WriteFetSchool(program.Folder());
    const QList<QVariantList> before = program.Query("SELECT * FROM TabelPB");
    for (auto _ : state) {
        frmImport preview(program.registry, ReadImportFile(path));
        Click(&preview, "cmdOK");
        state.PauseTiming();
        if (preview.Plan().changed.size() != BoardTeachers)
            state.SkipWithError("the import did not change every teacher");
        program.Exec("DELETE FROM TabelPB");
        for (const QVariantList& row : before)
            program.Exec(QStringLiteral("INSERT INTO TabelPB VALUES (%1)").arg(QStringList(row.size(), "?").join(',')),
                         row);
        state.ResumeTiming();
    }
    program.prompter.asked.clear();
}
BENCHMARK(ImportFetSchool)->Unit(benchmark::kMillisecond);
}

int main(int argc, char* argv[])
{
    // Timings need no display: without one, and with no platform asked for, the screens are drawn offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (argc == 3 && QByteArray(argv[1]) == "--start-up-probe")
        return StartUpProbe(QString::fromLocal8Bit(argv[2]));
    // Each repetition times a tenth of a second unless told otherwise: the
    // medians stay steady and the whole run short, as most rounds also load
    // screens outside the timing.
    std::vector<char*> arguments(argv, argv + argc);
    char minTime[] = "--benchmark_min_time=0.1";
    if (std::none_of(argv, argv + argc, [](const char* a) { return QByteArray(a).startsWith("--benchmark_min_time"); }))
        arguments.insert(arguments.begin() + 1, minTime);
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
