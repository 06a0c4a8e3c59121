#include "ConnectedProgram.h"
#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestFiles.h"
#include "TestProgram.h"
#include "data/ProgramSettings.h"
#include "data/TeacherRow.h"
#include "teachers/TimetableCell.h"
#include "teachers/TimetableColours.h"
#include "teachers/frmDbase.h"
#include "ui/Colours.h"
#include "ui/LockableComboBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
const QStringList BrowseOnly = {"cmdFirst",  "cmdLast",   "cmdNext",  "cmdPrevious", "cmdDelete",
                                "cmdSearch", "cmdUpdate", "cmdAtten", "cmdBackup",   "cmdExit"};
const QStringList AlwaysOn = {"Command3", "Command4", "Command6"};
const QStringList RecordFields = {"txtADNo", "txtName", "txtComName", "txtSubj", "txtClass"};

QColor CellColour(const QWidget* screen, const QString& array, int slot)
{
    return Background(Find(screen, Cell(array, slot)));
}

int CellsOfColour(const QWidget* screen, const QString& array, const QColor& colour)
{
    int count = 0;
    for (int slot = 0; slot < SlotCount; ++slot)
        count += CellColour(screen, array, slot) == colour ? 1 : 0;
    return count;
}

void VerifyMode(const QWidget* screen, bool edit)
{
    for (const QString& name : BrowseOnly)
        QVERIFY2(Find(screen, name)->isEnabled() == !edit, qPrintable(name));
    for (const QString& name : AlwaysOn)
        QVERIFY2(Find(screen, name)->isEnabled(), qPrintable(name));
    QCOMPARE(Find(screen, "cmdAdd")->isHidden(), edit);
    QCOMPARE(Find(screen, "cmdSave")->isHidden(), !edit);
    QCOMPARE(Find(screen, "cmdCancel")->isEnabled(), edit);
    for (const QString& name : RecordFields)
        QVERIFY2(Find<QLineEdit>(screen, name)->isReadOnly() == !edit, qPrintable(name));
    for (int slot = 0; slot < SlotCount; ++slot) {
        QCOMPARE(Find<QLineEdit>(screen, Cell("Text1", slot))->isReadOnly(), !edit);
        QCOMPARE(Find<QLineEdit>(screen, Cell("Text10", slot))->isReadOnly(), !edit);
    }
    QCOMPARE(Find<LockableComboBox>(screen, "txttitle")->IsLocked(), !edit);
    QCOMPARE(Find(screen, "Check1")->isEnabled(), edit);
    QCOMPARE(Find(screen, "Check2")->isEnabled(), edit);
}
}

class tst_frmDbase_browse : public QObject {
    Q_OBJECT

private slots:
    void loadShowsTheFirstTeacherWithoutMarkingErrorsAndAMoveMarksThem()
    {
        TestProgram program;
        QStringList first = Teacher(1, "Mrs.", "Anula Perera");
        SetSlot(first, 2, "10A", "0");
        SetFlags(first, "1", "0");
        first[TeacherColumn::subject] = "Science";
        first[TeacherColumn::class1] = "9B";
        first[TeacherColumn::comname] = "Anu";
        program.CreateDatabase({first, Teacher(2)});
        auto* screen = program.Open<frmDbase>();

        QCOMPARE(screen->windowTitle(), QStringLiteral("Teacher Database"));
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("1"));
        QCOMPARE(TextOf(screen, "txtAdno1"), QStringLiteral("1"));
        QCOMPARE(Find<QComboBox>(screen, "txttitle")->currentText(), QStringLiteral("Mrs."));
        QCOMPARE(TextOf(screen, "txtName"), QStringLiteral("Anula Perera"));
        QCOMPARE(TextOf(screen, "txtComName"), QStringLiteral("Anu"));
        QCOMPARE(TextOf(screen, "txtSubj"), QStringLiteral("Science"));
        QCOMPARE(TextOf(screen, "txtClass"), QStringLiteral("9B"));
        QVERIFY(Find<QCheckBox>(screen, "Check1")->isChecked());
        QVERIFY(!Find<QCheckBox>(screen, "Check2")->isChecked());
        QCOMPARE(TextOf(screen, "Text1(2)"), QStringLiteral("10A"));
        QCOMPARE(TextOf(screen, "Text10(2)"), QStringLiteral("0"));
        QCOMPARE(Counters(screen), QStringLiteral("1 of 2"));
        QCOMPARE(Find<QComboBox>(screen, "txttitle")->count(), 4);
        QCOMPARE(Find<QComboBox>(screen, "txttitle")->itemText(3), QStringLiteral("Miss."));

