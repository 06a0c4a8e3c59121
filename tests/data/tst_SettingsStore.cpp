#include "ConnectedProgram.h"
#include "data/SettingsStore.h"

#include <QSqlQuery>
#include <QTest>

namespace {
const SettingsChange Shown = {std::nullopt, 2500.5, 1, false, 0};

// One of the writes, by the name a test row gives it.
SettingsWrite Write(SettingsStore& store, const QString& write)
{
    if (write == "apply")
        return store.Apply(Shown);
    if (write == "defaults")
        return store.RestoreDefaults();
    return store.SetSchool("Hillside College", "/logos/crest.png");
}

QVariantList StoredRow(const TestProgram& program)
{
    return program.Query("SELECT * FROM Custom ORDER BY _rowid_").value(0);
}
}

// The settings row of table Custom, read by name and written as the login
// and the settings screen write it.
class tst_SettingsStore : public QObject {
    Q_OBJECT

    static void EachWrite()
    {
        QTest::addColumn<QString>("write");
        QTest::newRow("apply") << "apply";
        QTest::newRow("defaults") << "defaults";
        QTest::newRow("school") << "school";
    }

private slots:
    void everyColumnOfTheFirstRowIsReadByName()
    {
        ConnectedProgram fixture;
        fixture.program.Exec(
            "UPDATE Custom SET Dayslimit = 11, Fratepday = 12, Maxhold = 13, Pass = 'plain', "
            "Refcopy = 15, Salnew = 16, Salper = 17, Saltemp = 18, Splashtime = 2500.5, Viewe = 2, "
            "Welcometime = 20, Welcome = 0, schName = 'Hillside College', Picture = '/logos/crest.png'");
        fixture.program.Exec("INSERT INTO Custom (Key, schName) VALUES (2, 'Second Row')");
        const RowLookup<SettingsRow> read = SettingsStore(fixture.connection).Read();
        QVERIFY(!read.readFailed);
        QVERIFY(read.row);
        QCOMPARE(*read.row,
                 (SettingsRow {1, 11, 12, 13, "plain", 15, 16, 17, 18, 2500.5, 2, 20, false, "Hillside College",
                               "/logos/crest.png"}));
    }

    void noRowIsToldApartFromAFailedRead()
    {
        ConnectedProgram fixture;
        fixture.program.Exec("DELETE FROM Custom");
        RowLookup<SettingsRow> read = SettingsStore(fixture.connection).Read();
        QVERIFY(!read.readFailed);
        QVERIFY(!read.row);

        fixture.program.Exec("DROP TABLE Custom");
        read = SettingsStore(fixture.connection).Read();
        QVERIFY(read.readFailed);
        QVERIFY(!read.row);
        QVERIFY(fixture.connection.LastError().description.contains("Custom"));
    }

    // Without a new hash the stored password stays; the school is not the screen's to change.
    void applyWritesWhatTheSettingsScreenShows()
    {
        ConnectedProgram fixture;
        fixture.program.Exec("UPDATE Custom SET Pass = ' old one '");
        SettingsStore store(fixture.connection);
        QCOMPARE(store.Apply(Shown), SettingsWrite::Written);
        SettingsRow row = store.Read().row.value();
        QCOMPARE(row.pass, QStringLiteral(" old one "));
        QCOMPARE(row.splashTime, 2500.5);
        QCOMPARE(row.viewe, 1);
        QVERIFY(!row.welcome);
        QCOMPARE(row.welcomeTime, 0.0);
        QCOMPARE(row.schoolName, QStringLiteral("School Name Here"));

        SettingsChange withPassword = Shown;
        withPassword.passwordHash = "the hash";
        withPassword.welcome = true;
        QCOMPARE(store.Apply(withPassword), SettingsWrite::Written);
        row.pass = "the hash";
        row.welcome = true;
        QCOMPARE(store.Read().row.value(), row);
    }

