#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestFiles.h"
#include "TestProgram.h"
#include "UnwritableFolder.h"
#include "admin/BackupRecord.h"
#include "admin/FolderList.h"
#include "admin/FolderPath.h"
#include "admin/frmBackup.h"
#include "admin/frmLogin.h"
#include "admin/frmMkDir.h"
#include "teachers/frmDbase.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

#include <sys/stat.h>

// Backups of the database, their record, and the new-folder dialog.
class tst_frmBackup : public QObject {
    Q_OBJECT

    static frmBackup* OpenBackup(TestProgram& program, const QString& folder)
    {
        auto* backup = program.registry.Show<frmBackup>();
        Find<FolderList>(backup, "Dir1")->SetPath(folder);
        return backup;
    }

    static void ClickInFolderList(QWidget* backup)
    {
        auto* folders = Find<FolderList>(backup, "Dir1");
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {},
                          folders->visualItemRect(folders->currentItem()).center());
    }

    static void BackUp(QWidget* backup, const QString& name)
    {
        auto* field = Find<QLineEdit>(backup, "Text1");
        field->clear();
        QTest::keyClicks(field, name);
        Click(backup, "cmdSave");
    }

    // The number of teachers in a backup, read as the store reads any database.
    static int TeachersIn(const QString& path)
    {
        int count = -1;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "backup-check");
            db.setDatabaseName(path);
            db.setConnectOptions("QSQLITE_OPEN_READONLY");
            if (db.open()) {
                QSqlQuery query(db);
                if (query.exec("SELECT count(*) FROM TabelPB") && query.next())
                    count = query.value(0).toInt();
            }
        }
        QSqlDatabase::removeDatabase("backup-check");
        return count;
    }

    // The backup screen open on a folder that holds an older backup "keep.mdb".
    struct OlderBackup {
        TestProgram program;
        QTemporaryDir target;
        QString path = target.filePath("keep.mdb");
        frmBackup* backup = nullptr;

        OlderBackup()
        {
            program.CreateDatabase(Teachers(3));
            WriteFile(path, "an older backup");
            backup = OpenBackup(program, target.path());
        }

        // After a failed backup over it: the operator is told, the older file
        // stays as it was, nothing half-written is left and no record is made.
        void ExpectKept() const
        {
            QCOMPARE(program.prompter.asked.size(), 1);
            QVERIFY(program.prompter.Last().text.startsWith("The backup could not be written to "
                                                            + QDir::toNativeSeparators(path) + ": "));
            QCOMPARE(program.prompter.Last().icon, MessageIcon::Critical);
            QCOMPARE(program.registry.Find<frmBackup>(), backup);
            QCOMPARE(TextOf(backup, "Label5"), QString());
            QVERIFY(Find(backup, "cmdSave")->isEnabled());
            QCOMPARE(ReadFile(path), QByteArray("an older backup"));
            QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"keep.mdb"});
            QCOMPARE(BackupRecord::Read().path, QString());
        }
    };

