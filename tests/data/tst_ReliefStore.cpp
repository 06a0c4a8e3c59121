#include "ConnectedProgram.h"
#include "data/HistoryStore.h"
#include "data/ReliefStore.h"
#include "relief/PrintAndSave.h"
#include "relief/ReliefReport.h"

#include <QTest>

namespace {
ReliefRecord Relief(const QStringList& fields)
{
    ReliefRecord record;
    for (int column = 0; column < fields.size(); ++column)
        record.fields[column] = fields[column];
    return record;
}

// Absent teacher, the lesson, and the relief chosen (empty while none is).
ReliefRecord Relief(const QString& absent, const QString& period, const QString& relief, const QString& reliefNumber)
{
    return Relief(
        {absent, "Mr. Absent " + absent, "7A", period, relief, "Maths", relief.isEmpty() ? "" : "Sci", reliefNumber});
}

QList<QStringList> Stored(const TestProgram& program)
{
    QList<QStringList> rows;
    for (const QVariantList& row : program.Query("SELECT * FROM reltable ORDER BY Adno")) {
        QStringList texts;
        for (const QVariant& value : row)
            texts << value.toString();
        rows << texts;
    }
    return rows;
}

QStringList Column(const QList<ReliefRecord>& rows, ReliefRecord::Column column)
{
    QStringList texts;
    for (const ReliefRecord& row : rows)
        texts << row[column];
    return texts;
}

const QDate SomeDay(2026, 12, 9);

const QList<ReliefRecord> EarlierSet = {Relief("3", "1st", "Mrs. Early", "4"), Relief("5", "2nd", "Mr. Late", "6")};
}

class tst_ReliefStore : public QObject {
    Q_OBJECT

private slots:
    void theRowsAreStoredInListOrderWithFillInsForWhatWasNotChosen()
    {
        ConnectedProgram fixture;
        const QList<ReliefRecord> rows = {
            Relief({"12", "Mrs. Anula Perera", "10A*", "3rd", "Nimal Dias", "Science", "Sci", "7", "4"}),
            Relief({"2", "Mr. Sunil Silva", "6B", "1st", "", "", "", ""}),
            Relief({"2", "Mr. Sunil Silva", "6C", "2nd", "Kamal Fernando", "", "Art", "11"}),
        };
        QCOMPARE(ReliefStore(fixture.connection).Replace(rows, SomeDay).status, ReliefSaveResult::Status::Saved);
        QCOMPARE(Stored(fixture.program),
                 (QList<QStringList> {
                     {"12", "Mrs. Anula Perera", "10A*", "3rd", "Nimal Dias", "Science", "Sci", "7", "1"},
                     {"2", "Mr. Sunil Silva", "6B", "1st", "Helper (Volunteer)", "Library", "0", "0", "2"},
                     {"2", "Mr. Sunil Silva", "6C", "2nd", "Kamal Fernando", "Library", "Art", "11", "3"},
                 }));
    }

    void aSaveReplacesTheSetSavedBefore()
    {
        ConnectedProgram fixture;
        QCOMPARE(ReliefStore(fixture.connection).Replace(EarlierSet, SomeDay).status, ReliefSaveResult::Status::Saved);
        QCOMPARE(ReliefStore(fixture.connection).Replace({Relief("9", "8th", "Mrs. Next", "1")}, SomeDay).status,
                 ReliefSaveResult::Status::Saved);
        QCOMPARE(Stored(fixture.program),
                 (QList<QStringList> {{"9", "Mr. Absent 9", "7A", "8th", "Mrs. Next", "Maths", "Sci", "1", "1"}}));

        QCOMPARE(ReliefStore(fixture.connection).Replace({}, SomeDay).status, ReliefSaveResult::Status::Saved);
        QVERIFY(Stored(fixture.program).isEmpty());
    }

    // A day's saved reliefs removed on purpose: that day's history, and the
    // relief table only while it holds that day's set.
    void aDayIsRemovedWithoutTouchingAnother()
    {
        ConnectedProgram fixture;
        ReliefStore store(fixture.connection);
        const QDate dayBefore = SomeDay.addDays(-1);
        QCOMPARE(store.Replace(EarlierSet, dayBefore).status, ReliefSaveResult::Status::Saved);
        QCOMPARE(store.Replace({Relief("9", "8th", "Mrs. Next", "1")}, SomeDay).status,
                 ReliefSaveResult::Status::Saved);

        QVERIFY(store.RemoveDay(dayBefore));
        QCOMPARE(Stored(fixture.program).size(), 1);
        QCOMPARE(HistoryStore(fixture.connection).Days().value(), QList<HistoryDay>({{SomeDay, 1}}));
        QVERIFY(store.RemoveDay(SomeDay));
        QVERIFY(Stored(fixture.program).isEmpty());
        QVERIFY(HistoryStore(fixture.connection).Days().value().isEmpty());
    }

