#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestFiles.h"
#include "TestProgram.h"
#include "import/RegisterCsv.h"
#include "import/frmImport.h"
#include "teachers/frmDbase.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace {
const QString Files = QStringLiteral(IMPORT_FILES);

// What the preview showed, read while it was open.
struct Preview {
    QString caption;
    QString ok;
    QString cancel;
    QStringList counts; // added, changed, unchanged, rejected
    bool okEnabled = false;
    QString mapping;
    QString board;
    QString periods; // empty for the register's CSV, which gives none
    int rejectedRows = 0;
};

Preview Read(const QWidget* preview)
{
    Preview seen;
    seen.caption = preview->windowTitle();
    seen.ok = TextOf(preview, "cmdOK");
    seen.cancel = TextOf(preview, "cmdCancel");
    for (const char* name : {"lblAdded", "lblChanged", "lblUnchanged", "lblRejected"})
        seen.counts << TextOf(preview, name);
    seen.okEnabled = Find(preview, "cmdOK")->isEnabled();
    if (preview->findChild<QLabel*>("lblMapping"))
        seen.mapping = TextOf(preview, "lblMapping");
    seen.board = TextOf(preview, "lblBoard");
    if (preview->findChild<QLabel*>("lblPeriods"))
        seen.periods = TextOf(preview, "lblPeriods");
    seen.rejectedRows = Find<QTreeWidget>(preview, "lstRejected")->topLevelItemCount();
    return seen;
}

// Runs the work on the preview once it is shown; the work ends by closing it.
template <class Work>
void OnPreview(Work work)
{
    QTimer::singleShot(0, [work] {
        auto* preview = qobject_cast<frmImport*>(QApplication::activeModalWidget());
        if (preview)
            work(preview);
    });
}

// Imports the file from the teacher screen; reads the preview and leaves it by the button.
Preview ImportReading(TestProgram& program, QWidget* screen, const QString& file, const QString& button)
{
    program.prompter.PlanFile(file);
    Preview seen;
    OnPreview([&](QWidget* preview) {
        seen = Read(preview);
        Click(preview, button);
    });
    Click(screen, "cmdImport");
    return seen;
}

// The school's periods in a day as stored; empty while never set.
QString StoredPeriods(const TestProgram& program)
{
    const QList<QVariantList> rows = program.Query("SELECT Value FROM ProgramSetting WHERE Name = 'PeriodsInDay'");
    return rows.isEmpty() ? QString() : rows[0][0].toString();
}

void ChooseDay(QWidget* preview, int index, int day)
{
    Find<QComboBox>(preview, Cell("cboDay", index))->setCurrentIndex(day);
}
}

