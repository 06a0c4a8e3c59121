#include "ConnectedProgram.h"
#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTTAb.h"
#include "data/ProgramSettings.h"
#include "relief/ReliefLoad.h"
#include "relief/frmList.h"
#include "relief/frmRelList.h"
#include "teachers/frmDbase.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QTest>

namespace {
const QDate Wednesday(2026, 12, 9);
// Wednesday's 1st period: teacher 1's lesson of 7A, and free for everybody else.
constexpr int Lesson = 16;

// Teacher 1 absent; teachers 2 to 5 free three times on Wednesday, with
// their reliefs so far: 2 one last Friday, 3 two this week, 4 five in
// November, 5 five this week (his weekly limit). Teacher 6 is free of relief.
QList<QStringList> Staff()
{
    QList<QStringList> teachers = Teachers(6);
    for (int teacher = 1; teacher < 6; ++teacher)
        SetSlot(teachers[teacher], Lesson, "0", "0");
    SetFlags(teachers[5], "0", "1");
    return teachers;
}

void Gave(const TestProgram& program, int teacher, const QDate& day, const QString& period)
{
    static int position = 0;
    program.Exec("INSERT INTO ReliefHistory (Day, Position, Adno1, AbName, Grade, Period, PrName, Subject, ComName, "
                 "Tenop, Adno) VALUES (?, ?, '9', 'Mr. Teacher 9', '8B', ?, ?, 'Maths', 'Maths', ?, 1)",
                 {day.toString(Qt::ISODate), ++position, period, QStringLiteral("Teacher %1").arg(teacher),
                  QString::number(teacher)});
}

void History(const TestProgram& program)
{
    Gave(program, 2, QDate(2026, 12, 4), "1st");
    Gave(program, 3, QDate(2026, 12, 7), "1st");
    Gave(program, 3, QDate(2026, 12, 8), "3rd");
    for (int day = 2; day <= 6; ++day)
        Gave(program, 4, QDate(2026, 11, day), "2nd");
    for (const auto& [day, period] : {std::pair {7, "2nd"}, {7, "3rd"}, {7, "4th"}, {8, "1st"}, {8, "2nd"}})
        Gave(program, 5, QDate(2026, 12, day), period);
}

// The relief list for teacher 1's Wednesday lesson, with the history above.
frmRelList* OpenTheList(TestProgram& program)
{
    program.clock.now = QDateTime(Wednesday, QTime(8, 0));
    program.CreateDatabase(Staff());
    History(program);
    Click(program.Open<frmDbase>(), "cmdAtten");
    auto* board = program.registry.Find<frmAtten>();
    Click(board, "cmdClear");
    Click(board, Cell("Check1", 0));
    Click(board, "cmdAbs");
    DoubleClick(board, Cell("Label1", 0));
    DoubleClick(program.registry.Find<frmTTAb>(), Cell("Label1", Lesson));
    return program.registry.Find<frmRelList>();
}

QString LastRelief(TestProgram& program)
{
    return program.registry.Find<frmList>()->Plan().Rows().last()[ReliefRecord::PresenceTea];
}
}

// The relief list weighs each candidate's load: his counts in his tooltip,
// a teacher at a limit struck through, the teacher the rules rank first
// marked and named, and a selection that the keys move and choose.
class tst_fairReliefList : public QObject {
    Q_OBJECT

private slots:
    void eachCandidateShowsHisLoadAndTheBestIsSuggested()
    {
        TestProgram program;
        frmRelList* list = OpenTheList(program);
        QCOMPARE(list->RowCount(), 4);
        QCOMPARE(TextOf(list, "lblSuggest"),
                 QStringLiteral("Suggested: Teacher 2 — 3 free periods left today, 0 reliefs this week, 1 this term, "
                                "teaches Maths"));
        QCOMPARE(list->Suggested(), 0);
        QCOMPARE(TextOf(list, Cell("LblName", 0)), QStringLiteral("Teacher 2"));
        QVERIFY(Find(list, Cell("LblName", 0))->font().bold());
        QVERIFY(!Find(list, Cell("LblName", 1))->font().bold());
        QCOMPARE(Find(list, Cell("LblName", 1))->toolTip(),
                 QStringLiteral(
                     "Teacher 3\nThis week: 2 (Mon 1st, Tue 3rd) · This term: 2 · Last: Tuesday 8 December"));
        QCOMPARE(Find(list, Cell("LblName", 2))->toolTip(),
                 QStringLiteral("Teacher 4\nThis week: 0 · This term: 5 · Last: Friday 6 November"));

        // At his weekly limit: listed, struck through, never suggested.
        QCOMPARE(TextOf(list, Cell("LblName", 3)), QStringLiteral("Teacher 5"));
        QVERIFY(Find(list, Cell("LblName", 3))->font().strikeOut());
        QVERIFY(Find(list, Cell("Label12", 3))->font().strikeOut());
        QVERIFY(Find(list, Cell("LblName", 3))->toolTip().endsWith("\nAt the weekly limit: 5 reliefs this week"));
        QVERIFY(!Find(list, Cell("LblName", 0))->font().strikeOut());
    }

