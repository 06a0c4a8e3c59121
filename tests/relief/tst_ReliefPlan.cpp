#include "relief/Doubles.h"
#include "relief/ReliefPlan.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {
const QDate Thursday(2026, 12, 10);

// A line of the relief list, as the operator double-clicks it.
ReliefListRow Line(const QString& number, const QString& name, const QString& subject)
{
    ReliefListRow line;
    line.number = number;
    line.name = name;
    line.subject = subject;
    return line;
}

void Choose(ReliefPlan& plan, const QString& grade, const QString& period, const QString& relief = {})
{
    plan.StartLesson("2", "Mrs. Perera", grade, period);
    if (!relief.isNull())
        plan.ChooseRelief(Line(relief.isEmpty() ? QString() : relief.right(1), relief, "Art"), "Maths");
}
}

// The relief set with its keys, as the relief set screen keeps it.
class tst_ReliefPlan : public QObject {
    Q_OBJECT

private slots:
    // Each key belongs to the row of its relief; removing an incomplete row
    // once dropped another row's key, and that teacher was offered a second
    // class in the same period.
    void theKeysAlwaysMatchTheRows()
    {
        ReliefPlan plan(Thursday);
        QAbstractItemModelTester tester(&plan.Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        Choose(plan, "10A", "3rd", "Silva 1");
        Choose(plan, "9B", "2nd", "Dias 2");
        Choose(plan, "8C", "3rd");
        QCOMPARE(plan.AssignedSlotKeys(), QStringList({"3rdSilva 1", "2ndDias 2"}));
        QCOMPARE(plan.ReliefNumbers(), QStringList({"1", "2", ""}));

        plan.RemoveLast();
        QCOMPARE(plan.AssignedSlotKeys(), QStringList({"3rdSilva 1", "2ndDias 2"}));
        plan.RemoveLast();
        QCOMPARE(plan.AssignedSlotKeys(), QStringList({"3rdSilva 1"}));
        QCOMPARE(plan.RowCount(), 1);

        Choose(plan, "7A", "5th", QStringLiteral(""));
        QCOMPARE(plan.AssignedSlotKeys(), QStringList({"3rdSilva 1"}));
        plan.Clear();
        plan.RemoveLast();
        QCOMPARE(plan.RowCount(), 0);
        QVERIFY(plan.AssignedSlotKeys().isEmpty());
    }

    void aClassIsCoveredOnceAPeriodUnlessItIsAGroup_data()
    {
        // clang-format off
        QTest::addColumn<QString>("earlierGrade");
        QTest::addColumn<QString>("earlierPeriod");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QString>("period");
        QTest::addColumn<bool>("duplicate");
        QTest::newRow("same class and period") << "10A" << "3rd" << "10A" << "3rd" << true;
        QTest::newRow("free period twice") << "0" << "3rd" << "0" << "3rd" << true;
        QTest::newRow("another period") << "10A" << "2nd" << "10A" << "3rd" << false;
        QTest::newRow("another class") << "10B" << "3rd" << "10A" << "3rd" << false;
        QTest::newRow("group class") << "10A*" << "3rd" << "10A*" << "3rd" << false;
        QTest::newRow("group on one side") << "10A*" << "3rd" << "10A" << "3rd" << false;
        QTest::newRow("letter case") << "10a" << "3rd" << "10A" << "3rd" << false;
        // clang-format on
    }

    void aClassIsCoveredOnceAPeriodUnlessItIsAGroup()
    {
        QFETCH(QString, earlierGrade);
        QFETCH(QString, earlierPeriod);
        QFETCH(QString, grade);
        QFETCH(QString, period);
        QFETCH(bool, duplicate);
        ReliefPlan plan(Thursday);
        Choose(plan, earlierGrade, earlierPeriod, "Silva 1");
        Choose(plan, "6C", "8th");
        QVERIFY(!plan.LastRowIsDuplicate());
        Choose(plan, grade, period);
        QCOMPARE(plan.LastRowIsDuplicate(), duplicate);
    }

    // A set holds each lesson once, whatever brings it: the saved set
    // brought back over the rows kept for the day once listed every relief twice.
    void eachLessonIsHeldOnce()
    {
        ReliefPlan plan(Thursday);
        Choose(plan, "10A", "3rd", "Silva 1");
        ReliefRecord saved = plan.Rows().first();
        saved[ReliefRecord::TeaNo] = " 2 ";
        saved[ReliefRecord::Adno] = "1";
        const ReliefRecord other = UncoveredLesson("4", "Mr. Dias", "10A", "3rd");

        plan.AppendSaved({saved, other, other}, Thursday);
        QCOMPARE(plan.RowCount(), 2);
        QCOMPARE(plan.Rows()[1], other);
        plan.AppendSaved({saved, other}, Thursday);
        QCOMPARE(plan.RowCount(), 2);
        QCOMPARE(plan.RowOfLesson(other, Thursday), 1);
        // Another day's lesson is another lesson.
        QCOMPARE(plan.RowOfLesson(other, Thursday.addDays(-1)), -1);
        plan.AppendSaved({saved}, Thursday.addDays(-1));
        QCOMPARE(plan.RowCount(), 3);

        const QList<PlannedRelief> doubled = plan.Planned() + plan.Planned();
        plan.Restore(doubled);
        QCOMPARE(plan.Planned(), doubled.mid(0, 3));
    }

    // A lesson taken up again is completed in its own row, not the last.
    void aLessonTakenUpAgainIsCompletedInItsRow()
    {
        ReliefPlan plan(Thursday);
        Choose(plan, "10A", "3rd");
        Choose(plan, "9B", "2nd", "Dias 2");
        plan.TakeUpLesson(0);
        QCOMPARE(plan.LessonRow(), 0);
        plan.ChooseRelief(Line("7", "Silva", "Art"), "Maths");
        QCOMPARE(plan.Rows()[0][ReliefRecord::PresenceTea], QStringLiteral("Silva"));
        QCOMPARE(plan.Rows()[1][ReliefRecord::PresenceTea], QStringLiteral("Dias 2"));
        QCOMPARE(plan.AssignedSlotKeys(), QStringList({"3rdSilva", "2ndDias 2"}));
    }

    // Rows saved under one day: a lesson in two rows, or a teacher in two
    // classes of one period, would give a relief twice.
    void whatWouldBeSavedTwiceIsNamed_data()
    {
        QTest::addColumn<QList<QStringList>>("rows"); // absent number, class, period, relief number
        QTest::addColumn<QStringList>("doubles");
        const QStringList lesson = {"2", "10A", "3rd", "7"};
        QTest::newRow("each once") << QList<QStringList> {lesson, {"2", "10A", "4th", "7"}, {"3", "10A", "3rd", "8"}}
                                   << QStringList {};
        QTest::newRow("a lesson twice") << QList<QStringList> {lesson,
                                                               {"2", "9B", "1st", "8"},
                                                               {" 2", "10A", "3rd", "9"}}
                                        << QStringList {"10A of Mr. 2 in the 3rd period is listed 2 times."};
        QTest::newRow("a group lesson twice") << QList<QStringList> {{"2", "10A*", "3rd", ""}, {"2", "10A*", "3rd", ""}}
                                              << QStringList {"10A* of Mr. 2 in the 3rd period is listed 2 times."};
        QTest::newRow("a teacher twice in a period")
            << QList<QStringList> {lesson, {"3", "9B", "3rd", "7 "}, {"4", "9C", "3rd", "7"}}
            << QStringList {"Teacher 7 is sent to 3 classes in the 3rd period."};
        QTest::newRow("helpers are nobody")
            << QList<QStringList> {{"2", "10A", "3rd", "0"}, {"3", "9B", "3rd", "0"}, {"4", "9C", "3rd", ""}}
            << QStringList {};
    }

    void whatWouldBeSavedTwiceIsNamed()
    {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QStringList, doubles);
        QList<ReliefRecord> records;
        for (const QStringList& row : rows) {
            ReliefRecord record = UncoveredLesson(row[0], "Mr. " + row[0].trimmed(), row[1], row[2]);
            record[ReliefRecord::TeaNoP] = row[3];
            if (!row[3].isEmpty())
                record[ReliefRecord::PresenceTea] = "Teacher " + row[3].trimmed();
            records << record;
        }
        QCOMPARE(Doubles(records), doubles);
    }

