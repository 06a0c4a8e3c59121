#include "ConnectedProgram.h"
#include "ReportChecks.h"
#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "attendance/frmAtten.h"
#include "data/ProgramSettings.h"
#include "data/ReliefStore.h"
#include "import/Csv.h"
#include "relief/LoadReport.h"
#include "relief/frmHistory.h"
#include "relief/frmLoad.h"
#include "report/ReportPreview.h"
#include "teachers/frmDbase.h"

#include <QDateEdit>
#include <QDir>
#include <QTest>

namespace {
ReliefRecord Relief(const QString& reliefNumber)
{
    ReliefRecord record;
    record[ReliefRecord::TeaNo] = "9";
    record[ReliefRecord::AbsenceTea] = "Mr. Absent";
    record[ReliefRecord::Grade] = "7B";
    record[ReliefRecord::Period] = "1st";
    if (!reliefNumber.isEmpty()) {
        record[ReliefRecord::PresenceTea] = "Teacher " + reliefNumber;
        record[ReliefRecord::TeaNoP] = reliefNumber;
    }
    return record;
}

QList<ReliefRecord> Reliefs(const QStringList& reliefNumbers)
{
    QList<ReliefRecord> rows;
    for (const QString& number : reliefNumbers)
        rows << Relief(number);
    return rows;
}

// Today is Thursday 10 December 2026; its school week runs from Monday the 7th.
const QDate Today(2026, 12, 10);
const QDate TermStart(2026, 12, 1);

// Saved sets on both sides of the week's start and of the term's first day:
// teacher 2 relieved only before the term, nobody on the weekend, a helper's
// lesson and a teacher since deleted (number 8) count for nobody.
struct LoadFixture : ConnectedProgram {
    LoadFixture()
        : ConnectedProgram({Teacher(1, "Mr.", "Nimal Perera"), Teacher(2, "Mrs.", "Anula Fernando"),
                            Teacher(3, "Miss.", "Kumari Silva"), Teacher(4, "", "=Dias")})
    {
        ReliefStore store(connection);
        const QList<std::pair<QDate, QStringList>> days = {
            {QDate(2026, 11, 27), {"2"}},
            {QDate(2026, 12, 4), {"3", "1", "3"}},
            {QDate(2026, 12, 7), {"1", "", "3", "8"}},
            {QDate(2026, 12, 8), {"4"}},
            {QDate(2026, 12, 9), {"3"}},
        };
        for (const auto& [day, numbers] : days)
            QCOMPARE(store.Replace(Reliefs(numbers), day).status, ReliefSaveResult::Status::Saved);
        QVERIFY(ProgramSettings(connection).SetTermStart(TermStart));
        program.clock.now = QDateTime(Today, QTime(9, 0));
        program.registry.SetSchool({"Hillside College", {}});
        teachers = program.Open<frmDbase>();
    }

    // As the operator reaches it: the board's History, then Load Report.
    frmLoad* OpenLoad()
    {
        Click(program.Open<frmAtten>(), "cmdHistory");
        Click(program.registry.Find<frmHistory>(), "cmdLoad");
        return program.registry.Find<frmLoad>();
    }

    const QWidget* teachers = nullptr;
};

void ChooseRange(const frmLoad* load, const QDate& from, const QDate& to)
{
    Find<QDateEdit>(load, "dtpFrom")->setDate(from);
    Find<QDateEdit>(load, "dtpTo")->setDate(to);
}

// The relief load report that Print showed, laid out.
LaidOutReport Printed(const QWidget* owner)
{
    auto* preview = owner->findChild<ReportPreview*>("DR3");
    return preview ? preview->Shown() : LaidOutReport {};
}

// Each line's number, name, this week and in range.
QList<QStringList> Lines(const LaidOutReport& report)
{
    QList<QStringList> lines;
    for (const ReportPage& page : report.pages) {
        const QList<ReportItem> numbers = Named(page, "Number");
        const QList<ReportItem> names = Named(page, "Name");
        const QList<ReportItem> weeks = Named(page, "ThisWeek");
        const QList<ReportItem> ranges = Named(page, "InRange");
        for (qsizetype line = 0; line < numbers.size(); ++line)
            lines << QStringList {numbers[line].text, names.value(line).text, weeks.value(line).text,
                                  ranges.value(line).text};
    }
    return lines;
}

QStringList FileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {"cannot read " + path};
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith(Utf8Bom))
        return {"no byte-order mark"};
    return QString::fromUtf8(bytes.mid(Utf8Bom.size())).split("\r\n", Qt::SkipEmptyParts);
}

