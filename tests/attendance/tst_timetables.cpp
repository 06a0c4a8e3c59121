#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "attendance/AttendanceColours.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTT.h"
#include "attendance/frmTTAb.h"
#include "data/TeacherRow.h"
#include "ui/Colours.h"

#include <QSignalSpy>
#include <QTest>

namespace {
// Five teachers; teacher 3 works in 30 slots and is off in 10.
frmAtten* BoardWithTeacherTwoAbsent(TestProgram& program)
{
    QList<QStringList> teachers = Teachers(5);
    for (int slot : {0, 6, 12, 18})
        SetSlot(teachers[2], slot, "0", "0");
    teachers[1][TeacherColumn::subject] = "Science";
    program.CreateDatabase(teachers);
    auto* board = program.Open<frmAtten>();
    Click(board, "cmdClear");
    Click(board, "Check1(1)");
    return board;
}

bool IsBold(const QWidget* widget)
{
    return widget->font().bold();
}
}

// The timetables opened from the attendance board's grid.
class tst_timetables : public QObject {
    Q_OBJECT

private slots:
    void aPresentTeachersNumberOpensThePresenceTimetable()
    {
        TestProgram program;
        auto* board = BoardWithTeacherTwoAbsent(program);
        Click(board, "cmdPres");
        DoubleClick(board, "Label1(1)");
        auto* timetable = program.registry.Find<frmTT>();
        QVERIFY(timetable);
        QCOMPARE(timetable->windowTitle(), QStringLiteral("Time Table Presence"));
        QCOMPARE(TextOf(timetable, "Label1(40)"), QStringLiteral("Mr. Teacher 3"));
        QCOMPARE(TextOf(timetable, "Label10"), QStringLiteral("3"));
        QCOMPARE(TextOf(timetable, "Label7"), QStringLiteral("Work : 30"));
        QCOMPARE(TextOf(timetable, "Label8"), QStringLiteral("Free : 10"));
        QCOMPARE(TextOf(timetable, "Label1(0)"), QStringLiteral("0"));
        QCOMPARE(TextOf(timetable, "Label1(1)"), QStringLiteral("7A"));
        QCOMPARE(Background(Find(timetable, "Label10")), PresenceTimetableColour);
        QVERIFY(timetable->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(program.registry.Find<frmTTAb>(), nullptr);
    }

    void anAbsentTeachersNumberOpensTheAbsenceTimetableAndIsMarkedVisited()
    {
        TestProgram program;
        auto* board = BoardWithTeacherTwoAbsent(program);
        Click(board, "cmdAbs");
        DoubleClick(board, "Label1(0)");
        auto* timetable = program.registry.Find<frmTTAb>();
        QVERIFY(timetable);
        QCOMPARE(timetable->windowTitle(), QStringLiteral("Time Table Absence"));
        QCOMPARE(TextOf(timetable, "Label11"), QStringLiteral("2"));
        QCOMPARE(TextOf(timetable, "Label9"), QStringLiteral("Science"));
        QCOMPARE(Background(Find(timetable, "Label11")), AbsenceTimetableColour);
        for (const char* handOver : {"Label10", "Label12", "Label13", "Label14"})
            QVERIFY(TextOf(timetable, handOver).isEmpty());
        QCOMPARE(TextColour(Find(board, "Label1(0)")), VisitedTextColour);
        QVERIFY(program.registry.Find<frmTT>() == nullptr);
    }

    void anEmptyOrListedCellOpensNothing()
    {
        TestProgram program;
        auto* board = BoardWithTeacherTwoAbsent(program);
        DoubleClick(board, "Label1(7)");
        QCOMPARE(program.prompter.AskedTexts(), QStringList {"Empty Label"});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Error"));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Exclamation);

        Click(board, "cmdClear");
        Click(board, "cmdClear");
        Click(board, "cmdAllT");
        DoubleClick(board, "Label1(0)");
        QCOMPARE(program.registry.Find<frmTT>(), nullptr);
        QCOMPARE(program.registry.Find<frmTTAb>(), nullptr);
    }

    void todayIsMarkedFromTheClock_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("day");
        QTest::newRow("Wednesday") << QDate(2026, 12, 9) << 2;
        QTest::newRow("Friday") << QDate(2026, 12, 11) << 4;
        QTest::newRow("Saturday") << QDate(2026, 12, 12) << -1;
        QTest::newRow("Sunday") << QDate(2026, 12, 13) << -1;
    }