    // The relief set screen draws its counters and buttons from these
    // signals alone, so each operation must say what it changed.
    void everyOperationSaysWhatChanged()
    {
        ReliefPlan plan(Thursday);
        QAbstractItemModelTester tester(&plan.Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy rows(&plan, &ReliefPlan::rowsChanged);
        QSignalSpy started(&plan, &ReliefPlan::lessonStarted);
        QSignalSpy chosen(&plan, &ReliefPlan::reliefChosen);
        QSignalSpy appended(&plan, &ReliefPlan::savedAppended);
        QSignalSpy cleared(&plan, &ReliefPlan::cleared);
        const auto counts = [&] {
            return QList<qsizetype> {rows.size(), started.size(), chosen.size(), appended.size(), cleared.size()};
        };

        plan.StartLesson("2", "Mrs. Perera", "10A", "3rd");
        QCOMPARE(counts(), QList<qsizetype>({1, 1, 0, 0, 0}));
        plan.ChooseRelief(Line("7", "Silva", "Art"), "Maths");
        QCOMPARE(counts(), QList<qsizetype>({2, 1, 1, 0, 0}));
        QCOMPARE(QStringList(plan.Rows().last().fields.begin(), plan.Rows().last().fields.end()),
                 QStringList({"2", "Mrs. Perera", "10A", "3rd", "Silva", "Maths", "Art", "7", ""}));
        plan.AppendSaved({UncoveredLesson("3", "Mr. Silva", "9B", "1st"),
                          UncoveredLesson("3", "Mr. Silva", "9C", "2nd")},
                         Thursday);
        QCOMPARE(counts(), QList<qsizetype>({3, 1, 1, 1, 0}));
        QCOMPARE(plan.RowCount(), 3);
        plan.RemoveLast();
        QCOMPARE(counts(), QList<qsizetype>({4, 1, 1, 1, 0}));
        plan.Clear();
        QCOMPARE(counts(), QList<qsizetype>({5, 1, 1, 1, 1}));
        QCOMPARE(plan.RowCount(), 0);

        // With no row to complete, a choice changes nothing and says nothing.
        plan.ChooseRelief(Line("7", "Silva", "Art"), "Maths");
        QCOMPARE(counts(), QList<qsizetype>({5, 1, 1, 1, 1}));

        // Many operations as one: the signals once, at the end.
        plan.AsOneChange([&] {
            Choose(plan, "10A", "1st", "Silva");
            Choose(plan, "10B", "1st", "Dias");
            QCOMPARE(counts(), QList<qsizetype>({5, 1, 1, 1, 1}));
        });
        QCOMPARE(counts(), QList<qsizetype>({6, 1, 2, 1, 1}));
        QCOMPARE(plan.RowCount(), 2);
        plan.AsOneChange([&] { Choose(plan, "10C", "2nd"); });
        QCOMPARE(counts(), QList<qsizetype>({7, 2, 2, 1, 1}));
        plan.AsOneChange([] {});
        QCOMPARE(counts(), QList<qsizetype>({7, 2, 2, 1, 1}));
    }
};

QTEST_MAIN(tst_ReliefPlan)
#include "tst_ReliefPlan.moc"
