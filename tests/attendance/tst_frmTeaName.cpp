#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "attendance/AttendanceColours.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTeaName.h"
#include "data/TeacherRow.h"
#include "ui/Colours.h"
#include "ui/DevicePrinter.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
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
        QTest::addColumn<int>("columns");
        QTest::newRow("38") << 38 << 3450 << 1;
        QTest::newRow("39") << 39 << 6705 << 2;
        QTest::newRow("76") << 76 << 6705 << 2;
        QTest::newRow("77") << 77 << 9915 << 3;
        QTest::newRow("152") << 152 << 13170 << 4;
        QTest::newRow("153") << 153 << 16185 << 5;
        QTest::newRow("190") << 190 << 16185 << 5;
        QTest::newRow("191") << 191 << 19200 << 6;
        QTest::newRow("220") << 220 << 19200 << 6;
        QTest::newRow("221 keeps the width") << 221 << 6705 << 2;
    }

    // Every column the width shows lies inside the screen, clear of its neighbour.
    void theScreenIsAsWideAsTheColumnsTheCountNeeds()
    {
        QFETCH(int, count);
        QFETCH(int, twips);
        QFETCH(int, columns);
        TestProgram program;
        auto* names = program.Open<frmTeaName>();
        names->ShowList(ListMode::AllTeachers, "40", {});
        for (const ListMode mode : {ListMode::Presence, ListMode::Absence, ListMode::AllTeachers}) {
            names->ShowList(mode, QString::number(count), {});
            QCOMPARE(names->width(), Twips(twips));
        }
        for (int column = 0; column < columns; ++column) {
            const QRect cell = Find(names, Cell("Label1", column * frmTeaName::Rows))->geometry();
            QVERIFY2(cell.left() >= 0 && cell.right() < names->width(), qPrintable(QString::number(column)));
            if (column > 0)
                QVERIFY(cell.left() > Find(names, Cell("Label1", (column - 1) * frmTeaName::Rows))->geometry().right());
        }
    }

    void theHeaderCaptionAndBackgroundFollowTheList_data()
    {
        // clang-format off
        QTest::addColumn<ListMode>("mode");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("background");
        QTest::newRow("presence") << ListMode::Presence << "Presence Teachers  40- " << "Pre: Tea: Names"
                                  << PresenceButtonColour;
        QTest::newRow("absence") << ListMode::Absence << "Absence Teachers  40- " << "Abs: Tea: Names" << AbsentColour;
        QTest::newRow("all") << ListMode::AllTeachers << "All Teachers   40- " << "All Teachers' Names"
                             << AllTeachersNamesBackground;
        // clang-format on
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
        QVERIFY(Find(names, "Label1(38)")->x() > Find(names, "Label1(0)")->x());
        names->ShowList(mode, "40", {});
        QCOMPARE(TextOf(names, "Label3"), header + Today(program));
        QCOMPARE(names->windowTitle(), caption);
        QCOMPARE(Background(names), background);
        QCOMPARE(names->width(), Twips(6705));
        for (const char* button : {"cmdMale", "cmdFemale", "cmdPrint"})
            QVERIFY2(!Find(names, button)->isHidden(), button);
        for (const char* button : {"cmdMale", "cmdFemale", "cmdPrint", "cmdHome"})
            QVERIFY2(Find(names, button)->palette().color(QPalette::Button)
                         == QApplication::palette().color(QPalette::Button),
                     button);
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
        teachers[2][TeacherColumn::adno] = "03"; // written so by an older file: the number is what counts
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
        const QStringList list = {"7.  Mr.Silva", "8.  Rev.Thero",     "9.  Mrs.Perera", "10.  Miss.Kumari",
                                  "11.  mr.Dias", "100.  Mr.Fernando", "101.  Mrs.Jaya", "102.  Dr.Who"};
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

    // A title with two long family names is common; it is cut short with "…"
    // inside its cell, and the whole name is in the cell's tooltip.
    void aLongNameStaysInsideItsCellWithTheWholeNameInItsTooltip()
    {
        TestProgram program;
        auto* names = program.Open<frmTeaName>();
        const QString name = QStringLiteral("120.  Mrs.Wickramasinghe-Jayawardena Senanayake");
        names->ShowList(ListMode::AllTeachers, "220", QStringList(220, name));
        auto* cell = Find<QLabel>(names, "Label1(219)");
        QVERIFY(cell->fontMetrics().horizontalAdvance(name) > cell->width());
        QCOMPARE(cell->text(), name);
        QCOMPARE(cell->toolTip(), name);
        QVERIFY(cell->geometry().right() < names->width());
    }

    // The printed page carries the whole screen: every column, scaled onto
    // the page without anything cut off.
    void printSendsThePictureOfTheWholeScreenAndHomeCloses()
    {
        TestProgram program;
        QPointer<frmTeaName> names = program.Open<frmTeaName>();
        QStringList list;
        for (int number = 1; number <= 220; ++number)
            list << QStringLiteral("%1.  Mr.Long Family Name %1").arg(number);
        names->ShowList(ListMode::AllTeachers, "220", list);
        Click(names, "cmdPrint");
        QCOMPARE(program.printer.printed.size(), 1);
        const QImage picture = program.printer.printed[0].convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), names->size());
        QCOMPARE(picture, names->grab().toImage().convertToFormat(QImage::Format_RGB32));

        QImage page(1123, 794, QImage::Format_RGB32);
        page.fill(Qt::white);
        const QRect placed = PaintImageOnPage(page, picture);
        QVERIFY(page.rect().contains(placed));
        QCOMPARE(placed.width(), page.width());
        const QImage expected = picture.scaled(placed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage printed = page.copy(placed);
        qint64 difference = 0;
        for (int y = 0; y < printed.height(); ++y) {
            for (int x = 0; x < printed.width(); ++x)
                difference += qAbs(qGray(printed.pixel(x, y)) - qGray(expected.pixel(x, y)));
        }
        QVERIFY(difference / (printed.width() * printed.height()) < 8);

        Click(names, "cmdHome");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(names.isNull());
    }
};

QTEST_MAIN(tst_frmTeaName)
#include "tst_frmTeaName.moc"