class tst_frmImport : public QObject {
    Q_OBJECT

private slots:
    void importAndExportStandInAThirdRowAndOnlyInBrowseMode()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        auto* screen = program.Open<frmDbase>();
        screen->show();
        QCOMPARE(TextOf(screen, "cmdImport"), QStringLiteral("Import..."));
        QCOMPARE(TextOf(screen, "cmdExport"), QStringLiteral("Export..."));
        const auto top = [&](const QString& name) { return Find(screen, name)->mapTo(screen, QPoint(0, 0)).y(); };
        QVERIFY(top("cmdImport") > top("cmdFirst") + Find(screen, "cmdFirst")->height());
        QCOMPARE(top("cmdExport"), top("cmdImport"));
        QVERIFY(Find(screen, "cmdImport")->isEnabled());
        QVERIFY(Find(screen, "cmdExport")->isEnabled());

        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        QVERIFY(!Find(screen, "cmdImport")->isEnabled());
        QVERIFY(!Find(screen, "cmdExport")->isEnabled());
        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdCancel");
        QVERIFY(Find(screen, "cmdImport")->isEnabled());
        QVERIFY(program.prompter.AllAnswersUsed());
    }

    void importFromFetCsvShowsTheDaysInThePreviewAndTheRegisterAfresh()
    {
        TestProgram program;
        program.CreateDatabase({Teacher(1, "Mrs.", "SUSANA"), Teacher(2, "Mr.", "Nimal")});
        auto* screen = program.Open<frmDbase>();
        Click(screen, "cmdNext");
        program.prompter.PlanFile(Files + "/primaria_timetable.csv");

        Preview first, clash, mapped;
        OnPreview([&](QWidget* preview) {
            first = Read(preview);
            ChooseDay(preview, 0, 0); // Jueves on Monday, where Lunes is too
            clash = Read(preview);
            for (int index : {0, 1, 2, 3, 4})
                ChooseDay(preview, index, QList<int> {3, 1, 4, 0, 2}[index]);
            mapped = Read(preview);
            Click(preview, "cmdOK");
        });
        Click(screen, "cmdImport");

        QCOMPARE(program.prompter.filesAsked.size(), 1);
        QCOMPARE(program.prompter.filesAsked[0].title,
                 QStringLiteral("FET teachers timetable (*_teachers.xml);;FET timetable CSV (*_timetable.csv);;"
                                "Register CSV (*.csv);;All files (*)"));
        QCOMPARE(first.caption, QStringLiteral("Import"));
        QCOMPARE(first.ok, QStringLiteral("Import"));
        QCOMPARE(first.cancel, QStringLiteral("Cancel"));
        QCOMPARE(first.counts, QStringList({"16", "1", "1", "0"})); // Nimal is not in the file
        QCOMPARE(first.mapping, QString());                         // the Spanish days are on their own days
        QVERIFY(!clash.okEnabled);
        QCOMPARE(clash.mapping, QStringLiteral("\"Jueves\" and \"Lunes\" both go to Monday; give each its own."));
        QVERIFY(mapped.okEnabled);
        QCOMPARE(mapped.mapping, QString());
        QCOMPARE(program.prompter.Last().text,
                 QStringLiteral("16 teacher(s) added and 1 teacher(s) given a new timetable.\n"
                                "A school day now has 6 periods."));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Import"));

        QCOMPARE(Counters(screen), QStringLiteral("2 of 18"));
        QCOMPARE(TextOf(screen, "txtName"), QStringLiteral("Nimal"));
        const QList<QVariantList> susana = program.Query(
            "SELECT adno1, title, subject, a11, s11, a14 FROM TabelPB WHERE name1 = 'SUSANA'");
        QCOMPARE(susana, QList<QVariantList>({{1, "Mrs.", "Maths", "4 AÑOS", "INFANTIL", "0"}}));
        QCOMPARE(program.Query("SELECT subject FROM TabelPB WHERE name1 = 'VICTOR'")[0][0], QVariant("AE/REL"));
        QCOMPARE(program.Query("SELECT max(adno1) FROM TabelPB")[0][0].toInt(), 18);
    }

    void aSchoolFromFetFillsAnEmptyRegister()
    {
        TestProgram program;
        program.CreateDatabase();
        auto* screen = program.Open<frmDbase>();
        QVERIFY(!Find(screen, "cmdNext")->isEnabled());
        const Preview seen = ImportReading(program, screen, Files + "/primaria_teachers.xml", "cmdOK");
        QCOMPARE(seen.periods, QStringLiteral("6 (now 8)"));
        QCOMPARE(program.prompter.Last().text,
                 QStringLiteral("17 teacher(s) added and 0 teacher(s) given a new timetable.\n"
                                "A school day now has 6 periods."));
        QCOMPARE(StoredPeriods(program), QStringLiteral("6"));
        QCOMPARE(Counters(screen), QStringLiteral("1 of 17"));
        QCOMPARE(TextOf(screen, "txtName"), QStringLiteral("SUSANA"));
        // Six periods a day: the 7th and 8th, stored as off periods, are no free periods.
        QCOMPARE(TextOf(screen, "Label21"), QStringLiteral("6 Free Period(s)"));
        QVERIFY(Find(screen, "cmdNext")->isEnabled());
        Click(screen, "cmdLast");
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("17"));
    }

    void aRegisterPastTheBoardIsWarnedOfButMayBeImported_data()
    {
        QTest::addColumn<int>("teachers");
        QTest::addColumn<QString>("warning");
        QTest::newRow("a box for every teacher") << 203 << QString();
        QTest::newRow("one teacher without a box")
            << 204
            << QStringLiteral(
                   "After this import the register holds 221 teachers, but the attendance board has boxes for "
                   "only 220. The teachers after the first 220 by number will not be on the board.");
    }

    void aRegisterPastTheBoardIsWarnedOfButMayBeImported()
    {
        QFETCH(int, teachers);
        QFETCH(QString, warning);
        TestProgram program;
        program.CreateDatabase(Teachers(teachers));
        auto* screen = program.Open<frmDbase>();
        const Preview seen = ImportReading(program, screen, Files + "/primaria_teachers.xml", "cmdOK");
        QCOMPARE(seen.counts, QStringList({"17", "0", QString::number(teachers), "0"}));
        QCOMPARE(seen.board, warning);
        QVERIFY(seen.okEnabled);
        QCOMPARE(program.Query("SELECT count(*) FROM TabelPB")[0][0].toInt(), teachers + 17);
    }

    void cancelInThePreviewWritesNothing()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        auto* screen = program.Open<frmDbase>();
        const Preview seen = ImportReading(program, screen, Files + "/primaria_teachers.xml", "cmdCancel");
        QCOMPARE(seen.counts, QStringList({"17", "0", "2", "0"}));
        QVERIFY(program.prompter.asked.isEmpty());
        QCOMPARE(program.Query("SELECT count(*) FROM TabelPB")[0][0].toInt(), 2);
        QCOMPARE(Counters(screen), QStringLiteral("1 of 2"));
    }

    void aFailedImportSaysWhyAndLeavesTheRegisterAsItWas()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        program.Exec("CREATE TRIGGER refuse BEFORE INSERT ON TabelPB WHEN NEW.name1 = 'VICTOR' "
                     "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        const QList<QVariantList> before = program.Query("SELECT * FROM TabelPB");
        auto* screen = program.Open<frmDbase>();
        program.prompter.PlanFile(Files + "/primaria_teachers.xml");
        OnPreview([](QWidget* preview) { Click(preview, "cmdOK"); });
        Click(screen, "cmdImport");
        QCOMPARE(program.prompter.Last().text,
                 QStringLiteral(
                     "Nothing was imported; the register is as it was.\n\nVICTOR could not be written: 1811disk full"));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Critical);
        QCOMPARE(program.Query("SELECT * FROM TabelPB"), before);
        QCOMPARE(Counters(screen), QStringLiteral("1 of 2"));
        QCOMPARE(StoredPeriods(program), QString());
    }

    void aFileWhoseWeekFitsTheSchoolDayChangesOnlyItsTeachers()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(1));
        program.Exec("INSERT INTO ProgramSetting (Name, Value) VALUES ('PeriodsInDay', '6')");
        auto* screen = program.Open<frmDbase>();
        const Preview fet = ImportReading(program, screen, Files + "/primaria_teachers.xml", "cmdOK");
        QCOMPARE(fet.periods, QStringLiteral("6"));
        QCOMPARE(program.prompter.Last().text,
                 QStringLiteral("17 teacher(s) added and 0 teacher(s) given a new timetable."));

        program.Exec("UPDATE ProgramSetting SET Value = '5'");
        QStringList teacher = Teacher(1, "Mr.", "From a spreadsheet");
        teacher[TeacherColumn::adno1] = ""; // the next free number
        const QString file = WriteFile(program.folder.filePath("register.csv"), RegisterCsvFile({teacher}));
        const Preview csv = ImportReading(program, screen, file, "cmdOK");
        QCOMPARE(csv.periods, QString());
        QCOMPARE(csv.counts, QStringList({"1", "0", "18", "0"}));
        QCOMPARE(StoredPeriods(program), QStringLiteral("5"));
    }

    void aFileThatCannotBeImportedIsReportedWithoutAPreview()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(1));
        auto* screen = program.Open<frmDbase>();
        program.prompter.PlanFile(WriteFile(program.folder.filePath("list_teachers.xml"), "<Subjects_Timetable/>"));
        Click(screen, "cmdImport");
        QVERIFY(program.prompter.Last().text.startsWith("The file is not FET's teachers timetable"));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Import"));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Exclamation);
    }

    void exportWritesTheRegisterToTheChosenFile()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        auto* screen = program.Open<frmDbase>();
        const QString path = program.folder.filePath("register");
        program.prompter.PlanFile(path);
        Click(screen, "cmdExport");
        const QString file = path + ".csv";
        const QList<QByteArray> lines = ReadFile(file).split('\n');
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[0].startsWith("\xEF\xBB\xBF"
                                    "adno1,title,name1,"));
        QVERIFY(lines[3].startsWith("3,Mr.,Teacher 3,Maths,T3,-,0,0,6A,"));
        QCOMPARE(program.prompter.Last().text,
                 QStringLiteral("3 teacher(s) exported to %1.").arg(QDir::toNativeSeparators(file)));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Export"));
    }

    // A CSV is never written over a database: the one in use or a file the
    // store keeps beside it, a name the database and its backups go by, or
    // any other database file.
    void anExportNeverWritesOverADatabase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        const QString inUse = "it is the database file the program is using";
        QTest::newRow("the database in use") << "teacherdb2.mdb" << inUse;
        QTest::newRow("its journal") << "teacherdb2.mdb-journal" << inUse;
        QTest::newRow("a backup's name") << "friday.MDB"
                                         << "the database and its backups are named so";
        QTest::newRow("another database") << "school.db"
                                          << "it is a database file";
        QTest::newRow("another database, the extension added") << "school"
                                                               << "it is a database file";
    }

    void anExportNeverWritesOverADatabase()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        for (const char* copy : {"school.db", "school.csv"})
            QVERIFY(QFile::copy(program.DatabasePath(), program.folder.filePath(copy)));
        auto* screen = program.Open<frmDbase>();
        const QString chosen = program.folder.filePath(name);
        const QString target = QFileInfo(chosen).suffix().isEmpty() ? chosen + ".csv" : chosen;
        const QByteArray before = ReadFile(target);
        program.prompter.PlanFile(chosen);
        Click(screen, "cmdExport");
        QCOMPARE(program.prompter.AskedTexts(),
                 QStringList {
                     QStringLiteral("Nothing was exported to %1: %2.").arg(QDir::toNativeSeparators(target), reason)});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Export"));
        QCOMPARE(ReadFile(target), before);
        QCOMPARE(program.Query("SELECT count(*) FROM TabelPB")[0][0].toInt(), 3);
    }

    void aFileThatTheAddedExtensionNamesIsReplacedOnlyWhenTheOperatorSaysSo_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("kept") << Answer::No;
        QTest::newRow("replaced") << Answer::Yes;
    }

    void aFileThatTheAddedExtensionNamesIsReplacedOnlyWhenTheOperatorSaysSo()
    {
        QFETCH(Answer, answer);
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        auto* screen = program.Open<frmDbase>();
        const QString existing = WriteFile(program.folder.filePath("register.csv"), "the school's own list\n");
        program.prompter.PlanFile(program.folder.filePath("register"));
        program.prompter.PlanAnswer(answer);
        Click(screen, "cmdExport");
        QCOMPARE(
            program.prompter.asked[0].text,
            QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(existing)));
        QCOMPARE(program.prompter.asked[0].buttons, MessageButtons::YesNo);
        QCOMPARE(ReadFile(existing).startsWith("the school's own list"), answer == Answer::No);
        QCOMPARE(program.prompter.asked.size(), answer == Answer::No ? 1 : 2);
    }
};

QTEST_MAIN(tst_frmImport)
#include "tst_frmImport.moc"