    // Once a failing insert left the table with the old set deleted and the new one half written.
    void aWriteRefusedInTheMiddleKeepsTheEarlierSetAndTellsTheOperator()
    {
        ConnectedProgram fixture;
        QCOMPARE(ReliefStore(fixture.connection).Replace(EarlierSet, SomeDay).status, ReliefSaveResult::Status::Saved);
        fixture.program.Exec("CREATE TRIGGER refuse BEFORE INSERT ON reltable WHEN NEW.Adno = 3 "
                             "BEGIN SELECT RAISE(ABORT, 'the third row is refused'); END");
        const QList<QStringList> before = Stored(fixture.program);
        const QList<ReliefRecord> rows(4, Relief("1", "1st", "Mr. New", "2"));

        const PrintAndSaveResult result = PrintAndSave(fixture.connection, rows, SomeDay, {}, fixture.program.registry);

        QCOMPARE(Stored(fixture.program), before);
        QCOMPARE(result.rowsInTable.value_or(-1), 2);
        QVERIFY(!result.saved);
        QVERIFY(!result.report);
        QCOMPARE(fixture.program.prompter.asked.size(), 1);
        QVERIFY2(fixture.program.prompter.Last().text.startsWith("1811the third row is refused"),
                 qPrintable(fixture.program.prompter.Last().text));
        QVERIFY(fixture.program.prompter.Last().text.contains("not been saved"));
    }

    void rowsThatSurviveTheDeleteStopTheSaveAndNothingIsWritten()
    {
        ConnectedProgram fixture;
        QCOMPARE(ReliefStore(fixture.connection).Replace(EarlierSet, SomeDay).status, ReliefSaveResult::Status::Saved);
        fixture.program.Exec(
            "CREATE TRIGGER keep BEFORE DELETE ON reltable WHEN OLD.Adno = 2 BEGIN SELECT RAISE(IGNORE); END");
        const QList<QStringList> before = Stored(fixture.program);

        const PrintAndSaveResult result = PrintAndSave(fixture.connection, {Relief("1", "1st", "Mr. New", "2")},
                                                       SomeDay, {}, fixture.program.registry);

        QCOMPARE(Stored(fixture.program), before);
        QCOMPARE(result.rowsInTable.value_or(-1), 2);
        QVERIFY(!result.saved);
        QVERIFY(!result.report);
        QCOMPARE(fixture.program.prompter.AskedTexts(), QStringList {"DataBase not empty."});
        QCOMPARE(fixture.program.prompter.Last().title, ApplicationTitle);
    }

    void theSavedSetIsReadBackByTeacherNumbersAsNumbers_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("absent");
        QTest::addColumn<QStringList>("reliefs");
        QTest::addColumn<QStringList>("places");
        QTest::newRow("absent teacher") << int(ReliefOrder::AbsentTeacher) << QStringList {"2", "2", "10", "10"}
                                        << QStringList {"Mr. Two", "Mr. Nine", "Mr. Ten", "Helper (Volunteer)"}
                                        << QStringList {"2", "4", "1", "3"};
        QTest::newRow("relief teacher") << int(ReliefOrder::ReliefTeacher) << QStringList {"10", "2", "10", "2"}
                                        << QStringList {"Helper (Volunteer)", "Mr. Nine", "Mr. Ten", "Mr. Two"}
                                        << QStringList {"3", "4", "1", "2"};
    }

    void theSavedSetIsReadBackByTeacherNumbersAsNumbers()
    {
        ConnectedProgram fixture;
        QFETCH(int, order);
        QFETCH(QStringList, absent);
        QFETCH(QStringList, reliefs);
        QFETCH(QStringList, places);
        const QList<ReliefRecord> saved = {Relief("10", "1st", "Mr. Ten", "10"), Relief("2", "1st", "Mr. Two", "10"),
                                           Relief("10", "2nd", "", ""), Relief("2", "2nd", "Mr. Nine", "9")};
        QCOMPARE(ReliefStore(fixture.connection).Replace(saved, SomeDay).status, ReliefSaveResult::Status::Saved);

        const std::optional<QList<ReliefRecord>> rows = ReliefStore(fixture.connection).Read(ReliefOrder(order));
        QVERIFY(rows);
        QCOMPARE(Column(*rows, ReliefRecord::TeaNo), absent);
        QCOMPARE(Column(*rows, ReliefRecord::PresenceTea), reliefs);
        QCOMPARE(Column(*rows, ReliefRecord::Adno), places);
    }
};

QTEST_MAIN(tst_ReliefStore)
#include "tst_ReliefStore.moc"
