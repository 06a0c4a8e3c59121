#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "attendance/AttendanceColours.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTeaName.h"
#include "teachers/frmDbase.h"
#include "ui/Colours.h"

#include <QApplication>
#include <QCheckBox>
#include <QLayout>
#include <QLocale>
#include <QPushButton>
#include <QTest>

namespace {
QCheckBox* Box(const QWidget* board, int box)
{
    return Find<QCheckBox>(board, Cell("Check1", box));
}

QLabel* GridCell(const QWidget* board, int cell)
{
    return Find<QLabel>(board, Cell("Label1", cell));
}

QColor DefaultTextColour()
{
    return QCheckBox().palette().color(QPalette::WindowText);
}

// The enabled states of Presence, Absence, All Names and Names, as "PALD" with "-" for a disabled one.
QString ListButtons(const QWidget* board)
{
    QString states;
    const QString letters = "PALD";
    const QStringList names = {"cmdPres", "cmdAbs", "cmdAllT", "cmdDisplay"};
    for (int i = 0; i < names.size(); ++i)
        states += Find(board, names[i])->isEnabled() ? letters[i] : QChar('-');
    return states;
}

QStringList GridCaptions(const QWidget* board, int cells)
{
    QStringList captions;
    for (int cell = 0; cell < cells; ++cell)
        captions << GridCell(board, cell)->text();
    return captions;
}

bool LegendShown(const QWidget* board, const QString& label)
{
    return !Find(board, label)->isHidden();
}

// Ten teachers: 4 is free of relief, 7 attached for substitution; 2 and 7 are absent.
QList<QStringList> TenTeachers()
{
    QList<QStringList> teachers = Teachers(10);
    SetFlags(teachers[3], "0", "1");
    SetFlags(teachers[6], "1", "0");
    return teachers;
}

// The numbers of the ticked boxes among the first `boxes`.
QList<int> Ticked(const QWidget* board, int boxes = 10)
{
    QList<int> numbers;
    for (int box = 0; box < boxes; ++box) {
        if (Box(board, box)->isChecked())
            numbers << Box(board, box)->text().toInt();
    }
    return numbers;
}

void MarkTenTeachersDay(QWidget* board)
{
    Click(board, "cmdClear");
    Click(board, Cell("Check1", 1));
    Click(board, Cell("Check1", 6));
}
}

