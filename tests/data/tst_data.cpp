#include "ConnectedProgram.h"
#include "TeacherFixture.h"
#include "TestFiles.h"
#include "TestProgram.h"
#include "data/ApplicationFolder.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/DbError.h"
#include "data/NextTeacherNumber.h"
#include "data/PasswordHash.h"
#include "data/ProgramSettings.h"
#include "data/ProgramTables.h"
#include "data/Recordset.h"
#include "data/TeacherRow.h"
#include "data/Transaction.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

class tst_data : public QObject {
    Q_OBJECT

private:
    static QByteArray FileHash(const QString& path)
    {
        return QCryptographicHash::hash(ReadFile(path), QCryptographicHash::Sha256);
    }

    static QStringList ColumnNames(TestProgram& program, const QString& table)
    {
        QStringList names;
        for (const QVariantList& row : program.Query(QStringLiteral("PRAGMA table_info(%1)").arg(table)))
            names << row[1].toString();
        return names;
    }

private slots:
    void anyFolderNameReadsBackFromTheConnectionString_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << "/srv/school";
        QTest::newRow("separator") << "/srv/a;b";
        QTest::newRow("quote") << "/srv/a\"b";
        QTest::newRow("both") << "/srv/x;\"y\";z";
        QTest::newRow("blank at the end") << "/srv/school ";
        QTest::newRow("password text") << "/srv/;Jet OLEDB:Database Password=QVX;";
    }

    void anyFolderNameReadsBackFromTheConnectionString()
    {
        QFETCH(QString, folder);
        SetApplicationFolder(folder);
        QCOMPARE(DataSourcePath(ConnectionString()), folder + "/teacherdb2.mdb");
        QVERIFY(ConnectionString().endsWith(";Jet OLEDB:Database Password=QVX;"));
        SetApplicationFolder(QString());
    }

    // A folder named a;b once made the program create and use a file in a folder a.
    void theDatabaseIsCreatedInAFolderWhoseNameHoldsTheSeparator()
    {
        TestProgram program;
        const QString folder = program.Folder() + "/a;b";
        QVERIFY(QDir().mkpath(folder));
        SetApplicationFolder(folder);
        {
            Connection connection;
            QVERIFY2(connection.Open(ConnectionString()), qPrintable(connection.LastError().description));
        }
        QVERIFY(QFile::exists(folder + "/teacherdb2.mdb"));
        QVERIFY(!QFile::exists(program.Folder() + "/a"));
    }

    void connectionStringIsBuiltFromTheApplicationFolderEachTime()
    {
        SetApplicationFolder(QStringLiteral("/srv/school"));
        const QString first = ConnectionString();
        QCOMPARE(first,
                 QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Jet OLEDB:Database Password=QVX;")
                     .arg(QDir::toNativeSeparators(QStringLiteral("/srv/school/teacherdb2.mdb"))));
        QCOMPARE(DataSourcePath(first), QStringLiteral("/srv/school/teacherdb2.mdb"));
        SetApplicationFolder(QStringLiteral("/srv/other"));
        QCOMPARE(DataSourcePath(ConnectionString()), QStringLiteral("/srv/other/teacherdb2.mdb"));
        SetApplicationFolder(QString());
    }

    void firstStartCreatesTheThreeTablesInColumnOrderWithTheSettingsRow()
    {
        TestProgram program;
        QVERIFY(!QFile::exists(program.DatabasePath()));
        program.CreateDatabase();

        const QStringList teacher = ColumnNames(program, QStringLiteral("TabelPB"));
        QCOMPARE(teacher.size(), 89);
        QCOMPARE(teacher[0], QStringLiteral("adno"));
        QCOMPARE(teacher[1], QStringLiteral("a11"));
        QCOMPARE(teacher[9], QStringLiteral("a21"));
        QCOMPARE(teacher[40], QStringLiteral("a58"));
        QCOMPARE(teacher[41], QStringLiteral("s11"));
        QCOMPARE(teacher[80], QStringLiteral("s58"));
        QCOMPARE(teacher.mid(81),
                 QStringList({"title", "name1", "comname", "SalOnly", "adno1", "RelFree", "subject", "class1"}));
        QCOMPARE(ColumnNames(program, QStringLiteral("reltable")),
                 QStringList({"Adno1", "AbName", "Grade", "Period", "PrName", "Subject", "ComName", "Tenop", "Adno"}));
        QCOMPARE(ColumnNames(program, QStringLiteral("Custom")),
                 QStringList({"Key", "Dayslimit", "Fratepday", "Maxhold", "Pass", "Refcopy", "Salnew", "Salper",
                              "Saltemp", "Splashtime", "Viewe", "Welcometime", "Welcome", "schName", "Picture"}));

        const QList<QVariantList> settings = program.Query(QStringLiteral("SELECT * FROM Custom"));
        QCOMPARE(settings.size(), 1);
        const QVariantList expected = {1,    15,   1,    2, "admin", 2, 2000,
                                       4500, 3000, 2000, 3, 1000,    1, "School Name Here",
                                       "N/A"};
        for (int i = 0; i < expected.size(); ++i) {
            if (i == 4)
                QCOMPARE(PasswordHash::Verify(settings[0][i].toString(), "admin"), PasswordHash::Check::Right);
            else
                QCOMPARE(settings[0][i].toString(), expected[i].toString());
        }
        QVERIFY(!QFile::exists(program.DatabasePath() + ".new"));
    }

    void anExistingFileIsOpenedUntouched()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        program.Exec(QStringLiteral("UPDATE Custom SET Pass = 'secret'"));
        const QByteArray before = FileHash(program.DatabasePath());

        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        Recordset teachers(connection, "TabelPB");
        QVERIFY(teachers.Open(QStringLiteral("select * from TabelPB")));
        QCOMPARE(teachers.RecordCount(), 2);

        QCOMPARE(FileHash(program.DatabasePath()), before);
        QCOMPARE(program.Query(QStringLiteral("SELECT Pass FROM Custom"))[0][0].toString(), QStringLiteral("secret"));
    }

    void anOlderFileGetsTheProgramsOwnTablesAndKeepsItsRegister()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        program.Exec(QStringLiteral("DROP TABLE ProgramSetting"));
        program.Exec(QStringLiteral("PRAGMA user_version = 0"));

        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        QCOMPARE(program.Query(QStringLiteral("PRAGMA user_version"))[0][0].toInt(), ProgramSchemaVersion);
        QCOMPARE(ColumnNames(program, QStringLiteral("ProgramSetting")), QStringList({"Name", "Value"}));
        QCOMPARE(program.Query(QStringLiteral("SELECT count(*) FROM TabelPB"))[0][0].toInt(), 2);
    }

    void aFileOfANewerVersionIsLeftAtIt()
    {
        TestProgram program;
        program.CreateDatabase();
        program.Exec(QStringLiteral("PRAGMA user_version = 99"));
        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        QCOMPARE(program.Query(QStringLiteral("PRAGMA user_version"))[0][0].toInt(), 99);
        QVERIFY(ProgramSettings(connection).SetPeriodsInDay(6));
    }

    // The file keeps a hash: neither the password nor anything of its length
    // can be read from it.
    void aNewDatabaseKeepsTheFirstPasswordHashed()
    {
        TestProgram program;
        program.CreateDatabase();
        const QString stored = program.Query("SELECT Pass FROM Custom")[0][0].toString();
        QVERIFY(PasswordHash::IsHash(stored));
        QVERIFY(stored.startsWith("$argon2id$"));
        QVERIFY(!ReadFile(program.DatabasePath()).contains("admin"));
        QCOMPARE(PasswordHash::Verify(stored, "admin"), PasswordHash::Check::Right);
        QCOMPARE(PasswordHash::Verify(stored, "Admin"), PasswordHash::Check::Wrong);
        QVERIFY(PasswordHash::Hash("admin") != PasswordHash::Hash("admin"));
    }

    // Wrong passwords at the login outlast the connection that counted them.
    void theLoginFailuresAreKeptTogether()
    {
        TestProgram program;
        program.CreateDatabase();
        const QDateTime last(QDate(2026, 12, 10), QTime(8, 0, 1, 250));
        {
            Connection connection;
            QVERIFY(connection.Open(ConnectionString()));
            QCOMPARE(ProgramSettings(connection).FailedLogins().count, 0);
            QVERIFY(!ProgramSettings(connection).FailedLogins().last.isValid());
            QVERIFY(ProgramSettings(connection).SetFailedLogins({4, last}));
        }
        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        ProgramSettings settings(connection);
        QCOMPARE(settings.FailedLogins().count, 4);
        QCOMPARE(settings.FailedLogins().last, last);
        QVERIFY(settings.SetFailedLogins({}));
        QCOMPARE(settings.FailedLogins().count, 0);
        QVERIFY(!settings.FailedLogins().last.isValid());
    }

    // A full disk and a file held by another program are told in words; any
    // other failure as the store's number followed by its description.
    void aStoreFailureIsToldAsTheOperatorReadsIt_data()
    {
        // clang-format off
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("text");
        const QString full = "The disk is full: nothing was saved.";
        const QString busy = "The database is in use by another program: nothing was saved, try again.";
        QTest::newRow("full") << "13" << full;
        QTest::newRow("busy") << "5" << busy;
        QTest::newRow("busy, timed out") << "773" << busy;
        QTest::newRow("locked") << "6" << busy;
        QTest::newRow("locked, shared cache") << "262" << busy;
        QTest::newRow("unique") << "2067" << "2067what the store says";
        QTest::newRow("I/O") << "10" << "10what the store says";
        QTest::newRow("no number") << "" << "what the store says";
        // clang-format on
    }

    void aStoreFailureIsToldAsTheOperatorReadsIt()
    {
        QFETCH(QString, number);
        QFETCH(QString, text);
        QCOMPARE((DbError {number, "what the store says"}.Text()), text);
    }

    // A read that fails says why without speaking of saving.
    void aReadFailureSaysWhyInWords()
    {
        QCOMPARE((DbError {"13", "full"}.Reason()), QStringLiteral("the disk is full"));
        QCOMPARE((DbError {"773", "locked"}.Reason()),
                 QStringLiteral("the database is in use by another program; try again"));
        QCOMPARE((DbError {"10", "disk I/O error"}.Reason()), QStringLiteral("10disk I/O error"));
    }

    void thePeriodsInADayAreKeptWithinOneToEight()
    {
        TestProgram program;
        program.CreateDatabase();
        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        ProgramSettings settings(connection);
        QCOMPARE(settings.PeriodsInDay(), 8);
        QVERIFY(settings.SetPeriodsInDay(6));
        QCOMPARE(ProgramSettings(connection).PeriodsInDay(), 6);
        QVERIFY(!settings.SetPeriodsInDay(0));
        QVERIFY(!settings.SetPeriodsInDay(9));
        QCOMPARE(settings.PeriodsInDay(), 6);
        program.Exec(QStringLiteral("UPDATE ProgramSetting SET Value = 'six' WHERE Name = 'PeriodsInDay'"));
        QCOMPARE(settings.PeriodsInDay(), 8);
    }

    void theTermStartAndTheLimitsHaveDefaultsAndKeepTheirBounds()
    {
        TestProgram program;
        program.CreateDatabase();
        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        ProgramSettings settings(connection);
        const QDate today(2026, 12, 10);
        QCOMPARE(settings.TermStart(today), QDate(2026, 1, 1));
        QCOMPARE(settings.Limits(), (ProgramSettings::ReliefLimits {2, 5}));
        QVERIFY(settings.SetTermStart(QDate(2026, 9, 7)));
        QVERIFY(settings.SetLimits({3, 8}));
        QCOMPARE(ProgramSettings(connection).TermStart(today), QDate(2026, 9, 7));
        QCOMPARE(ProgramSettings(connection).Limits(), (ProgramSettings::ReliefLimits {3, 8}));
        QVERIFY(!settings.SetLimits({0, 8}));
        QVERIFY(!settings.SetLimits({3, 41}));
        QVERIFY(!settings.SetTermStart(QDate()));
        QCOMPARE(settings.Limits(), (ProgramSettings::ReliefLimits {3, 8}));
        program.Exec(QStringLiteral("UPDATE ProgramSetting SET Value = '-1' WHERE Name = 'ReliefsPerDay'"));
        QCOMPARE(settings.Limits().perDay, 2);
    }

    void anUnopenableDatabaseNamesTheReason_data()
    {
        // clang-format off
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "missing folder" << "does not exist";
        QTest::newRow("not a database") << "garbage" << "not a database";
        QTest::newRow("locked") << "locked" << "locked";
        QTest::newRow("empty database") << "empty" << "no table TabelPB";
        // clang-format on
    }

    void anUnopenableDatabaseNamesTheReason()
    {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        TestProgram program;
        QSqlDatabase holder;
        if (damage == "missing folder") {
            SetApplicationFolder(program.Folder() + "/gone");
        } else if (damage == "garbage") {
            WriteFile(program.DatabasePath(), QByteArray(4096, 'x'));
        } else if (damage == "empty") {
            WriteFile(program.DatabasePath(), {});
        } else {
            program.CreateDatabase();
            holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
            holder.setDatabaseName(program.DatabasePath());
            QVERIFY(holder.open());
            QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE"));
            QSqlQuery(holder).exec(QStringLiteral("INSERT INTO reltable (Adno) VALUES (1)"));
        }

        {
            Connection connection;
            QVERIFY(!connection.Open(ConnectionString()));
            QVERIFY(!connection.IsOpen());
            QVERIFY2(connection.LastError().description.contains(reason),
                     qPrintable(connection.LastError().description));
            QCOMPARE(QFileInfo(connection.FilePath()).fileName(), QStringLiteral("teacherdb2.mdb"));
        }
        if (holder.isValid()) {
            holder.close();
            holder = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        }
        QVERIFY(!QFile::exists(program.DatabasePath() + ".new"));
    }

    void aFileWhoseColumnsDifferIsRefusedAndLeftUntouched_data()
    {
        // clang-format off
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no class1") << "ALTER TABLE TabelPB DROP COLUMN class1" << "its table TabelPB has no column class1";
        QTest::newRow("no s58") << "ALTER TABLE TabelPB DROP COLUMN s58" << "its table TabelPB has no column s58";
        QTest::newRow("swapped") << "DROP TABLE reltable; CREATE TABLE reltable (AbName TEXT, Adno1 TEXT, Grade TEXT, "
                                    "Period TEXT, PrName TEXT, Subject TEXT, ComName TEXT, Tenop TEXT, Adno TEXT)"
                                 << "the column Adno1 of its table reltable is out of place (column 2 instead of 1)";
        QTest::newRow("no settings table") << "DROP TABLE Custom" << "it holds no table Custom";
        QTest::newRow("a column added at the end") << "ALTER TABLE TabelPB ADD COLUMN note TEXT" << "";
        QTest::newRow("other letter case") << "ALTER TABLE TabelPB RENAME COLUMN name1 TO NAME1" << "";
        // clang-format on
    }

    void aFileWhoseColumnsDifferIsRefusedAndLeftUntouched()
    {
        QFETCH(QString, change);
        QFETCH(QString, reason);
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        for (const QString& statement : change.split("; "))
            program.Exec(statement);
        const QByteArray before = FileHash(program.DatabasePath());

        Connection connection;
        QCOMPARE(connection.Open(ConnectionString()), reason.isEmpty());
        QCOMPARE(connection.LastError().description.left(reason.size()), reason);
        QCOMPARE(FileHash(program.DatabasePath()), before);
    }

    // A damaged page in the middle of the table once read as its end.
    void aTableThatCannotBeReadToItsEndIsNotShownInPart()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(40));
        program.DamageLastTeacherPage();
        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        Recordset teachers(connection, "TabelPB");
        for (const QString& sql : QStringList {"select * from TabelPB", "select * from TabelPB order by adno1"}) {
            QVERIFY(!teachers.Open(sql));
            QVERIFY2(connection.LastError().description.contains("malformed"),
                     qPrintable(connection.LastError().description));
            QCOMPARE(teachers.RecordCount(), 0);
        }
    }

    // Another program holding the file for a moment is waited for.
    void aBriefLockIsWaitedFor()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        Connection connection;
        LockHolder lock(program.DatabasePath(), 200);
        QVERIFY2(connection.Open(ConnectionString()), qPrintable(connection.LastError().description));
        Recordset teachers(connection, "TabelPB");
        QVERIFY(teachers.Open("select * from TabelPB"));
        QCOMPARE(teachers.RecordCount(), 3);
    }

    void onlyACommittedTransactionKeepsItsWrites()
    {
        TestProgram program;
        program.CreateDatabase();
        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        {
            Transaction dropped(connection);
            QVERIFY(dropped.IsActive());
            QVERIFY(connection.Execute("INSERT INTO reltable (Adno) VALUES ('1')"));
        }
        {
            Transaction kept(connection);
            QVERIFY(connection.Execute("INSERT INTO reltable (Adno) VALUES ('2')"));
            QVERIFY(kept.Commit());
        }
        QCOMPARE(program.Query("SELECT Adno FROM reltable"), QList<QVariantList>({{"2"}}));
    }

    void teachersAreWalkedInNumericOrderBothWays()
    {
        TestProgram program;
        program.CreateDatabase({Teacher(10), Teacher(2), Teacher(1)});
        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        Recordset teachers(connection, "TabelPB");
        QVERIFY(teachers.Open(QStringLiteral("select* from TabelPB ORDER BY adno1")));

        QCOMPARE(teachers.RecordCount(), 3);
        QStringList order;
        for (teachers.MoveFirst(); !teachers.IsEOF(); teachers.MoveNext())
            order << teachers.Text(QStringLiteral("ADNO1"));
        QCOMPARE(order, QStringList({"1", "2", "10"}));
        QVERIFY(teachers.IsEOF());
        QCOMPARE(teachers.AbsolutePosition(), 0);

        teachers.MoveLast();
        QCOMPARE(teachers.AbsolutePosition(), 3);
        teachers.Move(-2);
        QCOMPARE(teachers.Text(TeacherColumn::adno), QStringLiteral("1"));
        teachers.MovePrevious();
        QVERIFY(teachers.IsBOF());
        teachers.MoveFirst();
        teachers.Move(1);
        QCOMPARE(teachers.AbsolutePosition(), 2);
        QCOMPARE(teachers.Text(QStringLiteral("Name1")), QStringLiteral("Teacher 2"));
    }

    void anEmptyTableIsAtBothEnds()
    {
        TestProgram program;
        program.CreateDatabase();
        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        Recordset teachers(connection, "TabelPB");
        QVERIFY(teachers.Open(QStringLiteral("select * from TabelPB")));
        QVERIFY(teachers.IsBOF() && teachers.IsEOF());
        QCOMPARE(teachers.RecordCount(), 0);
        QCOMPARE(teachers.FieldCount(), 89);
    }

    void changesStayPendingUntilUpdateAndCancelDropsThem()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        Recordset teachers(connection, "TabelPB");
        QVERIFY(teachers.Open(QStringLiteral("select * from TabelPB order by adno1")));

        teachers.MoveLast();
        teachers.SetField(QStringLiteral("name1"), QStringLiteral("Changed"));
        QCOMPARE(teachers.Text(TeacherColumn::name1), QStringLiteral("Changed"));
        teachers.CancelUpdate();
        QCOMPARE(teachers.Text(TeacherColumn::name1), QStringLiteral("Teacher 2"));

        teachers.SetField(TeacherColumn::name1, QStringLiteral("Stored"));
        QVERIFY(teachers.Update());
        QCOMPARE(program.Query(QStringLiteral("SELECT name1 FROM TabelPB WHERE adno1 = 2"))[0][0].toString(),
                 QStringLiteral("Stored"));
        QCOMPARE(program.Query(QStringLiteral("SELECT name1 FROM TabelPB WHERE adno1 = 1"))[0][0].toString(),
                 QStringLiteral("Teacher 1"));

        teachers.AddNew();
        QCOMPARE(teachers.RecordCount(), 3);
        teachers.CancelUpdate();
        QCOMPARE(teachers.RecordCount(), 2);
        QCOMPARE(teachers.AbsolutePosition(), 2);

        teachers.AddNew();
        const QStringList row = Teacher(3);
        for (int i = 0; i < row.size(); ++i)
            teachers.SetField(i, row[i]);
        QVERIFY(teachers.Update());
        QVERIFY(teachers.Requery());
        QCOMPARE(teachers.RecordCount(), 3);
        QCOMPARE(teachers.AbsolutePosition(), 1);

        int deleted = 0;
        QVERIFY(
            connection.Execute(QStringLiteral("delete from TabelPB where adno1=?"), {QStringLiteral("2")}, &deleted));
        QCOMPARE(deleted, 1);
        QVERIFY(teachers.Requery());
        QCOMPARE(teachers.RecordCount(), 2);
    }

    void theStoreRefusesBadTeacherNumbers_data()
    {
        // clang-format off
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("failure");
        QTest::newRow("duplicate") << "1" << "2067";
        QTest::newRow("text") << "12a" << "3091";
        QTest::newRow("fraction") << "2.5" << "3091";
        QTest::newRow("zero") << "0" << "275";
        QTest::newRow("negative") << "-4" << "275";
        QTest::newRow("too large") << "32768" << "275";
        // clang-format on
    }

    void theStoreRefusesBadTeacherNumbers()
    {
        QFETCH(QString, number);
        QFETCH(QString, failure);
        TestProgram program;
        program.CreateDatabase(Teachers(1));
        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        Recordset teachers(connection, "TabelPB");
        QVERIFY(teachers.Open(QStringLiteral("select * from TabelPB")));

        teachers.AddNew();
        QStringList row = Teacher(5);
        row[TeacherColumn::adno] = number;
        row[TeacherColumn::adno1] = number;
        for (int i = 0; i < row.size(); ++i)
            teachers.SetField(i, row[i]);
        QVERIFY(!teachers.Update());
        QCOMPARE(teachers.LastError().number, failure);
        QVERIFY(!teachers.LastError().description.isEmpty());
        QCOMPARE(teachers.LastError().IsUniqueViolation(), failure == "2067");
        QVERIFY(teachers.IsPending());
        QCOMPARE(program.Query(QStringLiteral("SELECT count(*) FROM TabelPB"))[0][0].toInt(), 1);
    }

    void nextTeacherNumber_data()
    {
        // clang-format off
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("next");
        QTest::newRow("empty table") << QList<int>() << "1";
        QTest::newRow("numeric not text order") << QList<int>{1, 2, 10} << "11";
        QTest::newRow("highest but one") << QList<int>{3, 32766} << "32767";
        QTest::newRow("highest in use") << QList<int>{1, 32767} << "";
        // clang-format on
    }

    void nextTeacherNumber()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QString, next);
        TestProgram program;
        QList<QStringList> rows;
        for (int number : numbers)
            rows << Teacher(number);
        program.CreateDatabase(rows);
        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));

        const std::optional<QString> proposal = NextTeacherNumber(connection);
        QCOMPARE(proposal.value_or(QString()), next);
        QVERIFY(!connection.LastError().IsSet());
    }

    // A number the saved reliefs carry, of the absent or the relief teacher,
    // is never given to a new teacher: he would inherit those reliefs.
    void aNumberInTheReliefsIsNeverGivenAgain_data()
    {
        // clang-format off
        QTest::addColumn<QString>("relief");
        QTest::addColumn<QString>("next");
        const QString history = "INSERT INTO ReliefHistory VALUES ('2026-01-05', 1, %1, 'A', '7A', '1st', 'B', "
                                "'Maths', 'B', %2, 1)";
        QTest::newRow("a relief teacher in the history") << history.arg("'1'", "'7'") << "8";
        QTest::newRow("an absent teacher in the history") << history.arg("' 9'", "'2'") << "10";
        QTest::newRow("the saved set") << "INSERT INTO reltable VALUES ('1', 'A', '7A', '1st', 'B', 'Maths', 'B', "
                                          "'5', 1)" << "6";
        QTest::newRow("the set under way") << "INSERT INTO DayReliefSet VALUES ('2026-01-05', 1, '2026-01-05', "
                                              "'1stB', '6', 'A', '7A', '1st', 'B', 'Maths', 'B', '1', '1')" << "7";
        QTest::newRow("the helper and no teacher numbers") << history.arg("'40000'", "'0'") << "3";
        QTest::newRow("the highest number") << history.arg("'1'", "'32767'") << "";
        // clang-format on
    }

    void aNumberInTheReliefsIsNeverGivenAgain()
    {
        QFETCH(QString, relief);
        QFETCH(QString, next);
        ConnectedProgram fixture(Teachers(2));
        fixture.program.Exec(relief);

        QCOMPARE(NextTeacherNumber(fixture.connection).value_or(QString()), next);
        QVERIFY(!fixture.connection.LastError().IsSet());
    }

    void aFlagIsSetOnlyByExactlyOne_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("set");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("leading blank") << " 1" << false;
        QTest::newRow("leading zero") << "01" << false;
        QTest::newRow("empty") << "" << false;
        // clang-format on
    }

    void aFlagIsSetOnlyByExactlyOne()
    {
        QFETCH(QString, text);
        QFETCH(bool, set);
        TestProgram program;
        QStringList teacher = Teacher(1);
        SetFlags(teacher, text, text);
        program.CreateDatabase({teacher});
        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        Recordset teachers(connection, "TabelPB");
        QVERIFY(teachers.Open(QStringLiteral("select * from TabelPB")));
        const TeacherRow row = TeacherRow::Read(teachers);
        QCOMPARE(row.salOnly, set);
        QCOMPARE(row.relFree, set);
    }
};

QTEST_MAIN(tst_data)
#include "tst_data.moc"
