#include "ConnectedProgram.h"
#include "ReportChecks.h"
#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "attendance/frmAtten.h"
#include "data/ReliefStore.h"
#include "import/Csv.h"
#include "relief/frmHistory.h"
#include "relief/frmLoad.h"
#include "report/ReportPreview.h"
#include "teachers/frmDbase.h"

#include <QDateEdit>
#include <QDir>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

namespace {
const QDate Monday(2026, 12, 7);
const QDate Tuesday(2026, 12, 8);
const QDate Wednesday(2026, 12, 9);

ReliefRecord Relief(const QString& absent, const QString& grade, const QString& reliefNumber)
{
    ReliefRecord record;
    record[ReliefRecord::TeaNo] = absent;
    record[ReliefRecord::AbsenceTea] = "Mr. Teacher " + absent;
    record[ReliefRecord::Grade] = grade;
    record[ReliefRecord::Period] = "1st";
    if (!reliefNumber.isEmpty()) {
        record[ReliefRecord::PresenceTea] = "Teacher " + reliefNumber;
        record[ReliefRecord::Subject] = "Maths";
        record[ReliefRecord::ComName] = "Art";
        record[ReliefRecord::TeaNoP] = reliefNumber;
    }
    return record;
}

// Monday's set: two reliefs, the later one by the lower relief teacher
// number; Wednesday's: one lesson left to a helper, with a class that a
// spreadsheet would take for a formula.
struct History : ConnectedProgram {
    History()
        : ConnectedProgram(Teachers(6))
    {
        ReliefStore store(connection);
        QCOMPARE(store.Replace({Relief("1", "6A", "5"), Relief("2", "7B", "3")}, Monday).status,
                 ReliefSaveResult::Status::Saved);
        QCOMPARE(store.Replace({Relief("4", "=1+1", "")}, Wednesday).status, ReliefSaveResult::Status::Saved);
        program.clock.now = QDateTime(QDate(2026, 12, 10), QTime(9, 0));
    }
};

// The history as the operator reaches it: from the board's History button.
frmHistory* OpenHistory(TestProgram& program)
{
    Click(program.Open<frmAtten>(), "cmdHistory");
    return program.registry.Find<frmHistory>();
}

QList<QStringList> Days(const frmHistory* history)
{
    auto* days = Find<QTreeWidget>(history, "lvDays");
    QList<QStringList> listed;
    for (int row = 0; row < days->topLevelItemCount(); ++row)
        listed << QStringList {days->topLevelItem(row)->text(0), days->topLevelItem(row)->text(1)};
    return listed;
}

QStringList Column(const frmHistory* history, ReliefRecord::Column column)
{
    const QAbstractItemModel* rows = Find<QTreeView>(history, "lvRows")->model();
    QStringList texts;
    for (int row = 0; row < rows->rowCount(); ++row)
        texts << rows->index(row, column).data().toString();
    return texts;
}

void ChooseDay(const frmHistory* history, int row)
{
    auto* days = Find<QTreeWidget>(history, "lvDays");
    days->setCurrentItem(days->topLevelItem(row));
}

// The relief teachers list that Print showed: its date and its relief teacher numbers.
QStringList Printed(const QWidget* owner)
{
    auto* preview = owner->findChild<ReportPreview*>("DR1");
    if (!preview)
        return {"no DR1"};
    const ReportPage& page = preview->Shown().pages.value(0);
    QStringList texts;
    for (const char* name : {"Label16", "Label19", "Text7"}) {
        for (const ReportItem& item : Named(page, name))
            texts << item.text;
    }
    return texts;
}

QStringList FileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {"cannot read " + path};
    QByteArray bytes = file.readAll();
    if (!bytes.startsWith(Utf8Bom))
        return {"no byte-order mark"};
    return QString::fromUtf8(bytes.mid(Utf8Bom.size())).split("\r\n", Qt::SkipEmptyParts);
}

const QString Header = "Date,Tea. No,Absence Tea.,Grade,Period,Presence Tea.,Subject,Com Name,Tea No P,Adno";
}

// The relief sets saved on earlier days: listed, printed again, exported.
class tst_frmHistory : public QObject {
    Q_OBJECT

private slots:
    void theDaysAreListedNewestFirstAndEachPrintsWithItsOwnDate()
    {
        History fixture;
        TestProgram& program = fixture.program;
        program.registry.SetSchool({"Hillside College", {}});
        const QWidget* teachers = program.Open<frmDbase>();
        auto* history = OpenHistory(program);
        QVERIFY(history);
        QCOMPARE(history->windowTitle(), QStringLiteral("Relief History"));
        QCOMPARE(Days(history),
                 (QList<QStringList> {{"Wednesday, 9 December 2026", "1"}, {"Monday, 7 December 2026", "2"}}));
        QCOMPARE(Column(history, ReliefRecord::PresenceTea), QStringList {"Helper (Volunteer)"});
        Click(history, "cmdPrint");
        QCOMPARE(Printed(teachers), (QStringList {"Hillside College", "Wednesday, 9 December 2026", "0"}));

        ChooseDay(history, 1);
        QCOMPARE(Column(history, ReliefRecord::TeaNoP), (QStringList {"5", "3"}));
        QCOMPARE(Column(history, ReliefRecord::Adno), (QStringList {"1", "2"}));
        Click(history, "cmdPrint");
        QCOMPARE(Printed(teachers), (QStringList {"Hillside College", "Monday, 7 December 2026", "3", "5"}));
    }

