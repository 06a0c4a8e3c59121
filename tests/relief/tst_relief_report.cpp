#include "ConnectedProgram.h"
#include "ReportChecks.h"
#include "TestFiles.h"
#include "relief/PrintAndSave.h"
#include "relief/ReliefReport.h"
#include "report/ReportLayout.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
ReliefRecord Relief(const QString& absent, const QString& grade, const QString& period, const QString& relief,
                    const QString& reliefNumber)
{
    ReliefRecord record;
    record.fields = {absent, "Mrs. Absent " + absent, grade, period, relief, "Maths", "Sci", reliefNumber, ""};
    return record;
}

QList<ReliefRecord> Reliefs(int count, const QString& name = "Relief Teacher")
{
    QList<ReliefRecord> rows;
    for (int row = 1; row <= count; ++row)
        rows << Relief(QString::number(row), "7A", "1st", name, QString::number(row));
    return rows;
}

const QStringList Headings = {"Tea.No",  "Teacher Name", "Period",          "Grade",
                              "Subject", "Tea.No.",      "Absence Teacher", "Signature"};
const QStringList Footer = {"*", "= Group Subjects", "Page"};

QStringList Line(const ReliefRecord& row)
{
    return {row[ReliefRecord::TeaNoP],    row[ReliefRecord::PresenceTea], row[ReliefRecord::Period],
            row[ReliefRecord::Grade],     row[ReliefRecord::Subject],     row[ReliefRecord::TeaNo],
            row[ReliefRecord::AbsenceTea]};
}

QStringList PageNumbers(int page, int pages)
{
    return {QString::number(page), "of", QString::number(pages)};
}
}

class tst_relief_report : public QObject {
    Q_OBJECT

private slots:
    void printAndSaveListsTheStoredReliefsByReliefTeacherNumber()
    {
        ConnectedProgram fixture;
        const QList<ReliefRecord> rows = {Relief("3", "10A*", "2nd", "Mr. Ten", "10"),
                                          Relief("12", "6B", "1st", "Mrs. Two", "2"), Relief("3", "9C", "5th", "", ""),
                                          Relief("1", "8A", "3rd", "Miss. One", "1")};
        const PrintAndSaveResult result = PrintAndSave(fixture.connection, rows, fixture.program.clock.Today(),
                                                       {"Royal Vale College", "N/A"}, fixture.program.registry);

        QCOMPARE(result.rowsInTable.value_or(-1), 4);
        QVERIFY(result.saved);
        QVERIFY(result.report);
        const LaidOutReport report = LayOut(*result.report);
        QCOMPARE(report.name, QStringLiteral("DR1"));
        QCOMPARE(report.pages.size(), 1);
        const QStringList expected = QStringList {"Royal Vale College", "Relief Teachers list", "4 Record(s)",
                                                  "Thursday, 10 December 2026"}
            + Headings + QStringList {"0", "Helper (Volunteer)", "5th", "9C", "Maths", "3", "Mrs. Absent 3"}
            + QStringList {"1", "Miss. One", "3rd", "8A", "Maths", "1", "Mrs. Absent 1"}
            + QStringList {"2", "Mrs. Two", "1st", "6B", "Maths", "12", "Mrs. Absent 12"}
            + QStringList {"10", "Mr. Ten", "2nd", "10A*", "Maths", "3", "Mrs. Absent 3"} + Footer + PageNumbers(1, 1);
        QCOMPARE(Texts(report.pages[0]), expected);
        QVERIFY(Named(report.pages[0], "Image3").isEmpty());
        QVERIFY(fixture.program.prompter.asked.isEmpty());
    }

    // Each field stands under its heading, each line has its rule under it,
    // and the lines follow one another down the page.
    void theColumnsLineUpUnderTheirHeadings()
    {
        const LaidOutReport report = LayOut(ReliefTeachersList(Reliefs(3), {"School", ""}, QDate(2026, 12, 10)));
        const ReportPage& page = report.pages[0];
        const QStringList headings = {"Label10", "Label2", "Label12", "Label4", "Label5", "Label1", "Label3"};
        const QStringList fields = {"Text7", "Text2", "Text3", "Text4", "Text5", "Text1", "Text6"};
        const QList<int> lefts = {0, 720, 3168, 4032, 4752, 6048, 6768};
        const QRect box = Named(page, "Shape1").at(0).rect;
        const QList<ReportItem> rules = Named(page, "Line2");
        QCOMPARE(rules.size(), 3);
        for (int column = 0; column < fields.size(); ++column) {
            const ReportItem heading = Named(page, headings[column]).at(0);
            QVERIFY(box.contains(heading.rect));
            const QList<ReportItem> cells = Named(page, fields[column]);
            QCOMPARE(cells.size(), 3);
            for (int line = 0; line < cells.size(); ++line) {
                QCOMPARE(cells[line].rect.left(), heading.rect.left());
                QVERIFY(cells[line].rect.left() >= lefts[column]);
                QVERIFY(cells[line].rect.right() < (column + 1 < lefts.size() ? lefts[column + 1] : 9792));
                QVERIFY(cells[line].rect.top() > (line == 0 ? box.bottom() : rules[line - 1].rect.top()));
                QVERIFY(cells[line].rect.bottom() < rules[line].rect.top());
            }
        }
        QCOMPARE(Named(page, "Label11").at(0).rect.left(), 9792 + 60);
        QCOMPARE(rules[0].LineEnd().x(), report.body.width());
        QVERIFY2(report.body.width() - 9792 >= 1417, "the signature column is narrower than 25 mm");
    }

