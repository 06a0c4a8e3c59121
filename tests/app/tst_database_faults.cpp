#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "UnwritableFolder.h"
#include "attendance/frmAtten.h"
#include "teachers/frmDbase.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// What the operator sees when the database file is damaged, held by another
// program, or lies in a folder that cannot be written to.
class tst_database_faults : public QObject {
    Q_OBJECT

private slots:
    void aDamagedTableEndsStartUpWithItsReason()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(40));
        program.DamageLastTeacherPage();
        QSignalSpy ended(&program.registry, &ScreenRegistry::programEnded);

        QCOMPARE(program.Open<frmDbase>(), nullptr);
        QCOMPARE(program.prompter.asked.size(), 1);
        QVERIFY(program.prompter.Last().text.startsWith(
            "The database file " + QDir::toNativeSeparators(program.DatabasePath()) + " cannot be read: "));
        QVERIFY(program.prompter.Last().text.contains("malformed"));
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.at(0).at(0).toInt(), 1);
    }

    void aBoardOverADamagedTableDoesNotOpenAndTheProgramGoesOn()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(40));
        auto* teachers = program.Open<frmDbase>();
        program.DamageLastTeacherPage();
        QSignalSpy ended(&program.registry, &ScreenRegistry::programEnded);

        Click(teachers, "cmdAtten");
        QCOMPARE(program.registry.Find<frmAtten>(), nullptr);
        QVERIFY(program.prompter.Last().text.contains("cannot be read"));
        QCOMPARE(ended.count(), 0);
    }

    // The number is found through its index, but the table cannot be read
    // again: nothing is left on screen to change, so no edit can be lost.
    void aSearchThatCannotReadTheTableAgainLeavesNothingToUpdate()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(40));
        auto* teachers = program.Open<frmDbase>();
        program.DamageLastTeacherPage();

        program.prompter.PlanInput("3");
        Click(teachers, "cmdSearch");
        QVERIFY(program.prompter.Last().text.contains("cannot be read"));
        QCOMPARE(TextOf(teachers, "txtADNo"), QString());
        QCOMPARE(TextOf(teachers, "lbl_total"), QStringLiteral("0"));
        for (const char* button : {"cmdUpdate", "cmdDelete", "cmdNext"})
            QVERIFY2(!Find<QPushButton>(teachers, button)->isEnabled(), button);
    }

    void aBriefLockIsWaitedForWhenTheBoardOpens()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(5));
        auto* teachers = program.Open<frmDbase>();
        {
            LockHolder lock(program.DatabasePath(), 200);
            Click(teachers, "cmdAtten");
        }
        QVERIFY(program.registry.Find<frmAtten>());
        QVERIFY(program.prompter.asked.isEmpty());
    }

    // A lock that outlasts the wait keeps the board shut and makes Search
    // report the failure, not a teacher that does not exist; the program goes on.
    void aLongLockIsReportedPlainlyAndTheProgramGoesOn()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(5));
        auto* teachers = program.Open<frmDbase>();
        QSignalSpy ended(&program.registry, &ScreenRegistry::programEnded);
        {
            LockHolder lock(program.DatabasePath());
            Click(teachers, "cmdAtten");
            QCOMPARE(program.registry.Find<frmAtten>(), nullptr);
            QCOMPARE(program.prompter.asked.size(), 1);
            QVERIFY(program.prompter.Last().text.contains("cannot be opened: database is locked"));
            QVERIFY(!program.prompter.Last().text.contains("will now end"));

            program.prompter.PlanInput("3");
            Click(teachers, "cmdSearch");
            QCOMPARE(program.prompter.asked.size(), 2);
            QVERIFY(program.prompter.Last().text.contains("cannot be read"));
            QVERIFY(program.prompter.Last().text.contains("in use by another program"));
        }
        QCOMPARE(ended.count(), 0);
        QCOMPARE(TextOf(teachers, "txtADNo"), QStringLiteral("1"));
        program.prompter.PlanInput("3");
        Click(teachers, "cmdSearch");
        QCOMPARE(TextOf(teachers, "txtADNo"), QStringLiteral("3"));
    }

    // The file can be written but its folder cannot, so the store's journal
    // cannot be made and every save would fail: the operator is told at once.
    void aFolderThatCannotBeWrittenToIsNamedAtStartUp()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        UnwritableFolder locked(program.Folder());
        if (!locked.Holds())
            QSKIP("this user can write to any folder here");

        auto* teachers = program.Open<frmDbase>();
        QVERIFY(teachers);
        QCOMPARE(program.prompter.asked.size(), 1);
        QVERIFY(program.prompter.Last().text.startsWith("Changes cannot be saved: the folder "
                                                        + QDir::toNativeSeparators(program.Folder())));
        QCOMPARE(Counters(teachers), QStringLiteral("1 of 2"));
    }
};

QTEST_MAIN(tst_database_faults)
#include "tst_database_faults.moc"
