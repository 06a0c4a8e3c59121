#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "attendance/AttendanceColours.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTeaName.h"
#include "data/TeacherRow.h"
#include "ui/Colours.h"
#include "ui/Twips.h"

#include <QLocale>
#include <QPointer>
#include <QTest>

namespace {
QString Today(const TestProgram& program)
{
    return QLocale::system().toString(program.clock.Today(), QLocale::ShortFormat);
}

QColor NameColour(const QWidget* names, int cell)
{
    return TextColour(Find(names, Cell("Label1", cell)));
}
}

class tst_frmTeaName : public QObject {
    Q_OBJECT

private slots:
    void theScreenIsAsWideAsTheColumnsTheCountNeeds_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("twips");
        QTest::newRow("38") << 38 << 3450;
        QTest::newRow("39") << 39 << 6705;
        QTest::newRow("76") << 76 << 6705;
        QTest::newRow("77") << 77 << 9915;
        QTest::newRow("152") << 152 << 13170;
        QTest::newRow("153") << 153 << 16185;
        QTest::newRow("190") << 190 << 16185;
        QTest::newRow("191") << 191 << 19200;
        QTest::newRow("220") << 220 << 19200;
        QTest::newRow("221 keeps the width") << 221 << 6705;
    }

    void theScreenIsAsWideAsTheColumnsTheCountNeeds()
    {
        QFETCH(int, count);
        QFETCH(int, twips);
        TestProgram program;
        auto* names = program.Open<frmTeaName>();
        names->ShowList(ListMode::AllTeachers, "40", {});
        for (const ListMode mode : {ListMode::Presence, ListMode::Absence, ListMode::AllTeachers}) {
            names->ShowList(mode, QString::number(count), {});
            QCOMPARE(names->width(), Twips(twips));
        }
    }

    void theHeaderCaptionAndBackgroundFollowTheList_data()
    {
        QTest::addColumn<ListMode>("mode");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("background");
        QTest::newRow("presence") << ListMode::Presence << "Presence Teachers  40- " << "Pre: Tea: Names"
                                  << PresenceButtonColour;
        QTest::newRow("absence") << ListMode::Absence << "Absence Teachers  40- " << "Abs: Tea: Names" << AbsentColour;
        QTest::newRow("all") << ListMode::AllTeachers << "All Teachers   40- " << "All Teachers' Names"
                             << AllTeachersNamesBackground;
    }

    void theHeaderCaptionAndBackgroundFollowTheList()
    {
        QFETCH(ListMode, mode);
        QFETCH(QString, header);
        QFETCH(QString, caption);
        QFETCH(QColor, background);
        TestProgram program;
        auto* names = program.Open<frmTeaName>();
        QVERIFY(Find(names, "cmdPrint")->isHidden());
        QCOMPARE(Find(names, "Label1(37)")->x(), Find(names, "Label1(0)")->x());
        QCOMPARE(Find(names, "Label1(38)")->y(), Find(names, "Label1(0)")->y());
        QCOMPARE(Find(names, "Label1(38)")->x() - Find(names, "Label1(0)")->x(), Twips(3240));
        QCOMPARE(Find(names, "Label1(227)")->x(), Find(names, "Label1(0)")->x() + 5 * Twips(3240));
        names->ShowList(mode, "40", {});
        QCOMPARE(TextOf(names, "Label3"), header + Today(program));
        QCOMPARE(names->windowTitle(), caption);
        QCOMPARE(Background(names), background);
        QCOMPARE(names->width(), Twips(6705));
        for (const char* button : {"cmdMale", "cmdFemale", "cmdPrint"})
            QVERIFY2(!Find(names, button)->isHidden(), button);
        auto* label = Find<QLabel>(names, "Label3");
        QVERIFY(qAbs(label->x() - (names->width() - label->width()) / 2) <= 1);

        names->ShowList(mode, "5", {});
        QCOMPARE(names->width(), Twips(3450));
        QVERIFY(label->x() >= 0);
        QVERIFY(label->x() + label->width() <= names->width());
        QVERIFY(label->y() + label->height() <= Find(names, "Label1(0)")->y());
    }

    void namesComeFromTheBoardsListAndReplaceAnEarlierOne()
    {
        TestProgram program;
        QList<QStringList> teachers = Teachers(10);
        SetFlags(teachers[6], "1", "0");
        teachers[2][TeacherColumn::title] = "Miss.";
        program.CreateDatabase(teachers);
        auto* board = program.Open<frmAtten>();

        Click(board, "cmdClear");
        Click(board, "cmdClear");
        Click(board, "cmdAllT");
        Click(board, "cmdDisplay");
        auto* names = program.registry.Find<frmTeaName>();
        QVERIFY(names);
        QCOMPARE(TextOf(names, "Label1(0)"), QStringLiteral("1.  Mr.Teacher 1"));
        QCOMPARE(TextOf(names, "Label1(2)"), QStringLiteral("3.  Miss.Teacher 3"));
        QCOMPARE(TextOf(names, "Label1(9)"), QStringLiteral("10.  Mr.Teacher 10"));
        QCOMPARE(TextOf(names, "Label3"), "All Teachers   10- " + Today(program));

        Click(board, "cmdClear");
        Click(board, "Check1(1)");
        Click(board, "Check1(6)");
        Click(board, "cmdPres");
        Click(board, "cmdDisplay");
        QCOMPARE(program.registry.Find<frmTeaName>(), names);
        QCOMPARE(TextOf(names, "Label3"), "Presence Teachers  8- " + Today(program));
        QCOMPARE(TextOf(names, "Label1(0)"), QStringLiteral("1.  Mr.Teacher 1"));
        QCOMPARE(TextOf(names, "Label1(1)"), QStringLiteral("3.  Miss.Teacher 3"));
        QCOMPARE(TextOf(names, "Label1(7)"), QStringLiteral("10.  Mr.Teacher 10"));
        QCOMPARE(TextOf(names, "Label1(8)"), QString());
        QCOMPARE(TextOf(names, "Label1(9)"), QString());
    }

    void gentsAndLadiesAreMarkedByTheTitle()
    {
        TestProgram program;
        auto* names = program.Open<frmTeaName>();
        const QStringList list = {"7.  Mr.Silva",  "8.  Rev.Thero", "9.  Mrs.Perera", "10.  Miss.Kumari",
                                  "11.  mr.Dias",  "100.  Mr.Fernando", "101.  Mrs.Jaya", "102.  Dr.Who"};
        names->ShowList(ListMode::AllTeachers, "8", list);
        const QList<bool> gents = {true, true, false, false, false, true, false, false};
        const QList<bool> ladies = {false, false, true, true, false, false, true, false};

        Click(names, "cmdMale");
        for (int cell = 0; cell < list.size(); ++cell)
            QCOMPARE(NameColour(names, cell), gents[cell] ? MarkedNameColour : QColor(Qt::black));
        Click(names, "cmdFemale");
        for (int cell = 0; cell < list.size(); ++cell)
            QCOMPARE(NameColour(names, cell), ladies[cell] ? MarkedNameColour : QColor(Qt::black));
    }

    void printSendsAPictureOfTheScreenAndHomeCloses()
    {
        TestProgram program;
        QPointer<frmTeaName> names = program.Open<frmTeaName>();
        names->ShowList(ListMode::AllTeachers, "50", {"1.  Mr.Silva"});
        Click(names, "cmdPrint");
        QCOMPARE(program.printer.printed.size(), 1);
        QCOMPARE(program.printer.printed[0].size(), names->size());

        Click(names, "cmdHome");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(names.isNull());
    }
};

QTEST_MAIN(tst_frmTeaName)
#include "tst_frmTeaName.moc"