class tst_frmAtten : public QObject {
    Q_OBJECT

private slots:
    void loadBindsABoxToEachTeacher()
    {
        TestProgram program;
        QList<QStringList> teachers = Teachers(37);
        SetFlags(teachers[2], "1", "0");
        SetFlags(teachers[3], "0", "1");
        SetFlags(teachers[4], "1", "1");
        SetFlags(teachers[5], " 1", "");
        teachers[0][TeacherColumn::title] = "Mrs.";
        program.CreateDatabase(teachers);
        auto* board = program.Open<frmAtten>();

        QCOMPARE(board->windowTitle(), QStringLiteral("Teachers' Attendance"));
        board->show();
        board->layout()->activate();
        const QPoint first = Box(board, 0)->mapTo(board, QPoint());
        QCOMPARE(Box(board, 19)->mapTo(board, QPoint()).x(), first.x());
        QVERIFY(Box(board, 19)->mapTo(board, QPoint()).y() > first.y());
        QCOMPARE(Box(board, 20)->mapTo(board, QPoint()).y(), first.y());
        QVERIFY(Box(board, 20)->mapTo(board, QPoint()).x() > first.x());
        QCOMPARE(GridCell(board, 11)->y(), GridCell(board, 0)->y());
        QCOMPARE(GridCell(board, 12)->x(), GridCell(board, 0)->x());
        QCOMPARE(GridCell(board, 227)->y(), GridCell(board, 216)->y());
        QCOMPARE(GridCell(board, 216)->x(), GridCell(board, 0)->x());
        QCOMPARE(GridCell(board, 227)->x(), GridCell(board, 11)->x());
        QVERIFY(GridCell(board, 216)->y() > GridCell(board, 204)->y());
        QCOMPARE(TextOf(board, "Label2"), QStringLiteral("Teachers' Daily Attendance"));
        QCOMPARE(TextOf(board, "lblRec2"), QStringLiteral("37"));
        QCOMPARE(board->TeacherCount(), 37);
        for (int box = 0; box < frmAtten::BoxCount; ++box) {
            QCOMPARE(Box(board, box)->text(), QString::number(box + 1));
            QCOMPARE(Box(board, box)->isEnabled(), box < 37);
            QVERIFY(!Box(board, box)->isChecked());
            QCOMPARE(Background(Box(board, box)), BoxBackground);
        }
        QCOMPARE(Box(board, 0)->toolTip(), QStringLiteral("Mrs. Teacher 1"));
        QCOMPARE(Box(board, 36)->toolTip(), QStringLiteral("Mr. Teacher 37"));
        QVERIFY(Box(board, 37)->toolTip().isEmpty());

        QCOMPARE(TextColour(Box(board, 0)), DefaultTextColour());
        QCOMPARE(TextColour(Box(board, 2)), SubstitutionAttachColour);
        QCOMPARE(TextColour(Box(board, 3)), ReliefFreeColour);
        QCOMPARE(TextColour(Box(board, 4)), ReliefFreeColour);
        QCOMPARE(TextColour(Box(board, 5)), DefaultTextColour());
        QCOMPARE(board->Kind(2), TeacherKind::SubstitutionAttach);
        QCOMPARE(board->Kind(4), TeacherKind::ReliefFree);
        QCOMPARE(board->Kind(5), TeacherKind::ReliefOn);

        QCOMPARE(TextOf(board, "Text1"), QStringLiteral(" "));
        QCOMPARE(TextOf(board, "Text2"), QStringLiteral(" "));
        QCOMPARE(Background(Find(board, "Text1")), CountBackground);
        QVERIFY(Find<QLineEdit>(board, "Text1")->isReadOnly());
        QCOMPARE(ListButtons(board), QStringLiteral("----"));
        QCOMPARE(TextOf(board, "cmdClear"), QStringLiteral("Check All"));
        QVERIFY(Find(board, "cmdExit")->isEnabled());
        QVERIFY(Find(board, "Command1")->isEnabled());
        for (const char* legend : {"Label6", "Label7", "Label8", "Label10", "Label11", "Label12"})
            QVERIFY2(!LegendShown(board, legend), legend);
        for (int cell = 0; cell < frmAtten::GridCells; ++cell) {
            QVERIFY(GridCell(board, cell)->text().isEmpty());
            QCOMPARE(Background(GridCell(board, cell)), EmptyCellColour);
        }
        QVERIFY(program.prompter.asked.isEmpty());
    }

