#include "relief/ReliefPlan.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {
void Choose(ReliefPlan& plan, const QString& grade, const QString& period, const QString& relief = {})
{
    plan.StartRow("2", "Mrs. Perera", grade, period);
    if (!relief.isNull())
        plan.CompleteLastRow(relief, "Maths", "Art", relief.isEmpty() ? QString() : relief.right(1));
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
        ReliefPlan plan;
        QAbstractItemModelTester tester(&plan.Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        Choose(plan, "10A", "3rd", "Silva 1");
        Choose(plan, "9B", "2nd", "Dias 2");
        Choose(plan, "8C", "3rd");
        QCOMPARE(plan.AssignedSlotKeys(), QStringList({"3rdSilva 1", "2ndDias 2"}));
        QCOMPARE(plan.ReliefNumbers(), QStringList({"1", "2", ""}));

        plan.RemoveLastRow();
        QCOMPARE(plan.AssignedSlotKeys(), QStringList({"3rdSilva 1", "2ndDias 2"}));
        plan.RemoveLastRow();
        QCOMPARE(plan.AssignedSlotKeys(), QStringList({"3rdSilva 1"}));
        QCOMPARE(plan.RowCount(), 1);

        Choose(plan, "7A", "5th", QStringLiteral(""));
        QCOMPARE(plan.AssignedSlotKeys(), QStringList({"3rdSilva 1"}));
        plan.Clear();
        plan.RemoveLastRow();
        QCOMPARE(plan.RowCount(), 0);
        QVERIFY(plan.AssignedSlotKeys().isEmpty());
    }

    void aClassIsCoveredOnceAPeriodUnlessItIsAGroup_data()
    {
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
    }

    void aClassIsCoveredOnceAPeriodUnlessItIsAGroup()
    {
        QFETCH(QString, earlierGrade);
        QFETCH(QString, earlierPeriod);
        QFETCH(QString, grade);
        QFETCH(QString, period);
        QFETCH(bool, duplicate);
        ReliefPlan plan;
        Choose(plan, earlierGrade, earlierPeriod, "Silva 1");
        Choose(plan, "6C", "8th");
        QVERIFY(!plan.LastRowIsDuplicate());
        Choose(plan, grade, period);
        QCOMPARE(plan.LastRowIsDuplicate(), duplicate);
    }
};

QTEST_MAIN(tst_ReliefPlan)
#include "tst_ReliefPlan.moc"
