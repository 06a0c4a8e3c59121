#include "ConnectedProgram.h"
#include "TeacherFixture.h"
#include "data/Recordset.h"
#include "data/TeacherStore.h"
#include "data/TeacherWriter.h"

#include <QTest>

namespace {
// Teachers 10 and 2, stored in that order; 10 is relief free.
QList<QStringList> TwoTeachers()
{
    QStringList ten = Teacher(10, "Mrs.", "Perera");
    SetFlags(ten, "0", "1");
    return {ten, Teacher(2, "Mr.", "Silva")};
}

// Teacher 10's row as it was read: every column's value in table order.
QVariantList TenAsRead(Connection& connection)
{
    Recordset register_(connection, TeacherStore::Table);
    TeacherStore(connection).OpenRegister(register_);
    register_.MoveLast();
    QVariantList values;
    for (int column = 0; column < TeacherColumn::Count; ++column)
        values << register_.Field(column);
    return values;
}

QStringList Names(const QList<TeacherRow>& rows)
{
    QStringList names;
    for (const TeacherRow& row : rows)
        names << row.adno1 + ' ' + row.name1;
    return names;
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

    // The whole register, for the teacher screen, the personal time table,
    // the import and the export: number order, every column as stored.
    void theWholeRegisterIsReadInNumberOrder()
    {
        ConnectedProgram fixture(TwoTeachers());
        TeacherStore store(fixture.connection);
        QCOMPARE(Names(store.Rows().value()), (QStringList {"2 Silva", "10 Perera"}));
        const QList<QStringList> texts = store.RowTexts().value();
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts[1], TwoTeachers()[0]);

        Recordset register_(fixture.connection, TeacherStore::Table);
        QVERIFY(store.OpenRegister(register_));
        QCOMPARE(register_.RecordCount(), 2);
        register_.MoveLast();
        QCOMPARE(register_.Text(TeacherColumn::name1), QStringLiteral("Perera"));
        register_.SetField(TeacherColumn::name1, "Fernando");
        QVERIFY(register_.Update());
        QVERIFY(register_.Requery());
        register_.MoveLast();
        QCOMPARE(register_.Text(TeacherColumn::name1), QStringLiteral("Fernando"));
        QCOMPARE(Names(store.Rows().value()), (QStringList {"2 Silva", "10 Fernando"}));
    }

    // A row read before is matched on every column, so that a change made
    // elsewhere in any of them, or a delete, keeps it from being written over.
    void aRowIsDeletedOnlyWhileStoredAsRead_data()
    {
        QTest::addColumn<QString>("elsewhere");
        QTest::addColumn<bool>("stored");
        QTest::newRow("as read") << QString() << true;
        QTest::newRow("a cell changed") << "UPDATE TabelPB SET s58 = 'Art' WHERE adno1 = 10" << false;
        QTest::newRow("a flag changed") << "UPDATE TabelPB SET RelFree = '0' WHERE adno1 = 10" << false;
        QTest::newRow("deleted") << "DELETE FROM TabelPB WHERE adno1 = 10" << false;
        QTest::newRow("another teacher changed") << "UPDATE TabelPB SET name1 = 'X' WHERE adno1 = 2" << true;
    }

    void aRowIsDeletedOnlyWhileStoredAsRead()
    {
        QFETCH(QString, elsewhere);
        QFETCH(bool, stored);
        ConnectedProgram fixture(TwoTeachers());
        const QVariantList ten = TenAsRead(fixture.connection);
        if (!elsewhere.isEmpty())
            fixture.program.Exec(elsewhere);
        const QList<QVariantList> before = fixture.program.Query("SELECT * FROM TabelPB ORDER BY adno1");
        TeacherStore store(fixture.connection);
        QCOMPARE(store.IsStoredAs(ten), std::optional<bool>(stored));
        QCOMPARE(store.DeleteIfStoredAs(ten), std::optional<bool>(stored));
        const QList<QVariantList> after = fixture.program.Query("SELECT * FROM TabelPB ORDER BY adno1");
        QCOMPARE(after.size(), stored ? before.size() - 1 : before.size());
        QCOMPARE(after.first(), before.first());
    }

    // The import's writes: a new teacher whole, a known teacher's timetable
    // alone; each statement is prepared once and run for every row.
    void theWriterAddsTeachersAndReplacesOnlyTimetables()
    {
        ConnectedProgram fixture(TwoTeachers());
        TeacherStore store(fixture.connection);
        TeacherRow three = store.Rows().value()[0];
        three.adno = three.adno1 = "3";
        three.name1 = "Dias";
        three.title = QString(); // a text left null is stored empty
        TeacherRow ten = store.Rows().value()[1];
        ten.name1 = "Not written";
        ten.classes.fill("9C");
        ten.subjects.fill("Art");
        {
            TeacherWriter writer(fixture.connection);
            QVERIFY(writer.Add(three));
            QVERIFY(writer.ReplaceTimetable(ten));
            three.adno = three.adno1 = "4";
            QVERIFY(writer.Add(three));
        }
        const QList<TeacherRow> rows = store.Rows().value();
        QCOMPARE(Names(rows), (QStringList {"2 Silva", "3 Dias", "4 Dias", "10 Perera"}));
        QCOMPARE(rows[1].title, QStringLiteral(""));
        QCOMPARE(rows[3].classes, QStringList(SlotCount, "9C"));
        QCOMPARE(rows[3].subjects, QStringList(SlotCount, "Art"));
        QCOMPARE(rows[3].class1, QStringLiteral("-"));
        QVERIFY(rows[3].relFree);
    }

    // A refused write says why through the connection, as every store does.
    void aWriteTheStoreRefusesKeepsTheFailure()
    {
        ConnectedProgram fixture(TwoTeachers());
        const TeacherRow two = TeacherStore(fixture.connection).Rows().value()[0];
        TeacherWriter writer(fixture.connection);
        QVERIFY(!writer.Add(two));
        QVERIFY(fixture.connection.LastError().IsUniqueViolation());
        fixture.program.Exec("DROP TABLE TabelPB");
        TeacherWriter late(fixture.connection);
        QVERIFY(!late.ReplaceTimetable(two));
        QVERIFY(fixture.connection.LastError().description.contains("TabelPB", Qt::CaseInsensitive));
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
        QVERIFY(!store.Rows());
        QVERIFY(!store.RowTexts());
        Recordset register_(fixture.connection, TeacherStore::Table);
        QVERIFY(!store.OpenRegister(register_));
        const QVariantList row(TeacherColumn::Count, QStringLiteral("1"));
        QCOMPARE(store.IsStoredAs(row), std::nullopt);
        QCOMPARE(store.DeleteIfStoredAs(row), std::nullopt);
    }
};

QTEST_MAIN(tst_TeacherStore)
#include "tst_TeacherStore.moc"
