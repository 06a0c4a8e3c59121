#include "TestFiles.h"
#include "UnwritableFolder.h"
#include "data/ApplicationFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

// The built program as it starts: its command line, and the folder it keeps
// its database in.
class tst_program : public QObject {
    Q_OBJECT

    static bool HoldsFileOpen(qint64 process, const QString& path)
    {
        // Until the file exists its canonical path is empty, and so is the
        // target of a descriptor closed while the folder is being listed.
        const QString file = QFileInfo(path).canonicalFilePath();
        if (file.isEmpty())
            return false;
        const QString descriptors = QStringLiteral("/proc/%1/fd").arg(process);
        for (const QString& descriptor : QDir(descriptors).entryList(QDir::Files | QDir::System)) {
            if (QFile::symLinkTarget(descriptors + '/' + descriptor) == file)
                return true;
        }
        return false;
    }

    enum class Display { Offscreen, None };

    // The program started headless with these arguments, its user's data
    // under the given folder; without a display at all, if asked.
    static void Start(QProcess& running, const QString& program, const QStringList& arguments,
                      const QString& dataHome = {}, Display display = Display::Offscreen)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        if (display == Display::None) {
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                environment.remove(name);
        }
        if (!dataHome.isEmpty())
            environment.insert("XDG_DATA_HOME", dataHome);
        running.setProcessEnvironment(environment);
        running.setWorkingDirectory(QDir::tempPath());
        running.start(program, arguments);
    }

    // Started, the program comes up on the given database file, creating it.
    static void ExpectRunningOn(QProcess& running, const QString& database)
    {
        QVERIFY(running.waitForStarted());
        // The login, which follows the splash screen, keeps its connection open.
        QTRY_VERIFY_WITH_TIMEOUT(HoldsFileOpen(running.processId(), database), 10000);
        QCOMPARE(running.state(), QProcess::Running);
        running.kill();
        running.waitForFinished();
    }