    void everyChangeOfABoxRecounts()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(37));
        auto* board = program.Open<frmAtten>();
        for (int box : {0, 1, 4})
            Click(board, Cell("Check1", box));
        QCOMPARE(TextOf(board, "Text1"), QStringLiteral("3"));
        QCOMPARE(TextOf(board, "Text2"), QStringLiteral("34"));
        QCOMPARE(ListButtons(board), QStringLiteral("PA--"));
        QVERIFY(board->IsPresent(4));
        QVERIFY(!board->IsPresent(3));

        for (int box : {0, 1, 4})
            Click(board, Cell("Check1", box));
        QCOMPARE(TextOf(board, "Text1"), QStringLiteral("0"));
        QCOMPARE(TextOf(board, "Text2"), QStringLiteral("37"));
    }

    void theButtonsFollowTheBoardsStates()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(5));
        auto* board = program.Open<frmAtten>();
        QCOMPARE(ListButtons(board), QStringLiteral("----"));
        // The board's own colour does not reach the faces of its buttons.
        for (const char* button : {"cmdDisplay", "cmdAllT", "cmdClear", "cmdExit", "Command1"})
            QVERIFY2(Find(board, button)->palette().color(QPalette::Button)
                         == QApplication::palette().color(QPalette::Button),
                     button);
        Click(board, "Check1(0)");
        QCOMPARE(ListButtons(board), QStringLiteral("PA--"));
        Click(board, "cmdAbs");
        QCOMPARE(ListButtons(board), QStringLiteral("PA-D"));
        Click(board, "Check1(1)");
        QCOMPARE(ListButtons(board), QStringLiteral("PA--"));
        QCOMPARE(GridCaptions(board, 3), QStringList({"2", "3", "4"}));
        Click(board, "cmdPres");
        QCOMPARE(ListButtons(board), QStringLiteral("PA-D"));
        Click(board, "cmdClear");
        Click(board, "cmdClear");
        QCOMPARE(ListButtons(board), QStringLiteral("--L-"));
        Click(board, "cmdAllT");
        QCOMPARE(ListButtons(board), QStringLiteral("---D"));
        Click(board, "Check1(2)");
        QCOMPARE(ListButtons(board), QStringLiteral("PA--"));
    }

    void absenceListsTheAbsentTeachersWhoNeedRelief()
    {
        TestProgram program;
        program.CreateDatabase(TenTeachers());
        auto* board = program.Open<frmAtten>();
        MarkTenTeachersDay(board);

        Click(board, "cmdAbs");
        QCOMPARE(GridCaptions(board, 10), QStringList({"2", "", "", "", "", "", "", "", "", ""}));
        QCOMPARE(Background(GridCell(board, 0)), AbsentColour);
        QCOMPARE(GridCell(board, 0)->toolTip(), QStringLiteral("Mr. Teacher 2"));
        QCOMPARE(Background(GridCell(board, 1)), EmptyCellColour);
        QCOMPARE(board->SelectedNumber(0), 2);
        QCOMPARE(board->Mark(0), frmAtten::CellMark::Absent);
        QCOMPARE(TextOf(board, "Text2"), QStringLiteral("2"));
        QCOMPARE(Background(Find(board, "Text1")), PresentColour);
        QCOMPARE(Background(Find(board, "Text2")), AbsentColour);
        QCOMPARE(TextOf(board, "cmdDisplay"), QStringLiteral("Abs: Names"));
        QCOMPARE(Background(Find(board, "cmdDisplay")), AbsentColour);
        QCOMPARE(board->Mode(), ListMode::Absence);
        QVERIFY(LegendShown(board, "Label6") && LegendShown(board, "Label11"));
        QVERIFY(!LegendShown(board, "Label7") && !LegendShown(board, "Label10") && !LegendShown(board, "Label12"));
        QCOMPARE(TextOf(board, "Label11"), QStringLiteral("Relief    (Absence)"));
    }

    void presenceListsThePresentTeachersWhoCanRelieve()
    {
        TestProgram program;
        program.CreateDatabase(TenTeachers());
        auto* board = program.Open<frmAtten>();
        MarkTenTeachersDay(board);
        Click(board, "cmdAbs");
        board->SetVisited(0, true);
        QCOMPARE(TextColour(GridCell(board, 0)), VisitedTextColour);

        Click(board, "cmdPres");
        QCOMPARE(GridCaptions(board, 10), QStringList({"1", "3", "4", "5", "6", "8", "9", "10", "", ""}));
        QCOMPARE(Background(GridCell(board, 0)), PresentColour);
        QCOMPARE(Background(GridCell(board, 2)), ReliefFreeColour);
        QCOMPARE(board->Mark(2), frmAtten::CellMark::PresentReliefFree);
        QCOMPARE(Background(GridCell(board, 8)), EmptyCellColour);
        QCOMPARE(TextColour(GridCell(board, 0)), QColor(Qt::black));
        QCOMPARE(GridCell(board, 5)->toolTip(), QStringLiteral("Mr. Teacher 8"));
        QCOMPARE(TextOf(board, "cmdDisplay"), QStringLiteral("Pre: Names"));
        QCOMPARE(Background(Find(board, "cmdDisplay")), PresenceButtonColour);
        QVERIFY(!LegendShown(board, "Label6") && !LegendShown(board, "Label11"));
        for (const char* legend : {"Label7", "Label8", "Label10", "Label12"})
            QVERIFY2(LegendShown(board, legend), legend);
    }

    void absenceWithEveryoneThereListsNobody()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(6));
        auto* board = program.Open<frmAtten>();
        Click(board, "cmdClear");
        Click(board, "cmdAbs");
        QCOMPARE(GridCaptions(board, 6), QStringList(6));
        QVERIFY(Find(board, "cmdDisplay")->isEnabled());
        QCOMPARE(TextOf(board, "cmdDisplay"), QStringLiteral("Abs: Names"));
    }

    void checkAllThenClearAllThenAllNames()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(37));
        auto* board = program.Open<frmAtten>();

        Click(board, "cmdClear");
        for (int box = 0; box < frmAtten::BoxCount; ++box)
            QCOMPARE(Box(board, box)->isChecked(), box < 37);
        QCOMPARE(TextOf(board, "Text1"), QStringLiteral("37"));
        QCOMPARE(TextOf(board, "Text2"), QStringLiteral("0"));
        QCOMPARE(TextOf(board, "cmdClear"), QStringLiteral("Clear All"));
        Click(board, "cmdPres");

        Click(board, "cmdClear");
        for (int box = 0; box < 37; ++box)
            QVERIFY(!Box(board, box)->isChecked());
        QCOMPARE(GridCaptions(board, 37), QStringList(37));
        QCOMPARE(Background(GridCell(board, 0)), EmptyCellColour);
        QVERIFY(GridCell(board, 0)->toolTip().isEmpty());
        QCOMPARE(TextOf(board, "Text1"), QString());
        QCOMPARE(TextOf(board, "Text2"), QString());
        QCOMPARE(Background(Find(board, "Text1")), ClearedCountBackground);
        QCOMPARE(Background(Find(board, "Text2")), ClearedCountBackground);
        QCOMPARE(ListButtons(board), QStringLiteral("--L-"));
        QCOMPARE(TextOf(board, "cmdClear"), QStringLiteral("Check All"));
        QCOMPARE(TextOf(board, "cmdDisplay"), QStringLiteral("Pre: Names"));

        Click(board, "cmdAllT");
        QCOMPARE(GridCaptions(board, 3), QStringList({"1", "2", "3"}));
        QCOMPARE(GridCell(board, 36)->text(), QStringLiteral("37"));
        QCOMPARE(Background(GridCell(board, 36)), ListedColour);
        QCOMPARE(GridCell(board, 36)->toolTip(), QStringLiteral("Mr. Teacher 37"));
        QCOMPARE(TextOf(board, "cmdDisplay"), QStringLiteral("All Teachers"));
        QCOMPARE(Background(Find(board, "cmdDisplay")), ListedColour);
        QCOMPARE(ListButtons(board), QStringLiteral("---D"));
    }

    // The lists name the teachers the board read when it opened, so listing
    // them needs no further read even while another program holds the file.
    void numbersWithAGapStayWithTheirTeachers()
    {
        TestProgram program;
        program.CreateDatabase({Teacher(1), Teacher(2), Teacher(4, "Miss.", "Kumari")});
        auto* board = program.Open<frmAtten>();
        QCOMPARE(Box(board, 2)->text(), QStringLiteral("4"));
        QCOMPARE(Box(board, 2)->toolTip(), QStringLiteral("Miss. Kumari"));
        QCOMPARE(Box(board, 3)->text(), QStringLiteral("5"));
        QVERIFY(!Box(board, 3)->isEnabled());
        QCOMPARE(board->TeacherNumber(2), 4);

        LockHolder lock(program.DatabasePath());
        Click(board, "Check1(0)");
        Click(board, "cmdAbs");
        QCOMPARE(GridCaptions(board, 3), QStringList({"2", "4", ""}));
        QCOMPARE(GridCell(board, 1)->toolTip(), QStringLiteral("Miss. Kumari"));
        QCOMPARE(board->SelectedNumber(1), 4);

        Click(board, "cmdDisplay");
        auto* names = program.registry.Find<frmTeaName>();
        QVERIFY(names);
        QCOMPARE(TextOf(names, "Label1(1)"), QStringLiteral("4.  Miss.Kumari"));
    }

    void anEmptyTableDisablesEveryBox()
    {
        TestProgram program;
        program.CreateDatabase();
        auto* board = program.Open<frmAtten>();
        QCOMPARE(TextOf(board, "lblRec2"), QStringLiteral("0"));
        for (int box = 0; box < frmAtten::BoxCount; ++box)
            QVERIFY(!Box(board, box)->isEnabled());
        Click(board, "cmdClear");
        QCOMPARE(ListButtons(board), QStringLiteral("----"));
    }

    void teachersBeyondTheBoardAreReportedOnce()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(223));
        auto* board = program.Open<frmAtten>();
        QCOMPARE(program.prompter.asked.size(), 1);
        QVERIFY(program.prompter.Last().text.contains("223"));
        QVERIFY(program.prompter.Last().text.contains("220"));
        QCOMPARE(TextOf(board, "lblRec2"), QStringLiteral("220"));
        QVERIFY(Box(board, 219)->isEnabled());
        QCOMPARE(Box(board, 219)->text(), QStringLiteral("220"));
        Click(board, "cmdClear");
        QCOMPARE(TextOf(board, "Text1"), QStringLiteral("220"));
        QCOMPARE(program.prompter.asked.size(), 1);
    }

    void theTeacherScreenOpensOneBoardAndExitClosesIt()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(5));
        auto* teachers = program.Open<frmDbase>();
        Click(teachers, "cmdAtten");
        auto* board = program.registry.Find<frmAtten>();
        QVERIFY(board);
        QVERIFY(board->isVisible());
        Click(board, "Check1(3)");

        Click(teachers, "cmdAtten");
        QCOMPARE(program.registry.Find<frmAtten>(), board);
        QVERIFY(board->IsPresent(3));

        Click(board, "cmdExit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(program.registry.Find<frmAtten>(), nullptr);
        Click(teachers, "cmdAtten");
        QVERIFY(program.registry.Find<frmAtten>()->IsPresent(3));
    }

    // The day's ticks come back after the board's Exit, a crash and a new
    // start; teachers deleted since are forgotten, those added since are
    // unticked; the next day the board opens unticked.
    void theDaysTicksOutliveTheBoardAndTheProgram()
    {
        TestProgram program;
        program.CreateDatabase(TenTeachers());
        auto* board = program.Open<frmAtten>();
        MarkTenTeachersDay(board);
        const QList<int> present = {1, 3, 4, 5, 6, 8, 9, 10};
        Click(board, "cmdExit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        board = program.Open<frmAtten>();
        QCOMPARE(Ticked(board), present);
        QCOMPARE(TextOf(board, "Text1"), QStringLiteral("8"));
        QCOMPARE(TextOf(board, "Text2"), QStringLiteral("2"));
        QCOMPARE(ListButtons(board), QStringLiteral("PA--"));

        auto crashed = program.Restart();
        QCOMPARE(Ticked(crashed->Open<frmAtten>()), present);
        EndProgram(*crashed);

        program.Exec("DELETE FROM TabelPB WHERE adno1 = 10");
        const QStringList added = Teacher(11);
        program.Exec(QStringLiteral("INSERT INTO TabelPB VALUES (%1)").arg(QStringList(added.size(), "?").join(',')),
                     QVariantList(added.begin(), added.end()));
        auto started = program.Restart();
        auto* changed = started->Open<frmAtten>();
        QCOMPARE(Box(changed, 9)->text(), QStringLiteral("11"));
        QCOMPARE(Ticked(changed), QList<int>({1, 3, 4, 5, 6, 8, 9}));
        QCOMPARE(TextOf(changed, "Text2"), QStringLiteral("3"));
        Click(changed, Cell("Check1", 0));
        QCOMPARE(program.Query("SELECT TeacherNo FROM DayAttendance WHERE Present = 1 ORDER BY TeacherNo"),
                 QList<QVariantList>({{3}, {4}, {5}, {6}, {8}, {9}}));
        QCOMPARE(program.Query("SELECT count(*) FROM DayAttendance WHERE TeacherNo IN (10, 11)"),
                 QList<QVariantList> {{1}});
        EndProgram(*started);

        program.clock.now = program.clock.now.addDays(1);
        auto nextDay = program.Restart();
        auto* fresh = nextDay->Open<frmAtten>();
        QVERIFY(Ticked(fresh).isEmpty());
        QCOMPARE(TextOf(fresh, "Text1"), QStringLiteral(" "));
        QCOMPARE(ListButtons(fresh), QStringLiteral("----"));
        EndProgram(*nextDay);
    }

    // A board left open overnight once took Thursday's ticks for Friday's:
    // the first tick after midnight stored them all under Friday. The next
    // action now says the date has changed, and the board starts afresh.
    void aBoardOpenOverMidnightStartsTheNewDayAfresh_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("a tick") << "Check1(1)";
        QTest::newRow("Absence") << "cmdAbs";
        QTest::newRow("Check All") << "cmdClear";
    }

    void aBoardOpenOverMidnightStartsTheNewDayAfresh()
    {
        QFETCH(QString, action);
        TestProgram program;
        program.CreateDatabase(TenTeachers());
        auto* board = program.Open<frmAtten>();
        MarkTenTeachersDay(board);
        Click(board, "cmdAbs");
        const QList<QVariantList> thursdays = program.Query("SELECT * FROM DayAttendance ORDER BY TeacherNo");
        program.clock.now = QDateTime(QDate(2026, 12, 11), QTime(0, 5));

        Click(board, action);
        const QString thursday = QLocale::system().toString(QDate(2026, 12, 10), QLocale::LongFormat);
        const QString friday = QLocale::system().toString(QDate(2026, 12, 11), QLocale::LongFormat);
        QCOMPARE(program.prompter.AskedTexts(),
                 QStringList {QStringLiteral("The date has changed: this board was opened for %1, and today is %2. The "
                                             "board now starts %2 afresh: tick the teachers present today.")
                                  .arg(thursday, friday)});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("New Day"));
        QVERIFY(Ticked(board).isEmpty());
        QCOMPARE(TextOf(board, "Text1"), QStringLiteral(" "));
        QCOMPARE(ListButtons(board), QStringLiteral("----"));
        QCOMPARE(GridCaptions(board, 2), QStringList({"", ""}));
        QCOMPARE(TextOf(board, "cmdDisplay"), QStringLiteral("Names"));
        QCOMPARE(TextOf(board, "cmdClear"), QStringLiteral("Check All"));
        QCOMPARE(program.Query("SELECT * FROM DayAttendance ORDER BY TeacherNo"), thursdays);

        Click(board, Cell("Check1", 2));
        QCOMPARE(program.Query("SELECT Day, TeacherNo FROM DayAttendance WHERE Present = 1"),
                 QList<QVariantList>({{"2026-12-11", 3}}));
        QCOMPARE(program.prompter.asked.size(), 1);
    }

    // Check All and Clear All keep the board once, whole.
    void checkAllAndClearAllAreKept()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(5));
        auto* board = program.Open<frmAtten>();
        Click(board, "cmdClear");
        QCOMPARE(program.Query("SELECT count(*) FROM DayAttendance WHERE Present = 1"), QList<QVariantList> {{5}});
        Click(board, "cmdClear");
        QCOMPARE(program.Query("SELECT count(*), sum(Present) FROM DayAttendance"), QList<QVariantList>({{5, 0}}));
    }

    // A tick that cannot be kept is told once, and the board goes on.
    void aTickThatCannotBeKeptIsToldOnce()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(5));
        auto* board = program.Open<frmAtten>();
        {
            LockHolder lock(program.DatabasePath());
            Click(board, "Check1(0)");
            Click(board, "Check1(1)");
        }
        QCOMPARE(program.prompter.asked.size(), 1);
        QVERIFY(program.prompter.Last().text.contains("Today's attendance cannot be kept"));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Teachers' Attendance"));
        QCOMPARE(TextOf(board, "Text1"), QStringLiteral("2"));
        Click(board, "Check1(2)");
        QCOMPARE(program.Query("SELECT count(*) FROM DayAttendance WHERE Present = 1"), QList<QVariantList> {{3}});
    }
};

QTEST_MAIN(tst_frmAtten)
#include "tst_frmAtten.moc"
