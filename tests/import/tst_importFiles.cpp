#include "TestFiles.h"
#include "data/FieldLimits.h"
#include "data/TeacherRow.h"
#include "import/Csv.h"
#include "import/FetTeachers.h"
#include "import/ImportPlan.h"
#include "import/ImportSource.h"
#include "import/SlotMapping.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Files = QStringLiteral(IMPORT_FILES);
const QStringList SpanishDays = {"Lunes", "Martes", "Miércoles", "Jueves", "Viernes"};

struct Week {
    QStringList classes = QStringList(SlotCount, "0");
    QStringList subjects = QStringList(SlotCount, "0");
};

// Every teacher's week as FET's timetable CSV gives it, read plainly: FET
// quotes every field and uses no comma inside one. The teaching hours are
// "1ª SESION" .. "6ª SESION"; the two breaks never carry a lesson.
QHash<QString, Week> WeeksFromFetCsv(int* lessons)
{
    QFile file(Files + "/primaria_timetable.csv");
    file.open(QIODevice::ReadOnly);
    const QStringList lines = QString::fromUtf8(file.readAll()).remove(QChar(0xFEFF)).split('\n', Qt::SkipEmptyParts);
    QHash<QString, Week> weeks;
    *lessons = 0;
    for (const QString& line : lines.mid(1)) {
        const QStringList f = line.mid(1, line.size() - 2).split(QStringLiteral("\",\""));
        const int slot = int(SpanishDays.indexOf(f[1])) * PeriodsPerDay + f[2].left(1).toInt() - 1;
        const QString classText = f[3].toUpper() + (f[3].contains('+') ? "*" : "");
        for (const QString& teacher : f[5].split('+', Qt::SkipEmptyParts)) {
            weeks[teacher].classes[slot] = classText;
            weeks[teacher].subjects[slot] = f[4];
            ++*lessons;
        }
    }
    return weeks;
}

QHash<QString, Week> WeeksOf(const ImportedTeachers& imported)
{
    QHash<QString, Week> weeks;
    for (const ImportedTeacher& teacher : imported.teachers)
        weeks.insert(teacher.row.name1, {teacher.row.classes, teacher.row.subjects});
    return weeks;
}

// A teachers XML as FET writes it, with one teacher teaching in every day and hour.
QByteArray TeachersXml(int days, int hours)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Teachers_Timetable>\n<Teacher name=\"A\">\n";
    for (int day = 1; day <= days; ++day) {
        xml += "<Day name=\"D" + QByteArray::number(day) + "\">\n";
        for (int hour = 1; hour <= hours; ++hour)
            xml += "<Hour name=\"H" + QByteArray::number(hour)
                + "\"><Activity id=\"1\"></Activity><Subject name=\"S\"></Subject><Students name=\"C\"></Students></Hour>\n";
        xml += "</Day>\n";
    }
    return xml + "</Teacher>\n</Teachers_Timetable>\n";
}

FetTimetable Names(const QStringList& days, const QStringList& hours)
{
    FetTimetable timetable;
    timetable.days = days;
    timetable.hours = hours;
    return timetable;
}
}