private slots:
    void theCommandLineIsRead_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        QTest::newRow("version") << QStringList {"--version"} << 0 << "Morvane " MORVANE_VERSION "\n" << "";
        QTest::newRow("help") << QStringList {"--help"} << 0 << "--database <FILE>" << "";
        QTest::newRow("unknown option") << QStringList {"--restore"} << 2 << ""
                                        << "morvane: Unknown option 'restore'.\nTry 'morvane --help' for the options.\n";
        QTest::newRow("database without a file") << QStringList {"--database"} << 2 << ""
                                                 << "Missing value after '--database'";
        QTest::newRow("an argument") << QStringList {"school.mdb"} << 2 << ""
                                     << "morvane: unexpected argument 'school.mdb'";
        QTest::newRow("the window system's options") << QStringList {"-style", "Fusion", "-reverse", "--version"}
                                                     << 0 << "Morvane " MORVANE_VERSION "\n" << "";
        QTest::newRow("an unknown one-dash option") << QStringList {"-restore"} << 2 << "" << "Unknown options";
        // clang-format on
    }

    // Help, the version and a mistake need no display, built or installed.
    void theCommandLineIsRead()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        for (const char* program : {MORVANE_EXECUTABLE, MORVANE_INSTALLED_EXECUTABLE}) {
            QProcess running;
            Start(running, program, arguments, {}, Display::None);
            QVERIFY(running.waitForFinished(10000));
            QCOMPARE(running.exitStatus(), QProcess::NormalExit);
            QCOMPARE(running.exitCode(), exitCode);
            const QString printed = QString::fromLocal8Bit(running.readAllStandardOutput());
            QVERIFY2(output.isEmpty() ? printed.isEmpty() : printed.contains(output), qPrintable(printed));
            const QString complaint = QString::fromLocal8Bit(running.readAllStandardError());
            QVERIFY2(errors.isEmpty() ? complaint.isEmpty() : complaint.contains(errors), qPrintable(complaint));
        }
    }

    // The window system's own options are left to it.
    void theDatabaseNamedOnTheCommandLineIsCreatedAndOpened()
    {
        QTemporaryDir folder;
        QProcess running;
        Start(running, MORVANE_EXECUTABLE, {"-style", "Fusion", "--database", folder.filePath("school.mdb")},
              folder.filePath("data"));
        ExpectRunningOn(running, folder.filePath("school.mdb"));
        QVERIFY(!QFileInfo::exists(folder.filePath("data")));
    }

    // An installed program, whose folder cannot be written to, keeps its
    // database in the user's data folder.
    void aProgramInAReadOnlyFolderKeepsItsDatabaseInTheUsersDataFolder()
    {
        QTemporaryDir folder;
        QTemporaryDir home;
        const QString program = folder.filePath("morvane");
        QVERIFY(QFile::copy(MORVANE_EXECUTABLE, program));
        UnwritableFolder installed(folder.path());
        if (!installed.Holds())
            QSKIP("this user can write to any folder here");
        QProcess running;
        Start(running, program, {}, home.path());
        ExpectRunningOn(running, home.filePath("Morvane/Morvane/teacherdb2.mdb"));
    }

    // Installed, the program keeps its database in the user's data folder
    // also where it could write to its own, as root can, or where its own
    // already holds one.
    void anInstalledProgramNeverKeepsItsDatabaseBesideItself_data()
    {
        QTest::addColumn<bool>("holdsDatabase");
        QTest::newRow("a folder it can write to") << false;
        QTest::newRow("a folder with a database") << true;
    }

    void anInstalledProgramNeverKeepsItsDatabaseBesideItself()
    {
        QFETCH(bool, holdsDatabase);
        QTemporaryDir folder;
        QTemporaryDir home;
        const QString program = folder.filePath("morvane");
        QVERIFY(QFile::copy(MORVANE_INSTALLED_EXECUTABLE, program));
        const QString beside = folder.filePath("teacherdb2.mdb");
        if (holdsDatabase)
            WriteFile(beside, "a database root made here before");
        const QByteArray besideBefore = ReadFile(beside);
        QProcess running;
        Start(running, program, {}, home.path());
        ExpectRunningOn(running, home.filePath("Morvane/Morvane/teacherdb2.mdb"));
        QCOMPARE(QFileInfo::exists(beside), holdsDatabase);
        QCOMPARE(ReadFile(beside), besideBefore);
    }

    // The folder chosen at start-up: the program's own where it can be
    // written or holds the database, unless the program is installed; the
    // user's data folder otherwise.
    void theDataFolderIsTheProgramsOwnWherePossible_data()
    {
        QTest::addColumn<ProgramPlace>("place");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("holdsDatabase");
        QTest::addColumn<bool>("ownFolder");
        const ProgramPlace own = ProgramPlace::OwnFolder;
        const ProgramPlace installed = ProgramPlace::Installed;
        QTest::newRow("writable") << own << true << false << true;
        QTest::newRow("read-only") << own << false << false << false;
        QTest::newRow("read-only with its database") << own << false << true << true;
        QTest::newRow("installed, writable") << installed << true << false << false;
        QTest::newRow("installed, with a database") << installed << true << true << false;
    }

    void theDataFolderIsTheProgramsOwnWherePossible()
    {
        QFETCH(ProgramPlace, place);
        QFETCH(bool, writable);
        QFETCH(bool, holdsDatabase);
        QFETCH(bool, ownFolder);
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir folder;
        if (holdsDatabase)
            QVERIFY(QFile(folder.filePath("teacherdb2.mdb")).open(QIODevice::WriteOnly));
        const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(userFolder).removeRecursively();
        std::optional<UnwritableFolder> installed;
        if (!writable && !installed.emplace(folder.path()).Holds())
            QSKIP("this user can write to any folder here");
        QCOMPARE(DataFolderFor(folder.path(), place), ownFolder ? folder.path() : userFolder);
        QCOMPARE(QFileInfo::exists(userFolder), !ownFolder);
    }

    // Copied alone into a new folder, the program takes that folder as its
    // home: it creates its database there on first start and comes up.
    void theProgramCopiedAloneStartsInItsOwnFolder()
    {
        QTemporaryDir folder;
        const QString program = folder.filePath("morvane");
        QVERIFY(QFile::copy(MORVANE_EXECUTABLE, program));
        QProcess running;
        Start(running, program, {});
        ExpectRunningOn(running, folder.filePath("teacherdb2.mdb"));

        QString schoolName;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
            db.setDatabaseName(folder.filePath("teacherdb2.mdb"));
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec("SELECT schName FROM Custom WHERE Key = 1"));
            QVERIFY(query.next());
            schoolName = query.value(0).toString();
        }
        QSqlDatabase::removeDatabase("check");
        QCOMPARE(schoolName, QStringLiteral("School Name Here"));
    }
};

QTEST_MAIN(tst_program)
#include "tst_program.moc"
