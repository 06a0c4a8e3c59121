#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "data/TeacherRow.h"
#include "teachers/TimetableColours.h"
#include "teachers/frmDbase.h"
#include "ui/Colours.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

namespace {
void Type(QWidget* screen, const QString& field, const QString& text)
{
    if (auto* title = qobject_cast<QComboBox*>(Find(screen, field)))
        title->setEditText(text);
    else
        Find<QLineEdit>(screen, field)->setText(text);
}

bool InEditMode(const QWidget* screen)
{
    return !Find(screen, "cmdSave")->isHidden() && Find(screen, "cmdAdd")->isHidden()
        && !Find(screen, "cmdNext")->isEnabled();
}

void FillNewTeacher(QWidget* screen, const QString& number, const QString& name = "New Teacher")
{
    Type(screen, "txtADNo", number);
    Type(screen, "txttitle", "Mrs.");
    Type(screen, "txtName", name);
}
}

class tst_frmDbase_editing : public QObject {
    Q_OBJECT

private:
    static QString Stored(TestProgram& program, const QString& column, int number)
    {
        const auto rows = program.Query(
            QStringLiteral("SELECT %1 FROM TabelPB WHERE adno1 = %2").arg(column).arg(number));
        return rows.isEmpty() ? QStringLiteral("<none>") : rows[0][0].toString();
    }

    static int TeacherCount(TestProgram& program)
    {
        return program.Query(QStringLiteral("SELECT count(*) FROM TabelPB"))[0][0].toInt();
    }

private slots:
    void addOpensAnEmptyRecordWithTheNextNumber_data()
    {
        QTest::addColumn<int>("teachers");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("24 teachers") << 24 << "25";
        QTest::newRow("empty table") << 0 << "1";
    }

    void addOpensAnEmptyRecordWithTheNextNumber()
    {
        QFETCH(int, teachers);
        QFETCH(QString, proposed);
        TestProgram program;
        QStringList flagged = Teacher(1);
        SetFlags(flagged, "1", "0");
        QList<QStringList> rows = Teachers(teachers);
        if (teachers > 0)
            rows[0] = flagged;
        program.CreateDatabase(rows);
        auto* screen = program.Open<frmDbase>();
        const QString countersBefore = Counters(screen);
        const QString freeBefore = TextOf(screen, "Label21");

        Click(screen, "cmdAdd");
        QVERIFY(InEditMode(screen));
        QCOMPARE(TextOf(screen, "txtADNo"), proposed);
        QCOMPARE(TextOf(screen, "txtAdno1"), proposed);
        QVERIFY(Find<QComboBox>(screen, "txttitle")->currentText().isEmpty());
        for (const char* field : {"txtName", "txtComName", "txtSubj", "txtClass"})
            QVERIFY2(TextOf(screen, field).isEmpty(), field);
        QVERIFY(!Find<QCheckBox>(screen, "Check1")->isChecked());
        QVERIFY(Find<QCheckBox>(screen, "Check1")->isEnabled());
        for (int slot = 0; slot < SlotCount; ++slot) {
            QCOMPARE(TextOf(screen, Cell("Text1", slot)), QStringLiteral("0"));
            QCOMPARE(TextOf(screen, Cell("Text10", slot)), QStringLiteral("0"));
            QCOMPARE(Background(Find(screen, Cell("Text1", slot))), WorkingColour);
            QCOMPARE(Background(Find(screen, Cell("Text10", slot))), WorkingColour);
        }
        QCOMPARE(screen->focusWidget(), Find(screen, "txttitle"));
        QCOMPARE(Counters(screen), countersBefore);
        QCOMPARE(TextOf(screen, "Label21"), freeBefore);
    }

