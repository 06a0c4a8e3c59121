#include "TeacherFixture.h"
#include "TestFiles.h"
#include "TestProgram.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/FieldLimits.h"
#include "data/TeacherRow.h"
#include "data/TeacherStore.h"
#include "import/Csv.h"
#include "import/ImportPlan.h"
#include "import/ImportSource.h"
#include "import/ImportWriter.h"
#include "import/RegisterColumns.h"
#include "import/RegisterCsv.h"

#include <QTest>

namespace {
// A register CSV with the given rows under the full header; each row gives
// number, title, name, subject, common name, class, SalOnly and RelFree, and
// its timetable works in slot 0 only.
QString RegisterText(const QList<QStringList>& rows)
{
    QString text = CsvLine(RegisterCsvColumns());
    for (QStringList row : rows) {
        QStringList classes(SlotCount, "0"), subjects(SlotCount, "0");
        classes[0] = "7A";
        subjects[0] = "Art";
        text += CsvLine(row << classes << subjects);
    }
    return text;
}

ImportedTeachers ReadRegister(const QList<QStringList>& rows)
{
    QString error;
    ImportedTeachers teachers = ReadRegisterCsv(ParseCsv(RegisterText(rows)), &error);
    if (!error.isEmpty())
        qWarning() << error;
    return teachers;
}

QList<TeacherRow> RegisterRows()
{
    Connection connection;
    connection.Open(ConnectionString());
    return TeacherStore(connection).Rows().value_or(QList<TeacherRow>());
}

ImportedTeacher Imported(int line, const QString& name, const QString& firstClass)
{
    TeacherRow row;
    row.name1 = name;
    row.title = row.comname = row.subject = row.class1 = "-";
    row.classes.fill("0");
    row.subjects.fill("0");
    row.classes[0] = firstClass;
    row.subjects[0] = firstClass == "0" ? "0" : "Maths";
    return {line, row};
}

QString Write(const ImportPlan& plan, const Progress& progress = {})
{
    Connection connection;
    connection.Open(ConnectionString());
    return WriteImportPlan(connection, plan, progress);
}
}

class tst_importRegister : public QObject {
    Q_OBJECT

private slots:
    void teachersAreMatchedByExactNameAndOthersAddedWithTheNextNumber()
    {
        TestProgram program;
        QStringList second = Teacher(2, "Rev.", "Sumana");
        SetFlags(second, "0", "1");
        program.CreateDatabase({Teacher(1, "Mrs.", "Anula"), second, Teacher(5, "Mr.", "Nimal")});
        const QList<TeacherRow> before = RegisterRows();

        ImportedTeachers file;
        file.teachers = {Imported(2, "Sumana", "9C"), Imported(3, "Nimal", before[2].classes[0]),
                         Imported(4, "anula", "8B"), Imported(5, "Kamala", "0")};
        file.teachers[1].row.subjects = before[2].subjects;
        file.teachers[1].row.classes = before[2].classes;
        const ImportPlan plan = PlanImport(before, file);
        QCOMPARE(plan.changed.size(), 1);
        QCOMPARE(plan.unchanged, 2); // Nimal as he was, and Anula, who is not in the file
        QCOMPARE(plan.added.size(), 2);
        QCOMPARE(plan.TeachersAfter(), 5);
        QVERIFY(plan.rejected.isEmpty());
        QCOMPARE(Write(plan), QString());

        const QList<QVariantList> stored = program.Query(
            "SELECT adno, adno1, title, name1, comname, SalOnly, RelFree, subject, class1, a11, s11, a12 FROM TabelPB ORDER BY adno1");
        QCOMPARE(stored.size(), 5);
        QCOMPARE(stored[1], QVariantList({"2", 2, "Rev.", "Sumana", "T2", "0", "1", "Maths", "-", "9C", "Maths", "0"}));
        QCOMPARE(stored[3], QVariantList({"6", 6, "-", "anula", "-", "0", "0", "-", "-", "8B", "Maths", "0"}));
        QCOMPARE(stored[4], QVariantList({"7", 7, "-", "Kamala", "-", "0", "0", "-", "-", "0", "0", "0"}));
    }