private slots:
    void theFirstOpeningShowsThatNoBackupWasMade()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        auto* backup = program.registry.Show<frmBackup>();
        QCOMPARE(backup->windowTitle(), QStringLiteral("Backup"));
        QCOMPARE(TextOf(backup, "lbl_path"), QStringLiteral("No Backup made previously"));
        QCOMPARE(TextOf(backup, "lbl_lastdate"), QStringLiteral(" "));
        QCOMPARE(TextOf(backup, "lbl_lasttime"), QStringLiteral(" "));
        QVERIFY(!Find(backup, "cmdSave")->isEnabled());
        QVERIFY(!Find(backup, "cmdMKDir")->isEnabled());
        QCOMPARE(TextOf(backup, "Label5"), QString());
        QCOMPARE(Find<FolderList>(backup, "Dir1")->Path(), QDir::currentPath());
        auto* drives = Find<QComboBox>(backup, "Drive1");
        QVERIFY(drives->findData(QDir::rootPath()) >= 0);
        QVERIFY(drives->findData(QDir::homePath()) >= 0);

        auto* name = Find<QLineEdit>(backup, "Text1");
        QTest::keyClicks(name, "m");
        QVERIFY(Find(backup, "cmdSave")->isEnabled());
        QTest::keyClick(name, Qt::Key_Backspace);
        QVERIFY(!Find(backup, "cmdSave")->isEnabled());
    }

    void theFileListShowsTheBackupsOfTheChosenFolder()
    {
        TestProgram program;
        program.CreateDatabase();
        QTemporaryDir target;
        WriteFile(target.filePath("friday.mdb"), "x");
        WriteFile(target.filePath("notes.txt"), "x");
        QDir(target.path()).mkdir("term 1");
        auto* backup = OpenBackup(program, target.path());
        auto* files = Find<QListWidget>(backup, "File1");
        QCOMPARE(files->count(), 1);
        QCOMPARE(files->item(0)->text(), QStringLiteral("friday.mdb"));

        auto* folders = Find<FolderList>(backup, "Dir1");
        const auto subfolder = folders->findItems("term 1", Qt::MatchEndsWith);
        QCOMPARE(subfolder.size(), 1);
        emit folders->itemActivated(subfolder[0]);
        QCOMPARE(folders->Path(), target.filePath("term 1"));
        QCOMPARE(files->count(), 0);
    }

    // A backup over a file of that name replaces it without a question, as a
    // consistent copy of the database; the record shows the new date and time.
    void aBackupReplacesAFileOfItsNameAndIsRecorded()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        QTemporaryDir target;
        const QString path = target.filePath("monday.mdb");
        WriteFile(path, "an older backup");
        BackupRecord::Of(QDir::toNativeSeparators(path), QDateTime(QDate(2026, 2, 27), QTime(9, 0))).Write();
        program.clock.now = QDateTime(QDate(2026, 3, 2), QTime(14, 5, 9));
        BackUp(OpenBackup(program, target.path()), "monday");

        QCOMPARE(program.prompter.AskedTexts(), QStringList {"All data BackUp Succcessfully on disk"});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Backup"));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Information);
        QCOMPARE(program.registry.Find<frmBackup>(), nullptr);
        QCOMPARE(TeachersIn(path), 3);
        QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"monday.mdb"});
        // Others who share the backup folder can read the copy, as any saved file.
        QVERIFY(QFile::permissions(path).testFlag(QFileDevice::ReadOther));

        auto* again = program.registry.Show<frmBackup>();
        QCOMPARE(TextOf(again, "lbl_path"), QDir::toNativeSeparators(path));
        QCOMPARE(TextOf(again, "lbl_lastdate"), QStringLiteral("02, Mar, 2026"));
        QCOMPARE(TextOf(again, "lbl_lasttime"), QStringLiteral("02:05:09 PM"));
    }

    void theRecordIsWrittenOnATwelveHourClock_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("written");
        QTest::newRow("after midnight") << QTime(0, 30, 0) << "12:30:00 AM";
        QTest::newRow("morning") << QTime(9, 7, 5) << "09:07:05 AM";
        QTest::newRow("noon") << QTime(12, 0, 0) << "12:00:00 PM";
        QTest::newRow("evening") << QTime(23, 59, 59) << "11:59:59 PM";
    }

    void theRecordIsWrittenOnATwelveHourClock()
    {
        QFETCH(QTime, time);
        QFETCH(QString, written);
        const BackupRecord record = BackupRecord::Of("/b/x.mdb", QDateTime(QDate(2026, 12, 1), time));
        QCOMPARE(record.time, written);
        QCOMPARE(record.date, QStringLiteral("01, Dec, 2026"));
    }

    void namesAreJoinedWithOneSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("joined");
        QTest::newRow("root") << QDir::rootPath() << QDir::toNativeSeparators(QDir::rootPath() + "b.mdb");
        QTest::newRow("folder") << QDir::rootPath() + "backups"
                                << QDir::toNativeSeparators(QDir::rootPath() + "backups/b.mdb");
    }

    void namesAreJoinedWithOneSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, joined);
        QCOMPARE(PathInFolder(folder, "b.mdb"), joined);
    }

    // A folder that cannot be written to.
    void aFailedBackupLeavesTheOlderFileAndWritesNoRecord()
    {
        OlderBackup older;
        UnwritableFolder locked(older.target.path());
        if (!locked.Holds())
            QSKIP("this user can write to any folder here");

        BackUp(older.backup, "keep");
        older.ExpectKept();
    }

    // Another program holding the database for longer than the store waits:
    // the copy fails whoever may write to the folder.
    void aBackupOfALockedDatabaseLeavesTheOlderFileAndWritesNoRecord()
    {
        OlderBackup older;
        {
            LockHolder lock(older.program.DatabasePath());
            BackUp(older.backup, "keep");
        }
        older.ExpectKept();
        QVERIFY(older.program.prompter.AskedTexts().join('\n').contains("locked"));
    }

    // The name box holds a file name in the shown folder; the database the
    // program is using is never replaced by a copy of itself.
    // A backup is checked as a restore would check it: one that could not be
    // brought back is not kept.
    void aBackupThatCouldNotBeRestoredIsNotKept()
    {
        OlderBackup fixture;
        fixture.program.Exec("DELETE FROM Custom");
        BackUp(fixture.backup, "keep");
        fixture.ExpectKept();
        QVERIFY2(fixture.program.prompter.Last().text.endsWith(
                     ": the copy could not be restored: it holds no settings row, so nobody could log in."),
                 qPrintable(fixture.program.prompter.Last().text));
    }

    void aNameThatIsNoBackupFileIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("the database itself") << "teacherdb2";
        QTest::newRow("the database by a path") << "term 1/../teacherdb2";
        QTest::newRow("a path") << "term 1/monday";
        QTest::newRow("a path with backslashes") << "term 1\\monday";
        QTest::newRow("this folder") << ".";
        QTest::newRow("the folder above") << "..";
    }

    void aNameThatIsNoBackupFileIsRefused()
    {
        QFETCH(QString, name);
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        QDir(program.Folder()).mkdir("term 1");
        const QByteArray database = ReadFile(program.DatabasePath());
        const auto entries = [&program] {
            return QDir(program.Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        };
        const QStringList before = entries();
        auto* backup = OpenBackup(program, program.Folder());
        BackUp(backup, name);

        QCOMPARE(program.prompter.asked.size(), 1);
        QVERIFY2(program.prompter.Last().text.startsWith("The backup could not be written to "),
                 qPrintable(program.prompter.Last().text));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Critical);
        QCOMPARE(program.registry.Find<frmBackup>(), backup);
        QCOMPARE(BackupRecord::Read().path, QString());
        QCOMPARE(entries(), before);
        QVERIFY(QDir(program.Folder() + "/term 1").isEmpty());
        QCOMPARE(ReadFile(program.DatabasePath()), database);
    }

    void aNewFolderIsMadeFromTheBackupScreen()
    {
        TestProgram program;
        program.CreateDatabase();
        BackupRecord {"/old/friday.mdb", "05, Dec, 2026", "04:00:00 PM"}.Write();
        QTemporaryDir target;
        auto* backup = OpenBackup(program, target.path());
        ClickInFolderList(backup);
        QVERIFY(Find(backup, "cmdMKDir")->isEnabled());

        Click(backup, "cmdMKDir");
        QCOMPARE(program.registry.Find<frmBackup>(), nullptr);
        auto* dialog = program.registry.Find<frmMkDir>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("New Folder"));
        QCOMPARE(TextOf(dialog, "Text1"), QDir::toNativeSeparators(target.path()));
        QCOMPARE(dialog->focusWidget(), Find(dialog, "Text2"));

        QTest::keyClicks(Find(dialog, "Text2"), "term 2");
        Click(dialog, "Command1");
        QVERIFY(QFileInfo(target.filePath("term 2")).isDir());
        QCOMPARE(program.registry.Find<frmMkDir>(), nullptr);
        backup = program.registry.Find<frmBackup>();
        QVERIFY(backup && backup->isVisible());
        QVERIFY(!Find(backup, "cmdMKDir")->isEnabled());
        QCOMPARE(backup->y(), Twips(450));

        Find<FolderList>(backup, "Dir1")->SetPath(target.path());
        ClickInFolderList(backup);
        Click(backup, "cmdMKDir");
        dialog = program.registry.Find<frmMkDir>();
        QTest::keyClicks(Find(dialog, "Text2"), "term 2");
        Click(dialog, "Command1");
        QCOMPARE(program.prompter.AskedTexts(), QStringList {"A file with the name you specified already exists."});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Error"));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Information);
        QCOMPARE(program.registry.Find<frmMkDir>(), dialog);

        Click(dialog, "Command2");
        QCOMPARE(program.registry.Find<frmMkDir>(), nullptr);
        backup = program.registry.Find<frmBackup>();
        QVERIFY(backup);
        QCOMPARE(TextOf(backup, "lbl_path"), QStringLiteral("/old/friday.mdb"));
        QCOMPARE(TextOf(backup, "lbl_lastdate"), QStringLiteral("05, Dec, 2026"));
    }

    // A folder that cannot be made for another reason leaves the dialog open,
    // without a message and with nothing made.
    void aFolderThatCannotBeMadeKeepsTheDialogSilently()
    {
        TestProgram program;
        program.CreateDatabase();
        QTemporaryDir target;
        auto* dialog = program.registry.Show<frmMkDir>();
        dialog->SetParentFolder(target.filePath("gone"));
        QTest::keyClicks(Find(dialog, "Text2"), "term 3");
        Click(dialog, "Command1");
        QCOMPARE(program.prompter.asked.size(), 0);
        QCOMPARE(program.registry.Find<frmMkDir>(), dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(TextOf(dialog, "Text2"), QStringLiteral("term 3"));
        QVERIFY(QDir(target.path()).isEmpty());
        QVERIFY(!program.registry.Find<frmBackup>());
    }
    // The backup's full path follows the folder opened and the name typed.
    void theTargetPathFollowsTheFolderAndTheName()
    {
        TestProgram program;
        program.CreateDatabase();
        QTemporaryDir target;
        QDir(target.path()).mkdir("term 1");
        auto* backup = OpenBackup(program, target.path());
        QCOMPARE(TextOf(backup, "lbl_target"), QDir::toNativeSeparators(target.path() + "/"));
        QTest::keyClicks(Find(backup, "Text1"), "friday");
        QCOMPARE(TextOf(backup, "lbl_target"), QDir::toNativeSeparators(target.filePath("friday.mdb")));

        auto* folders = Find<FolderList>(backup, "Dir1");
        emit folders->itemActivated(folders->findItems("term 1", Qt::MatchEndsWith).value(0));
        QCOMPARE(TextOf(backup, "lbl_target"), QDir::toNativeSeparators(target.filePath("term 1/friday.mdb")));
    }

    // A private database gives a private backup, whatever the user's umask.
    void aBackupIsNoMoreOpenThanTheDatabase()
    {
        const mode_t previous = ::umask(077);
        const auto restoreMask = qScopeGuard([previous] { ::umask(previous); });
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        QCOMPARE(QFile::permissions(program.DatabasePath()) & 0x0FFF, QFileDevice::ReadUser | QFileDevice::WriteUser);
        QTemporaryDir target;
        BackUp(OpenBackup(program, target.path()), "private");
        namespace fs = std::filesystem;
        const fs::perms mode = fs::status(target.filePath("private.mdb").toStdString()).permissions();
        QCOMPARE(mode & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    }

    // Hidden copies left by a backup that was killed go with the next backup
    // into that folder; other files stay, and so does a copy written to a
    // moment ago, which may be another program's backup under way.
    void theNextBackupRemovesCopiesLeftByAKilledOne()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        QTemporaryDir target;
        for (const char* name : {".monday.mdb.a1B2c3", ".term.mdb.Zz9Yy8"}) {
            WriteFile(target.filePath(name), "a complete copy");
            QFile file(target.filePath(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }
        const QStringList others {".notes.txt.a1B2c3", ".monday.mdb.toolong1", "monday.mdb.a1B2c3", ".week.mdb.Qq1Ww2"};
        for (const QString& name : others)
            WriteFile(target.filePath(name), "not ours");
        BackUp(OpenBackup(program, target.path()), "tuesday");
        QStringList expected = others;
        expected << "tuesday.mdb";
        expected.sort();
        QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }
    // A checked backup takes the database's place in one step: the database
    // it replaces is kept beside it, and the program starts again at the login.
    // Only the program's own tables come back, not a trigger added to the file.
    void aRestoreBringsTheBackupBackAndKeepsTheDatabaseItReplaced()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        program.Exec("INSERT INTO reltable VALUES ('1', 'A', '7A', '1st', 'B', 'Maths', 'B', '0', 1)");
        QTemporaryDir target;
        program.clock.now = QDateTime(QDate(2026, 3, 2), QTime(14, 5, 9));
        BackUp(OpenBackup(program, target.path()), "friday");
        const QString saved = target.filePath("friday.mdb");
        ExecFile(saved, "CREATE TRIGGER Wipe AFTER INSERT ON reltable BEGIN DELETE FROM TabelPB; END");
        program.Exec("DELETE FROM TabelPB WHERE adno1 = 3");
        program.Exec("DELETE FROM reltable");
        const QByteArray replaced = ReadFile(program.DatabasePath());
        program.Open<frmDbase>();
        program.prompter.asked.clear();

        auto* backup = program.registry.Show<frmBackup>();
        program.prompter.PlanFile(saved);
        program.prompter.PlanAnswer(Answer::Yes);
        Click(backup, "cmdRestore");

        QCOMPARE(program.prompter.asked.size(), 1);
        const QString question = program.prompter.Last().text;
        QVERIFY2(question.contains("Written: " + BackupRecord::Of({}, QFileInfo(saved).lastModified()).date)
                     && question.contains("Teachers: 3") && question.contains("Saved reliefs: 1")
                     && question.contains(
                         QDir::toNativeSeparators(program.Folder() + "/teacherdb2.before-restore.mdb")),
                 qPrintable(question));
        QCOMPARE(program.prompter.Last().buttons, MessageButtons::YesNo);
        QCOMPARE(TeachersIn(program.DatabasePath()), 3);
        QCOMPARE(ReadFile(program.Folder() + "/teacherdb2.before-restore.mdb"), replaced);
        QCOMPARE(program.registry.Find<frmBackup>(), nullptr);
        QCOMPARE(program.registry.Find<frmDbase>(), nullptr);
        QVERIFY(program.registry.Find<frmLogin>());
        QVERIFY(QDir(program.Folder()).entryList({".*.mdb.*"}, QDir::Files | QDir::Hidden).isEmpty());
        QVERIFY(program.Query("SELECT name FROM sqlite_master WHERE type = 'trigger'").isEmpty());
    }

    // A file that fails a check, or a restore the operator declines, changes nothing.
    void aBackupThatCannotBeRestoredChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a database") << QByteArray("not") << "file is not a database";
        QTest::newRow("damaged") << QByteArray("damaged") << "did not pass the database's own check";
        QTest::newRow("another layout") << QByteArray("layout") << "its table TabelPB has no column a11";
        QTest::newRow("no settings row") << QByteArray("settings")
                                         << "it holds no settings row, so nobody could log in";
        QTest::newRow("declined") << QByteArray("declined") << QString();
    }

    void aBackupThatCannotBeRestoredChangesNothing()
    {
        QFETCH(QByteArray, damage);
        QFETCH(QString, reason);
        TestProgram program;
        program.CreateDatabase(Teachers(30));
        QTemporaryDir target;
        const QString file = target.filePath("friday.mdb");
        BackUp(OpenBackup(program, target.path()), "friday");
        program.prompter.asked.clear();
        if (damage == "not") {
            WriteFile(file, "a letter to the parents");
        } else if (damage == "damaged") {
            QFile backupFile(file);
            QVERIFY(backupFile.open(QIODevice::ReadWrite) && backupFile.seek(4096));
            backupFile.write(QByteArray(16, '\xff'));
        } else if (damage == "layout") {
            QFile::remove(file);
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other");
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QSqlQuery(db).exec("CREATE TABLE TabelPB (adno TEXT)");
            db.close();
        } else if (damage == "settings") {
            ExecFile(file, "DELETE FROM Custom");
        }
        QSqlDatabase::removeDatabase("other");
        const QByteArray database = ReadFile(program.DatabasePath());

        auto* backup = program.registry.Show<frmBackup>();
        program.prompter.PlanFile(file);
        if (reason.isEmpty())
            program.prompter.PlanAnswer(Answer::No);
        Click(backup, "cmdRestore");

        QCOMPARE(program.prompter.asked.size(), 1);
        if (!reason.isEmpty()) {
            QVERIFY2(program.prompter.Last().text.startsWith(QDir::toNativeSeparators(file) + " cannot be restored: ")
                         && program.prompter.Last().text.contains(reason, Qt::CaseInsensitive),
                     qPrintable(program.prompter.Last().text));
            QCOMPARE(program.prompter.Last().icon, MessageIcon::Critical);
        }
        QCOMPARE(ReadFile(program.DatabasePath()), database);
        QCOMPARE(program.registry.Find<frmBackup>(), backup);
        QVERIFY(!program.registry.Find<frmLogin>());
        QCOMPARE(QDir(program.Folder()).entryList({"*.mdb*"}, QDir::Files | QDir::Hidden),
                 QStringList {"teacherdb2.mdb"});
    }
};

QTEST_MAIN(tst_frmBackup)
#include "tst_frmBackup.moc"
