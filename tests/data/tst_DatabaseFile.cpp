#include "TeacherFixture.h"
#include "TestProgram.h"
#include "data/Connection.h"
#include "data/DatabaseFile.h"
#include "data/ProgramTables.h"
#include "data/ReliefStore.h"
#include "data/Schema.h"

#include <QTest>

// A database rebuilt from a file as a restore does it: the program's own
// schema holding only the rows of the tables it knows, or the file refused.
class tst_DatabaseFile : public QObject {
    Q_OBJECT

    // A database as the program keeps it, with rows in every table, which a
    // test then spoils with its own statements.
    struct Source {
        TestProgram program;
        QString rebuilt = program.folder.filePath("rebuilt.mdb");

        explicit Source(const QStringList& statements)
        {
            program.CreateDatabase(Teachers(3));
            for (const char* statement :
                 {"INSERT INTO reltable VALUES ('1', 'Mr. A', '7A', '1st', 'Mr. B', 'Maths', 'B', '2', 1)",
                  "INSERT INTO ReliefHistory VALUES ('2026-12-09', 1, '1', 'Mr. A', '7A', '1st', 'Mr. B', 'Maths', "
                  "'B', '2', 1)",
                  "INSERT INTO DayAttendance VALUES ('2026-12-10', 1, 1)",
                  "INSERT INTO DayReliefSet VALUES ('2026-12-10', 1, '2026-12-10', '1stMr. B', '1', 'Mr. A', '7A', "
                  "'1st', 'Mr. B', 'Maths', 'B', '2', '1')",
                  "INSERT INTO ProgramSetting VALUES ('PeriodsInDay', '7')"})
                program.Exec(statement);
            for (const QString& statement : statements)
                program.Exec(statement);
        }

        QString Path() const { return program.DatabasePath(); }
    };

    // The register without its constraints, as another tool may have left it.
    static QStringList LooseRegister()
    {
        return {"CREATE TABLE Loose AS SELECT * FROM TabelPB", "DROP TABLE TabelPB",
                "ALTER TABLE Loose RENAME TO TabelPB"};
    }

    // Every object of a file's schema, as "type name".
    static QStringList SchemaOf(const QString& path)
    {
        QStringList objects;
        for (const QVariantList& row :
             QueryFile(path,
                       "SELECT type || ' ' || name FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' "
                       "ORDER BY type, name"))
            objects << row[0].toString();
        return objects;
    }

