#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// The built program, copied alone into a new folder, takes that folder as its
// home: it creates its database there on first start and comes up.
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

private slots:
    void theProgramCopiedAloneStartsInItsOwnFolder()
    {
        QTemporaryDir folder;
        const QString program = folder.filePath("morvane");
        QVERIFY(QFile::copy(MORVANE_EXECUTABLE, program));

        QProcess running;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        running.setProcessEnvironment(environment);
        running.setWorkingDirectory(QDir::tempPath());
        running.start(program, {});
        QVERIFY(running.waitForStarted());
        // The login, which follows the splash screen, keeps its connection open.
        QTRY_VERIFY_WITH_TIMEOUT(HoldsFileOpen(running.processId(), folder.filePath("teacherdb2.mdb")), 10000);
        QCOMPARE(running.state(), QProcess::Running);
        running.kill();
        running.waitForFinished();

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
