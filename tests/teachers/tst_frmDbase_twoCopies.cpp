#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "teachers/frmDbase.h"

#include <QComboBox>
#include <QTest>

// Another copy of the program on the same file is played by the test program's
// own connection, which writes straight to the file.
namespace {
bool InEditMode(const QWidget* screen)
{
    return !Find(screen, "cmdSave")->isHidden();
}

QString Stored(const TestProgram& program, const QString& column, int number)
{
    const auto rows = program.Query(QStringLiteral("SELECT %1 FROM TabelPB WHERE adno1 = %2").arg(column).arg(number));
    return rows.isEmpty() ? QStringLiteral("<none>") : rows[0][0].toString();
}

int TeacherCount(const TestProgram& program)
{
    return program.Query(QStringLiteral("SELECT count(*) FROM TabelPB"))[0][0].toInt();
}

// Teacher 1 opened for Update, with a new class typed into Monday's first period.
frmDbase* UpdatingTeacherOne(TestProgram& program)
{
    program.CreateDatabase(Teachers(2));
    auto* screen = program.Open<frmDbase>();
    program.prompter.PlanAnswer(Answer::Yes);
    Click(screen, "cmdUpdate");
    Find<QLineEdit>(screen, "Text1(0)")->setText("9C");
    return screen;
}
}

class tst_frmDbase_twoCopies : public QObject {
    Q_OBJECT

private slots:
    void aSaveOverAChangeMadeElsewhereWritesNothing_data()
    {
        QTest::addColumn<Answer>("showStored");
        QTest::newRow("show the stored teacher") << Answer::Yes;
        QTest::newRow("keep the edit on screen") << Answer::No;
    }

    void aSaveOverAChangeMadeElsewhereWritesNothing()
    {
        QFETCH(Answer, showStored);
        TestProgram program;
        auto* screen = UpdatingTeacherOne(program);
        program.Exec("UPDATE TabelPB SET name1 = 'Renamed Elsewhere' WHERE adno1 = 1");

        program.prompter.PlanAnswer(showStored);
        Click(screen, "cmdSave");
        QCOMPARE(program.prompter.asked.size(), 2);
        const Question& offer = program.prompter.Last();
        QVERIFY2(offer.text.contains(
                     "Teacher 1 was changed elsewhere since you began this update, so nothing was saved."),
                 qPrintable(offer.text));
        QCOMPARE(offer.buttons, MessageButtons::YesNo);
        QCOMPARE(Stored(program, "name1", 1), QStringLiteral("Renamed Elsewhere"));
        QCOMPARE(Stored(program, "a11", 1), QStringLiteral("6A"));

        if (showStored == Answer::Yes) {
            QVERIFY(!InEditMode(screen));
            QCOMPARE(TextOf(screen, "txtName"), QStringLiteral("Renamed Elsewhere"));
            QCOMPARE(TextOf(screen, "Text1(0)"), QStringLiteral("6A"));
            QCOMPARE(Counters(screen), QStringLiteral("1 of 2"));
        } else {
            QVERIFY(InEditMode(screen));
            QCOMPARE(TextOf(screen, "txtName"), QStringLiteral("Teacher 1"));
            QCOMPARE(TextOf(screen, "Text1(0)"), QStringLiteral("9C"));
        }
    }

    void aChangeElsewhereToAnotherTeacherLetsTheSaveThrough()
    {
        TestProgram program;
        auto* screen = UpdatingTeacherOne(program);
        program.Exec("UPDATE TabelPB SET name1 = 'Renamed Elsewhere' WHERE adno1 = 2");

        Click(screen, "cmdSave");
        QCOMPARE(program.prompter.Last().text, QStringLiteral("The record has been saved successfully."));
        QCOMPARE(Stored(program, "a11", 1), QStringLiteral("9C"));
        QCOMPARE(Stored(program, "name1", 2), QStringLiteral("Renamed Elsewhere"));
        QVERIFY(!InEditMode(screen));
    }

    void aSaveOverATeacherDeletedElsewhereAddsNothing()
    {
        TestProgram program;
        auto* screen = UpdatingTeacherOne(program);
        program.Exec("DELETE FROM TabelPB WHERE adno1 = 1");

        Click(screen, "cmdSave");
        QVERIFY2(program.prompter.Last().text.startsWith(
                     "Teacher 1 was deleted elsewhere since you began this update, so nothing was saved."),
                 qPrintable(program.prompter.Last().text));
        QCOMPARE(TeacherCount(program), 1);
        QVERIFY(InEditMode(screen));
        QCOMPARE(TextOf(screen, "Text1(0)"), QStringLiteral("9C"));
    }

    void aDeleteOfATeacherChangedElsewhereDeletesNothing_data()
    {
        QTest::addColumn<Answer>("showStored");
        QTest::newRow("show the stored teacher") << Answer::Yes;
        QTest::newRow("keep the screen") << Answer::No;
    }

    void aDeleteOfATeacherChangedElsewhereDeletesNothing()
    {
        QFETCH(Answer, showStored);
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdNext");
        program.Exec("UPDATE TabelPB SET a58 = '11B' WHERE adno1 = 2");

        program.prompter.PlanAnswer(Answer::Yes);
        program.prompter.PlanAnswer(showStored);
        Click(screen, "cmdDelete");
        QVERIFY2(program.prompter.Last().text.contains(
                     "Teacher 2 was changed elsewhere since it was shown, so it was not deleted."),
                 qPrintable(program.prompter.Last().text));
        QVERIFY(!program.prompter.AskedTexts().contains("The record has been deleted successfully."));
        QCOMPARE(TeacherCount(program), 3);
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("2"));
        QCOMPARE(TextOf(screen, "Text1(39)"),
                 showStored == Answer::Yes ? QStringLiteral("11B") : QStringLiteral("10A"));
        QCOMPARE(Counters(screen), QStringLiteral("2 of 3"));
    }

    void aDeleteOfATeacherDeletedElsewhereSaysSo()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdLast");
        program.Exec("DELETE FROM TabelPB WHERE adno1 = 3");

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdDelete");
        QCOMPARE(program.prompter.AskedTexts().last(), QStringLiteral("Teacher 3 had already been deleted elsewhere."));
        QVERIFY(!program.prompter.AskedTexts().contains("The record has been deleted successfully."));
        QCOMPARE(TeacherCount(program), 2);
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("1"));
        QCOMPARE(Counters(screen), QStringLiteral("1 of 2"));
    }

    void twoCopiesAddingTheSameNumberKeepTheFirst()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdAdd");
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("3"));
        QStringList first = Teacher(3, "Mr.", "Added Elsewhere");
        program.Exec(QStringLiteral("INSERT INTO TabelPB VALUES (%1)").arg(QStringList(89, "?").join(',')),
                     QVariantList(first.begin(), first.end()));
        Find<QComboBox>(screen, "txttitle")->setEditText("Mrs.");
        Find<QLineEdit>(screen, "txtName")->setText("Added Here");

        Click(screen, "cmdSave");
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Teacher ID exist"));
        QCOMPARE(Stored(program, "name1", 3), QStringLiteral("Added Elsewhere"));
        QCOMPARE(TeacherCount(program), 3);
        QVERIFY(InEditMode(screen));
    }
};

QTEST_MAIN(tst_frmDbase_twoCopies)
#include "tst_frmDbase_twoCopies.moc"
