#include "ReportChecks.h"
#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "attendance/AttendanceColours.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTTAb.h"
#include "data/TeacherRow.h"
#include "relief/ReliefColours.h"
#include "relief/frmFill.h"
#include "relief/frmList.h"
#include "relief/frmRelList.h"
#include "report/ReportPreview.h"
#include "teachers/frmDbase.h"
#include "ui/Colours.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QLocale>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {
// A school of `count` teachers. Teachers 1 and 2 are absent; Monday's 1st
// and 2nd periods (slots 0 and 1) are free for teachers 3 to 6, who have
// three free periods on Monday (slots 0, 1 and 5); teacher 6 is free of relief.
QList<QStringList> Staff(int count = 6)
{
    QList<QStringList> teachers = Teachers(count);
    for (int teacher = 2; teacher < count; ++teacher) {
        SetSlot(teachers[teacher], 0, "0", "0");
        SetSlot(teachers[teacher], 1, "0", "0");
    }
    SetSlot(teachers[1], 0, "9C", "English");
    SetFlags(teachers[5], "0", "1");
    teachers[0][TeacherColumn::subject] = "Science";
    return teachers;
}

// The day's board: everybody ticked but the absent teachers, and the absence list shown.
frmAtten* MarkTheDay(TestProgram& program, QList<int> absentBoxes = {0, 1})
{
    auto* teacherScreen = program.Open<frmDbase>();
    Click(teacherScreen, "cmdAtten");
    auto* board = program.registry.Find<frmAtten>();
    Click(board, "cmdClear");
    for (int box : absentBoxes)
        Click(board, Cell("Check1", box));
    Click(board, "cmdAbs");
    return board;
}

// The first morning of the program.
frmAtten* Morning(TestProgram& program, const QList<QStringList>& teachers, QList<int> absentBoxes = {0, 1})
{
    program.CreateDatabase(teachers);
    return MarkTheDay(program, absentBoxes);
}

frmTTAb* AbsentTimetable(TestProgram& program, frmAtten* board, int gridCell)
{
    DoubleClick(board, Cell("Label1", gridCell));
    return program.registry.Find<frmTTAb>();
}

QStringList Listed(const frmRelList* list)
{
    QStringList names;
    for (int row = 0; row < list->RowCount(); ++row)
        names << TextOf(list, Cell("LblName", row));
    return names;
}

QStringList Row(TestProgram& program, int row)
{
    const ReliefRecord& record = program.registry.Find<frmList>()->Plan().Rows().at(row);
    return QStringList(record.fields.begin(), record.fields.end());
}

int Rows(TestProgram& program)
{
    return program.registry.Find<frmList>()->Plan().RowCount();
}

// What lblSetDay says of a set planned for that day.
QString SetDay(const QDate& day, const QString& state)
{
    return QStringLiteral("Planned for %1 — %2").arg(QLocale::system().toString(day, QLocale::LongFormat), state);
}

// The relief teachers list on screen, if one is.
const ReportPreview* ShownList()
{
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        auto* preview = qobject_cast<const ReportPreview*>(window);
        if (preview && preview->objectName() == "DR1" && preview->isVisible())
            return preview;
    }
    return nullptr;
}

// The date the relief teachers list on screen carries.
QString ShownListDate()
{
    const ReportPreview* preview = ShownList();
    return preview ? Named(preview->Shown().pages.at(0), "Label19").at(0).text : QString();
}

QList<QVariantList> History(TestProgram& program)
{
    return program.Query("SELECT Day, Adno1, PrName, Adno FROM ReliefHistory ORDER BY Day, Position");
}

// Two lessons of teacher 1 on Monday: the 1st covered by Teacher 3, the 3rd by nobody yet.
frmList* TwoLessons(TestProgram& program)
{
    auto* timetable = AbsentTimetable(program, Morning(program, Staff()), 0);
    DoubleClick(timetable, "Label1(0)");
    DoubleClick(program.registry.Find<frmRelList>(), "LblName(0)");
    DoubleClick(timetable, "Label1(2)");
    Click(program.registry.Find<frmRelList>(), "Command2");
    return program.registry.Find<frmList>();
}

// Thursday's two lessons saved; on Friday the board marked and the relief set opened from it.
frmList* NextMorning(TestProgram& program)
{
    program.prompter.PlanAnswer(Answer::Yes);
    Click(TwoLessons(program), "Command2");
    program.CloseScreens();
    program.clock.now = program.clock.now.addDays(1);
    Click(MarkTheDay(program), "Command1");
    return program.registry.Find<frmList>();
}
}