    void todayIsMarkedFromTheClock()
    {
        QFETCH(QDate, today);
        QFETCH(int, day);
        TestProgram program;
        program.clock.now = QDateTime(today, QTime(8, 0));
        auto* board = BoardWithTeacherTwoAbsent(program);
        Click(board, "cmdAbs");
        DoubleClick(board, "Label1(0)");
        Click(board, "cmdPres");
        DoubleClick(board, "Label1(0)");
        const QList<std::pair<QWidget*, QColor>> timetables = {{program.registry.Find<frmTTAb>(),
                                                                AbsenceTimetableColour},
                                                               {program.registry.Find<frmTT>(),
                                                                PresenceTimetableColour}};
        for (const auto& [timetable, colour] : timetables) {
            for (int header = 0; header < 5; ++header) {
                const QColor background = Background(
                    Find(timetable, Cell("Label", header + 2).remove('(').remove(')')));
                QCOMPARE(background == colour, header == day);
            }
            for (int slot = 0; slot < 40; ++slot) {
                QWidget* cell = Find(timetable, Cell("Label1", slot));
                QCOMPARE(IsBold(cell), slot / 8 == day);
                QCOMPARE(TextColour(cell) == colour, slot / 8 == day);
            }
        }
    }

    // In a school of six periods the 7th and 8th are no periods: greyed and
    // empty, counted neither as work nor as free, and no lesson to choose.
    void periodsAfterTheSchoolsLastAreNoPeriods()
    {
        TestProgram program;
        auto* board = BoardWithTeacherTwoAbsent(program);
        program.Exec("INSERT INTO ProgramSetting VALUES ('PeriodsInDay', '6')");
        Click(board, "cmdPres");
        DoubleClick(board, "Label1(1)");
        auto* presence = program.registry.Find<frmTT>();
        QCOMPARE(TextOf(presence, "Label7"), QStringLiteral("Work : 22"));
        QCOMPARE(TextOf(presence, "Label8"), QStringLiteral("Free : 8"));

        Click(board, "cmdAbs");
        DoubleClick(board, "Label1(0)");
        auto* absence = program.registry.Find<frmTTAb>();
        QCOMPARE(TextOf(absence, "Label7"), QStringLiteral("Work : 25"));
        QCOMPARE(TextOf(absence, "Label8"), QStringLiteral("Free : 5"));
        for (int cell : {6, 7, 15, 39}) {
            QVERIFY(TextOf(absence, Cell("Label1", cell)).isEmpty());
            QCOMPARE(Background(Find(absence, Cell("Label1", cell))), NoPeriodBackground);
        }
        QCOMPARE(TextOf(absence, "Label1(5)"), QStringLiteral("0"));
        QVERIFY(Background(Find(absence, "Label1(5)")) != NoPeriodBackground);
        QSignalSpy chosen(absence, &frmTTAb::lessonChosen);
        DoubleClick(absence, "Label1(6)");
        QCOMPARE(chosen.size(), 0);
        DoubleClick(absence, "Label1(5)");
        QCOMPARE(chosen.size(), 1);
    }

    // A covered lesson is the shown teacher's, in its slot, of the class its
    // cell shows; it stays green through a refill and keeps today's red text.
    void aCoveredLessonIsDrawnGreenWithItsReliefTeacher()
    {
        TestProgram program;
        auto* board = BoardWithTeacherTwoAbsent(program);
        Click(board, "cmdAbs");
        DoubleClick(board, "Label1(0)");
        auto* timetable = program.registry.Find<frmTTAb>();
        const QString thursday1st = TextOf(timetable, "Label1(24)");
        timetable->SetCoverage({{2, 24, thursday1st, "Teacher 4"},
                                {2, 25, "9Z", "Teacher 5"},
                                {3, 26, TextOf(timetable, "Label1(26)"), "Teacher 5"}});
        DoubleClick(board, "Label1(0)");
        for (int slot = 0; slot < 40; ++slot) {
            QWidget* cell = Find(timetable, Cell("Label1", slot));
            QCOMPARE(Background(cell) == CoveredLessonBackground, slot == 24);
            QCOMPARE(cell->toolTip(), slot == 24 ? QStringLiteral("Covered by Teacher 4") : QString());
        }
        QCOMPARE(TextColour(Find(timetable, "Label1(24)")), AbsenceTimetableColour);
        QVERIFY(IsBold(Find(timetable, "Label1(24)")));

        timetable->SetCoverage({});
        QVERIFY(Background(Find(timetable, "Label1(24)")) != CoveredLessonBackground);
        QVERIFY(Find(timetable, "Label1(24)")->toolTip().isEmpty());
    }
};

QTEST_MAIN(tst_timetables)
#include "tst_timetables.moc"
