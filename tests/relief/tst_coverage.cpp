#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "attendance/AttendanceColours.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTTAb.h"
#include "data/TeacherRow.h"
#include "relief/ReliefColours.h"
#include "relief/ReliefSetModel.h"
#include "relief/frmList.h"
#include "relief/frmRelList.h"
#include "ui/Colours.h"

#include <QAbstractItemModelTester>
#include <QTest>
#include <QTreeView>

namespace {
// The test clock's day, a Thursday: its column holds slots 24 to 31.
constexpr int Thursday1st = 24;
constexpr int Thursday2nd = 25;

// Six teachers; 1 and 2 are absent. Teachers 3 to 6 are free in Thursday's
// first three periods. Each absent teacher has seven lessons on Thursday
// (slot 29 is off); teacher 1 teaches 10A in the 1st period, teacher 2 9C.
QList<QStringList> Staff()
{
    QList<QStringList> teachers = Teachers(6);
    for (int teacher = 2; teacher < 6; ++teacher) {
        for (int slot : {24, 25, 26})
            SetSlot(teachers[teacher], slot, "0", "0");
    }
    SetSlot(teachers[1], Thursday1st, "9C", "English");
    return teachers;
}

frmAtten* Morning(TestProgram& program)
{
    program.CreateDatabase(Staff());
    auto* board = program.Open<frmAtten>();
    Click(board, "cmdClear");
    Click(board, "Check1(0)");
    Click(board, "Check1(1)");
    Click(board, "cmdAbs");
    return board;
}

frmTTAb* AbsentTimetable(TestProgram& program, frmAtten* board, int gridCell)
{
    DoubleClick(board, Cell("Label1", gridCell));
    return program.registry.Find<frmTTAb>();
}

// Chooses a lesson and the relief list's line; gives the name on that line.
QString Cover(TestProgram& program, frmTTAb* timetable, int slot, int line)
{
    DoubleClick(timetable, Cell("Label1", slot));
    auto* relief = program.registry.Find<frmRelList>();
    const QString name = TextOf(relief, Cell("LblName", line));
    DoubleClick(relief, Cell("LblName", line));
    return name;
}

bool IsGreen(const frmTTAb* timetable, int slot)
{
    return Background(Find(timetable, Cell("Label1", slot))) == CoveredLessonBackground;
}

QString Tooltip(const frmTTAb* timetable, int slot)
{
    return Find(timetable, Cell("Label1", slot))->toolTip();
}

// A row of the relief set as lvmem draws it: its "Presence Tea." and its background.
std::pair<QString, QVariant> Drawn(TestProgram& program, int row)
{
    const QAbstractItemModel* model = Find<QTreeView>(program.registry.Find<frmList>(), "lvmem")->model();
    const QModelIndex index = model->index(row, ReliefRecord::PresenceTea);
    return {index.data().toString(), index.data(Qt::BackgroundRole)};
}

ReliefRecord Record(const QString& presence, const QString& number)
{
    ReliefRecord row;
    row.fields = {"2", "Mr. Teacher 2", "9C", "1st", presence, "Maths", "", number, ""};
    return row;
}
}

// What is still left to cover, as the operator sees it on the relief set,
// the absence timetable and the attendance board.
class tst_coverage : public QObject {
    Q_OBJECT

private slots:
    void aRowWithoutAReliefTeacherIsDrawnUncovered_data()
    {
        // clang-format off
        QTest::addColumn<QString>("presence");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("covered");
        QTest::newRow("chosen") << "Teacher 3" << "3" << "Teacher 3" << true;
        QTest::newRow("not chosen yet") << "" << "" << "not covered" << false;
        QTest::newRow("saved as a helper's") << "Helper (Volunteer)" << "0" << "Helper (Volunteer)" << false;
        // clang-format on
    }

    void aRowWithoutAReliefTeacherIsDrawnUncovered()
    {
        QFETCH(QString, presence);
        QFETCH(QString, number);
        QFETCH(QString, shown);
        QFETCH(bool, covered);
        ReliefSetModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const ReliefRecord row = Record(presence, number);
        model.Append(row);
        QCOMPARE(model.Rows().first(), row);
        QCOMPARE(model.index(0, ReliefRecord::PresenceTea).data().toString(), shown);
        QCOMPARE(model.index(0, ReliefRecord::Grade).data().toString(), QStringLiteral("9C"));
        for (int column = 0; column < ReliefRecord::ColumnCount; ++column) {
            const QVariant background = model.index(0, column).data(Qt::BackgroundRole);
            QCOMPARE(background.isValid() ? background.value<QColor>() : QColor(),
                     covered ? QColor() : UncoveredRowColour);
        }
        QCOMPARE(HasReliefTeacher(row), covered);
    }

