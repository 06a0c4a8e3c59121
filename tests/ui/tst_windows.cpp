#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "WindowChecks.h"
#include "admin/frmBackup.h"
#include "admin/frmLogin.h"
#include "admin/frmMkDir.h"
#include "admin/frmSetting.h"
#include "app/frmAbout.h"
#include "app/frmSplash.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTT.h"
#include "attendance/frmTTAb.h"
#include "attendance/frmTeaName.h"
#include "import/ImportSource.h"
#include "import/frmImport.h"
#include "relief/frmFill.h"
#include "relief/frmHistory.h"
#include "relief/frmList.h"
#include "relief/frmLoad.h"
#include "relief/frmRelList.h"
#include "report/ReportPreview.h"
#include "teachers/frmDbase.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <functional>

namespace {
// Thursday's 1st period, today on the program's fixed clock.
constexpr int Thursday1st = 24;

// An office laptop's display, less its taskbar and a window's title bar.
const QSize LaptopDisplay(1366, 768);
const QSize WindowRoom(1366, 768 - 40 - 31);

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

// The names of all 220 teachers, six columns of them.
frmTeaName* AllNames(TestProgram& program)
{
    auto* board = Morning(program, 220);
    Click(board, "cmdClear");
    Click(board, "cmdAllT");
    Click(board, "cmdDisplay");
    return program.registry.Find<frmTeaName>();
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

QWidget* Preview(const QString& name)
{
    for (QWidget* window : Previews()) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

// Opens a screen in its fullest state and gives it.
using OpenScreen = std::function<QWidget*(TestProgram&)>;

template <class Screen>
OpenScreen Opened(const std::function<void(Screen*)>& fill = {})
{
    return [fill](TestProgram& program) -> QWidget* {
        program.CreateDatabase(Teachers(3));
        auto* screen = program.registry.Show<Screen>();
        if (fill)
            fill(screen);
        return screen;
    };
}
}

class tst_windows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::primaryScreen()->size(), LaptopDisplay); }

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

    // Each screen at its largest fits an office laptop's display whole.
    void everyScreenFitsALaptopDisplay_data()
    {
        QTest::addColumn<OpenScreen>("open");
        QTest::newRow("teacher screen") << Opened<frmDbase>();
        QTest::newRow("board of 220") << OpenScreen(
            [](TestProgram& program) -> QWidget* { return Morning(program, 220); });
        QTest::newRow("names of 220") << OpenScreen([](TestProgram& program) -> QWidget* { return AllNames(program); });
        QTest::newRow("presence timetable") << OpenScreen([](TestProgram& program) -> QWidget* {
            auto* board = Morning(program);
            Click(board, "cmdPres");
            DoubleClick(board, "Label1(0)");
            return program.registry.Find<frmTT>();
        });
        QTest::newRow("absence timetable") << OpenScreen([](TestProgram& program) -> QWidget* {
            Morning(program);
            return LessonChosen(program);
        });
        QTest::newRow("relief list of 218") << OpenScreen([](TestProgram& program) -> QWidget* {
            Morning(program, 220);
            LessonChosen(program);
            return program.registry.Find<frmRelList>();
        });
        QTest::newRow("relief set") << OpenScreen([](TestProgram& program) -> QWidget* {
            Morning(program);
            LessonChosen(program);
            return program.registry.Find<frmList>();
        });
        QTest::newRow("fill the day") << OpenScreen([](TestProgram& program) -> QWidget* {
            Morning(program);
            Click(program.Open<frmList>(), "cmdFill");
            return program.registry.Find<frmFill>();
        });
        QTest::newRow("history") << OpenScreen([](TestProgram& program) -> QWidget* {
            Click(Morning(program), "cmdHistory");
            return program.registry.Find<frmHistory>();
        });
        QTest::newRow("load report") << OpenScreen([](TestProgram& program) -> QWidget* {
            Click(Morning(program), "cmdHistory");
            Click(program.registry.Find<frmHistory>(), "cmdLoad");
            return program.registry.Find<frmLoad>();
        });
        QTest::newRow("settings, changing")
            << Opened<frmSetting>([](frmSetting* settings) { Click(settings, "cmd_Change"); });
        QTest::newRow("login, more settings") << Opened<frmLogin>([](frmLogin* login) { Click(login, "Command1"); });
        QTest::newRow("backup") << Opened<frmBackup>();
        QTest::newRow("new folder") << Opened<frmMkDir>();
        QTest::newRow("about") << Opened<frmAbout>();
        QTest::newRow("splash") << Opened<frmSplash>();
        QTest::newRow("import preview") << OpenScreen([](TestProgram& program) -> QWidget* {
            program.CreateDatabase(Teachers(3));
            return new frmImport(program.registry,
                                 ReadImportFile(QStringLiteral(IMPORT_FILES "/primaria_timetable.csv")),
                                 program.Open<frmDbase>());
        });
        QTest::newRow("personal time tables") << OpenScreen([](TestProgram& program) -> QWidget* {
            program.CreateDatabase(Teachers(3));
            Click(program.Open<frmDbase>(), "Command4");
            return Preview("DR2");
        });
        QTest::newRow("relief teachers list") << OpenScreen([](TestProgram& program) -> QWidget* {
            Morning(program);
            LessonChosen(program);
            program.prompter.PlanAnswer(Answer::Yes);
            Click(program.registry.Find<frmList>(), "Command2");
            return Preview("DR1");
        });
        QTest::newRow("load report preview") << OpenScreen([](TestProgram& program) -> QWidget* {
            Click(Morning(program), "cmdHistory");
            Click(program.registry.Find<frmHistory>(), "cmdLoad");
            Click(program.registry.Find<frmLoad>(), "cmdPrint");
            return Preview("DR3");
        });
    }

    // Wherever the window system would put it, a screen opens whole on the display.
    void aScreenOpensWholeOnTheDisplay_data()
    {
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("below the bottom") << QPoint(300, 600);
        QTest::newRow("past the right") << QPoint(1200, 100);
        QTest::newRow("above and left of it") << QPoint(-80, -40);
    }

    void aScreenOpensWholeOnTheDisplay()
    {
        QFETCH(QPoint, placed);
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        auto* settings = program.Open<frmSetting>();
        settings->move(placed);
        settings->show();
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(settings->frameGeometry()));
    }

    // The names of 220 teachers stand in the middle of the display, frame and all.
    void theNamesScreenStandsInTheMiddleOfTheDisplay()
    {
        TestProgram program;
        const frmTeaName* names = AllNames(program);
        QCOMPARE(names->width(), Twips(19200));
        const QRect frame = names->frameGeometry();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs((frame.left() - area.left()) - (area.right() - frame.right())) <= 1);
        QVERIFY(qAbs((frame.top() - area.top()) - (area.bottom() - frame.bottom())) <= 1);
    }

    void everyScreenFitsALaptopDisplay()
    {
        QFETCH(OpenScreen, open);
        TestProgram program;
        QWidget* screen = open(program);
        QVERIFY(screen);
        screen->show();
        for (const QSize size : {screen->size(), screen->minimumSize()}) {
            QVERIFY2(
                size.width() <= WindowRoom.width() && size.height() <= WindowRoom.height(),
                qPrintable(
                    QStringLiteral("%1 is %2 x %3").arg(screen->objectName()).arg(size.width()).arg(size.height())));
        }
    }
};

QTEST_MAIN(tst_windows)
#include "tst_windows.moc"