    void exportWritesTheReliefsOfTheRange_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("lines");
        const QStringList monday = {"2026-12-07,1,Mr. Teacher 1,6A,1st,Teacher 5,Maths,Art,5,1",
                                    "2026-12-07,2,Mr. Teacher 2,7B,1st,Teacher 3,Maths,Art,3,2"};
        const QStringList wednesday = {"2026-12-09,4,Mr. Teacher 4,'=1+1,1st,Helper (Volunteer),Library,0,0,1"};
        QTest::newRow("the last 30 days, as offered")
            << QDate() << QDate() << QStringList {Header} + monday + wednesday;
        QTest::newRow("one day") << Monday << Monday << QStringList {Header} + monday;
        QTest::newRow("from a day without a set") << Tuesday << Wednesday << QStringList {Header} + wednesday;
    }

    void exportWritesTheReliefsOfTheRange()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, lines);
        History fixture;
        auto* history = OpenHistory(fixture.program);
        if (from.isValid()) {
            Find<QDateEdit>(history, "dtpFrom")->setDate(from);
            Find<QDateEdit>(history, "dtpTo")->setDate(to);
        }
        const QString path = QDir(fixture.program.Folder()).filePath("reliefs.csv");
        fixture.program.prompter.PlanFile(path);
        Click(history, "cmdExport");
        QCOMPARE(FileLines(path), lines);
        QVERIFY(
            fixture.program.prompter.Last().text.startsWith(QString::number(lines.size() - 1) + " relief(s) exported"));
    }

    // The history's Export... and the load report's never write over the database.
    void anExportNeverWritesOverTheDatabase_data()
    {
        QTest::addColumn<bool>("loadReport");
        QTest::newRow("the history") << false;
        QTest::newRow("the load report") << true;
    }

    void anExportNeverWritesOverTheDatabase()
    {
        QFETCH(bool, loadReport);
        History fixture;
        QWidget* screen = OpenHistory(fixture.program);
        if (loadReport) {
            Click(screen, "cmdLoad");
            screen = fixture.program.registry.Find<frmLoad>();
        }
        const QString database = fixture.program.DatabasePath();
        fixture.program.prompter.PlanFile(database);
        Click(screen, "cmdExport");
        QCOMPARE(fixture.program.prompter.Last().text,
                 QStringLiteral("Nothing was exported to %1: it is the database file the program is using.")
                     .arg(QDir::toNativeSeparators(database)));
        QCOMPARE(fixture.program.Query("SELECT count(*) FROM TabelPB")[0][0].toInt(), 6);
    }

    void aRangeWithoutReliefsWritesNoFile_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("no set saved")
            << Tuesday << Tuesday
            << "No relief set was saved from Tuesday, 8 December 2026 to Tuesday, 8 December 2026.";
        QTest::newRow("days reversed") << Wednesday << Monday << "The first day of the range comes after its last day.";
    }

    void aRangeWithoutReliefsWritesNoFile()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, message);
        History fixture;
        auto* history = OpenHistory(fixture.program);
        Find<QDateEdit>(history, "dtpFrom")->setDate(from);
        Find<QDateEdit>(history, "dtpTo")->setDate(to);
        Click(history, "cmdExport");
        QCOMPARE(fixture.program.prompter.Last().text, message);
        QVERIFY(fixture.program.prompter.filesAsked.isEmpty());
    }

    void anEmptyHistoryListsNothingAndOffersTheLast30Days()
    {
        ConnectedProgram fixture(Teachers(2));
        auto* history = OpenHistory(fixture.program);
        QVERIFY(Days(history).isEmpty());
        QCOMPARE(Find<QTreeView>(history, "lvRows")->model()->rowCount(), 0);
        QVERIFY(!Find(history, "cmdPrint")->isEnabled());
        QVERIFY(!Find(history, "cmdExport")->isEnabled());
        QCOMPARE(Find<QDateEdit>(history, "dtpFrom")->date(), QDate(2026, 11, 11));
        QCOMPARE(Find<QDateEdit>(history, "dtpTo")->date(), QDate(2026, 12, 10));
    }
};

QTEST_MAIN(tst_frmHistory)
#include "tst_frmHistory.moc"