    void addIsRefusedWhenNoNumberIsLeft()
    {
        TestProgram program;
        program.CreateDatabase({Teacher(32767)});
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdAdd");
        QCOMPARE(program.prompter.asked.size(), 1);
        QVERIFY(program.prompter.Last().text.contains("32767"));
        QVERIFY(!InEditMode(screen));
        QCOMPARE(Counters(screen), QStringLiteral("1 of 1"));
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("32767"));
    }

    void saveChecksTheRequiredFieldsInOrder_data()
    {
        // clang-format off
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("nothing") << "" << "" << "" << "Enter Teacher No" << "txtADNo";
        QTest::newRow("no title nor name") << "3" << "" << "" << "Enter Teacher Title" << "txttitle";
        QTest::newRow("no name") << "3" << "Mr." << "" << "Enter Teacher Name" << "txtName";
        // clang-format on
    }

    void saveChecksTheRequiredFieldsInOrder()
    {
        QFETCH(QString, number);
        QFETCH(QString, title);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdAdd");
        Type(screen, "txtADNo", number);
        Type(screen, "txttitle", title);
        Type(screen, "txtName", name);

        Click(screen, "cmdSave");
        QCOMPARE(program.prompter.AskedTexts(), QStringList {message});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Morvane"));
        QCOMPARE(screen->focusWidget(), Find(screen, focus));
        QVERIFY(InEditMode(screen));
        QCOMPARE(TextOf(screen, "txtADNo"), number);
        QCOMPARE(TeacherCount(program), 2);
    }

    void aTimetableErrorStopsSaveBeforeAnyFieldCheck()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdAdd");
        Type(screen, "txtADNo", "");
        Type(screen, "Text1(4)", "9B");
        Type(screen, "Text10(9)", "Art");

        Click(screen, "cmdSave");
        QVERIFY(program.prompter.asked.isEmpty());
        QCOMPARE(Background(Find(screen, "Text1(4)")), TimetableErrorColour);
        QCOMPARE(Background(Find(screen, "Text10(4)")), TimetableErrorColour);
        QCOMPARE(Background(Find(screen, "Text1(9)")), WorkingColour);
        QCOMPARE(Background(Find(screen, "Text10(9)")), WorkingColour);
        QCOMPARE(screen->focusWidget(), Find(screen, "Text1(4)"));
        QVERIFY(InEditMode(screen));
        QCOMPARE(TeacherCount(program), 2);
    }

    void saveWritesEveryColumnAndReturnsToBrowseMode()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdAdd");
        FillNewTeacher(screen, "3");
        Type(screen, "Text1(0)", "7a");
        Type(screen, "Text10(0)", "Art*");
        Type(screen, "Text1(1)", "");
        Type(screen, "Text10(1)", "Music");
        Find<QCheckBox>(screen, "Check2")->click();

        Click(screen, "cmdSave");
        QCOMPARE(program.prompter.AskedTexts(), QStringList {"The record has been saved successfully."});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("ADD"));
        QVERIFY(!InEditMode(screen));

        QCOMPARE(Stored(program, "adno", 3), QStringLiteral("3"));
        QCOMPARE(Stored(program, "a11", 3), QStringLiteral("7A"));
        QCOMPARE(Stored(program, "s11", 3), QStringLiteral("Art*"));
        QCOMPARE(Stored(program, "a12", 3), QStringLiteral("0"));
        QCOMPARE(Stored(program, "s12", 3), QStringLiteral("0"));
        QCOMPARE(Stored(program, "a58", 3), QStringLiteral("0"));
        QCOMPARE(Stored(program, "title", 3), QStringLiteral("Mrs."));
        QCOMPARE(Stored(program, "name1", 3), QStringLiteral("New Teacher"));
        for (const char* column : {"comname", "subject", "class1"})
            QCOMPARE(Stored(program, column, 3), QStringLiteral("-"));
        QCOMPARE(Stored(program, "SalOnly", 3), QStringLiteral("0"));
        QCOMPARE(Stored(program, "RelFree", 3), QStringLiteral("1"));

        QCOMPARE(TextOf(screen, "Text10(1)"), QStringLiteral("0"));
        QCOMPARE(TextOf(screen, "txtSubj"), QStringLiteral("-"));
        QCOMPARE(TextOf(screen, "Label21"), QStringLiteral("39 Free Period(s)"));
        QCOMPARE(Background(Find(screen, "Text1(1)")), OffPeriodColour);
        QCOMPARE(Background(Find(screen, "Text1(0)")), WorkingColour);
        QCOMPARE(Counters(screen), QStringLiteral("3 of 3"));
    }

    void aDuplicateNumberIsReportedAndCanBeCorrected()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdAdd");
        FillNewTeacher(screen, "2", "Second Two");

        Click(screen, "cmdSave");
        QCOMPARE(program.prompter.AskedTexts(), QStringList {"Teacher's No. already exist,please enter another No."});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Teacher ID exist"));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Information);
        QVERIFY(InEditMode(screen));
        QCOMPARE(TextOf(screen, "txtName"), QStringLiteral("Second Two"));
        QCOMPARE(Stored(program, "name1", 2), QStringLiteral("Teacher 2"));

        Type(screen, "txtADNo", "5");
        Click(screen, "cmdSave");
        QCOMPARE(program.prompter.Last().text, QStringLiteral("The record has been saved successfully."));
        QCOMPARE(Stored(program, "name1", 5), QStringLiteral("Second Two"));
        QCOMPARE(TeacherCount(program), 3);
        QCOMPARE(Counters(screen), QStringLiteral("3 of 3"));
    }

    // A text longer than the register holds is refused whole at Save, typed,
    // pasted or stored so: never cut to fit.
    void aTextLongerThanTheRegisterHoldsIsRefused_data()
    {
        // clang-format off
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("otherCell");
        QTest::newRow("name") << "txtName" << 101 << "teacher name" << QString();
        QTest::newRow("name of the longest length") << "txtName" << 100 << QString() << QString();
        QTest::newRow("title") << "txttitle" << 101 << "title" << QString();
        QTest::newRow("common name") << "txtComName" << 100000 << "common name" << QString();
        QTest::newRow("subjects") << "txtSubj" << 101 << "subjects" << QString();
        QTest::newRow("class") << "txtClass" << 101 << "class" << QString();
        QTest::newRow("class cell") << "Text1(10)" << 101 << "class of Tuesday, 3rd period" << "Text10(10)";
        QTest::newRow("subject cell") << "Text10(39)" << 101 << "subject of Friday, 8th period" << "Text1(39)";
        // clang-format on
    }

    void aTextLongerThanTheRegisterHoldsIsRefused()
    {
        QFETCH(QString, field);
        QFETCH(int, length);
        QFETCH(QString, what);
        QFETCH(QString, otherCell);
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdAdd");
        FillNewTeacher(screen, "3");
        const QString text(length, 'X');
        Type(screen, field, text);
        if (!otherCell.isEmpty())
            Type(screen, otherCell, "ART");

        Click(screen, "cmdSave");
        if (what.isEmpty()) {
            QCOMPARE(program.prompter.Last().text, QStringLiteral("The record has been saved successfully."));
            QCOMPARE(Stored(program, "name1", 3), text);
            return;
        }
        QCOMPARE(program.prompter.AskedTexts(),
                 QStringList {
                     QStringLiteral("The %1 is %2 characters long; it may have at most 100. Nothing was saved.")
                         .arg(what)
                         .arg(length)});
        QCOMPARE(TeacherCount(program), 2);
        QVERIFY(InEditMode(screen));
        QCOMPARE(field == "txttitle" ? Find<QComboBox>(screen, field)->currentText() : TextOf(screen, field), text);
    }

    void aStoredTextTooLongIsShownWholeAndRefusedAtSave()
    {
        QStringList teacher = Teacher(1);
        teacher[TeacherColumn::name1] = QString(150, 'n');
        TestProgram program;
        program.CreateDatabase({teacher, Teacher(2)});
        auto* screen = program.Open<frmDbase>();
        QCOMPARE(TextOf(screen, "txtName").size(), 150);
        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        Type(screen, "txtComName", "Changed");

        Click(screen, "cmdSave");
        QCOMPARE(program.prompter.Last().text,
                 QStringLiteral(
                     "The teacher name is 150 characters long; it may have at most 100. Nothing was saved."));
        QCOMPARE(screen->focusWidget(), Find(screen, "txtName"));
        QCOMPARE(Stored(program, "comname", 1), QStringLiteral("T1"));
        QCOMPARE(Stored(program, "name1", 1).size(), 150);
    }

    void theNumberIsTakenOnlyAsAPlainWholeNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("digits") << "25" << 25;
        QTest::newRow("blanks around") << " 25 " << 25;
        QTest::newRow("leading zeros") << "025" << 25;
        QTest::newRow("highest") << "32767" << 32767;
        QTest::newRow("trailing point") << "25." << 0;
        QTest::newRow("decimal") << "25.0" << 0;
        QTest::newRow("exponent") << "2.5e1" << 0;
        QTest::newRow("plus sign") << "+25" << 0;
        QTest::newRow("negative") << "-3" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("gap inside") << "2 5" << 0;
        QTest::newRow("other digits") << QStringLiteral("\u0662\u0665") << 0;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("too large") << "32768" << 0;
        QTest::newRow("far too large") << "99999999999999999999" << 0;
    }

    // A number typed in another written form used to be stored as the number
    // while its text kept the form typed; the saved teacher was then not found
    // again, and a following Update overwrote the first teacher.
    void theNumberIsTakenOnlyAsAPlainWholeNumber()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdAdd");
        FillNewTeacher(screen, typed);
        Click(screen, "cmdSave");

        if (stored == 0) {
            QCOMPARE(program.prompter.AskedTexts(),
                     QStringList("The teacher number must be a whole number from 1 to 32767, written in digits only."));
            QVERIFY(InEditMode(screen));
            QCOMPARE(TeacherCount(program), 2);
            return;
        }
        const QString number = QString::number(stored);
        QCOMPARE(program.Query("SELECT adno, adno1 FROM TabelPB WHERE name1 = 'New Teacher'"),
                 QList<QVariantList>({{number, stored}}));
        QCOMPARE(TextOf(screen, "txtADNo"), number);
        QCOMPARE(Counters(screen), QStringLiteral("3 of 3"));

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        Type(screen, "txtName", "Renamed");
        Click(screen, "cmdSave");
        QCOMPARE(Stored(program, "name1", stored), QStringLiteral("Renamed"));
        QCOMPARE(Stored(program, "name1", 1), QStringLiteral("Teacher 1"));
        QCOMPARE(TeacherCount(program), 3);
    }

    void aSavedTeacherBelowTheHighestStaysTheCurrentRow()
    {
        TestProgram program;
        program.CreateDatabase({Teacher(1), Teacher(2), Teacher(4)});
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdAdd");
        FillNewTeacher(screen, "3", "Third");
        Click(screen, "cmdSave");
        QCOMPARE(Counters(screen), QStringLiteral("3 of 4"));
        QCOMPARE(TextOf(screen, "txtName"), QStringLiteral("Third"));

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        Type(screen, "txtName", "Third Changed");
        Click(screen, "cmdSave");
        QCOMPARE(Stored(program, "name1", 3), QStringLiteral("Third Changed"));
        QCOMPARE(Stored(program, "name1", 4), QStringLiteral("Teacher 4"));
        Click(screen, "cmdNext");
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("4"));
    }

    void cancelAfterAddDropsTheNewRow()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdLast");
        Click(screen, "cmdAdd");
        FillNewTeacher(screen, "4");

        program.prompter.PlanAnswer(Answer::No);
        Click(screen, "cmdCancel");
        QCOMPARE(program.prompter.Last().text, QStringLiteral("Do you really want to cancel this update?"));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("CANCEL"));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Exclamation);
        QVERIFY(InEditMode(screen));
        QCOMPARE(TextOf(screen, "txtName"), QStringLiteral("New Teacher"));

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdCancel");
        QVERIFY(!InEditMode(screen));
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("1"));
        QCOMPARE(TextOf(screen, "Label21"), QStringLiteral("%1 Free Period(s)").arg(DefaultFreePeriods));
        QCOMPARE(Counters(screen), QStringLiteral("1 of 3"));
        QCOMPARE(TeacherCount(program), 3);
        Click(screen, "cmdLast");
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("3"));
    }

    void cancelAfterARefusedSaveLeavesTheStoreAsItWas()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdNext");
        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        Type(screen, "txtADNo", "3");
        Type(screen, "txtName", "Collides");
        Click(screen, "cmdSave");
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Teacher ID exist"));

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdCancel");
        QCOMPARE(Stored(program, "name1", 2), QStringLiteral("Teacher 2"));
        QCOMPARE(Stored(program, "name1", 3), QStringLiteral("Teacher 3"));
        QCOMPARE(TeacherCount(program), 3);
        QCOMPARE(Counters(screen), QStringLiteral("1 of 3"));
        Click(screen, "cmdNext");
        QCOMPARE(TextOf(screen, "txtName"), QStringLiteral("Teacher 2"));
    }

    void updateWithANewNumberMovesTheTeacher()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdNext");
        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        QCOMPARE(screen->focusWidget(), Find(screen, "txtADNo"));
        QCOMPARE(Find<QLineEdit>(screen, "txtADNo")->selectedText(), QStringLiteral("2"));
        Type(screen, "txtADNo", "7");
        Type(screen, "txtName", "Moved");

        Click(screen, "cmdSave");
        QCOMPARE(program.prompter.Last().title, QStringLiteral("ADD"));
        QCOMPARE(Stored(program, "name1", 2), QStringLiteral("<none>"));
        QCOMPARE(Stored(program, "name1", 7), QStringLiteral("Moved"));
        QCOMPARE(Stored(program, "adno", 7), QStringLiteral("7"));
        QCOMPARE(TeacherCount(program), 3);
        QCOMPARE(Counters(screen), QStringLiteral("3 of 3"));
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("7"));
    }

    void deleteNeverRemovesTheLastTeacher()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(1));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdDelete");
        QCOMPARE(program.prompter.AskedTexts(), QStringList {"No permision for delete Records."});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Morvane"));
        QCOMPARE(TeacherCount(program), 1);
    }

    void deleteRemovesTheShownTeacherAfterTheQuestion()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(5));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdLast");

        program.prompter.PlanAnswer(Answer::No);
        Click(screen, "cmdDelete");
        QCOMPARE(program.prompter.Last().text, QStringLiteral("Do you really want to delete the current record?"));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("DELETE"));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Exclamation);
        QCOMPARE(TeacherCount(program), 5);
        QCOMPARE(Counters(screen), QStringLiteral("5 of 5"));

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdDelete");
        QCOMPARE(program.prompter.Last().text, QStringLiteral("The record has been deleted successfully."));
        QCOMPARE(Stored(program, "name1", 5), QStringLiteral("<none>"));
        QCOMPARE(TeacherCount(program), 4);
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("1"));
        QCOMPARE(Counters(screen), QStringLiteral("1 of 4"));
    }

    void aFailingDeleteIsReportedNotCelebrated()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        program.Exec("CREATE TRIGGER keep BEFORE DELETE ON TabelPB BEGIN SELECT RAISE(ABORT, 'kept'); END");
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdLast");
        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdDelete");
        QCOMPARE(program.prompter.AskedTexts().last(), QStringLiteral("1811kept"));
        QCOMPARE(TeacherCount(program), 3);
        QCOMPARE(Counters(screen), QStringLiteral("3 of 3"));
    }

    // A search shows the found teacher without the error scan: a stored
    // timetable error keeps the class cell white and the subject cell light blue.
    void aSearchShowsAStoredTimetableErrorUnmarked()
    {
        TestProgram program;
        QList<QStringList> teachers = Teachers(3);
        SetSlot(teachers[2], 2, "10A", "0");
        program.CreateDatabase(teachers);
        auto* screen = program.Open<frmDbase>();
        program.prompter.PlanInput("3");
        Click(screen, "cmdSearch");
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("3"));
        QCOMPARE(Background(Find(screen, "Text1(2)")), WorkingColour);
        QCOMPARE(Background(Find(screen, "Text10(2)")), OffPeriodColour);
    }

    void search_data()
    {
        // clang-format off
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("counters");
        QTest::newRow("plain") << "3" << "3" << "3 of 5";
        QTest::newRow("blanks and sign") << " +3 " << "3" << "3 of 5";
        QTest::newRow("decimal form") << "3.0" << "3" << "3 of 5";
        QTest::newRow("exponent") << "3e0" << "3" << "3 of 5";
        QTest::newRow("beyond the row count") << "6" << "6" << "5 of 5";
        QTest::newRow("letters") << "abc" << "" << "";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("gap left by a delete") << "4" << "" << "";
        QTest::newRow("no such teacher") << "9" << "" << "";
        QTest::newRow("zero") << "0" << "" << "";
        QTest::newRow("negative") << "-1" << "" << "";
        QTest::newRow("fraction") << "2.5" << "" << "";
        // clang-format on
    }

    void search()
    {
        QFETCH(QString, typed);
        QFETCH(QString, found);
        QFETCH(QString, counters);
        TestProgram program;
        program.CreateDatabase({Teacher(1), Teacher(2), Teacher(3), Teacher(5), Teacher(6)});
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdNext");

        program.prompter.PlanInput(typed);
        Click(screen, "cmdSearch");
        QCOMPARE(program.prompter.inputsAsked.size(), 1);
        QCOMPARE(program.prompter.inputsAsked[0].prompt, QStringLiteral("Teacher Number: "));
        QCOMPARE(program.prompter.inputsAsked[0].title, QStringLiteral("Teacher Number"));
        QCOMPARE(program.prompter.inputsAsked[0].defaultText, QStringLiteral("1"));

        if (found.isEmpty()) {
            QCOMPARE(program.prompter.AskedTexts(), QStringList {"Please enter valid Teacher number"});
            QCOMPARE(program.prompter.Last().title, QStringLiteral("Error"));
            QCOMPARE(program.prompter.Last().icon, MessageIcon::Question);
            QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("2"));
            QCOMPARE(Counters(screen), QStringLiteral("2 of 5"));
            Click(screen, "cmdNext");
            QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("3"));
            return;
        }
        QVERIFY(program.prompter.asked.isEmpty());
        QCOMPARE(TextOf(screen, "txtADNo"), found);
        QCOMPARE(Counters(screen), counters);
        QCOMPARE(TextOf(screen, "Label21"), QStringLiteral("%1 Free Period(s)").arg(DefaultFreePeriods));

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        Type(screen, "txtName", "Found");
        Click(screen, "cmdSave");
        QCOMPARE(Stored(program, "name1", found.toInt()), QStringLiteral("Found"));
        QCOMPARE(program.Query("SELECT count(*) FROM TabelPB WHERE name1 = 'Found'")[0][0].toInt(), 1);
    }

    void cancellingTheSearchChangesNothing()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdLast");
        program.prompter.PlanInput(std::nullopt);
        Click(screen, "cmdSearch");
        QVERIFY(program.prompter.asked.isEmpty());
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("3"));
        QCOMPARE(Counters(screen), QStringLiteral("3 of 3"));
    }
};

QTEST_MAIN(tst_frmDbase_editing)
#include "tst_frmDbase_editing.moc"
