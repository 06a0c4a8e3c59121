#include "ReportChecks.h"
#include "report/Pagination.h"
#include "report/Report.h"
#include "report/ReportFont.h"
#include "report/ReportLayout.h"
#include "report/ReportPainter.h"
#include "report/ReportPreview.h"

#include <QFontMetricsF>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A page plan as text, e.g. "RH@0 PH@300 D0@500 PF@900": the bands with their tops.
QString Describe(const PagePlan& plan)
{
    QStringList bands;
    for (const PlacedBand& band : plan) {
        QString kind;
        switch (band.kind) {
        case BandKind::ReportHeader: kind = "RH"; break;
        case BandKind::PageHeader: kind = "PH"; break;
        case BandKind::Detail: kind = "D" + QString::number(band.row); break;
        case BandKind::PageFooter: kind = "PF"; break;
        case BandKind::ReportFooter: kind = "RF"; break;
        }
        bands << kind + "@" + QString::number(band.top);
    }
    return bands.join(' ');
}

QStringList Describe(const QList<PagePlan>& pages)
{
    QStringList described;
    for (const PagePlan& page : pages)
        described << Describe(page);
    return described;
}

Band TextBand(int height, const QString& name, const QString& text)
{
    return {height, {TextItem(name, QRect(100, 10, 2000, height - 20), text, ReportFont(10))}};
}

// A report with a header, page numbers in the page footer and one row per text.
Report NumberedReport(const QStringList& rows, int rowHeight)
{
    Report report;
    report.name = "DRT";
    report.title = "Test Report";
    report.reportHeader = TextBand(1000, "Title", "Title");
    report.pageHeader = TextBand(400, "Heading", "Heading %p");
    for (const QString& row : rows)
        report.details << TextBand(rowHeight, "Row", row);
    report.pageFooter = {400,
                         {TextItem("Page", QRect(0, 50, 3000, 300), "Page %p of %P", ReportFont(9)),
                          LineItem("Rule", QPoint(0, 0), QPoint(report.BodyWidth(), 0))}};
    report.reportFooter = TextBand(300, "End", "End");
    return report;
}

}

class tst_report_engine : public QObject {
    Q_OBJECT

private slots:
    void paginationPlacesBandsWithoutSplittingThem_data()
    {
        QTest::addColumn<int>("reportHeader");
        QTest::addColumn<QList<int>>("details");
        QTest::addColumn<int>("reportFooter");
        QTest::addColumn<QStringList>("pages");

        // Pages 1000 high, page header 100, page footer 100: rows end at 900 at the latest.
        QTest::newRow("no rows") << 200 << QList<int> {} << 0 << QStringList {"RH@0 PH@200 PF@900"};
        QTest::newRow("rows on one page, the last ending at the footer")
            << 200 << QList<int> {300, 300} << 0 << QStringList {"RH@0 PH@200 D0@300 D1@600 PF@900"};
        QTest::newRow("a row that would cross the footer starts the next page")
            << 200 << QList<int> {300, 300, 300} << 0
            << QStringList {"RH@0 PH@200 D0@300 D1@600 PF@900", "PH@0 D2@100 PF@900"};
        QTest::newRow("rows of different heights")
            << 0 << QList<int> {500, 400, 100, 700} << 0
            << QStringList {"PH@0 D0@100 PF@900", "PH@0 D1@100 D2@500 PF@900", "PH@0 D3@100 PF@900"};
        QTest::newRow("a row taller than a page has a page of its own")
            << 0 << QList<int> {200, 1500, 200} << 0
            << QStringList {"PH@0 D0@100 PF@900", "PH@0 D1@100 PF@900", "PH@0 D2@100 PF@900"};
        QTest::newRow("the report footer follows the last row")
            << 0 << QList<int> {300} << 200 << QStringList {"PH@0 D0@100 RF@400 PF@900"};
        QTest::newRow("a report footer without room goes to a new page")
            << 0 << QList<int> {700} << 200 << QStringList {"PH@0 D0@100 PF@900", "PH@0 RF@100 PF@900"};
    }

    void paginationPlacesBandsWithoutSplittingThem()
    {
        QFETCH(int, reportHeader);
        QFETCH(QList<int>, details);
        QFETCH(int, reportFooter);
        QFETCH(QStringList, pages);
        const BandHeights heights {reportHeader, 100, details, 100, reportFooter};
        QCOMPARE(Describe(Paginate(heights, 1000)), pages);
    }

    void bandsWithoutHeaderOrFooterFillWholePages()
    {
        const BandHeights heights {0, 0, {500, 500, 500}, 0, 0};
        QCOMPARE(Describe(Paginate(heights, 1000)), (QStringList {"D0@0 D1@500", "D2@0"}));
    }

