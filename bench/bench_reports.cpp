// Timings of the printed reports: Print and Save of a day's relief set, and
// the personal time tables of a full staff rendered to PDF.
#include "ConnectedProgram.h"
#include "ReportChecks.h"
#include "TeacherFixture.h"
#include "YearOfHistory.h"
#include "data/ApplicationFolder.h"
#include "data/ProgramSettings.h"
#include "data/TeacherStore.h"
#include "relief/PrintAndSave.h"
#include "relief/ReliefReport.h"
#include "report/ReportPreview.h"
#include "teachers/TimetableReport.h"

#include <benchmark/benchmark.h>

namespace {
constexpr int StaffSize = 220;
constexpr int ReliefSetSize = 40;

// A program of its own with 220 teachers, a year of saved relief sets and one
// connection to its file; the application folder is given back, so the other
// benchmarks keep theirs.
struct ReportBench {
    ReportBench()
        : previousFolder(ApplicationFolder())
        , fixture(Teachers(StaffSize))
    {
        SetApplicationFolder(previousFolder);
        if (!WriteYearOfHistory(fixture.connection, fixture.program.clock.now.date().addDays(-1)))
            qFatal("the year of history could not be written");
    }

    QString previousFolder;
    ConnectedProgram fixture;
};

ReportBench& Bench()
{
    static auto* bench = new ReportBench;
    return *bench;
}

QList<ReliefRecord> ReliefSet()
{
    QList<ReliefRecord> rows;
    for (int row = 0; row < ReliefSetSize; ++row) {
        ReliefRecord record;
        record.fields = {QString::number(row % 12 + 1),
                         "Mrs. Absent Teacher",
                         "7A",
                         "3rd",
                         "Relief Teacher",
                         "Maths",
                         "Sci",
                         QString::number(StaffSize - row),
                         ""};
        rows << record;
    }
    return rows;
}

// From the press until the preview window has drawn its first page; the
// window is closed each time, as the operator closes it after printing.
void PrintAndSaveReliefSet(benchmark::State& state)
{
    ReportBench& bench = Bench();
    const QList<ReliefRecord> rows = ReliefSet();
    const School school {"Royal Vale College", "N/A"};
    QWidget owner;
    for (auto _ : state) {
        const PrintAndSaveResult result = PrintAndSave(bench.fixture.connection, rows,
                                                       bench.fixture.program.clock.Today(), school,
                                                       bench.fixture.program.registry);
        if (!result.report) {
            state.SkipWithError("the relief set was not saved");
            break;
        }
        ReportPreview* preview = ReportPreview::Show(*result.report, owner);
        benchmark::DoNotOptimize(preview->grab());
        state.PauseTiming();
        preview->close();
        state.ResumeTiming();
    }
}
BENCHMARK(PrintAndSaveReliefSet)->Unit(benchmark::kMillisecond);

void PersonalTimeTablesToPdf(benchmark::State& state)
{
    ReportBench& bench = Bench();
    const QString path = bench.fixture.program.folder.filePath("DR2.pdf");
    for (auto _ : state) {
        const std::optional<QList<TeacherRow>> teachers = TeacherStore(bench.fixture.connection).Rows();
        if (!teachers
            || !WritePdf(LayOut(PersonalTimeTable(*teachers, 2026, "Royal Vale College",
                                                  ProgramSettings::DefaultPeriodsInDay)),
                         path))
            state.SkipWithError("the time tables were not rendered");
    }
}
BENCHMARK(PersonalTimeTablesToPdf)->Unit(benchmark::kMillisecond);
}