LoadReportLines ManyTeachers(int count, const QString& name)
{
    LoadReportLines loads {{TermStart, Today}, SchoolWeekOf(Today), {}};
    for (int number = 1; number <= count; ++number)
        loads.teachers << TeacherLoadLine {number, name, number % 3, number % 7 * 6};
    return loads;
}
}

// The relief load: each teacher's reliefs this week and in a range of days,
// printed with bars to scale and exported.
class tst_LoadReport : public QObject {
    Q_OBJECT

private slots:
    void theRangeOffersTheTermSoFarAndIsPrintedInTheHeading()
    {
        LoadFixture fixture;
        frmLoad* load = fixture.OpenLoad();
        QVERIFY(load);
        QCOMPARE(load->windowTitle(), QStringLiteral("Relief Load"));
        QCOMPARE(Find<QDateEdit>(load, "dtpFrom")->date(), TermStart);
        QCOMPARE(Find<QDateEdit>(load, "dtpTo")->date(), Today);
        Click(load, "cmdPrint");
        const LaidOutReport report = Printed(fixture.teachers);
        QCOMPARE(report.pages.size(), 1);
        QCOMPARE(Texts(report.pages[0]).mid(0, 4),
                 (QStringList {"Hillside College", "Relief Load",
                               "Reliefs from Tuesday, 1 December 2026 to Thursday, 10 December 2026",
                               "This week: Monday, 7 December 2026 to Friday, 11 December 2026"}));
        QCOMPARE(Texts(report.pages[0]).last(), QStringLiteral("Page 1 of 1"));
    }

    void theRangeBeginsWithTheYearOrTodayWhenTheTermDoesNotBeginBefore_data()
    {
        QTest::addColumn<QDate>("termStart");
        QTest::addColumn<QDate>("from");
        QTest::newRow("no term start set") << QDate() << QDate(2026, 1, 1);
        QTest::newRow("the next term set") << QDate(2027, 1, 4) << QDate(2026, 12, 10);
    }

    void theRangeBeginsWithTheYearOrTodayWhenTheTermDoesNotBeginBefore()
    {
        QFETCH(QDate, termStart);
        QFETCH(QDate, from);
        ConnectedProgram fixture(Teachers(2));
        if (termStart.isValid())
            QVERIFY(ProgramSettings(fixture.connection).SetTermStart(termStart));
        Click(fixture.program.Open<frmAtten>(), "cmdHistory");
        Click(fixture.program.registry.Find<frmHistory>(), "cmdLoad");
        const frmLoad* load = fixture.program.registry.Find<frmLoad>();
        QCOMPARE(Find<QDateEdit>(load, "dtpFrom")->date(), from);
        QCOMPARE(Find<QDateEdit>(load, "dtpTo")->date(), QDate(2026, 12, 10));
    }