    void rowsThatCannotBeTakenAreListedWithTheirReason_data()
    {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QStringList>("reasons");
        const auto row = [](const QString& number, const QString& name, const QString& salOnly = "0",
                            const QString& relFree = "0") {
            return QStringList {number, "Mr.", name, "Art", "-", "-", salOnly, relFree};
        };
        QStringList longTitle = row("", "Title");
        longTitle[1] = QString(101, 't');
        QTest::newRow("empty name") << QList<QStringList> {row("", "")} << QStringList {"2: the name is empty"};
        QTest::newRow("a name twice in the file")
            << QList<QStringList> {row("", "Dias"), row("", "Silva"), row("", "Dias")}
            << QStringList {"2: the name is in the file more than once (lines 2, 4)",
                            "4: the name is in the file more than once (lines 2, 4)"};
        QTest::newRow("a name twice in the register")
            << QList<QStringList> {row("", "Twin")}
            << QStringList {"2: 2 teachers of the register have this name; change them one by one"};
        QTest::newRow("numbers in use") << QList<QStringList> {row("3", "New"), row("9", "Other"), row("9", "Third")}
                                        << QStringList {"2: the number 3 is already in use (Teacher 3)",
                                                        "4: the number 9 is already in use (Other)"};
        QTest::newRow("numbers that are not whole numbers 1..32767")
            << QList<QStringList> {row("0", "A"), row("32768", "B"), row("1.5", "C"), row("+7", "D"), row("x", "E")}
            << QStringList {"2: the number \"0\" is not a whole number from 1 to 32767",
                            "3: the number \"32768\" is not a whole number from 1 to 32767",
                            "4: the number \"1.5\" is not a whole number from 1 to 32767",
                            "5: the number \"+7\" is not a whole number from 1 to 32767",
                            "6: the number \"x\" is not a whole number from 1 to 32767"};
        QTest::newRow("texts longer than 100 characters")
            << QList<QStringList> {row("", QString(101, 'n')), longTitle, row("", QString(100, 'n'))}
            << QStringList {"2: the text in column name1 is longer than 100 characters",
                            "3: the text in column title is longer than 100 characters"};
        QTest::newRow("flags")
            << QList<QStringList> {row("", "A", "2"), row("", "B", "0", " 1"), row("", "C", "1", "1")}
            << QStringList {
                   "2: the flag \"2\" is neither \"0\" nor \"1\"", "3: the flag \" 1\" is neither \"0\" nor \"1\"",
                   "4: both flags are \"1\"; a teacher is attached for substitution or free of relief, not both"};
    }