// Relief planning as the operator does it, by the controls' names.
class tst_relief_screens : public QObject {
    Q_OBJECT

private slots:
    void aMorningOfRelief()
    {
        TestProgram program;
        auto* board = Morning(program, Staff());
        auto* timetable = AbsentTimetable(program, board, 0);

        DoubleClick(timetable, "Label1(0)");
        QCOMPARE(TextOf(timetable, "Label10"), QStringLiteral("0"));
        QCOMPARE(TextOf(timetable, "Label14"), QStringLiteral("0"));
        QCOMPARE(TextOf(timetable, "Label13"), QStringLiteral("6A"));
        QCOMPARE(TextOf(timetable, "Label12"), QStringLiteral("1st"));
        QCOMPARE(TextColour(Find(timetable, "Label1(0)")), ChosenLessonColour);
        auto* list = program.registry.Find<frmList>();
        QVERIFY(list);
        QCOMPARE(list->windowTitle(), QStringLiteral("Relief Set"));
        QVERIFY(!Find(list, "Command5")->isEnabled());
        QVERIFY(!Find(list, "Command4")->isEnabled());
        auto* relief = program.registry.Find<frmRelList>();
        QVERIFY(relief);
        QCOMPARE(relief->windowTitle(), QStringLiteral("Relief List"));
        QCOMPARE(TextOf(relief, "Label4"), QStringLiteral("Monday - First Period "));
        QCOMPARE(TextOf(relief, "Label11"), QStringLiteral("Maths"));
        QCOMPARE(Listed(relief), QStringList({"Teacher 3", "Teacher 4", "Teacher 5"}));
        QCOMPARE(TextOf(relief, "Label12(0)"), QStringLiteral("3"));
        QCOMPARE(TextOf(relief, "Label8(0)"), QStringLiteral("3"));
        QCOMPARE(TextColour(Find(relief, "LblName(0)")), ThreeFreeColour);
        QCOMPARE(relief->width(), Twips(7740));
        // The suggestion wraps, and the window grows by the lines it needs beyond one.
        const auto* suggestion = Find<QLabel>(relief, "lblSuggest");
        QCOMPARE(relief->height(), Twips(9700) + suggestion->height() - suggestion->fontMetrics().height());

        DoubleClick(relief, "LblName(0)");
        QVERIFY(!program.registry.Find<frmRelList>());
        QCOMPARE(Row(program, 0),
                 QStringList({"1", "Mr. Teacher 1", "6A", "1st", "Teacher 3", "Maths", "Maths", "3", ""}));
        QCOMPARE(TextOf(list, "Label4"), QStringLiteral("1"));
        for (const char* button : {"Command2", "Command4", "Command6"})
            QVERIFY2(Find(list, button)->isEnabled(), button);

        // The teacher sent to the 1st period is offered for the 2nd with one relief less.
        DoubleClick(timetable, "Label1(1)");
        relief = program.registry.Find<frmRelList>();
        QCOMPARE(TextOf(relief, "Label4"), QStringLiteral("Monday - Second Period "));
        QCOMPARE(Listed(relief), QStringList({"Teacher 3", "Teacher 4", "Teacher 5"}));
        QCOMPARE(TextOf(relief, "Label12(0)"), QStringLiteral("2"));
        QCOMPARE(TextColour(Find(relief, "LblName(0)")), TwoFreeColour);
        QCOMPARE(TextColour(Find(relief, "Label8(0)")), AlreadyRelievesColour);
        QCOMPARE(TextColour(Find(relief, "Label8(1)")), QColor(Qt::black));
        DoubleClick(relief, "LblName(1)");

        // The second absent teacher: the class already covered in that period is refused.
        timetable = AbsentTimetable(program, board, 1);
        QCOMPARE(TextOf(timetable, "Label11"), QStringLiteral("2"));
        DoubleClick(timetable, "Label1(1)");
        QCOMPARE(program.prompter.AskedTexts(), QStringList {"Class Duplicate or Free Period"});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Morvane"));
        QVERIFY(!program.registry.Find<frmRelList>());
        QCOMPARE(Rows(program), 2);

        DoubleClick(timetable, "Label1(0)");
        relief = program.registry.Find<frmRelList>();
        QCOMPARE(Listed(relief), QStringList({"Teacher 4", "Teacher 5"}));
        DoubleClick(relief, "LblName(1)");
        QCOMPARE(Rows(program), 3);
        QCOMPARE(Row(program, 1).mid(2, 6), QStringList({"7A", "2nd", "Teacher 4", "Maths", "Maths", "4"}));
        QCOMPARE(Row(program, 2).mid(0, 8),
                 QStringList({"2", "Mr. Teacher 2", "9C", "1st", "Teacher 5", "English", "Maths", "5"}));
        QCOMPARE(list->Plan().AssignedSlotKeys(), QStringList({"1stTeacher 3", "2ndTeacher 4", "1stTeacher 5"}));
        QCOMPARE(TextOf(list, "Label4"), QStringLiteral("3"));
    }

