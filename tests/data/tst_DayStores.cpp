#include "ConnectedProgram.h"
#include "data/AttendanceStore.h"
#include "data/HistoryStore.h"
#include "data/PlannedSetStore.h"
#include "data/ProgramSettings.h"
#include "data/ReliefStore.h"

#include <QTest>

namespace {
const QDate Monday(2026, 12, 7);
const QDate Tuesday(2026, 12, 8);

ReliefRecord Relief(const QString& absent, const QString& period, const QString& relief)
{
    ReliefRecord record;
    record[ReliefRecord::TeaNo] = absent;
    record[ReliefRecord::AbsenceTea] = "Mr. Absent " + absent;
    record[ReliefRecord::Grade] = "7A";
    record[ReliefRecord::Period] = period;
    record[ReliefRecord::PresenceTea] = relief;
    return record;
}

QStringList Reliefs(const QList<ReliefRecord>& rows)
{
    QStringList names;
    for (const ReliefRecord& row : rows)
        names << row[ReliefRecord::PresenceTea];
    return names;
}
}

// The day kept: its ticks, its relief set under way and the dated history.
class tst_DayStores : public QObject {
    Q_OBJECT

private slots:
    void theTicksOfTheLatestDayAreKept()
    {
        ConnectedProgram fixture;
        AttendanceStore store(fixture.connection);
        QCOMPARE(store.Read(Monday).value(), (QHash<int, bool>()));
        QVERIFY(store.Replace(Monday, {{1, true}, {2, false}, {10, true}}));
        QCOMPARE(store.Read(Monday).value(), (QHash<int, bool> {{1, true}, {2, false}, {10, true}}));
        QVERIFY(store.Replace(Tuesday, {{2, true}}));
        QCOMPARE(store.Read(Tuesday).value(), (QHash<int, bool> {{2, true}}));
        QVERIFY(store.Read(Monday).value().isEmpty());
    }

    void theSetUnderWayKeepsItsRowsDaysAndKeys()
    {
        ConnectedProgram fixture;
        PlannedSetStore store(fixture.connection);
        // The last row comes from a set saved before days were kept: it has no day.
        const QList<PlannedRelief> rows = {{Relief("3", "1st", "Silva"), Tuesday, "1stSilva"},
                                           {Relief("4", "2nd", ""), Tuesday, ""},
                                           {Relief("5", "3rd", "Dias"), Monday, ""},
                                           {Relief("6", "4th", "Perera"), QDate(), ""}};
        QVERIFY(store.Replace(Tuesday, rows));
        QCOMPARE(store.Read(Tuesday).value(), rows);
        QVERIFY(store.Read(Monday).value().isEmpty());
        QVERIFY(store.Replace(Tuesday, rows.mid(0, 1)));
        QCOMPARE(store.Read(Tuesday).value(), rows.mid(0, 1));
    }

    // Each save is kept under its day; saving again that day replaces the
    // day's set, and the saved set knows its day.
    void everySavedSetIsKeptUnderItsDay()
    {
        ConnectedProgram fixture;
        ReliefStore saved(fixture.connection);
        HistoryStore history(fixture.connection);
        QCOMPARE(saved.Replace({Relief("3", "1st", "Silva"), Relief("4", "2nd", "")}, Monday).status,
                 ReliefSaveResult::Status::Saved);
        QCOMPARE(saved.Replace({Relief("3", "1st", "Perera")}, Tuesday).status, ReliefSaveResult::Status::Saved);
        QCOMPARE(saved.Replace({Relief("5", "4th", "Dias"), Relief("6", "5th", "Fonseka")}, Tuesday).status,
                 ReliefSaveResult::Status::Saved);

        QCOMPARE(history.Days().value(), (QList<HistoryDay> {{Tuesday, 2}, {Monday, 2}}));
        QCOMPARE(Reliefs(history.Reliefs(Monday).value()), QStringList({"Silva", "Helper (Volunteer)"}));
        QCOMPARE(Reliefs(history.Reliefs(Tuesday).value()), QStringList({"Dias", "Fonseka"}));
        QCOMPARE(history.Reliefs(Tuesday).value()[1][ReliefRecord::Adno], QStringLiteral("2"));
        const QList<DatedRelief> range = history.Range(Monday, Tuesday).value();
        QCOMPARE(range.size(), 4);
        QCOMPARE(range.first().day, Monday);
        QCOMPARE(range.last().day, Tuesday);
        QVERIFY(history.Range(Tuesday.addDays(1), Tuesday.addDays(9)).value().isEmpty());
        QCOMPARE(ProgramSettings(fixture.connection).SavedSetDay(), Tuesday);
    }

    // The counts behind each teacher's load: per teacher and day, the helper
    // and uncovered rows left out, and each teacher's last day.
    void theHistoryCountsEachTeachersReliefsByDay()
    {
        ConnectedProgram fixture;
        ReliefStore saved(fixture.connection);
        const auto relief = [](const QString& period, const QString& number) {
            ReliefRecord record = Relief("3", period, "Teacher " + number);
            record[ReliefRecord::TeaNoP] = number;
            return record;
        };
        QVERIFY(saved
                    .Replace({relief("1st", "12"), relief("2nd", " 12"), relief("3rd", "4"), Relief("3", "4th", "")},
                             Monday)
                    .status
                == ReliefSaveResult::Status::Saved);
        QVERIFY(saved.Replace({relief("1st", "4")}, Tuesday).status == ReliefSaveResult::Status::Saved);
        HistoryStore history(fixture.connection);
        QCOMPARE(history.CountsByTeacher(Monday, Tuesday).value(),
                 (QList<TeacherDayCount> {{"4", Monday, 1}, {"12", Monday, 2}, {"4", Tuesday, 1}}));
        QCOMPARE(history.CountsByTeacher(Tuesday, Tuesday).value(), (QList<TeacherDayCount> {{"4", Tuesday, 1}}));
        QCOMPARE(history.Totals(Monday, Tuesday).value(),
                 (QHash<QString, TeacherTotal> {{"4", {1, Monday}}, {"12", {2, Monday}}}));
        QCOMPARE(history.Totals(Tuesday, Tuesday.addDays(1)).value(),
                 (QHash<QString, TeacherTotal> {{"4", {1, Tuesday}}, {"12", {0, Monday}}}));
    }

    void aSaveRefusedInTheMiddleKeepsTheHistoryAsItWas()
    {
        ConnectedProgram fixture;
        ReliefStore saved(fixture.connection);
        QCOMPARE(saved.Replace({Relief("3", "1st", "Silva")}, Monday).status, ReliefSaveResult::Status::Saved);
        fixture.program.Exec("CREATE TRIGGER refuse BEFORE INSERT ON ReliefHistory WHEN NEW.Position = 2 "
                             "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        QCOMPARE(saved.Replace({Relief("3", "1st", "Perera"), Relief("4", "2nd", "Dias")}, Tuesday).status,
                 ReliefSaveResult::Status::Failed);
        HistoryStore history(fixture.connection);
        QCOMPARE(history.Days().value(), (QList<HistoryDay> {{Monday, 1}}));
        QCOMPARE(fixture.program.Query("SELECT PrName FROM reltable"), QList<QVariantList>({{"Silva"}}));
        QCOMPARE(ProgramSettings(fixture.connection).SavedSetDay(), Monday);
    }
};

QTEST_MAIN(tst_DayStores)
#include "tst_DayStores.moc"
