#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "WindowChecks.h"
#include "admin/frmSetting.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTTAb.h"
#include "attendance/frmTeaName.h"
#include "relief/frmFill.h"
#include "relief/frmHistory.h"
#include "relief/frmList.h"
#include "relief/frmLoad.h"
#include "relief/frmRelList.h"
#include "report/ReportPreview.h"
#include "teachers/frmDbase.h"

#include <QApplication>
#include <QTest>

namespace {
// Thursday's 1st period, today on the program's fixed clock.
constexpr int Thursday1st = 24;

// Teachers 1 and 2 absent; the others all free on Thursday's 1st period.
QList<QStringList> Staff(int count)
{
    QList<QStringList> teachers = Teachers(count);
    for (int teacher = 2; teacher < count; ++teacher)
        SetSlot(teachers[teacher], Thursday1st, "0", "0");
    return teachers;
}

// The day's board, opened from the teacher screen, with the absent teachers listed.
frmAtten* Morning(TestProgram& program, int teachers = 12)
{
    program.CreateDatabase(Staff(teachers));
    Click(program.Open<frmDbase>(), "cmdAtten");
    auto* board = program.registry.Find<frmAtten>();
    Click(board, "cmdClear");
    for (int box : {0, 1})
        Click(board, Cell("Check1", box));
    Click(board, "cmdAbs");
    return board;
}

// The first absent teacher's timetable, with Thursday's 1st period chosen for relief.
frmTTAb* LessonChosen(TestProgram& program)
{
    DoubleClick(program.registry.Find<frmAtten>(), "Label1(0)");
    auto* timetable = program.registry.Find<frmTTAb>();
    DoubleClick(timetable, Cell("Label1", Thursday1st));
    return timetable;
}

QList<QWidget*> Previews()
{
    QList<QWidget*> previews;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<ReportPreview*>(window) && window->isVisible())
            previews << window;
    }
    return previews;
}
}

class tst_windows : public QObject {
    Q_OBJECT

private slots:
    // The timetables and the relief screens stay above the other windows;
    // what the operator opens beside them comes up in front of them, and
    // goes back to the normal order with the last of them.
    void whatOpensBesideTheReliefWorkComesUpInFrontOfIt()
    {
        TestProgram program;
        auto* board = Morning(program);
        auto* teachers = program.registry.Find<frmDbase>();
        auto* timetable = LessonChosen(program);
        QVERIFY(program.registry.Find<frmRelList>());
        auto* list = program.registry.Find<frmList>();
        QVERIFY(!StaysOnTop(*board));
        QVERIFY(!StaysOnTop(*teachers));

        Click(board, "cmdHistory");
        Click(board, "cmdDisplay");
        Click(teachers, "Command6");
        Click(teachers, "Command4");
        Click(program.registry.Find<frmRelList>(), "Command2");
        Click(list, "cmdFill");
        auto* history = program.registry.Find<frmHistory>();
        Click(history, "cmdLoad");
        Click(program.registry.Find<frmLoad>(), "cmdPrint");
        // Raised again by the operator's button, the board comes up in front too.
        Click(teachers, "cmdAtten");
        QList<QWidget*> lifted = Previews();
        QCOMPARE(lifted.size(), 2);
        lifted << history << board << program.registry.Find<frmTeaName>() << program.registry.Find<frmSetting>()
               << program.registry.Find<frmFill>() << program.registry.Find<frmLoad>();
        for (const QWidget* window : lifted) {
            QVERIFY(window && window->isVisible());
            QVERIFY2(StaysOnTop(*window), qPrintable(window->objectName()));
        }

        Click(list, "cmdExit");
        for (const QWidget* window : lifted)
            QVERIFY2(StaysOnTop(*window), qPrintable(window->objectName()));
        Click(timetable, "Command1");
        for (const QWidget* window : lifted) {
            QVERIFY2(!StaysOnTop(*window), qPrintable(window->objectName()));
            QVERIFY(window->isVisible());
        }
        QVERIFY(!StaysOnTop(*teachers));
    }
};

QTEST_MAIN(tst_windows)
#include "tst_windows.moc"