    void rowsThatCannotBeTakenAreListedWithTheirReason()
    {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QStringList, reasons);
        TestProgram program;
        program.CreateDatabase({Teacher(1, "Mr.", "Twin"), Teacher(2, "Mr.", "Twin"), Teacher(3)});
        const ImportPlan plan = PlanImport(RegisterRows(), ReadRegister(rows));
        QStringList found;
        for (const RejectedRow& rejected : plan.rejected)
            found << QStringLiteral("%1: %2").arg(rejected.line).arg(rejected.reason);
        QCOMPARE(found, reasons);
        QCOMPARE(plan.added.size() + plan.changed.size() + plan.rejected.size(), rows.size());
        QCOMPARE(plan.unchanged + int(plan.changed.size()), 3); // refused or not, the register's teachers stay
    }

    void aFailedOrStoppedWriteLeavesTheRegisterAsItWas_data()
    {
        QTest::addColumn<bool>("stop");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a row the store refuses") << false << "Late could not be written: 1811refused by the test";
        QTest::newRow("stopped by the operator") << true << "The import was stopped.";
    }

    void aFailedOrStoppedWriteLeavesTheRegisterAsItWas()
    {
        QFETCH(bool, stop);
        QFETCH(QString, reason);
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        program.Exec("CREATE TRIGGER refuse BEFORE INSERT ON TabelPB WHEN NEW.name1 = 'Late' "
                     "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END");
        const QList<QVariantList> before = program.Query("SELECT * FROM TabelPB ORDER BY adno1");

        ImportedTeachers file;
        file.teachers = {Imported(2, "Teacher 1", "9C"), Imported(3, "Early", "8B"), Imported(4, "Late", "7A")};
        const ImportPlan plan = PlanImport(RegisterRows(), file);
        const Progress stopAtTwo = [](int done, int) { return done < 2; };
        QCOMPARE(Write(plan, stop ? stopAtTwo : Progress()), reason);
        QCOMPARE(program.Query("SELECT * FROM TabelPB ORDER BY adno1"), before);
    }

    void exportedCellsThatASpreadsheetWouldTakeAsFormulasAreText_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("exported");
        QTest::newRow("=") << "=1+2" << "'=1+2";
        QTest::newRow("+") << "+94" << "'+94";
        QTest::newRow("-") << "-1" << "'-1";
        QTest::newRow("@") << "@SUM(A1)" << "'@SUM(A1)";
        QTest::newRow("tab") << "\tx" << "'\tx";
        QTest::newRow("carriage return") << "\rx" << "'\rx";
        QTest::newRow("apostrophe") << "'x" << "''x";
        QTest::newRow("the blank \"-\"") << "-" << "-";
        QTest::newRow("off period") << "0" << "0";
        QTest::newRow("= inside") << "a=b" << "a=b";
        // clang-format on
    }

    void exportedCellsThatASpreadsheetWouldTakeAsFormulasAreText()
    {
        QFETCH(QString, text);
        QStringList teacher = Teacher(1);
        teacher[TeacherColumn::name1] = text;
        const CsvTable table = ParseCsv(QString::fromUtf8(RegisterCsvFile({teacher}).mid(Utf8Bom.size())));
        QCOMPARE(table.records.size(), 2);
        QTEST(table.records[1].fields[RegisterCsvColumns().indexOf("name1")], "exported");
    }

    void aWriteThatRunsOutOfMemoryWritesNothing()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(2));
        const QList<QVariantList> before = program.Query("SELECT * FROM TabelPB ORDER BY adno1");
        ImportedTeachers file;
        file.teachers = {Imported(2, "Teacher 1", "9C"), Imported(3, "Early", "8B"), Imported(4, "Late", "7A")};
        ImportPlan plan = PlanImport(RegisterRows(), file);
        plan.periodsInDay = 6;
        const Progress outOfMemory = [](int done, int) -> bool {
            if (done == 2)
                throw std::bad_alloc();
            return true;
        };
        QCOMPARE(Write(plan, outOfMemory), QStringLiteral("There was not enough memory to write the teachers."));
        QCOMPARE(program.Query("SELECT * FROM TabelPB ORDER BY adno1"), before);
        QVERIFY(program.Query("SELECT * FROM ProgramSetting").isEmpty());
    }

    void registerCsvRoundTripGivesBackExactlyTheSameRows()
    {
        QStringList quoted = Teacher(1, "Rev.", "Perera, \"Loku\" Mahaththaya");
        quoted[TeacherColumn::comname] = "Line one\nline two";
        quoted[TeacherColumn::subject] = "Maths; Science | Art";
        QStringList sinhala = Teacher(2, "Mrs.", "අනුලා පෙරේරා");
        SetSlot(sinhala, 3, "10අ", "ගණිතය");
        SetFlags(sinhala, "1", "0");
        QStringList tamil = Teacher(3, "Miss.", "கமலா சுப்பிரமணியம்");
        SetSlot(tamil, 4, "9ஆ", "தமிழ்");
        tamil[TeacherColumn::class1] = " 9B ";
        QStringList windows = Teacher(7, "Mr.", "Dias\r\nJunior");
        SetFlags(windows, "0", "1");
        // Cells a spreadsheet would take as formulas, and ones that really begin with an apostrophe.
        QStringList formulas = Teacher(8, "-", "=cmd|' /C calc'!A0");
        formulas[TeacherColumn::subject] = "+94 77";
        formulas[TeacherColumn::comname] = "@SUM(A1)";
        formulas[TeacherColumn::class1] = "-2+3";
        SetSlot(formulas, 5, "\t7A", "\rArt");
        QStringList apostrophes = Teacher(9, "Mr.", "'Quoted");
        apostrophes[TeacherColumn::comname] = "''Twice";
        QStringList longest = Teacher(10, "Mr.", "=" + QString(MaxRegisterText - 1, 'x'));

        TestProgram source;
        source.CreateDatabase({quoted, sinhala, tamil, windows, formulas, apostrophes, longest});
        Connection connection;
        QVERIFY(connection.Open(ConnectionString()));
        const QByteArray file = RegisterCsvFile(*TeacherStore(connection).RowTexts());
        const QList<QVariantList> exported = source.Query("SELECT * FROM TabelPB ORDER BY adno1");
        QVERIFY(file.startsWith("\xEF\xBB\xBF"
                                "adno1,title,name1,subject,comname,class1,SalOnly,RelFree,a11,a12,"));
        const QString saved = WriteFile(source.folder.filePath("register.csv"), file);

        TestProgram target;
        target.CreateDatabase();
        const ImportSource read = ReadImportFile(saved);
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.kind, ImportKind::RegisterCsv);
        const ImportPlan plan = PlanImport({}, read.Teachers({}));
        QCOMPARE(plan.added.size(), 7);
        QVERIFY(plan.rejected.isEmpty());
        QCOMPARE(Write(plan), QString());
        QCOMPARE(target.Query("SELECT * FROM TabelPB ORDER BY adno1"), exported);
    }
};

QTEST_GUILESS_MAIN(tst_importRegister)
#include "tst_importRegister.moc"