    void theDefaultsKeepThePasswordTheSchoolAndTheLogo()
    {
        ConnectedProgram fixture;
        fixture.program.Exec(
            "UPDATE Custom SET Dayslimit = 99, Fratepday = 9, Maxhold = 9, Pass = 'kept', "
            "Refcopy = 9, Salnew = 9, Salper = 9, Saltemp = 9, Splashtime = 9, Viewe = 1, "
            "Welcometime = 9, Welcome = 0, schName = 'Hillside College', Picture = '/logos/crest.png'");
        SettingsStore store(fixture.connection);
        QCOMPARE(store.RestoreDefaults(), SettingsWrite::Written);
        QCOMPARE(store.Read().row.value(),
                 (SettingsRow {1, 15, 1, 2, "kept", 2, 2000, 4500, 3000, 2000, 3, 1000, true, "Hillside College",
                               "/logos/crest.png"}));
    }

    // The settings screen writes only the row whose Key is 1; the login's
    // school goes to the row it read, whatever its Key.
    void aRowWithAnotherKeyIsWrittenOnlyByTheLogin_data()
    {
        QTest::addColumn<QString>("write");
        QTest::addColumn<SettingsWrite>("result");
        QTest::newRow("apply") << "apply" << SettingsWrite::NoRow;
        QTest::newRow("defaults") << "defaults" << SettingsWrite::NoRow;
        QTest::newRow("school") << "school" << SettingsWrite::Written;
    }

    void aRowWithAnotherKeyIsWrittenOnlyByTheLogin()
    {
        QFETCH(QString, write);
        QFETCH(SettingsWrite, result);
        ConnectedProgram fixture;
        fixture.program.Exec("UPDATE Custom SET Key = 0, Splashtime = 1234");
        SettingsStore store(fixture.connection);
        QCOMPARE(Write(store, write), result);
        const SettingsRow row = store.Read().row.value();
        QCOMPARE(row.splashTime, 1234.0);
        QCOMPARE(row.schoolName, result == SettingsWrite::Written ? "Hillside College" : "School Name Here");
    }

    void withoutARowNothingIsWritten_data() { EachWrite(); }

    void withoutARowNothingIsWritten()
    {
        QFETCH(QString, write);
        ConnectedProgram fixture;
        fixture.program.Exec("DELETE FROM Custom");
        SettingsStore store(fixture.connection);
        QCOMPARE(Write(store, write), SettingsWrite::NoRow);
        QVERIFY(fixture.program.Query("SELECT * FROM Custom").isEmpty());
    }

    void aRefusedWriteChangesNothing_data() { EachWrite(); }

    void aRefusedWriteChangesNothing()
    {
        QFETCH(QString, write);
        ConnectedProgram fixture;
        fixture.program.Exec("UPDATE Custom SET Splashtime = 1234");
        const QVariantList before = StoredRow(fixture.program);
        fixture.program.Exec("CREATE TRIGGER refuse BEFORE UPDATE ON Custom "
                             "BEGIN SELECT RAISE(ABORT, 'settings are locked'); END");
        SettingsStore store(fixture.connection);
        QCOMPARE(Write(store, write), SettingsWrite::Failed);
        QCOMPARE(fixture.connection.LastError().description, QStringLiteral("settings are locked"));
        QCOMPARE(StoredRow(fixture.program), before);
    }

    // Only while the plain text is still the one stored, and with secure_delete on.
    void aPlainPasswordIsReplacedByItsHash()
    {
        ConnectedProgram fixture;
        fixture.program.Exec("UPDATE Custom SET Pass = 'changed since'");
        SettingsStore store(fixture.connection);
        QVERIFY(store.ReplacePlainPassword("old secret", "the hash"));
        QCOMPARE(store.Read().row->pass, QStringLiteral("changed since"));

        fixture.program.Exec("UPDATE Custom SET Pass = 'old secret'");
        QVERIFY(store.ReplacePlainPassword("old secret", "the hash"));
        QCOMPARE(store.Read().row->pass, QStringLiteral("the hash"));
        QSqlQuery pragma(fixture.connection.Database());
        QVERIFY(pragma.exec("PRAGMA secure_delete") && pragma.next());
        QCOMPARE(pragma.value(0).toInt(), 1);
    }
};

QTEST_MAIN(tst_SettingsStore)
#include "tst_SettingsStore.moc"