    void aLessonCoveredTodayShowsGreenOnTheTimetableAndCountsOnTheBoard()
    {
        TestProgram program;
        auto* board = Morning(program);
        QCOMPARE(TextOf(board, "lblToCover"), QStringLiteral("To cover today: 14 lessons, 0 covered"));
        auto* timetable = AbsentTimetable(program, board, 0);

        const QString relief = Cover(program, timetable, Thursday1st, 0);
        QVERIFY(IsGreen(timetable, Thursday1st));
        QCOMPARE(Tooltip(timetable, Thursday1st), QStringLiteral("Covered by %1").arg(relief));
        QCOMPARE(Drawn(program, 0), std::make_pair(relief, QVariant()));
        QCOMPARE(TextOf(board, "lblToCover"), QStringLiteral("To cover today: 14 lessons, 1 covered"));

        // Chosen but left without a teacher: violet, not green, and red on the set.
        DoubleClick(timetable, Cell("Label1", Thursday2nd));
        QCOMPARE(Drawn(program, 1), std::make_pair(QStringLiteral("not covered"), QVariant(UncoveredRowColour)));
        DoubleClick(program.registry.Find<frmRelList>(), "LblName(10)");
        QCOMPARE(TextColour(Find(timetable, Cell("Label1", Thursday2nd))), ChosenLessonColour);
        QVERIFY(!IsGreen(timetable, Thursday2nd));
        QVERIFY(Tooltip(timetable, Thursday2nd).isEmpty());
        QCOMPARE(Drawn(program, 1), std::make_pair(QStringLiteral("not covered"), QVariant(UncoveredRowColour)));
        QCOMPARE(TextOf(board, "lblToCover"), QStringLiteral("To cover today: 14 lessons, 1 covered"));

        // The cover belongs to teacher 1's lesson: not to teacher 2's in that period, and back on a refill.
        timetable = AbsentTimetable(program, board, 1);
        QVERIFY(!IsGreen(timetable, Thursday1st));
        const QString second = Cover(program, timetable, Thursday1st, 0);
        QCOMPARE(Tooltip(timetable, Thursday1st), QStringLiteral("Covered by %1").arg(second));
        QCOMPARE(TextOf(board, "lblToCover"), QStringLiteral("To cover today: 14 lessons, 2 covered"));
        timetable = AbsentTimetable(program, board, 0);
        QCOMPARE(Tooltip(timetable, Thursday1st), QStringLiteral("Covered by %1").arg(relief));

        // A teacher ticked present after all takes his lessons out of both counts.
        Click(board, "Check1(1)");
        QCOMPARE(TextOf(board, "lblToCover"), QStringLiteral("To cover today: 7 lessons, 1 covered"));
        Click(board, "Check1(1)");

        // Removing the rows takes their cover away again.
        auto* list = program.registry.Find<frmList>();
        for (int row = 0; row < 3; ++row)
            Click(list, "Command4");
        QVERIFY(!IsGreen(timetable, Thursday1st));
        QVERIFY(Tooltip(timetable, Thursday1st).isEmpty());
        QCOMPARE(TextOf(board, "lblToCover"), QStringLiteral("To cover today: 14 lessons, 0 covered"));
    }

    // A covered lesson chosen again says who covers it and changes nothing;
    // it once added a row for a moment, refused it as a duplicate and left
    // the cell violet. One still without a teacher is taken up in its own row.
    void aLessonInTheSetIsNotStartedAgain()
    {
        TestProgram program;
        auto* timetable = AbsentTimetable(program, Morning(program), 0);
        const QString relief = Cover(program, timetable, Thursday1st, 0);
        DoubleClick(timetable, Cell("Label1", Thursday2nd));
        Click(program.registry.Find<frmRelList>(), "Command2");
        const ReliefPlan& plan = program.registry.Find<frmList>()->Plan();
        const QList<PlannedRelief> before = plan.Planned();
        const QColor text = TextColour(Find(timetable, Cell("Label1", Thursday1st)));

        DoubleClick(timetable, Cell("Label1", Thursday1st));
        QCOMPARE(program.prompter.AskedTexts(),
                 QStringList {
                     QStringLiteral("This lesson is covered already: %1 relieves 10A in the 1st period.").arg(relief)});
        QCOMPARE(plan.Planned(), before);
        QVERIFY(!program.registry.Find<frmRelList>());
        QVERIFY(IsGreen(timetable, Thursday1st));
        QCOMPARE(TextColour(Find(timetable, Cell("Label1", Thursday1st))), text);

        const QString second = Cover(program, timetable, Thursday2nd, 0);
        QCOMPARE(plan.RowCount(), 2);
        QCOMPARE(plan.UncoveredCount(), 0);
        QCOMPARE(plan.Rows()[1][ReliefRecord::PresenceTea], second);
        QCOMPARE(Tooltip(timetable, Thursday2nd), QStringLiteral("Covered by %1").arg(second));
        QCOMPARE(program.prompter.asked.size(), 1);
    }

