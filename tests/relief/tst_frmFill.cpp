#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTTAb.h"
#include "data/Slot.h"
#include "data/TeacherRow.h"
#include "relief/frmFill.h"
#include "relief/frmList.h"
#include "relief/frmRelList.h"

#include <QTest>
#include <QTreeWidget>

namespace {
// The test clock's day, a Thursday: its column holds slots 24 to 31.
constexpr int Thursday1st = 24;
constexpr int Thursday2nd = 25;
constexpr int Thursday3rd = 26;

// Four teachers; teacher 1 is absent and teaches on Thursday only in the
// 1st, 2nd and (unless left out) 3rd periods. Teacher 2 is free in the 1st
// and 2nd, teacher 3 (his name stored with spaces) in the 2nd only; nobody
// is free in the 3rd.
QList<QStringList> Staff(bool thirdLesson = true)
{
    QList<QStringList> teachers = Teachers(4);
    teachers[2] = Teacher(3, "Mr.", " Teacher 3 ");
    for (int slot = Thursday1st; slot < Thursday1st + PeriodsPerDay; ++slot)
        SetSlot(teachers[0], slot, "0", "0");
    SetSlot(teachers[0], Thursday1st, "10A", "Maths");
    SetSlot(teachers[0], Thursday2nd, "10B", "Maths");
    if (thirdLesson)
        SetSlot(teachers[0], Thursday3rd, "9B", "Maths");
    SetSlot(teachers[1], Thursday1st, "0", "0");
    SetSlot(teachers[1], Thursday2nd, "0", "0");
    SetSlot(teachers[2], Thursday2nd, "0", "0");
    return teachers;
}

frmAtten* Morning(TestProgram& program, const QList<QStringList>& teachers, QList<int> absentBoxes = {0})
{
    program.CreateDatabase(teachers);
    auto* board = program.Open<frmAtten>();
    Click(board, "cmdClear");
    for (int box : absentBoxes)
        Click(board, Cell("Check1", box));
    Click(board, "cmdAbs");
    return board;
}

frmAtten* Morning(TestProgram& program)
{
    return Morning(program, Staff());
}

frmFill* Fill(TestProgram& program)
{
    Click(program.Open<frmList>(), "cmdFill");
    return program.registry.Find<frmFill>();
}

QTreeWidgetItem* Line(const frmFill* fill, int line)
{
    auto* item = Find<QTreeWidget>(fill, "lvFill")->topLevelItem(line);
    return item ? item : new QTreeWidgetItem(Find<QTreeWidget>(fill, "lvFill"));
}

QStringList Texts(const frmFill* fill, int line)
{
    QStringList texts;
    for (int column = 0; column < 5; ++column)
        texts << Line(fill, line)->text(column);
    return texts;
}

QStringList Row(TestProgram& program, int row)
{
    const ReliefRecord& record = program.registry.Find<frmList>()->Plan().Rows().at(row);
    return QStringList(record.fields.begin(), record.fields.end());
}

QStringList Row(const QString& grade, const QString& period, const QString& relief, const QString& number)
{
    return {"1", "Mr. Teacher 1", grade, period, relief, "Maths", "Maths", number, ""};
}

void Closed()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The lessons chosen on teacher 1's absence timetable and the teachers of
// these names on the relief list, one after the other, by hand.
void ByHand(TestProgram& program, frmAtten* board, const QList<std::pair<int, QString>>& choices)
{
    DoubleClick(board, "Label1(0)");
    auto* timetable = program.registry.Find<frmTTAb>();
    for (const auto& [slot, name] : choices) {
        DoubleClick(timetable, Cell("Label1", slot));
        auto* relief = program.registry.Find<frmRelList>();
        for (int line = 0; line < relief->RowCount(); ++line) {
            if (TextOf(relief, Cell("LblName", line)).trimmed() == name)
                DoubleClick(relief, Cell("LblName", line));
        }
    }
}
}