    void theKeysMoveTheSelectionAndChoose()
    {
        TestProgram program;
        frmRelList* list = OpenTheList(program);
        QCOMPARE(list->Selected(), 0);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->Selected(), 0);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->Selected(), 2);
        QVERIFY(Find(list, Cell("LblName", 2))->autoFillBackground());
        QVERIFY(!Find(list, Cell("LblName", 0))->autoFillBackground());
        QTest::keyClick(list, Qt::Key_Right);
        QCOMPARE(list->Selected(), 3);
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!program.registry.Find<frmRelList>());
        QCOMPARE(LastRelief(program), QStringLiteral("Teacher 4"));
    }

    // The suggestion is longer than the narrow list is wide: it wraps, the
    // window keeps its width and grows by the lines, and the keys work
    // without a click into the list first.
    void theSuggestionIsReadWholeAndTheKeysWorkAtOnce()
    {
        TestProgram program;
        frmRelList* list = OpenTheList(program);
        QVERIFY(QTest::qWaitForWindowActive(list));
        auto* suggestion = Find<QLabel>(list, "lblSuggest");
        QVERIFY(suggestion->text().endsWith("teaches Maths"));
        QCOMPARE(list->width(), Twips(7740));
        QVERIFY(suggestion->geometry().right() < list->width());
        const QRect needed = suggestion->fontMetrics().boundingRect(QRect(0, 0, suggestion->width(), list->height()),
                                                                    Qt::TextWordWrap, suggestion->text());
        QVERIFY(needed.height() > suggestion->fontMetrics().height());
        QVERIFY(needed.height() <= suggestion->height());
        auto* blocks = Find<QScrollArea>(list, "blocks");
        QVERIFY(blocks->widget()->height() <= blocks->viewport()->height());

        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(list->Selected(), 1);
    }

    void escapeLeavesAsExitDoes()
    {
        TestProgram program;
        frmRelList* list = OpenTheList(program);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!program.registry.Find<frmRelList>());
        QVERIFY(LastRelief(program).isEmpty());
    }

    // This week runs from Monday, whatever the term; the term from its first day.
    void theLoadsCountTheWeekAndTheTermFromTheirFirstDays_data()
    {
        QTest::addColumn<QDate>("termStart");
        QTest::addColumn<QList<int>>("terms"); // teachers 2 to 5
        // clang-format off
        QTest::newRow("from January") << QDate(2026, 1, 1) << QList<int> {1, 3, 5, 5};
        QTest::newRow("from last Friday") << QDate(2026, 12, 4) << QList<int> {1, 3, 0, 5};
        QTest::newRow("from Tuesday") << QDate(2026, 12, 8) << QList<int> {0, 2, 0, 2};
        QTest::newRow("from tomorrow") << QDate(2026, 12, 10) << QList<int> {0, 0, 0, 0};
        // clang-format on
    }

    void theLoadsCountTheWeekAndTheTermFromTheirFirstDays()
    {
        QFETCH(QDate, termStart);
        QFETCH(QList<int>, terms);
        ConnectedProgram fixture(Staff());
        History(fixture.program);
        QVERIFY(ProgramSettings(fixture.connection).SetTermStart(termStart));
        ReliefRecord today;
        today[ReliefRecord::Period] = "5th";
        today[ReliefRecord::TeaNoP] = "3";
        const ReliefLoads loads = LoadHistory().Loads(fixture.connection, Wednesday, {today}).value();
        QList<int> counted;
        for (int teacher = 2; teacher <= 5; ++teacher)
            counted << loads.Of(QString::number(teacher)).term;
        QCOMPARE(counted, terms);
        QCOMPARE(loads.Of("2").Week(), 0);
        QCOMPARE(loads.Of("3").week,
                 (QList<WeekRelief> {{QDate(2026, 12, 7), "1st"}, {QDate(2026, 12, 8), "3rd"}, {Wednesday, "5th"}}));
        QCOMPARE(loads.Of("3").today, 1);
        QCOMPARE(loads.Of("3").last, Wednesday);
        QCOMPARE(loads.Of("2").last, QDate(2026, 12, 4));
    }
};

QTEST_MAIN(tst_fairReliefList)
#include "tst_fairReliefList.moc"