    // Rows brought back from today's saved set cover the lessons whose
    // teacher, period and class they name; a helper's row covers nothing.
    void theSavedSetBroughtBackCoversItsLessons()
    {
        TestProgram program;
        auto* board = Morning(program);
        program.Exec("INSERT INTO ProgramSetting VALUES ('SavedSetDay', ?)",
                     {program.clock.Today().toString(Qt::ISODate)});
        program.Exec("INSERT INTO reltable VALUES"
                     " ('1', 'Mr. Teacher 1', '10A', '1st', 'Teacher 4', 'Maths', 'Maths', '4', 1),"
                     " ('1', 'Mr. Teacher 1', '9Z', '2nd', 'Teacher 5', 'Maths', 'Maths', '5', 2),"
                     " ('2', 'Mr. Teacher 2', '9C', '1st', 'Helper (Volunteer)', 'Maths', 'Library', '0', 3)");
        Click(board, "Command1");
        Click(program.registry.Find<frmList>(), "Command5");
        QCOMPARE(Drawn(program, 2), std::make_pair(QStringLiteral("Helper (Volunteer)"), QVariant(UncoveredRowColour)));
        QCOMPARE(TextOf(board, "lblToCover"), QStringLiteral("To cover today: 14 lessons, 1 covered"));

        auto* timetable = AbsentTimetable(program, board, 0);
        QCOMPARE(Tooltip(timetable, Thursday1st), QStringLiteral("Covered by Teacher 4"));
        QVERIFY(!IsGreen(timetable, Thursday2nd));
        QVERIFY(!IsGreen(AbsentTimetable(program, board, 1), Thursday1st));

        // With the set's screen closed the set kept for today still covers them.
        program.registry.Find<frmList>()->close();
        QTRY_VERIFY(!program.registry.Find<frmList>());
        QCOMPARE(TextOf(board, "lblToCover"), QStringLiteral("To cover today: 14 lessons, 1 covered"));
        QCOMPARE(Tooltip(AbsentTimetable(program, board, 0), Thursday1st), QStringLiteral("Covered by Teacher 4"));

        // Another day's rows cover nothing today.
        program.Exec("UPDATE DayReliefSet SET PlannedFor = '2026-12-09'");
        AbsentTimetable(program, board, 0)->close();
        QTRY_VERIFY(!program.registry.Find<frmTTAb>());
        QVERIFY(!IsGreen(AbsentTimetable(program, board, 0), Thursday1st));
        QCOMPARE(TextOf(board, "lblToCover"), QStringLiteral("To cover today: 14 lessons, 0 covered"));
    }

    void theBoardCountsTheSchoolsPeriodsOfToday_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("periods");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Thursday") << QDate(2026, 12, 10) << 8 << "To cover today: 14 lessons, 0 covered";
        QTest::newRow("six periods") << QDate(2026, 12, 10) << 6 << "To cover today: 10 lessons, 0 covered";
        QTest::newRow("Friday, one off") << QDate(2026, 12, 11) << 8 << "To cover today: 14 lessons, 0 covered";
        QTest::newRow("Saturday") << QDate(2026, 12, 12) << 8 << "To cover today: no school day";
    }

    void theBoardCountsTheSchoolsPeriodsOfToday()
    {
        QFETCH(QDate, today);
        QFETCH(int, periods);
        QFETCH(QString, shown);
        TestProgram program;
        program.clock.now = QDateTime(today, QTime(8, 0));
        program.CreateDatabase(Staff());
        program.Exec("INSERT INTO ProgramSetting VALUES ('PeriodsInDay', ?)", {QString::number(periods)});
        auto* board = program.Open<frmAtten>();
        Click(board, "cmdClear");
        Click(board, "Check1(0)");
        Click(board, "Check1(1)");
        QCOMPARE(TextOf(board, "lblToCover"), shown);
    }
};

QTEST_MAIN(tst_coverage)
#include "tst_coverage.moc"