class tst_importFiles : public QObject {
    Q_OBJECT

private slots:
    void fetTeachersXmlGivesEveryTeachersWeekCellByCell()
    {
        const ImportSource source = ReadImportFile(Files + "/primaria_teachers.xml");
        QVERIFY2(source.error.isEmpty(), qPrintable(source.error));
        QCOMPARE(source.kind, ImportKind::FetXml);
        QCOMPARE(source.timetable.days, SpanishDays);
        QCOMPARE(source.timetable.hours,
                 QStringList({"1ª SESION", "2ª SESION", "3ª SESION", "4ª SESION", "5ª SESION", "6ª SESION"}));

        const ImportedTeachers imported = source.Teachers(source.DefaultMapping());
        QVERIFY(imported.rejected.isEmpty());
        QCOMPARE(imported.teachers.size(), 17);
        const TeacherRow& susana = imported.teachers.first().row;
        QCOMPARE(susana.name1, QStringLiteral("SUSANA"));
        QCOMPARE(susana.title, QStringLiteral("-"));
        QCOMPARE(susana.classes.mid(0, 8),
                 QStringList({"4 AÑOS", "4 AÑOS", "3 AÑOS", "0", "3 AÑOS", "3 AÑOS", "0", "0"}));
        QCOMPARE(susana.subjects.mid(0, 3), QStringList({"INFANTIL", "INFANTIL", "INGLES"}));

        int lessons = 0;
        const QHash<QString, Week> expected = WeeksFromFetCsv(&lessons);
        const QHash<QString, Week> imports = WeeksOf(imported);
        int working = 0;
        for (const ImportedTeacher& teacher : imported.teachers) {
            const Week want = expected.value(teacher.row.name1);
            for (int slot = 0; slot < SlotCount; ++slot) {
                const QString where = teacher.row.name1 + " slot " + QString::number(slot);
                QVERIFY2(teacher.row.classes[slot] == want.classes[slot], qPrintable(where));
                QVERIFY2(teacher.row.subjects[slot] == want.subjects[slot], qPrintable(where));
                working += teacher.row.classes[slot] == "0" ? 0 : 1;
            }
        }
        QCOMPARE(working, lessons);
        QVERIFY(expected.value("MARIAN").classes.contains("3º B+3º A*"));
    }

    void fetTimetableCsvGivesTheSameWeeksAsTheXml()
    {
        const ImportSource xml = ReadImportFile(Files + "/primaria_teachers.xml");
        const ImportSource csv = ReadImportFile(Files + "/primaria_timetable.csv");
        QVERIFY2(csv.error.isEmpty(), qPrintable(csv.error));
        QCOMPARE(csv.kind, ImportKind::FetCsv);
        QVERIFY(csv.HasMappableWeek());
        QCOMPARE(csv.timetable.days, QStringList({"Jueves", "Martes", "Viernes", "Lunes", "Miércoles"}));

        // The Spanish weekday names go to their own days.
        const SlotMapping mapping = csv.DefaultMapping();
        QCOMPARE(mapping.dayOf, QList<int>({3, 1, 4, 0, 2}));
        QCOMPARE(mapping.periodOf, QList<int>({0, 4, 2, 1, 5, 3}));
        QVERIFY(CheckMapping(csv.timetable, mapping).isEmpty());
        QCOMPARE(csv.PeriodsInDay(mapping), 6);
        QCOMPARE(xml.PeriodsInDay(xml.DefaultMapping()), 6);
        SlotMapping lastHourLast = mapping;
        lastHourLast.periodOf[4] = 7;
        QCOMPARE(csv.PeriodsInDay(lastHourLast), 8); // the hours reach period 8

        const QHash<QString, Week> fromCsv = WeeksOf(csv.Teachers(mapping));
        const QHash<QString, Week> fromXml = WeeksOf(xml.Teachers(xml.DefaultMapping()));
        QCOMPARE(fromCsv.keys().size(), 17);
        for (const QString& name : fromXml.keys()) {
            QCOMPARE(fromCsv.value(name).classes, fromXml.value(name).classes);
            QCOMPARE(fromCsv.value(name).subjects, fromXml.value(name).subjects);
        }
    }