    // A school imported from a timetabling program gives each lesson its own
    // subject: the relief teacher is told that one, and the teacher's general
    // subject only where the lesson names none.
    void theSubjectIsTheLessonsOwn_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("subject");
        QTest::newRow("its own") << "Religion"
                                 << "Religion";
        QTest::newRow("none in its cell") << ""
                                          << "Science";
    }

    void theSubjectIsTheLessonsOwn()
    {
        QFETCH(QString, cell);
        QFETCH(QString, subject);
        TestProgram program;
        QList<QStringList> teachers = Staff();
        SetSlot(teachers[0], 0, "6A", cell);
        auto* timetable = AbsentTimetable(program, Morning(program, teachers), 0);
        QCOMPARE(TextOf(timetable, "Label9"), QStringLiteral("Science"));
        DoubleClick(timetable, "Label1(0)");
        auto* relief = program.registry.Find<frmRelList>();
        QCOMPARE(TextOf(relief, "Label11"), subject);
        DoubleClick(relief, "LblName(0)");
        QCOMPARE(Row(program, 0).at(ReliefRecord::Subject), subject);
        Click(program.registry.Find<frmList>(), "Command2");
        QCOMPARE(program.Query("SELECT Subject FROM reltable"), QList<QVariantList> {{subject}});
    }

    void theNameCellStartsNoRow()
    {
        TestProgram program;
        auto* timetable = AbsentTimetable(program, Morning(program, Staff()), 0);
        DoubleClick(timetable, "Label1(40)");
        QCOMPARE(program.registry.Find<frmList>(), nullptr);
        QCOMPARE(program.registry.Find<frmRelList>(), nullptr);
    }

    // Removing an incomplete row once took the key of another row with it,
    // and that row's teacher was then offered a second class in the same period.
    void removeItemTakesTheNewestRowAndOnlyItsKey()
    {
        TestProgram program;
        auto* timetable = AbsentTimetable(program, Morning(program, Staff()), 0);
        DoubleClick(timetable, "Label1(0)");
        DoubleClick(program.registry.Find<frmRelList>(), "LblName(0)");
        DoubleClick(timetable, "Label1(2)");
        Click(program.registry.Find<frmRelList>(), "Command2");
        DoubleClick(timetable, "Label1(1)");
        DoubleClick(program.registry.Find<frmRelList>(), "LblName(1)");
        auto* list = program.registry.Find<frmList>();
        QCOMPARE(list->Plan().AssignedSlotKeys(), QStringList({"1stTeacher 3", "2ndTeacher 4"}));

        Click(list, "Command4");
        QCOMPARE(Rows(program), 2);
        QCOMPARE(list->Plan().AssignedSlotKeys(), QStringList {"1stTeacher 3"});
        Click(list, "Command4");
        QCOMPARE(Rows(program), 1);
        QCOMPARE(list->Plan().AssignedSlotKeys(), QStringList {"1stTeacher 3"});
        QCOMPARE(TextOf(list, "Label4"), QStringLiteral("1"));
        Click(list, "Command4");
        QCOMPARE(Rows(program), 0);
        QVERIFY(list->Plan().AssignedSlotKeys().isEmpty());

        // On an empty list it disables itself and closes the absence timetable.
        Click(list, "Command4");
        QVERIFY(!Find(list, "Command4")->isEnabled());
        QVERIFY(Find(list, "Command2")->isEnabled());
        QVERIFY(!program.registry.Find<frmTTAb>());
        QCOMPARE(TextOf(list, "Label4"), QStringLiteral("0"));
    }

    void refreshClearsTheSetAfterItsQuestion()
    {
        TestProgram program;
        auto* timetable = AbsentTimetable(program, Morning(program, Staff()), 0);
        DoubleClick(timetable, "Label1(0)");
        DoubleClick(program.registry.Find<frmRelList>(), "LblName(0)");
        auto* list = program.registry.Find<frmList>();

        program.prompter.PlanAnswer(Answer::No);
        Click(list, "Command6");
        QCOMPARE(program.prompter.Last().text, QStringLiteral("All records will be clesr in Listview. Are you Sure?"));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Clear"));
        QCOMPARE(Rows(program), 1);

        program.prompter.PlanAnswer(Answer::Yes);
        Click(list, "Command6");
        QCOMPARE(Rows(program), 0);
        QCOMPARE(TextOf(list, "Label4"), QStringLiteral("0"));
        QVERIFY(!Find(list, "Command6")->isEnabled());

        DoubleClick(timetable, "Label1(0)");
        auto* relief = program.registry.Find<frmRelList>();
        QCOMPARE(TextOf(relief, "LblName(0)"), QStringLiteral("Teacher 3"));
        QCOMPARE(TextOf(relief, "Label12(0)"), TextOf(relief, "Label8(0)"));
    }

    // A blank line sends nobody, so the same period of another class offers
    // every free teacher again.
    void aBlankLineRecordsAReliefWithoutATeacher()
    {
        TestProgram program;
        auto* board = Morning(program, Staff());
        DoubleClick(AbsentTimetable(program, board, 0), "Label1(0)");
        QCOMPARE(TextOf(program.registry.Find<frmList>(), "Label4"), QStringLiteral("1"));
        DoubleClick(program.registry.Find<frmRelList>(), "LblName(10)");
        QCOMPARE(Row(program, 0).mid(4), QStringList({"", "Maths", "", "", ""}));

        DoubleClick(AbsentTimetable(program, board, 1), "Label1(0)");
        QCOMPARE(Listed(program.registry.Find<frmRelList>()).mid(0, 3),
                 QStringList({"Teacher 3", "Teacher 4", "Teacher 5"}));
        QCOMPARE(TextOf(program.registry.Find<frmList>(), "Label4"), QStringLiteral("2"));
    }

    // A relief list that cannot be opened leaves no half-made row behind.
    void aReliefListThatCannotOpenLeavesNoRow()
    {
        TestProgram program;
        auto* timetable = AbsentTimetable(program, Morning(program, Staff()), 0);
        DoubleClick(timetable, "Label1(0)");
        DoubleClick(program.registry.Find<frmRelList>(), "LblName(0)");
        {
            LockHolder lock(program.DatabasePath());
            DoubleClick(timetable, "Label1(1)");
        }
        QVERIFY(program.prompter.Last().text.contains("cannot be opened"));
        QVERIFY(!program.registry.Find<frmRelList>());
        QCOMPARE(Rows(program), 1);
        QCOMPARE(TextOf(program.registry.Find<frmList>(), "Label4"), QStringLiteral("1"));

        DoubleClick(timetable, "Label1(1)");
        QVERIFY(program.registry.Find<frmRelList>());
        QCOMPARE(Rows(program), 2);
    }

    void theListWidensFromTheThirtyFourthCandidateAndKeepsEveryOne_data()
    {
        QTest::addColumn<int>("candidates");
        QTest::addColumn<int>("width");
        QTest::newRow("33") << 33 << 7740;
        QTest::newRow("34") << 34 << 15210;
        QTest::newRow("70") << 70 << 15210;
    }

    void theListWidensFromTheThirtyFourthCandidateAndKeepsEveryOne()
    {
        QFETCH(int, candidates);
        QFETCH(int, width);
        TestProgram program;
        auto* timetable = AbsentTimetable(program, Morning(program, Staff(candidates + 3)), 0);
        DoubleClick(timetable, "Label1(0)");
        auto* relief = program.registry.Find<frmRelList>();
        QCOMPARE(relief->RowCount(), candidates);
        QCOMPARE(relief->width(), Twips(width));
        QCOMPARE(TextOf(relief, Cell("LblName", candidates - 1)), QStringLiteral("Teacher %1").arg(candidates + 3));
        QCOMPARE(Find(relief, Cell("LblName", 33))->isVisibleTo(relief), candidates > 33);
        QCOMPARE(Find(relief, "lblMore")->isVisibleTo(relief), candidates > 66);
        if (candidates > 66)
            QVERIFY(TextOf(relief, "lblMore").startsWith(QString::number(candidates)));

        // Wherever the list is scrolled to, each block is in view whole or not at all.
        auto* area = Find<QScrollArea>(relief, "blocks");
        const QRect view = area->viewport()->rect();
        for (int value : {1, 200, 300, area->horizontalScrollBar()->maximum()}) {
            area->horizontalScrollBar()->setValue(value);
            for (int heading = 0; relief->findChild<QLabel*>(Cell("Label1", heading)); heading += 5) {
                const QWidget* block = Find(relief, Cell("Label1", heading))->parentWidget();
                const QRect shown(block->mapTo(area->viewport(), QPoint()), block->size());
                QVERIFY2(!block->isVisibleTo(relief) || view.contains(shown) || !view.intersects(shown),
                         qPrintable(Cell("Label1", heading)));
            }
        }
    }

    void printAndSaveStoresTheSetClosesTheLessonScreensAndShowsTheList()
    {
        TestProgram program;
        auto* timetable = AbsentTimetable(program, Morning(program, Staff()), 0);
        DoubleClick(timetable, "Label1(0)");
        DoubleClick(program.registry.Find<frmRelList>(), "LblName(1)");
        DoubleClick(timetable, "Label1(2)");
        auto* list = program.registry.Find<frmList>();
        program.prompter.PlanAnswer(Answer::Yes);
        Click(list, "Command2");
        QVERIFY(!program.registry.Find<frmRelList>());
        QVERIFY(!program.registry.Find<frmTTAb>());
        QCOMPARE(TextOf(list, "Label3"), QStringLiteral("2"));
        QCOMPARE(TextOf(list, "Label4"), QStringLiteral("2"));
        QCOMPARE(program.Query("SELECT Adno1, Grade, PrName, Tenop, Adno FROM reltable ORDER BY Adno"),
                 QList<QVariantList>({{"1", "6A", "Teacher 4", "4", 1}, {"1", "8A", "Helper (Volunteer)", "0", 2}}));
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
            return window->objectName() == "DR1" && window->isVisible()
                && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        }));
    }

    // Today's saved set comes back once a load, in number order; its
    // relief teachers are not offered a second class in their periods.
    void previousReliefListBringsTheSavedSetBackOnce()
    {
        TestProgram program;
        auto* board = Morning(program, Staff(12));
        program.Exec(
            "INSERT INTO reltable VALUES ('10', 'Mr. Teacher 10', '5B', '1st', 'Teacher 3', 'Art', 'Maths', '3', 2),"
            " ('2', 'Mr. Teacher 2', '6A', '2nd', 'Teacher 4', 'Art', 'Maths', '4', 1)");
        program.Exec("INSERT INTO ProgramSetting (Name, Value) VALUES ('SavedSetDay', '2026-12-10')");
        Click(board, "Command1");
        auto* list = program.registry.Find<frmList>();
        QVERIFY(list);
        QVERIFY(!Find(list, "Command2")->isEnabled());
        QVERIFY(!Find(list, "Command4")->isEnabled());
        QCOMPARE(TextOf(list, "Label3"), QStringLiteral("2"));

        Click(list, "Command5");
        QCOMPARE(Rows(program), 2);
        QCOMPARE(Row(program, 0),
                 QStringList({"2", "Mr. Teacher 2", "6A", "2nd", "Teacher 4", "Art", "Maths", "4", "1"}));
        QCOMPARE(Row(program, 1).first(), QStringLiteral("10"));
        QVERIFY(Find(list, "Command2")->isEnabled());
        QCOMPARE(TextOf(list, "Label4"), QStringLiteral("2"));
        Click(list, "Command5");
        QCOMPARE(Rows(program), 2);

        // After a save the list is the saved set: the button adds nothing, and
        // a second save stores every relief once.
        Click(list, "Command2");
        Click(list, "Command5");
        QCOMPARE(Rows(program), 2);
        Click(list, "Command2");
        QCOMPARE(program.Query("SELECT count(*) FROM reltable")[0][0].toInt(), 2);
        QCOMPARE(TextOf(list, "Label3"), QStringLiteral("2"));

        auto* timetable = AbsentTimetable(program, board, 0);
        DoubleClick(timetable, "Label1(0)");
        auto* relief = program.registry.Find<frmRelList>();
        QVERIFY(!Listed(relief).contains("Teacher 3"));
        QCOMPARE(TextOf(relief, "LblName(0)"), QStringLiteral("Teacher 4"));
        QCOMPARE(TextOf(relief, "Label12(0)"), QStringLiteral("2"));
    }

    // The board is the day's attendance: without it nobody is present.
    void aLessonChosenWithTheBoardClosedListsNobodyAndSaysWhy()
    {
        TestProgram program;
        auto* board = Morning(program, Staff());
        auto* timetable = AbsentTimetable(program, board, 0);
        board->close();
        DoubleClick(timetable, "Label1(0)");
        QVERIFY(program.prompter.Last().text.startsWith("Nobody is marked present"));
        QCOMPARE(program.registry.Find<frmRelList>()->RowCount(), 0);
    }

    // A relief list left open lists the new lesson's teachers, not the old one's.
    void aRelievListOpenForAnEarlierLessonIsComputedAgain()
    {
        TestProgram program;
        QList<QStringList> teachers = Staff();
        SetSlot(teachers[3], 3, "0", "0");
        auto* timetable = AbsentTimetable(program, Morning(program, teachers), 0);
        DoubleClick(timetable, "Label1(0)");
        DoubleClick(timetable, "Label1(3)");
        auto* relief = program.registry.Find<frmRelList>();
        QCOMPARE(TextOf(relief, "Label4"), QStringLiteral("Monday - Forth Period "));
        QCOMPARE(Listed(relief), QStringList {"Teacher 4"});
    }

    // A save refused under another program's lock leaves the table as it was,
    // and the counter shows what it holds, not 0.
    void aSaveRefusedUnderALockKeepsTheCountOfTheTable()
    {
        TestProgram program;
        auto* timetable = AbsentTimetable(program, Morning(program, Staff()), 0);
        DoubleClick(timetable, "Label1(0)");
        DoubleClick(program.registry.Find<frmRelList>(), "LblName(0)");
        auto* list = program.registry.Find<frmList>();
        Click(list, "Command2");
        QCOMPARE(TextOf(list, "Label3"), QStringLiteral("1"));
        timetable = AbsentTimetable(program, program.registry.Find<frmAtten>(), 0);
        DoubleClick(timetable, "Label1(1)");
        DoubleClick(program.registry.Find<frmRelList>(), "LblName(0)");
        {
            LockHolder lock(program.DatabasePath());
            Click(list, "Command2");
        }
        QVERIFY(program.prompter.Last().text.contains("not been saved"));
        QCOMPARE(TextOf(list, "Label3"), QStringLiteral("1"));
        QCOMPARE(program.Query("SELECT count(*) FROM reltable")[0][0].toInt(), 1);
    }

    // Exit, a crash and a start of the program the same day bring the rows
    // back as they were; the next day the screen opens empty.
    void theSetUnderWayOutlivesItsExitAndARestart()
    {
        TestProgram program;
        frmList* list = TwoLessons(program);
        const QList<PlannedRelief> planned = list->Plan().Planned();
        const QDate thursday(2026, 12, 10);
        QCOMPARE(TextOf(list, "lblSetDay"), SetDay(thursday, "not saved"));

        Click(list, "cmdExit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!program.registry.Find<frmList>());
        list = program.Open<frmList>();
        QCOMPARE(list->Plan().Planned(), planned);
        QCOMPARE(list->Plan().AssignedSlotKeys(), QStringList {"1stTeacher 3"});
        QCOMPARE(TextOf(list, "Label4"), QStringLiteral("2"));
        QCOMPARE(TextOf(list, "lblSetDay"), SetDay(thursday, "not saved"));
        for (const char* button : {"Command2", "Command4", "Command6"})
            QVERIFY2(Find(list, button)->isEnabled(), button);
        program.prompter.PlanAnswer(Answer::Yes);
        Click(list, "Command2");
        QCOMPARE(TextOf(list, "lblSetDay"), SetDay(thursday, "saved"));

        auto crashed = program.Restart();
        auto* reopened = crashed->Open<frmList>();
        QCOMPARE(reopened->Plan().Planned(), planned);
        QCOMPARE(TextOf(reopened, "lblSetDay"), SetDay(thursday, "saved"));
        Click(reopened, "Command4");
        QCOMPARE(TextOf(reopened, "lblSetDay"), SetDay(thursday, "not saved"));
        program.prompter.PlanAnswer(Answer::Yes);
        Click(reopened, "Command6");
        EndProgram(*crashed);
        auto cleared = program.Restart();
        QCOMPARE(cleared->Open<frmList>()->Plan().RowCount(), 0);
        EndProgram(*cleared);

        program.clock.now = program.clock.now.addDays(1);
        auto friday = program.Restart();
        auto* fresh = friday->Open<frmList>();
        QCOMPARE(fresh->Plan().RowCount(), 0);
        QCOMPARE(TextOf(fresh, "lblSetDay"), QString());
        EndProgram(*friday);
    }

    // Yesterday's set brought back says so, leaves its teachers free for
    // today's periods, and is saved as today's only when the operator says so.
    void anotherDaysSetIsDatedKeepsNoKeysAndAsksBeforeItIsSavedAsTodays()
    {
        TestProgram program;
        const QDate thursday(2026, 12, 10);
        const QDate friday = thursday.addDays(1);
        auto* list = NextMorning(program);
        auto* board = program.registry.Find<frmAtten>();
        QCOMPARE(Rows(program), 0);
        Click(list, "Command5");
        QCOMPARE(Rows(program), 2);
        QCOMPARE(TextOf(list, "lblSetDay"), SetDay(thursday, "saved"));
        QVERIFY(list->Plan().AssignedSlotKeys().isEmpty());
        DoubleClick(AbsentTimetable(program, board, 0), "Label1(1)");
        QCOMPARE(Listed(program.registry.Find<frmRelList>()).first(), QStringLiteral("Teacher 3"));
        DoubleClick(program.registry.Find<frmRelList>(), "LblName(1)");
        QCOMPARE(list->Plan().AssignedSlotKeys(), QStringList {"2ndTeacher 4"});
        QCOMPARE(TextOf(list, "lblSetDay"), SetDay(thursday, "not saved"));

        program.prompter.PlanAnswer(Answer::No);
        Click(list, "Command2");
        QCOMPARE(program.prompter.Last().text,
                 "These reliefs were planned for " + QLocale::system().toString(thursday, QLocale::LongFormat)
                     + ", not for today. Save them as today's reliefs?");
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Print and Save"));
        QCOMPARE(program.prompter.Last().buttons, MessageButtons::YesNo);
        QCOMPARE(program.Query("SELECT count(*) FROM reltable")[0][0].toInt(), 2);
        QCOMPARE(History(program).size(), 2);
        QVERIFY(program.registry.Find<frmTTAb>());

        program.prompter.PlanAnswer(Answer::Yes);
        Click(list, "Command2");
        QCOMPARE(program.Query("SELECT count(*) FROM reltable")[0][0].toInt(), 3);
        QCOMPARE(History(program).mid(2),
                 QList<QVariantList>({{"2026-12-11", "1", "Teacher 3", 1},
                                      {"2026-12-11", "1", "Helper (Volunteer)", 2},
                                      {"2026-12-11", "1", "Teacher 4", 3}}));
        QCOMPARE(TextOf(list, "lblSetDay"), SetDay(friday, "saved"));
        QCOMPARE(list->Plan().AssignedSlotKeys(), QStringList({"1stTeacher 3", "2ndTeacher 4"}));
        QCOMPARE(ShownListDate(), QStringLiteral("Friday, 11 December 2026"));
    }

    // The saved set brought back over the rows kept for the day once listed
    // every relief twice, and saved it so; a set saved before days were kept
    // came back again on every press.
    void previousReliefListAddsOnlyWhatTheListLacks_data()
    {
        QTest::addColumn<QString>("savedDay");
        QTest::newRow("saved today") << "2026-12-10";
        QTest::newRow("saved before days were kept") << QString();
    }

    void previousReliefListAddsOnlyWhatTheListLacks()
    {
        QFETCH(QString, savedDay);
        TestProgram program;
        auto* board = Morning(program, Staff());
        program.Exec(
            "INSERT INTO reltable VALUES ('1', 'Mr. Teacher 1', '6A', '1st', 'Teacher 3', 'Maths', 'Maths', '3', 1),"
            " ('2', 'Mr. Teacher 2', '9C', '1st', 'Teacher 4', 'English', 'Maths', '4', 2)");
        if (!savedDay.isEmpty())
            program.Exec("INSERT INTO ProgramSetting (Name, Value) VALUES ('SavedSetDay', ?)", {savedDay});
        for (int opening = 0; opening < 2; ++opening) {
            Click(board, "Command1");
            auto* list = program.registry.Find<frmList>();
            QVERIFY(!Find(list, "Command2")->isEnabled());
            for (int press = 0; press < 2; ++press) {
                Click(list, "Command5");
                QCOMPARE(Rows(program), 2);
                QCOMPARE(TextOf(list, "Label4"), QStringLiteral("2"));
                QVERIFY(Find(list, "Command2")->isEnabled());
            }
            Click(list, "cmdExit");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(program.prompter.asked.isEmpty());
        Click(board, "Command1");
        Click(program.registry.Find<frmList>(), "Command5");
        if (savedDay.isEmpty())
            program.prompter.PlanAnswer(Answer::Yes);
        Click(program.registry.Find<frmList>(), "Command2");
        QCOMPARE(program.Query("SELECT count(*) FROM reltable")[0][0].toInt(), 2);
        QCOMPARE(History(program).size(), 2);
    }

    // Print and Save files every relief once: rows that would give a lesson
    // twice, or a teacher two classes in one period, are named and not saved.
    void printAndSaveRefusesWhatItWouldSaveTwice()
    {
        TestProgram program;
        auto* list = NextMorning(program);
        Click(list, "Command5");
        DoubleClick(AbsentTimetable(program, program.registry.Find<frmAtten>(), 0), "Label1(0)");
        DoubleClick(program.registry.Find<frmRelList>(), "LblName(0)");

        Click(list, "Command2");
        QCOMPARE(program.prompter.Last().text,
                 QStringLiteral(
                     "This relief set cannot be saved:\n\n6A of Mr. Teacher 1 in the 1st period is listed 2 "
                     "times.\nTeacher 3 is sent to 2 classes in the 1st period.\n\nCorrect the list and save "
                     "again."));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Print and Save"));
        QCOMPARE(History(program).size(), 2);
        QCOMPARE(History(program).first().first(), QStringLiteral("2026-12-10"));
        QVERIFY(program.registry.Find<frmTTAb>());
    }

    // Clear, then Print and Save, once emptied the saved day without a word.
    void anEmptyListIsNotSavedAndASavedDayGoesOnlyOnPurpose()
    {
        TestProgram program;
        frmList* list = TwoLessons(program);
        program.prompter.PlanAnswer(Answer::Yes);
        Click(list, "Command2");
        program.prompter.PlanAnswer(Answer::Yes);
        Click(list, "Command6");

        program.prompter.PlanAnswer(Answer::No);
        Click(list, "Command2");
        QCOMPARE(program.prompter.Last().text,
                 "The relief set is empty. Remove the 2 relief(s) saved for "
                     + QLocale::system().toString(QDate(2026, 12, 10), QLocale::LongFormat) + "?");
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Print and Save"));
        QCOMPARE(program.prompter.Last().buttons, MessageButtons::YesNo);
        QCOMPARE(program.Query("SELECT count(*) FROM reltable")[0][0].toInt(), 2);
        QCOMPARE(History(program).size(), 2);

        program.prompter.PlanAnswer(Answer::Yes);
        Click(list, "Command2");
        QCOMPARE(program.Query("SELECT count(*) FROM reltable")[0][0].toInt(), 0);
        QVERIFY(History(program).isEmpty());
        QCOMPARE(TextOf(list, "Label3"), QStringLiteral("0"));

        Click(list, "Command2");
        QCOMPARE(program.prompter.Last().text,
                 QStringLiteral("The relief set is empty: there is nothing to print and save."));
        QCOMPARE(program.prompter.Last().buttons, MessageButtons::Ok);
    }

    // A set planned on Thursday and still open after midnight: the next
    // action says so, and the set is saved under Thursday if the operator
    // wants it, never under Friday as well.
    void aSetOpenOverMidnightIsSavedUnderItsOwnDay()
    {
        TestProgram program;
        const QDate thursday(2026, 12, 10);
        const QDate friday = thursday.addDays(1);
        frmList* list = TwoLessons(program);
        program.clock.now = QDateTime(friday, QTime(0, 10));
        program.prompter.PlanAnswer(Answer::Yes);
        program.prompter.PlanAnswer(Answer::Yes);
        Click(list, "Command2");
        const QString thursdayText = QLocale::system().toString(thursday, QLocale::LongFormat);
        const QString fridayText = QLocale::system().toString(friday, QLocale::LongFormat);
        QCOMPARE(program.prompter.asked.first().text,
                 QStringLiteral("The date has changed: this relief set was planned for %1, and today is %2.\n\nPrint "
                                "and save it as the reliefs of %1, then start %2 afresh? No starts %2 afresh and "
                                "leaves these reliefs unsaved.")
                     .arg(thursdayText, fridayText));
        QCOMPARE(program.prompter.asked.first().title, QStringLiteral("New Day"));
        QCOMPARE(program.prompter.asked.first().buttons, MessageButtons::YesNo);
        QCOMPARE(History(program),
                 QList<QVariantList>(
                     {{"2026-12-10", "1", "Teacher 3", 1}, {"2026-12-10", "1", "Helper (Volunteer)", 2}}));
        QCOMPARE(program.Query("SELECT Value FROM ProgramSetting WHERE Name = 'SavedSetDay'"),
                 QList<QVariantList> {{"2026-12-10"}});
        QCOMPARE(ShownListDate(), QStringLiteral("Thursday, 10 December 2026"));

        // Friday starts afresh; Thursday's set, brought back, is Thursday's.
        QCOMPARE(Rows(program), 0);
        QCOMPARE(list->Plan().Day(), friday);
        QVERIFY(Find(list, "Command5")->isEnabled());
        Click(list, "Command5");
        QCOMPARE(TextOf(list, "lblSetDay"), SetDay(thursday, "saved"));
        QCOMPARE(program.prompter.asked.size(), 2);
    }

    void aSetOpenOverMidnightCanBeLeftForTheNewDay_data()
    {
        QTest::addColumn<QString>("action");
        for (const char* action : {"Command2", "Command6", "cmdFill", "lesson", "relief"})
            QTest::newRow(action) << QString::fromLatin1(action);
    }

    void aSetOpenOverMidnightCanBeLeftForTheNewDay()
    {
        QFETCH(QString, action);
        TestProgram program;
        frmList* list = TwoLessons(program);
        auto* timetable = program.registry.Find<frmTTAb>();
        if (action == "relief")
            DoubleClick(timetable, "Label1(1)");
        program.clock.now = QDateTime(QDate(2026, 12, 11), QTime(0, 10));
        program.prompter.PlanAnswer(Answer::No);
        if (action == "lesson")
            DoubleClick(timetable, "Label1(1)");
        else if (action == "relief")
            DoubleClick(program.registry.Find<frmRelList>(), "LblName(0)");
        else
            Click(list, action);
        QCOMPARE(program.prompter.asked.size(), 1);
        QCOMPARE(program.prompter.Last().title, QStringLiteral("New Day"));
        QCOMPARE(Rows(program), 0);
        QCOMPARE(TextOf(list, "Label4"), QStringLiteral("0"));
        QVERIFY(History(program).isEmpty());
        QCOMPARE(program.Query("SELECT count(*) FROM reltable")[0][0].toInt(), 0);
        QCOMPARE(program.Query("SELECT count(*) FROM DayReliefSet")[0][0].toInt(), 0);
        QVERIFY(!program.registry.Find<frmRelList>());
        QVERIFY(!program.registry.Find<frmTTAb>());
        QVERIFY(!program.registry.Find<frmFill>());
    }

    // A set saved on Thursday makes way for Friday without a question.
    void aSavedSetOpenOverMidnightMakesWayForTheNewDay()
    {
        TestProgram program;
        frmList* list = TwoLessons(program);
        program.prompter.PlanAnswer(Answer::Yes);
        Click(list, "Command2");
        program.clock.now = QDateTime(QDate(2026, 12, 11), QTime(0, 10));
        Click(list, "Command6");
        QVERIFY(program.prompter.Last().text.endsWith(
            QStringLiteral("Its reliefs are saved under %1. The relief set now starts %2 afresh.")
                .arg(QLocale::system().toString(QDate(2026, 12, 10), QLocale::LongFormat),
                     QLocale::system().toString(QDate(2026, 12, 11), QLocale::LongFormat))));
        QCOMPARE(program.prompter.Last().buttons, MessageButtons::Ok);
        QCOMPARE(Rows(program), 0);
        QCOMPARE(History(program).size(), 2);
    }

    // A set saved before the program kept its day is another day's too.
    void aSetSavedWithoutItsDayIsAnEarlierDays()
    {
        TestProgram program;
        auto* board = Morning(program, Staff());
        program.Exec(
            "INSERT INTO reltable VALUES ('2', 'Mr. Teacher 2', '6A', '2nd', 'Teacher 4', 'Art', 'Maths', '4', 1)");
        Click(board, "Command1");
        auto* list = program.registry.Find<frmList>();
        Click(list, "Command5");
        QCOMPARE(TextOf(list, "lblSetDay"), QStringLiteral("Planned for an earlier day — saved"));
        QVERIFY(list->Plan().AssignedSlotKeys().isEmpty());
        program.prompter.PlanAnswer(Answer::No);
        Click(list, "Command2");
        QCOMPARE(program.prompter.Last().text,
                 QStringLiteral(
                     "These reliefs were planned for an earlier day, not for today. Save them as today's reliefs?"));
        QVERIFY(History(program).isEmpty());
        QCOMPARE(program.Query("SELECT count(*) FROM ProgramSetting WHERE Name = 'SavedSetDay'")[0][0].toInt(), 0);
    }

    // Lessons without a relief teacher are printed as a helper's only when the operator agrees.
    void printAndSaveAsksBeforeLessonsGoToAHelper()
    {
        TestProgram program;
        frmList* list = TwoLessons(program);
        program.prompter.PlanAnswer(Answer::No);
        Click(list, "Command2");
        QCOMPARE(program.prompter.Last().text,
                 QStringLiteral("1 lesson(s) have no relief teacher and will be printed as Helper (Volunteer). "
                                "Print and save?"));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Print and Save"));
        QCOMPARE(program.prompter.Last().buttons, MessageButtons::YesNo);
        QCOMPARE(program.Query("SELECT count(*) FROM reltable")[0][0].toInt(), 0);
        QVERIFY(History(program).isEmpty());
        QVERIFY(program.registry.Find<frmTTAb>());
        QVERIFY(!ShownList());
        QCOMPARE(TextOf(list, "lblSetDay"), SetDay(QDate(2026, 12, 10), "not saved"));
    }
};

QTEST_MAIN(tst_relief_screens)
#include "tst_relief_screens.moc"