    void aLongListRunsOverPagesWithHeadingsAndPageNumbersOnEach()
    {
        const QList<ReliefRecord> rows = Reliefs(70);
        const LaidOutReport report = LayOut(ReliefTeachersList(rows, {"School", "N/A"}, QDate(2026, 12, 10)));
        QCOMPARE(report.pages.size(), 3);
        VerifyWithinPages(report);
        int next = 0;
        for (int index = 0; index < report.pages.size(); ++index) {
            QStringList texts = Texts(report.pages[index]);
            if (index == 0)
                texts = texts.mid(4);
            QCOMPARE(texts.mid(0, Headings.size()), Headings);
            QCOMPARE(texts.mid(texts.size() - 6), Footer + PageNumbers(index + 1, 3));
            const QStringList lines = texts.mid(Headings.size(), texts.size() - Headings.size() - 6);
            QCOMPARE(lines.size() % 7, 0);
            for (int line = 0; line < lines.size() / 7; ++line)
                QCOMPARE(lines.mid(line * 7, 7), Line(rows[next++]));
        }
        QCOMPARE(next, 70);
    }

    void theLogoIsPrintedOnlyWhenItsFileIsAPicture_data()
    {
        // clang-format off
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("printed");
        QTest::newRow("no logo") << "N/A" << false;
        QTest::newRow("no path") << "" << false;
        QTest::newRow("missing file") << "missing.png" << false;
        QTest::newRow("not a picture") << "notes.png" << false;
        QTest::newRow("a picture") << "logo.png" << true;
        // clang-format on
    }

    void theLogoIsPrintedOnlyWhenItsFileIsAPicture()
    {
        QTemporaryDir folder;
        QFETCH(QString, file);
        QFETCH(bool, printed);
        QImage logo(300, 200, QImage::Format_RGB32);
        logo.fill(Qt::darkGreen);
        QVERIFY(logo.save(folder.filePath("logo.png")));
        WriteFile(folder.filePath("notes.png"), "Not a picture, though named like one.");
        const QString path = file.endsWith(".png") ? folder.filePath(file) : file;

        const LaidOutReport report = LayOut(ReliefTeachersList(Reliefs(1), {"School", path}, QDate(2026, 12, 10)));

        const QList<ReportItem> images = Named(report.pages[0], "Image3");
        QCOMPARE(images.size(), printed ? 1 : 0);
        if (printed) {
            QCOMPARE(images[0].rect, QRect(0, 0, 1440, 1590));
            QCOMPARE(images[0].image.convertToFormat(QImage::Format_RGB32), logo);
        }
        QCOMPARE(Texts(report.pages[0]).first(), QStringLiteral("School"));
    }

    void anEmptyListEmptiesTheTableAndListsNoReliefs()
    {
        ConnectedProgram fixture;
        QVERIFY(
            PrintAndSave(fixture.connection, Reliefs(3), fixture.program.clock.Today(), {}, fixture.program.registry)
                .report);

        const PrintAndSaveResult result = PrintAndSave(fixture.connection, {}, fixture.program.clock.Today(), {},
                                                       fixture.program.registry);

        QCOMPARE(result.rowsInTable.value_or(-1), 0);
        QVERIFY(fixture.program.Query("SELECT * FROM reltable").isEmpty());
        QVERIFY(result.report);
        const LaidOutReport report = LayOut(*result.report);
        QCOMPARE(report.pages.size(), 1);
        QCOMPARE(Texts(report.pages[0]).mid(0, 4 + Headings.size()),
                 QStringList({"", "Relief Teachers list", "0 Record(s)", "Thursday, 10 December 2026"}) + Headings);
    }

    void aListWithLongNamesRendersToPdf()
    {
        QTemporaryDir folder;
        QImage logo(400, 440, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        QVERIFY(logo.save(folder.filePath("logo.png")));
        const LaidOutReport report = LayOut(
            ReliefTeachersList(Reliefs(40, "Wickramasinghe-Jayawardena Kumarihamy Anula"),
                               {"Sri Sumangala Maha Vidyalaya, Panadura", folder.filePath("logo.png")},
                               QDate(2026, 12, 10)));
        VerifyWithinPages(report);
        const QString path = folder.filePath("DR1.pdf");
        QVERIFY(WritePdf(report, path));
        QCOMPARE(PdfPageCount(path), 2);
    }
};

QTEST_MAIN(tst_relief_report)
#include "tst_relief_report.moc"