    void badFilesAreRefusedWithTheirReason_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray fetHeader =
            "\xEF\xBB\xBF\"Activity Id\",\"Day\",\"Hour\",\"Students Sets\",\"Subject\",\"Teachers\"\n";
        QTest::newRow("not XML") << "a_teachers.xml" << QByteArray("Teachers: A, B\n") << "cannot be read as XML";
        QTest::newRow("another root element")
            << "a_teachers.xml" << QByteArray("<?xml version=\"1.0\"?><Students_Timetable></Students_Timetable>")
            << "its root element is <Students_Timetable>, not <Teachers_Timetable>";
        QTest::newRow("empty XML") << "a_teachers.xml" << QByteArray() << "The file is empty";
        QTest::newRow("empty CSV") << "a.csv" << QByteArray("\xEF\xBB\xBF") << "The file is empty";
        QTest::newRow("6 days") << "a_teachers.xml" << TeachersXml(6, 8) << "6 days (D1, D2, D3, D4, D5, D6)";
        QTest::newRow("9 teaching hours")
            << "a_teachers.xml" << TeachersXml(5, 9) << "9 teaching hours (H1, H2, H3, H4, H5, H6, H7, H8, H9)";
        QTest::newRow("6 days in a CSV") << "a_timetable.csv"
                                         << fetHeader
                + "\"1\",\"Mon\",\"1\",\"7A\",\"M\",\"A\"\n\"2\",\"Tue\",\"1\",\"7A\",\"M\",\"A\"\n"
                  "\"3\",\"Wed\",\"1\",\"7A\",\"M\",\"A\"\n\"4\",\"Thu\",\"1\",\"7A\",\"M\",\"A\"\n"
                  "\"5\",\"Fri\",\"1\",\"7A\",\"M\",\"A\"\n\"6\",\"Sat\",\"1\",\"7A\",\"M\",\"A\"\n"
                                         << "6 days (Mon, Tue, Wed, Thu, Fri, Sat)";
        QTest::newRow("FET CSV without its subject column")
            << "a_timetable.csv"
            << QByteArray(
                   "\"Activity Id\",\"Day\",\"Hour\",\"Students Sets\",\"Teachers\"\n\"1\",\"Mon\",\"1\",\"7A\",\"A\"\n")
            << "no column \"Subject\"";
        QTest::newRow("register CSV without a column")
            << "register.csv" << QByteArray("adno1,title,name1\n1,Mr.,A\n") << "no column subject";
        QTest::newRow("unclosed quote") << "a_timetable.csv"
                                        << fetHeader
                + "\"1\",\"Mon\",\"1\",\"7A\",\"M\",\"A\"\n\"2\",\"Mon\",\"2\",\"7A,M,A\n"
                                        << "The row that starts on line 3 has a quote that is not closed";
        QTest::newRow("CSV in Latin-1")
            << "a_timetable.csv"
            << QByteArray("\"Activity Id\",\"Day\",\"Hour\",\"Students Sets\",\"Subject\",\"Teachers\"\n"
                          "\"1\",\"Mi\xE9rcoles\",\"1\",\"7A\",\"M\",\"A\"\n")
            << "not UTF-8 text (line 2";
        QTest::newRow("XML in Latin-1 that says UTF-8")
            << "a_teachers.xml"
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Teachers_Timetable><Teacher name=\"Jos\xE9\">"
                          "</Teacher></Teachers_Timetable>")
            << "cannot be read as XML";
        QTest::newRow("CSV with NUL bytes")
            << "a_timetable.csv"
            << QByteArray("\"Activity Id\",\"Day\"\n\"1\",\"Mon\"\n\"2\",\"T") + QByteArray(2, '\0') + "e\"\n"
            << "The file is not a text file (line 3 holds a NUL byte)";
        QTest::newRow("CSV in Latin-1 past the first piece")
            << "a_timetable.csv"
            << QByteArray("\"Activity Id\",\"Day\"\n") + QByteArray(70000, 'x') + "\n\n\"Mi\xE9rcoles\"\n"
            << "not UTF-8 text (line 4";
        QTest::newRow("CSV of something else") << "list.csv" << QByteArray("Name,Phone\nA,1\n") << "neither";
    }

    void badFilesAreRefusedWithTheirReason()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const ImportSource source = ReadImportFile(WriteFile(dir.filePath(name), bytes));
        QVERIFY2(source.error.contains(reason), qPrintable(source.error));
        QVERIFY2(source.error.contains("Nothing was imported"), qPrintable(source.error));
    }

    void aFileOver50MBIsRefusedUnread()
    {
        QTemporaryDir dir;
        QFile sparse(dir.filePath("big_timetable.csv"));
        QVERIFY(sparse.open(QIODevice::WriteOnly));
        QVERIFY(sparse.resize(MaxImportBytes + 1));
        sparse.close();
        const ImportSource source = ReadImportFile(sparse.fileName());
        QCOMPARE(source.error,
                 QStringLiteral("The file is 50 MB; Import takes files of at most 50 MB. Nothing was imported."));
        QVERIFY(sparse.resize(MaxImportBytes));
        QVERIFY(ReadImportFile(sparse.fileName()).error.startsWith("The file is not a text file (line 1"));
    }

    void aFileThatMemoryCannotHoldIsRefusedWithAMessage()
    {
        const Progress outOfMemory = [](int, int) -> bool { throw std::bad_alloc(); };
        const ImportSource source = ReadImportFile(Files + "/primaria_timetable.csv", outOfMemory);
        QCOMPARE(source.error, QStringLiteral("There is not enough memory to read the file. Nothing was imported."));
        QVERIFY(source.timetable.teachers.isEmpty());
    }

    void csvFieldsKeepQuotesSeparatorsAndLineBreaks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QStringList>>("records");
        QTest::newRow("comma") << "a,b\n1,\"x, y\"\n" << QList<QStringList> {{"a", "b"}, {"1", "x, y"}};
        QTest::newRow("semicolon, CRLF") << "a;b\r\n1;2,5\r\n\r\n3;\r\n"
                                         << QList<QStringList> {{"a", "b"}, {"1", "2,5"}, {"3", ""}};
        QTest::newRow("vertical bar") << "\"a\"|\"b\"\n\"1\"|\"2\"" << QList<QStringList> {{"a", "b"}, {"1", "2"}};
        QTest::newRow("apostrophes") << "'a';'b'\n'it''s';'x;y'\n" << QList<QStringList> {{"a", "b"}, {"it's", "x;y"}};
        QTest::newRow("doubled quotes and line breaks")
            << "a,b\n\"say \"\"hi\"\"\",\"two\nlines\r\nthree\"\n"
            << QList<QStringList> {{"a", "b"}, {"say \"hi\"", "two\nlines\r\nthree"}};
    }

    void csvFieldsKeepQuotesSeparatorsAndLineBreaks()
    {
        QFETCH(QString, text);
        QFETCH(QList<QStringList>, records);
        const CsvTable csv = ParseCsv(text);
        QVERIFY2(csv.error.isEmpty(), qPrintable(csv.error));
        QList<QStringList> fields;
        for (const CsvRecord& record : csv.records)
            fields << record.fields;
        QCOMPARE(fields, records);
    }

    void dayAndHourNamesAreGuessed_data()
    {
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<QStringList>("hours");
        QTest::addColumn<QList<int>>("dayOf");
        QTest::addColumn<QList<int>>("periodOf");
        QTest::newRow("numbers in numeric order") << QStringList {"3", "1", "2"} << QStringList {"7", "10", "1", "2"}
                                                  << QList<int> {2, 0, 1} << QList<int> {2, 3, 0, 1};
        QTest::newRow("English weekdays on their own days")
            << QStringList {"Friday", "monday", "Wednesday"} << QStringList {"P10", "P2", "P1"} << QList<int> {4, 0, 2}
            << QList<int> {2, 1, 0};
        QTest::newRow("clock times by hour, then minute")
            << QStringList {"Day 2", "Day 1"} << QStringList {"11:45", "08:45", "11:00", "08:00", "09:30"}
            << QList<int> {1, 0} << QList<int> {4, 1, 3, 0, 2};
        QTest::newRow("a missing number leaves no gap")
            << QStringList {"Mon"} << QStringList {"3", "5", "2", "4"} << QList<int> {0} << QList<int> {1, 3, 0, 2};
        QTest::newRow("equal numbers in order of first appearance")
            << QStringList {"Mon"} << QStringList {"2b", "1", "2a"} << QList<int> {0} << QList<int> {1, 0, 2};
        QTest::newRow("a week from Sunday in week order")
            << QStringList {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday"} << QStringList {"1st", "2nd"}
            << QList<int> {4, 0, 1, 2, 3} << QList<int> {0, 1};
        QTest::newRow("Romanian without accents") << QStringList {"Marti", "Luni", "VINERI", "Joi", "Miercuri"}
                                                  << QStringList {"1"} << QList<int> {1, 0, 4, 3, 2} << QList<int> {0};
        QTest::newRow("Romanian with accents, short")
            << QStringList {"Mar.", "lun.", "mie"} << QStringList {"1"} << QList<int> {1, 0, 2} << QList<int> {0};
        QTest::newRow("French, full and short") << QStringList {"jeudi", "Lundi", "mer.", "MARDI", "Vendredi"}
                                                << QStringList {"1"} << QList<int> {3, 0, 2, 1, 4} << QList<int> {0};
        QTest::newRow("French from Saturday in week order")
            << QStringList {"samedi", "lundi", "mardi"} << QStringList {"1"} << QList<int> {2, 0, 1} << QList<int> {0};
        QTest::newRow("Sinhala") << QStringList {"සිකුරාදා", "සඳුදා", "බ්‍රහස්පතින්දා",
                                                 "අඟහරුවාදා", "බදාදා"}
                                 << QStringList {"1"} << QList<int> {4, 0, 3, 1, 2} << QList<int> {0};
        QTest::newRow("Sinhala without its joiner")
            << QStringList {"බ්රහස්පතින්දා", "සඳුදා"} << QStringList {"1"} << QList<int> {3, 0} << QList<int> {0};
        QTest::newRow("names of two languages in order of first appearance")
            << QStringList {"Marti", "Monday"} << QStringList {"1"} << QList<int> {0, 1} << QList<int> {0};
        QTest::newRow("other names in order of first appearance")
            << QStringList {"Week A", "Week B"} << QStringList {"Break", "Lunch"} << QList<int> {0, 1}
            << QList<int> {0, 1};
    }

    void dayAndHourNamesAreGuessed()
    {
        QFETCH(QStringList, days);
        QFETCH(QStringList, hours);
        const SlotMapping mapping = GuessedMapping(Names(days, hours));
        QTEST(mapping.dayOf, "dayOf");
        QTEST(mapping.periodOf, "periodOf");
    }

    void twoNamesOnOneDayOrPeriodAreRefused()
    {
        const FetTimetable timetable = Names({"Luni", "Marti"}, {"1", "2"});
        QCOMPARE(CheckMapping(timetable, {{1, 1}, {0, 1}}),
                 QStringLiteral("\"Luni\" and \"Marti\" both go to Tuesday; give each its own."));
        QCOMPARE(CheckMapping(timetable, {{0, 1}, {7, 7}}),
                 QStringLiteral("\"1\" and \"2\" both go to period 8; give each its own."));
    }

    void aTeacherNamedTwiceInFetXmlIsRefusedBothTimes()
    {
        QTemporaryDir dir;
        const QByteArray teacher =
            "<Day name=\"Mon\"><Hour name=\"1\"><Activity id=\"1\"/><Students name=\"7A\"/></Hour></Day>";
        const ImportSource source = ReadImportFile(WriteFile(dir.filePath("twice_teachers.xml"),
                                                             "<Teachers_Timetable>\n<Teacher name=\"A\">" + teacher
                                                                 + "</Teacher>\n<Teacher name=\"B\">" + teacher
                                                                 + "</Teacher>\n<Teacher name=\"A\">" + teacher
                                                                 + "</Teacher>\n</Teachers_Timetable>\n"));
        QVERIFY2(source.error.isEmpty(), qPrintable(source.error));
        const ImportPlan plan = PlanImport({}, source.Teachers(source.DefaultMapping()));
        QCOMPARE(plan.added.size(), 1);
        QCOMPARE(plan.added[0].name1, QStringLiteral("B"));
        QCOMPARE(plan.rejected.size(), 2);
        for (const RejectedRow& rejected : plan.rejected)
            QCOMPARE(rejected.reason, QStringLiteral("the name is in the file more than once (lines 2, 4)"));
    }

    void aNewTeachersSubjectIsTheOneHeTeachesMostOften()
    {
        FetTimetable timetable = Names({"Mon", "Tue"}, {"1", "2", "3"});
        timetable.teachers = {{2, "Tie"}, {3, "Most"}, {4, "None"}};
        timetable.lessons = {{5, 0, 0, 0, {"7A"}, "Art"},    {6, 0, 0, 1, {"7A"}, "Maths"},
                             {7, 0, 1, 0, {"7A"}, "Maths"},  {8, 0, 1, 1, {"7A"}, "Art"},
                             {9, 0, 1, 2, {"7A"}, "Music"},  {10, 1, 0, 0, {"8A"}, ""},
                             {11, 1, 0, 1, {"8A"}, "Music"}, {12, 1, 0, 2, {"8A"}, "Art"},
                             {13, 1, 1, 0, {"8A"}, "Music"}};
        const ImportedTeachers imported = TeachersFromFet(timetable, FileOrderMapping(timetable));
        QStringList subjects;
        for (const ImportedTeacher& teacher : imported.teachers)
            subjects << teacher.row.subject;
        QCOMPARE(subjects, QStringList({"Art", "Music", "-"}));

        const ImportSource xml = ReadImportFile(Files + "/primaria_teachers.xml");
        const ImportedTeachers school = xml.Teachers(xml.DefaultMapping());
        QCOMPARE(school.teachers.first().row.subject, QStringLiteral("INFANTIL"));
    }

    void aTeacherWithATextTooLongForTheRegisterIsRefusedWhole()
    {
        const QString longest(MaxRegisterText, 'x');
        const QString tooLong(MaxRegisterText + 1, 'x');
        FetTimetable timetable = Names({"Mon"}, {"1", "2"});
        timetable.teachers = {{2, longest}, {3, tooLong}, {4, "Class"}, {5, "Subject"}};
        timetable.lessons = {{6, 0, 0, 0, {longest}, longest},
                             {7, 1, 0, 0, {"7A"}, "Art"},
                             {8, 2, 0, 0, {"7A"}, "Art"},
                             {9, 2, 0, 1, {QString(50, 'a'), QString(50, 'b')}, "Art"},
                             {10, 3, 0, 1, {"7A"}, tooLong}};
        const ImportedTeachers imported = TeachersFromFet(timetable, FileOrderMapping(timetable));
        QCOMPARE(imported.teachers.size(), 1);
        QCOMPARE(imported.teachers[0].row.name1, longest);
        QCOMPARE(imported.teachers[0].row.classes[0], longest.toUpper());
        QStringList reasons;
        for (const RejectedRow& rejected : imported.rejected)
            reasons << QStringLiteral("%1: %2").arg(rejected.line).arg(rejected.reason);
        std::sort(reasons.begin(), reasons.end());
        QCOMPARE(reasons,
                 QStringList({"3: the name is longer than 100 characters",
                              "4: the class of Mon 2 (line 9) is longer than 100 characters",
                              "5: the subject of Mon 2 (line 10) is longer than 100 characters"}));
    }

    void aTeacherWithTwoLessonsAtOnceIsRefusedWhole()
    {
        FetTimetable timetable = Names({"Mon"}, {"1", "2"});
        timetable.teachers = {{2, "A"}, {3, "B"}};
        timetable.lessons = {{4, 0, 0, 0, {"7A"}, "Maths"},
                             {5, 1, 0, 0, {"7B", "7C"}, ""},
                             {6, 0, 0, 1, {}, "Duty"},
                             {7, 1, 0, 0, {"8A"}, "Art"}};
        const ImportedTeachers imported = TeachersFromFet(timetable, FileOrderMapping(timetable));
        QCOMPARE(imported.teachers.size(), 1);
        QCOMPARE(imported.teachers[0].row.classes.mid(0, 3), QStringList({"7A", "-", "0"}));
        QCOMPARE(imported.teachers[0].row.subjects.mid(0, 3), QStringList({"Maths", "Duty", "0"}));
        QCOMPARE(imported.rejected.size(), 1);
        QCOMPARE(imported.rejected[0].name, QStringLiteral("B"));
        QCOMPARE(imported.rejected[0].reason, QStringLiteral("two lessons at the same time, Mon 1 (line 7)"));
    }
};

QTEST_GUILESS_MAIN(tst_importFiles)
#include "tst_importFiles.moc"
