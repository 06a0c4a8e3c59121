#include "ConnectedProgram.h"
#include "TeacherFixture.h"
#include "data/TeacherStore.h"

#include <QTest>

namespace {
// Teachers 10 and 2, stored in that order; 10 is relief free.
QList<QStringList> TwoTeachers()
{
    QStringList ten = Teacher(10, "Mrs.", "Perera");
    SetFlags(ten, "0", "1");
    return {ten, Teacher(2, "Mr.", "Silva")};
}
}

// The teacher register as the screens read it, without screens.
class tst_TeacherStore : public QObject {
    Q_OBJECT

private slots:
    void theReadsAreInNumberOrder()
    {
        ConnectedProgram fixture(TwoTeachers());
        TeacherStore store(fixture.connection);
        const QList<TeacherSummary> summaries = store.Summaries().value();
        QCOMPARE(summaries.size(), 2);
        QCOMPARE(summaries[0].number, 2);
        QCOMPARE(summaries[1].number, 10);
        QCOMPARE(summaries[1].title + summaries[1].name1, QStringLiteral("Mrs.Perera"));
        QCOMPARE(summaries[1].kind, TeacherKind::ReliefFree);
        const QList<TeacherTimetable> timetables = store.Timetables().value();
        QCOMPARE(timetables.size(), 2);
        QCOMPARE(timetables[0].number, QStringLiteral("2"));
        QCOMPARE(timetables[1].classes.size(), 40);
    }

    void aNumberIsInUseWhileATeacherHasIt_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("inUse");
        QTest::newRow("2") << 2 << true;
        QTest::newRow("10") << 10 << true;
        QTest::newRow("1, below them") << 1 << false;
        QTest::newRow("3, between them") << 3 << false;
    }

    void aNumberIsInUseWhileATeacherHasIt()
    {
        QFETCH(int, number);
        QFETCH(bool, inUse);
        ConnectedProgram fixture(TwoTeachers());
        TeacherStore store(fixture.connection);
        QCOMPARE(store.NumberInUse(number), std::optional<bool>(inUse));
        const TeacherLookup found = store.Find(number);
        QVERIFY(!found.readFailed);
        QCOMPARE(found.row.has_value(), inUse);
        if (inUse)
            QCOMPARE(found.row->adno1.toInt(), number);
    }

    // A failure is never taken for a teacher who does not exist.
    void aFailedReadGivesNothingAndKeepsTheFailure()
    {
        ConnectedProgram fixture(TwoTeachers());
        fixture.program.Exec("DROP TABLE TabelPB");
        TeacherStore store(fixture.connection);
        QCOMPARE(store.NumberInUse(2), std::nullopt);
        QVERIFY(fixture.connection.LastError().description.contains("TabelPB", Qt::CaseInsensitive));
        QVERIFY(store.Find(2).readFailed);
        QVERIFY(!store.Summaries());
        QVERIFY(!store.Timetables());
    }
};

QTEST_MAIN(tst_TeacherStore)
#include "tst_TeacherStore.moc"