    static QList<QVariantList> RowsOf(const QString& path, const QString& table)
    {
        return QueryFile(path, QStringLiteral("SELECT * FROM %1 ORDER BY _rowid_").arg(table));
    }

private slots:
    // Whatever else the file holds, the result has the program's schema and
    // the rows of its tables, up to date; no trigger, view, index or other
    // table comes across, so a save afterwards leaves the register whole.
    void onlyTheKnownTablesComeAcross_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("statements");
        QTest::newRow("a trigger on the saved set")
            << QStringList {"CREATE TRIGGER Wipe AFTER INSERT ON reltable BEGIN DELETE FROM TabelPB; END"};
        QTest::newRow("a trigger on the history")
            << QStringList {"CREATE TRIGGER Pass AFTER INSERT ON ReliefHistory BEGIN UPDATE Custom SET Pass = 'x'; "
                            "END"};
        QTest::newRow("a trigger on the day's ticks")
            << QStringList {"CREATE TRIGGER Ticks AFTER INSERT ON DayAttendance BEGIN DELETE FROM ReliefHistory; END"};
        QTest::newRow("a view, an index and a table of its own")
            << QStringList {"CREATE VIEW Names AS SELECT name1 FROM TabelPB", "CREATE INDEX ByName ON TabelPB (name1)",
                            "CREATE TABLE Notes (Note TEXT)"};
        QTest::newRow("a newer version without the program's tables")
            << QStringList {"DROP TABLE ProgramSetting", "DROP TABLE DayAttendance", "DROP TABLE DayReliefSet",
                            "DROP TABLE ReliefHistory", "PRAGMA user_version = 99"};
        QTest::newRow("an older version") << QStringList {"DROP TABLE DayAttendance", "DROP TABLE DayReliefSet",
                                                          "DROP TABLE ReliefHistory", "PRAGMA user_version = 1"};
        QTest::newRow("a register without its constraints") << LooseRegister();
        // clang-format on
    }

    void onlyTheKnownTablesComeAcross()
    {
        QFETCH(QStringList, statements);
        const Source source(statements);
        const QString fresh = source.program.folder.filePath("fresh.mdb");
        QString reason;
        QVERIFY(CreateDatabaseFile(fresh, &reason));
        {
            Connection upToDate;
            QVERIFY(upToDate.Open("Data Source=" + fresh));
        }

        DatabaseContents contents;
        QVERIFY2(RebuildDatabaseFile(source.Path(), source.rebuilt, &contents, &reason), qPrintable(reason));
        QCOMPARE(contents.teachers, 3);
        QCOMPARE(contents.reliefs, 1);
        QCOMPARE(SchemaOf(source.rebuilt), SchemaOf(fresh));
        QCOMPARE(QueryFile(source.rebuilt, "PRAGMA user_version")[0][0].toInt(), ProgramSchemaVersion);
        const QStringList sourceTables = SchemaOf(source.Path());
        for (const QString& object : SchemaOf(fresh)) {
            const QString table = object.section(' ', 1);
            if (object.startsWith("table ") && sourceTables.contains(object))
                QCOMPARE(RowsOf(source.rebuilt, table), RowsOf(source.Path(), table));
        }

        Connection restored;
        QVERIFY(restored.Open("Data Source=" + source.rebuilt));
        ReliefRecord relief;
        relief.fields = {"1", "Mr. A", "7B", "2nd", "Mr. C", "Maths", "C", "3"};
        QCOMPARE(ReliefStore(restored).Replace({relief}, QDate(2026, 12, 10)).status, ReliefSaveResult::Status::Saved);
        QCOMPARE(QueryFile(source.rebuilt, "SELECT count(*) FROM TabelPB")[0][0].toInt(), 3);
        QCOMPARE(QueryFile(source.rebuilt, "SELECT Pass FROM Custom"),
                 QueryFile(source.Path(), "SELECT Pass FROM Custom"));
    }

    // A file that would lock everybody out, or mislead the screens that find
    // teachers by number, or whose tables cannot be read, is refused with the
    // reason, by the restore and by the backup's check alike.
    void aFileThatCannotServeIsRefused_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no settings row") << QStringList {"DELETE FROM Custom"}
                                         << "it holds no settings row, so nobody could log in";
        QTest::newRow("an empty password") << QStringList {"UPDATE Custom SET Pass = ''"}
                                           << "its password is empty or cannot be checked, so nobody could log in";
        QTest::newRow("a damaged hash") << QStringList {"UPDATE Custom SET Pass = '$argon2id$v=19$m=65536,t=2$x'"}
                                        << "its password is empty or cannot be checked";
        QTest::newRow("a password too long to type") << QStringList {"UPDATE Custom SET Pass = '123456789012345678901'"}
                                                      << "its password is empty or cannot be checked";
        QTest::newRow("one number for all") << LooseRegister() + QStringList {"UPDATE TabelPB SET adno1 = 1"}
                                            << "its teacher number 1 is given to more than one teacher";
        QTest::newRow("a teacher without a number")
            << LooseRegister() + QStringList {"UPDATE TabelPB SET adno1 = NULL WHERE adno1 = 2"}
            << "a teacher of its register has no number";
        QTest::newRow("a number that is none") << LooseRegister() + QStringList {"UPDATE TabelPB SET adno1 = 'x2'"}
                                               << "its teacher number x2 is no number from 1 to 32767";
        QTest::newRow("a value of another type") << LooseRegister() + QStringList {"UPDATE TabelPB SET a11 = x'00'"}
                                                 << "its table TabelPB holds a value the program does not take";
        QTest::newRow("a table that cannot be read")
            << QStringList {"DROP TABLE ReliefHistory", "CREATE TABLE ReliefHistory (Day TEXT)"}
            << "its table ReliefHistory cannot be read";
        QTest::newRow("the saved set as a view")
            << QStringList {"ALTER TABLE reltable RENAME TO Saved", "CREATE VIEW reltable AS SELECT * FROM Saved"}
            << "it holds no table reltable";
        // clang-format on
    }

    void aFileThatCannotServeIsRefused()
    {
        QFETCH(QStringList, statements);
        QFETCH(QString, reason);
        const Source source(statements);
        DatabaseContents contents;
        QString refusal;
        QVERIFY(!RebuildDatabaseFile(source.Path(), source.rebuilt, &contents, &refusal));
        QVERIFY2(refusal.startsWith(reason), qPrintable(refusal));
        QString checked;
        QVERIFY(!CheckDatabaseFile(source.Path(), &contents, &checked));
        QCOMPARE(checked, refusal);
    }
};

QTEST_MAIN(tst_DatabaseFile)
#include "tst_DatabaseFile.moc"