    void eachTeacherIsListedWithHisReliefs_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QList<QStringList>>("lines");
        const auto line = [](const QString& number, const QString& name, const QString& week, const QString& range) {
            return QStringList {number, name, week, range};
        };
        QTest::newRow("the term so far") << QDate() << QDate()
                                         << QList<QStringList> {line("1", "Mr. Nimal Perera", "1", "2"),
                                                                line("2", "Mrs. Anula Fernando", "0", "0"),
                                                                line("3", "Miss. Kumari Silva", "2", "4"),
                                                                line("4", "=Dias", "1", "1")};
        QTest::newRow("the week before") << QDate(2026, 11, 27) << QDate(2026, 12, 4)
                                         << QList<QStringList> {line("1", "Mr. Nimal Perera", "1", "1"),
                                                                line("2", "Mrs. Anula Fernando", "0", "1"),
                                                                line("3", "Miss. Kumari Silva", "2", "2"),
                                                                line("4", "=Dias", "1", "0")};
        QTest::newRow("one day") << QDate(2026, 12, 7) << QDate(2026, 12, 7)
                                 << QList<QStringList> {line("1", "Mr. Nimal Perera", "1", "1"),
                                                        line("2", "Mrs. Anula Fernando", "0", "0"),
                                                        line("3", "Miss. Kumari Silva", "2", "1"),
                                                        line("4", "=Dias", "1", "0")};
    }

    void eachTeacherIsListedWithHisReliefs()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QList<QStringList>, lines);
        LoadFixture fixture;
        frmLoad* load = fixture.OpenLoad();
        if (from.isValid())
            ChooseRange(load, from, to);
        Click(load, "cmdPrint");
        QCOMPARE(Lines(Printed(fixture.teachers)), lines);
    }

    // Teacher 3's four reliefs of the term fill the column; teacher 1's two
    // draw half as long a bar, teacher 4's one a quarter, teacher 2 none.
    void theBarsAreDrawnToTheScaleOfTheLargest()
    {
        LoadFixture fixture;
        Click(fixture.OpenLoad(), "cmdPrint");
        const LaidOutReport report = Printed(fixture.teachers);
        const ReportPage& page = report.pages.value(0);
        const QList<ReportItem> bars = Named(page, "Bar");
        const QList<ReportItem> numbers = Named(page, "Number");
        QCOMPARE(bars.size(), 3);
        QCOMPARE(numbers.size(), 4);
        const QList<int> barLines = {0, 2, 3};
        for (int bar = 0; bar < bars.size(); ++bar) {
            const QRect line = numbers[barLines[bar]].rect;
            QVERIFY(bars[bar].rect.top() >= line.top() - 20 && bars[bar].rect.bottom() <= line.bottom() + 20);
        }
        const int full = bars[1].rect.width();
        QVERIFY(bars[1].rect.left() + full <= report.body.width());
        QVERIFY(bars[1].rect.left() + full >= report.body.width() - 200);
        QCOMPARE(bars[0].rect.left(), bars[1].rect.left());
        QVERIFY(qAbs(bars[0].rect.width() * 2 - full) <= 2);
        QVERIFY(qAbs(bars[2].rect.width() * 4 - full) <= 4);
        QCOMPARE(Named(page, "BarScale").value(0).text, QStringLiteral("4"));
        VerifyWithinPages(report);
    }

    void daysWithoutReliefsDrawNoBars()
    {
        LoadFixture fixture;
        frmLoad* load = fixture.OpenLoad();
        ChooseRange(load, QDate(2026, 12, 5), QDate(2026, 12, 6));
        Click(load, "cmdPrint");
        const LaidOutReport report = Printed(fixture.teachers);
        QCOMPARE(Lines(report).size(), 4);
        for (const QStringList& line : Lines(report))
            QCOMPARE(line.last(), QStringLiteral("0"));
        QVERIFY(Named(report.pages.value(0), "Bar").isEmpty());
        QVERIFY(Named(report.pages.value(0), "BarScale").isEmpty());
    }

    void aLongRegisterRunsOverPagesWithinTheirEdges()
    {
        const LaidOutReport report = LayOut(
            ReliefLoadReport(ManyTeachers(100, "Wickramasinghe-Jayawardena Kumarihamy Anula Seneviratne"),
                             {"Sri Sumangala Maha Vidyalaya and Junior School, Panadura", {}}));
        QCOMPARE(report.pages.size(), 3);
        VerifyWithinPages(report);
        QCOMPARE(Lines(report).size(), 100);
        QCOMPARE(Lines(report).last().first(), QStringLiteral("100"));
        for (int page = 0; page < report.pages.size(); ++page) {
            QVERIFY(Texts(report.pages[page]).contains("Teacher Name"));
            QCOMPARE(Texts(report.pages[page]).last(), QStringLiteral("Page %1 of 3").arg(page + 1));
        }
    }

    void aRangeEndingBeforeItStartsIsRefused_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("print") << "cmdPrint";
        QTest::newRow("export") << "cmdExport";
    }

    void aRangeEndingBeforeItStartsIsRefused()
    {
        QFETCH(QString, button);
        LoadFixture fixture;
        frmLoad* load = fixture.OpenLoad();
        ChooseRange(load, QDate(2026, 12, 9), QDate(2026, 12, 7));
        Click(load, button);
        QCOMPARE(fixture.program.prompter.Last().text,
                 QStringLiteral("The first day of the range comes after its last day."));
        QCOMPARE(fixture.program.prompter.Last().title, QStringLiteral("Relief Load"));
        QVERIFY(fixture.program.prompter.filesAsked.isEmpty());
        QVERIFY(!fixture.teachers->findChild<ReportPreview*>("DR3"));
    }

    void exportWritesTheLinesAsCsv()
    {
        LoadFixture fixture;
        frmLoad* load = fixture.OpenLoad();
        const QString path = QDir(fixture.program.Folder()).filePath("load.csv");
        fixture.program.prompter.PlanFile(path);
        Click(load, "cmdExport");
        QCOMPARE(FileLines(path),
                 (QStringList {"Tea.No,Teacher Name,This Week,In Range", "1,Mr. Nimal Perera,1,2",
                               "2,Mrs. Anula Fernando,0,0", "3,Miss. Kumari Silva,2,4", "4,'=Dias,1,1"}));
        QVERIFY(fixture.program.prompter.Last().text.startsWith("The relief load of 4 teacher(s) exported"));
    }
};

QTEST_MAIN(tst_LoadReport)
#include "tst_LoadReport.moc"