// Fill the Day: the day's proposal, checked and accepted into the relief set.
class tst_frmFill : public QObject {
    Q_OBJECT

private slots:
    void theProposalIsListedWithItsReasonsAndAcceptedAsIfChosenByHand()
    {
        TestProgram program;
        auto* board = Morning(program);
        auto* fill = Fill(program);
        QVERIFY(fill);
        QCOMPARE(fill->windowTitle(), QStringLiteral("Fill the Day"));
        QCOMPARE(Find<QTreeWidget>(fill, "lvFill")->topLevelItemCount(), 3);
        QCOMPARE(Texts(fill, 0), QStringList({"1st", "10A", "Mr. Teacher 1", "Teacher 2", "the only teacher free"}));
        QCOMPARE(Texts(fill, 1),
                 QStringList({"2nd", "10B", "Mr. Teacher 1", "Teacher 3", "fewer reliefs this week (0, against 1)"}));
        QCOMPARE(Texts(fill, 2),
                 QStringList(
                     {"3rd", "9B", "Mr. Teacher 1", "no teacher free", "nobody on relief duty is off in this period"}));
        for (int line = 0; line < 3; ++line) {
            QCOMPARE(Line(fill, line)->toolTip(4), Line(fill, line)->text(4));
            QCOMPARE(Line(fill, line)->checkState(0), line < 2 ? Qt::Checked : Qt::Unchecked);
            QCOMPARE(bool(Line(fill, line)->flags() & Qt::ItemIsUserCheckable), line < 2);
        }

        Click(fill, "cmdAccept");
        Closed();
        QVERIFY(!program.registry.Find<frmFill>());
        auto* list = program.registry.Find<frmList>();
        // The first choice of the day is trimmed, as the relief list trims its lines until one is made.
        QCOMPARE(Row(program, 0), Row("10A", "1st", "Teacher 2", "2"));
        QCOMPARE(Row(program, 1), Row("10B", "2nd", " Teacher 3 ", "3"));
        QCOMPARE(list->Plan().RowCount(), 2);
        QCOMPARE(TextOf(list, "Label4"), QStringLiteral("2"));
        for (const char* button : {"Command2", "Command4", "Command6", "cmdFill"})
            QVERIFY2(Find(list, button)->isEnabled(), button);
        const QList<PlannedRelief> filled = list->Plan().Planned();

        Click(list, "cmdExit");
        Closed();
        list = program.Open<frmList>();
        QCOMPARE(list->Plan().Planned(), filled);
        QCOMPARE(TextOf(list, "Label4"), QStringLiteral("2"));

        program.prompter.PlanAnswer(Answer::Yes);
        Click(list, "Command6");
        ByHand(program, board, {{Thursday1st, "Teacher 2"}, {Thursday2nd, "Teacher 3"}});
        QCOMPARE(list->Plan().Planned(), filled);
    }

    void onlyTheTickedLinesAreAccepted()
    {
        TestProgram program;
        Morning(program);
        auto* fill = Fill(program);
        Line(fill, 0)->setCheckState(0, Qt::Unchecked);
        Click(fill, "cmdAccept");
        auto* list = program.registry.Find<frmList>();
        QCOMPARE(list->Plan().RowCount(), 1);
        QCOMPARE(Row(program, 0), Row("10B", "2nd", "Teacher 3", "3"));
        QCOMPARE(TextOf(list, "Label4"), QStringLiteral("1"));
    }

    void cancelChangesNothing()
    {
        TestProgram program;
        Morning(program);
        auto* list = program.Open<frmList>();
        auto* fill = Fill(program);
        Click(fill, "cmdCancel");
        Closed();
        QVERIFY(!program.registry.Find<frmFill>());
        QCOMPARE(list->Plan().RowCount(), 0);
        QCOMPARE(TextOf(list, "Label4"), QStringLiteral("0"));
        Click(list, "cmdExit");
        Closed();
        QCOMPARE(program.Open<frmList>()->Plan().RowCount(), 0);
    }

    // A lesson started on the absence timetable and left without a teacher
    // is completed in its own row; Fill the Day waits while its relief list is open.
    void anIncompleteRowIsCompletedNotDoubled()
    {
        TestProgram program;
        auto* board = Morning(program);
        DoubleClick(board, "Label1(0)");
        DoubleClick(program.registry.Find<frmTTAb>(), Cell("Label1", Thursday2nd));
        auto* list = program.registry.Find<frmList>();
        QVERIFY(!Find(list, "cmdFill")->isEnabled());
        Click(program.registry.Find<frmRelList>(), "Command2");
        QVERIFY(Find(list, "cmdFill")->isEnabled());

        auto* fill = Fill(program);
        QCOMPARE(Find<QTreeWidget>(fill, "lvFill")->topLevelItemCount(), 3);
        Click(fill, "cmdAccept");
        QCOMPARE(list->Plan().RowCount(), 2);
        QCOMPARE(Row(program, 0), Row("10B", "2nd", " Teacher 3 ", "3"));
        QCOMPARE(Row(program, 1), Row("10A", "1st", "Teacher 2", "2"));
        QCOMPARE(list->Plan().UncoveredCount(), 0);
        QCOMPARE(list->Plan().AssignedSlotKeys(), QStringList({"2ndTeacher 3", "1stTeacher 2"}));
    }