    void layoutNumbersEveryPageAndMovesItemsToTheirBand()
    {
        // Rows of 3000 twips: four on a page with the header and footer.
        const Report report = NumberedReport({"1", "2", "3", "4", "5", "6", "7", "8", "9", "%p stays"}, 3000);
        const int height = report.BodyHeight();
        QVERIFY(height > 1400 + 4 * 3000 + 400 && height < 1400 + 5 * 3000 + 400);
        const LaidOutReport laidOut = LayOut(report);

        QCOMPARE(laidOut.pages.size(), 3);
        QCOMPARE(Texts(laidOut.pages[0]), (QStringList {"Title", "Heading 1", "1", "2", "3", "4", "Page 1 of 3"}));
        QCOMPARE(Texts(laidOut.pages[1]), (QStringList {"Heading 2", "5", "6", "7", "8", "Page 2 of 3"}));
        QCOMPARE(Texts(laidOut.pages[2]), (QStringList {"Heading 3", "9", "%p stays", "End", "Page 3 of 3"}));

        const QList<ReportItem>& first = laidOut.pages[0].items;
        QCOMPARE(first[0].rect, QRect(100, 10, 2000, 980));
        QCOMPARE(first[1].rect.top(), 1000 + 10);
        QCOMPARE(first[2].rect.top(), 1400 + 10);
        QCOMPARE(first[5].rect.top(), 1400 + 3 * 3000 + 10);
        QCOMPARE(first[6].rect.top(), height - 400 + 50);
        QCOMPARE(first[7].rect.topLeft(), QPoint(0, height - 400));
        QCOMPARE(first[7].LineEnd(), QPoint(report.BodyWidth(), height - 400));
        QCOMPARE(laidOut.pages[1].items[0].rect.top(), 10);
    }

    void aTextTooLongForItsPlaceIsSetSmallerDownToTwoThirds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("widthShare");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("smallest");
        QTest::addColumn<int>("largest");
        // The place's width as a share of the text's width on one line, its height in lines.
        QTest::newRow("fits") << "Nimal Dias" << 1.2 << 1 << 180 << 180;
        QTest::newRow("wraps onto a second line") << "Kumari Wickramasinghe Jayawardena" << 0.8 << 2 << 180 << 180;
        QTest::newRow("a word too long for one line") << "Jayawardenepura" << 0.8 << 2 << 121 << 179;
        QTest::newRow("no smaller than two thirds") << "Jayawardenepura" << 0.3 << 1 << 120 << 120;
    }

    void aTextTooLongForItsPlaceIsSetSmallerDownToTwoThirds()
    {
        QFETCH(QString, text);
        QFETCH(double, widthShare);
        QFETCH(int, lines);
        QFETCH(int, smallest);
        QFETCH(int, largest);
        const QFont font = ReportFont(9);
        const QFontMetricsF metrics(font);
        const QRect place(0, 0, int(TextWidth(font, text) * widthShare),
                          int(std::ceil(metrics.lineSpacing() * lines)) + 5);

        const QFont fitted = FittingFont(TextItem("Name", place, text, font));

        QVERIFY2(fitted.pixelSize() >= smallest && fitted.pixelSize() <= largest,
                 qPrintable(QString::number(fitted.pixelSize())));
        if (smallest > 120) {
            const QRectF needed = QFontMetricsF(fitted).boundingRect(QRectF(place), Qt::TextWordWrap, text);
            QVERIFY(needed.width() <= place.width() && needed.height() <= place.height());
        }
    }

    void everyPageIsDrawnOnTheDevice()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("report.pdf");
        const LaidOutReport laidOut = LayOut(NumberedReport(QStringList(40, "A row with a long text"), 1000));
        QCOMPARE(laidOut.pages.size(), 3);
        QVERIFY(WritePdf(laidOut, path));
        QCOMPARE(PdfPageCount(path), 3);
    }

    void aReportHasOneNonModalPreviewThatShowingAgainBindsAnew()
    {
        QWidget owner;
        ReportPreview* first = ReportPreview::Show(NumberedReport({"1"}, 1000), owner);
        QCOMPARE(first->objectName(), QStringLiteral("DRT"));
        QCOMPARE(first->windowTitle(), QStringLiteral("Test Report"));
        QVERIFY(first->isVisible());
        QVERIFY(!first->isModal());
        QCOMPARE(first->findChild<QPrintPreviewWidget*>()->pageCount(), 1);

        ReportPreview* again = ReportPreview::Show(NumberedReport(QStringList(40, "row"), 1000), owner);
        QCOMPARE(again, first);
        QCOMPARE(first->Shown().pages.size(), 3);
        QCOMPARE(first->findChild<QPrintPreviewWidget*>()->pageCount(), 3);

        Report other = NumberedReport({"1"}, 1000);
        other.name = "DRU";
        QVERIFY(ReportPreview::Show(other, owner) != first);

        // Closed by the operator, the window is hidden and shows the next report.
        first->close();
        QVERIFY(!first->isVisible());
        ReportPreview* reopened = ReportPreview::Show(NumberedReport({"1"}, 1000), owner);
        QCOMPARE(reopened, first);
        QVERIFY(reopened->isVisible());
        QCOMPARE(reopened->findChild<QPrintPreviewWidget*>()->pageCount(), 1);
    }
};

QTEST_MAIN(tst_report_engine)
#include "tst_report_engine.moc"