        QCOMPARE(CellColour(screen, "Text1", 2), WorkingColour);
        QCOMPARE(CellColour(screen, "Text10", 2), OffPeriodColour);

        Click(screen, "cmdFirst");
        QCOMPARE(CellColour(screen, "Text1", 2), TimetableErrorColour);
        QCOMPARE(CellColour(screen, "Text10", 2), TimetableErrorColour);
        QCOMPARE(screen->focusWidget(), Find(screen, "Text1(2)"));
        QCOMPARE(CellsOfColour(screen, "Text1", TimetableErrorColour), 1);
        QVERIFY(program.prompter.asked.isEmpty());
    }

    void theErrorScanMarksEveryErrorSlotAndFocusesTheLast()
    {
        TestProgram program;
        QStringList teacher = Teacher(1);
        SetSlot(teacher, 0, "0", "Maths");
        SetSlot(teacher, 30, "", "0");
        SetSlot(teacher, 31, "", "Maths");
        program.CreateDatabase({teacher});
        auto* screen = program.Open<frmDbase>();

        Click(screen, "cmdLast");
        QCOMPARE(CellColour(screen, "Text1", 0), TimetableErrorColour);
        QCOMPARE(CellColour(screen, "Text10", 30), TimetableErrorColour);
        QCOMPARE(CellColour(screen, "Text1", 31), WorkingColour);
        QCOMPARE(screen->focusWidget(), Find(screen, "Text1(30)"));
    }

    void navigationWalksNumericOrderAndNotesBothEnds()
    {
        TestProgram program;
        program.CreateDatabase({Teacher(10), Teacher(9), Teacher(1), Teacher(2)});
        auto* screen = program.Open<frmDbase>();

        Click(screen, "cmdNext");
        Click(screen, "cmdNext");
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("9"));
        QCOMPARE(Counters(screen), QStringLiteral("3 of 4"));
        Click(screen, "cmdLast");
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("10"));
        QVERIFY(program.prompter.asked.isEmpty());

        Click(screen, "cmdNext");
        QCOMPARE(program.prompter.asked.size(), 1);
        QCOMPARE(program.prompter.Last().text, QStringLiteral("This is the last record."));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Note it..."));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Exclamation);
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("10"));
        QCOMPARE(Counters(screen), QStringLiteral("4 of 4"));

        Click(screen, "cmdFirst");
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("1"));
        Click(screen, "cmdPrevious");
        QCOMPARE(program.prompter.Last().text, QStringLiteral("This is the first record."));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Note it..."));
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("1"));
        QCOMPARE(Counters(screen), QStringLiteral("1 of 4"));
        Click(screen, "cmdNext");
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("2"));
    }

    void freePeriodsAreCountedAndColoured_data()
    {
        QTest::addColumn<int>("offSlots");
        QTest::newRow("seven off") << 7;
        QTest::newRow("all off") << 40;
        QTest::newRow("none off") << 0;
    }

    void freePeriodsAreCountedAndColoured()
    {
        QFETCH(int, offSlots);
        TestProgram program;
        QStringList teacher = Teacher(1);
        for (int slot = 0; slot < SlotCount; ++slot)
            SetSlot(teacher, slot, slot < offSlots ? "0" : "8C", slot < offSlots ? "0" : "Art");
        program.CreateDatabase({teacher});
        auto* screen = program.Open<frmDbase>();

        QCOMPARE(TextOf(screen, "Label21"), QStringLiteral("%1 Free Period(s)").arg(offSlots));
        QCOMPARE(screen->FreePeriodCount(), offSlots);
        QCOMPARE(CellsOfColour(screen, "Text1", OffPeriodColour), offSlots);
        QCOMPARE(CellsOfColour(screen, "Text10", OffPeriodColour), offSlots);
        QCOMPARE(CellsOfColour(screen, "Text1", WorkingColour), SlotCount - offSlots);
    }

    void onlyAnExactZeroIsAnOffPeriod()
    {
        TestProgram program;
        QStringList teacher = Teacher(1);
        SetSlot(teacher, 0, " 0", " 0");
        SetSlot(teacher, 1, "00", "00");
        program.CreateDatabase({teacher});
        auto* screen = program.Open<frmDbase>();
        QCOMPARE(screen->FreePeriodCount(), DefaultFreePeriods);
        QCOMPARE(CellColour(screen, "Text1", 0), WorkingColour);
        QCOMPARE(CellColour(screen, "Text10", 1), WorkingColour);
    }

    void classesAreShownAndTypedInUpperCase()
    {
        TestProgram program;
        QStringList teacher = Teacher(1);
        SetSlot(teacher, 0, "10b", "maths");
        program.CreateDatabase({teacher});
        auto* screen = program.Open<frmDbase>();
        QCOMPARE(TextOf(screen, "Text1(0)"), QStringLiteral("10B"));
        QCOMPARE(TextOf(screen, "Text10(0)"), QStringLiteral("maths"));

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        auto* cell = Find<QLineEdit>(screen, "Text1(3)");
        cell->setFocus();
        cell->clear();
        QTest::keyClicks(cell, "10a");
        QCOMPARE(cell->text(), QStringLiteral("10A"));
        QCOMPARE(cell->cursorPosition(), 3);
        cell->setCursorPosition(0);
        QTest::keyClicks(cell, "g");
        QCOMPARE(cell->text(), QStringLiteral("G10A"));
        QCOMPARE(cell->cursorPosition(), 4);

        auto* subject = Find<QLineEdit>(screen, "Text10(3)");
        subject->clear();
        QTest::keyClicks(subject, "art");
        QCOMPARE(subject->text(), QStringLiteral("art"));
    }

    void theNumberIsMirroredAndEnterInTheTitleMovesToTheName()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(1));
        auto* screen = program.Open<frmDbase>();
        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");

        auto* number = Find<QLineEdit>(screen, "txtADNo");
        number->clear();
        QTest::keyClicks(number, "17");
        QCOMPARE(TextOf(screen, "txtAdno1"), QStringLiteral("17"));

        auto* title = Find<QComboBox>(screen, "txttitle");
        title->setEditText(QString());
        QTest::keyClicks(title->lineEdit(), "Dr.");
        QTest::keyClick(title->lineEdit(), Qt::Key_Return);
        QCOMPARE(title->currentText(), QStringLiteral("Dr."));
        QCOMPARE(screen->focusWidget(), Find(screen, "txtName"));
        QCOMPARE(Find<QLineEdit>(screen, "txtName")->selectedText(), QStringLiteral("Teacher 1"));
    }

    // Titles are kept exactly as typed: a lower-case "mr." is in neither the
    // gents' nor the ladies' list, so completion must not turn it into "Mr.".
    void aTitleIsKeptAsTypedAndTheLockedBoxTakesNoKey()
    {
        TestProgram program;
        QStringList teacher = Teacher(1, "mrs.");
        program.CreateDatabase({teacher});
        auto* screen = program.Open<frmDbase>();
        auto* title = Find<QComboBox>(screen, "txttitle");

        for (const int key :
             {int(Qt::Key_Return), int(Qt::Key_Down), int(Qt::Key_Up), int(Qt::Key_A), int(Qt::Key_Delete)})
            QTest::keyClick(title->lineEdit(), Qt::Key(key));
        QTest::keyClick(title->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(title->currentText(), QStringLiteral("mrs."));

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        for (const QString& typed : {QStringLiteral("mr."), QStringLiteral("mrs."), QStringLiteral("MISS.")}) {
            title->setEditText(QString());
            title->lineEdit()->setFocus();
            QTest::keyClicks(title->lineEdit(), typed);
            QTest::keyClick(title->lineEdit(), Qt::Key_Return);
            QCOMPARE(title->currentText(), typed);
        }
    }

    void theFlagsExcludeEachOther()
    {
        TestProgram program;
        QStringList both = Teacher(1);
        SetFlags(both, "1", "1");
        program.CreateDatabase({both});
        auto* screen = program.Open<frmDbase>();
        auto* attach = Find<QCheckBox>(screen, "Check1");
        auto* reliefFree = Find<QCheckBox>(screen, "Check2");
        QVERIFY(!attach->isChecked());
        QVERIFY(reliefFree->isChecked());

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        attach->click();
        QVERIFY(attach->isChecked());
        QVERIFY(!reliefFree->isChecked());
        reliefFree->click();
        QVERIFY(reliefFree->isChecked());
        QVERIFY(!attach->isChecked());
        reliefFree->click();
        QVERIFY(!reliefFree->isChecked());
        QVERIFY(!attach->isChecked());
    }

    void theTwoModesSetEveryControl()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        auto* screen = program.Open<frmDbase>();
        VerifyMode(screen, false);

        program.prompter.PlanAnswer(Answer::No);
        Click(screen, "cmdUpdate");
        VerifyMode(screen, false);

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        QCOMPARE(program.prompter.Last().text, QStringLiteral("Do you really want to modify the current record?"));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Modify"));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Exclamation);
        VerifyMode(screen, true);
        QVERIFY(program.prompter.unexpected.isEmpty());
    }

    void anEmptyTableShowsAnEmptyRecord()
    {
        TestProgram program;
        program.CreateDatabase();
        auto* screen = program.Open<frmDbase>();
        QCOMPARE(Counters(screen), QStringLiteral("0 of 0"));
        QVERIFY(TextOf(screen, "txtADNo").isEmpty());
        QVERIFY(TextOf(screen, "Text1(0)").isEmpty());
        for (const char* name :
             {"cmdFirst", "cmdPrevious", "cmdNext", "cmdLast", "cmdDelete", "cmdUpdate", "cmdSearch"})
            QVERIFY2(!Find(screen, name)->isEnabled(), name);
        QVERIFY(Find(screen, "cmdAdd")->isEnabled());
    }

    void exitAsksBeforeEndingTheProgram()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        auto* screen = program.Open<frmDbase>();
        QSignalSpy ended(&program.registry, &ScreenRegistry::programEnded);
        Click(screen, "cmdNext");

        program.prompter.PlanAnswer(Answer::No);
        Click(screen, "cmdExit");
        QCOMPARE(program.prompter.Last().text, QStringLiteral("Do you really want to Quit this Software?"));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("QUIT"));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Information);
        QCOMPARE(ended.count(), 0);
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("2"));

        program.prompter.PlanAnswer(Answer::No);
        QVERIFY(!screen->close());
        QCOMPARE(ended.count(), 0);

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdExit");
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.at(0).at(0).toInt(), 0);
        QVERIFY(program.prompter.unexpected.isEmpty());
    }

    // The close box during Add or Update first asks whether to give up the
    // edit; only then whether to quit.
    void theCloseBoxInEditModeAsksToCancelFirst()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        auto* screen = program.Open<frmDbase>();
        QSignalSpy ended(&program.registry, &ScreenRegistry::programEnded);
        Click(screen, "cmdAdd");
        Find<QLineEdit>(screen, "txtName")->setText("Unsaved");

        program.prompter.PlanAnswer(Answer::No);
        QVERIFY(!screen->close());
        QCOMPARE(program.prompter.AskedTexts(), QStringList {"Do you really want to cancel this update?"});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("CANCEL"));
        VerifyMode(screen, true);
        QCOMPARE(TextOf(screen, "txtName"), QStringLiteral("Unsaved"));

        program.prompter.PlanAnswer(Answer::Yes);
        program.prompter.PlanAnswer(Answer::No);
        QVERIFY(!screen->close());
        QCOMPARE(program.prompter.AskedTexts().mid(1),
                 QStringList(
                     {"Do you really want to cancel this update?", "Do you really want to Quit this Software?"}));
        VerifyMode(screen, false);
        QCOMPARE(Counters(screen), QStringLiteral("1 of 2"));
        QCOMPARE(ended.count(), 0);

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        program.prompter.PlanAnswer(Answer::Yes);
        program.prompter.PlanAnswer(Answer::Yes);
        screen->close();
        QCOMPARE(program.prompter.AskedTexts().size(), 6);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(program.Query("SELECT count(*) FROM TabelPB")[0][0].toInt(), 2);
        QVERIFY(program.prompter.unexpected.isEmpty());
    }

    void anUnopenableDatabaseIsReportedAndEndsTheProgram()
    {
        TestProgram program;
        WriteFile(program.DatabasePath(), QByteArray(2048, '\x7f'));
        QSignalSpy ended(&program.registry, &ScreenRegistry::programEnded);

        QCOMPARE(program.Open<frmDbase>(), nullptr);
        QCOMPARE(program.prompter.asked.size(), 1);
        QVERIFY(program.prompter.Last().text.contains(program.DatabasePath()));
        QVERIFY(program.prompter.Last().text.contains("not a database"));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Critical);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.at(0).at(0).toInt(), 1);
    }

    void aLongCellTextIsCutAtItsEndWithTheWholeTextInItsTip()
    {
        QStringList teacher = Teacher(1);
        SetSlot(teacher, 0, "11 SCIENCE A", "Limba romana aprofundat");
        TestProgram program;
        program.CreateDatabase({teacher});
        auto* screen = program.Open<frmDbase>();
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen));

        auto* subject = Find<TimetableCell>(screen, "Text10(0)");
        QCOMPARE(subject->text(), QStringLiteral("Limba romana aprofundat"));
        QVERIFY2(subject->ShownText().startsWith("Limba r") && subject->ShownText().endsWith(QChar(0x2026)),
                 qPrintable(subject->ShownText()));
        QCOMPARE(subject->toolTip(), subject->text());
        QCOMPARE(Find(screen, "Text1(0)")->toolTip(), QStringLiteral("11 SCIENCE A"));
        QCOMPARE(Find<TimetableCell>(screen, "Text10(1)")->ShownText(), QStringLiteral("Maths"));
        QCOMPARE(Find(screen, "Text10(1)")->toolTip(), QString());

        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen));
        subject->setFocus();
        QTRY_VERIFY(subject->hasFocus());
        QCOMPARE(subject->ShownText(), QStringLiteral("Limba romana aprofundat"));
    }

    // A school of six periods: the seventh and eighth are no periods.
    void periodsPastTheSchoolDayAreGreyedEmptyAndStoredOff()
    {
        ConnectedProgram fixture(Teachers(2));
        QVERIFY(ProgramSettings(fixture.connection).SetPeriodsInDay(6));
        TestProgram& program = fixture.program;
        auto* screen = program.Open<frmDbase>();
        const auto verifyGrid = [&](const QString& workingText) {
            for (int slot = 0; slot < SlotCount; ++slot) {
                for (const QString& array : {QStringLiteral("Text1"), QStringLiteral("Text10")}) {
                    auto* cell = Find<QLineEdit>(screen, Cell(array, slot));
                    const bool period = slot % PeriodsPerDay < 6;
                    QVERIFY2(cell->isEnabled() == period, qPrintable(cell->objectName()));
                    QVERIFY2(cell->text().isEmpty() != period, qPrintable(cell->objectName()));
                    if (!period)
                        QCOMPARE(Background(cell), NoPeriodBackground);
                    else if (!workingText.isEmpty())
                        QCOMPARE(cell->text(), workingText);
                }
            }
        };
        verifyGrid({});
        // Of the fixture's six off periods one falls in the eighth period.
        QCOMPARE(TextOf(screen, "Label21"), QStringLiteral("5 Free Period(s)"));

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        verifyGrid({});
        Click(screen, "cmdSave");
        QCOMPARE(program.prompter.Last().text, QStringLiteral("The record has been saved successfully."));
        const auto stored = program.Query("SELECT a15, a17, a18, s28, s58 FROM TabelPB WHERE adno1 = 1")[0];
        QCOMPARE(stored, (QVariantList {"10A", "0", "0", "0", "0"}));
        verifyGrid({});

        Click(screen, "cmdAdd");
        verifyGrid(QStringLiteral("0"));
    }
};

QTEST_MAIN(tst_frmDbase_browse)
#include "tst_frmDbase_browse.moc"