    // Teacher 4, absent too, teaches 10A in the 1st period as teacher 1
    // does: the class is covered once, as the absence timetable allows.
    void aClassIsNotCoveredTwiceInAPeriod()
    {
        TestProgram program;
        QList<QStringList> teachers = Staff();
        SetSlot(teachers[2], Thursday1st, "0", "0");
        Morning(program, teachers, {0, 3});
        auto* fill = Fill(program);
        QCOMPARE(Texts(fill, 0).mid(0, 3), QStringList({"1st", "10A", "Mr. Teacher 1"}));
        QCOMPARE(Texts(fill, 1).mid(0, 3), QStringList({"1st", "10A", "Mr. Teacher 4"}));
        QCOMPARE(Line(fill, 1)->checkState(0), Qt::Checked);
        Click(fill, "cmdAccept");
        const ReliefPlan& plan = program.registry.Find<frmList>()->Plan();
        QCOMPARE(std::count_if(plan.Rows().begin(), plan.Rows().end(),
                               [](const ReliefRecord& row) { return row[ReliefRecord::Period] == "1st"; }),
                 1);
        QCOMPARE(plan.Rows().first()[ReliefRecord::TeaNo], QStringLiteral("1"));
        QCOMPARE(program.prompter.Last().text, QStringLiteral("Class Duplicate or Free Period"));
    }

    // Each row takes the subject of its lesson, and the teacher's general
    // subject where the lesson names none.
    void eachRowTakesTheSubjectOfItsLesson()
    {
        TestProgram program;
        QList<QStringList> teachers = Staff();
        teachers[0][TeacherColumn::subject] = "History";
        SetSlot(teachers[0], Thursday1st, "10A", "");
        SetSlot(teachers[0], Thursday2nd, "10B", "Religion");
        Morning(program, teachers);
        Click(Fill(program), "cmdAccept");
        const QList<ReliefRecord>& rows = program.registry.Find<frmList>()->Plan().Rows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0][ReliefRecord::Subject], QStringLiteral("History"));
        QCOMPARE(rows[1][ReliefRecord::Subject], QStringLiteral("Religion"));
    }

    void aDayWithNothingToFillSaysSo_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QList<int>>("absent");
        QTest::addColumn<bool>("coveredFirst");
        QTest::addColumn<QString>("said");
        QTest::newRow("weekend") << QDate(2026, 12, 12) << QList<int> {0} << false
                                 << "Today is Saturday: there are no lessons to cover.";
        QTest::newRow("nobody absent") << QDate(2026, 12, 10) << QList<int> {} << false
                                       << "Nobody is marked absent today: there are no lessons to cover.";
        QTest::newRow("all covered") << QDate(2026, 12, 10) << QList<int> {0} << true
                                     << "Every lesson of today's absent teachers has a relief teacher.";
    }

    void aDayWithNothingToFillSaysSo()
    {
        QFETCH(QDate, today);
        QFETCH(QList<int>, absent);
        QFETCH(bool, coveredFirst);
        QFETCH(QString, said);
        TestProgram program;
        program.clock.now.setDate(today);
        Morning(program, Staff(false), absent);
        if (coveredFirst)
            Click(Fill(program), "cmdAccept");
        auto* fill = Fill(program);
        QVERIFY(fill);
        QCOMPARE(TextOf(fill, "lblNothing"), said);
        QVERIFY(Find(fill, "lblNothing")->isVisible());
        QVERIFY(!Find(fill, "lvFill")->isVisible());
        QVERIFY(!Find(fill, "cmdAccept")->isEnabled());
    }

    void aClosedBoardIsTold()
    {
        TestProgram program;
        program.CreateDatabase(Staff());
        Click(program.Open<frmList>(), "cmdFill");
        QVERIFY(!program.registry.Find<frmFill>());
        QVERIFY(program.prompter.Last().text.contains("the attendance board is closed"));
    }
};

QTEST_MAIN(tst_frmFill)
#include "tst_frmFill.moc"
