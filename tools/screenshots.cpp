// Writes pictures of the screens in their typical states into a folder:
//   morvane_screenshots OUTPUT_FOLDER
#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "data/TeacherRow.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTTAb.h"
#include "attendance/frmTeaName.h"
#include "import/ImportSource.h"
#include "import/frmImport.h"
#include "relief/frmList.h"
#include "relief/frmRelList.h"
#include "teachers/frmDbase.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {
QList<QStringList> SampleTeachers(int count)
{
    const QStringList titles = {"Mr.", "Mrs.", "Miss.", "Rev.", "Mr."};
    const QStringList names = {"Perera Silva", "Anula Fernando", "Kumari Wickramasinghe-Jayawardena", "Sumana Thero",
                               "Nimal Dias"};
    const QStringList subjects = {"Maths", "English", "Science", "History", "Art", "Music", "Sinhala", "Tamil"};
    QList<QStringList> teachers;
    for (int number = 1; number <= count; ++number) {
        QStringList teacher = Teacher(number, titles[number % 5], names[number % 5] + " " + QString::number(number));
        for (int slot = 0; slot < SlotCount; ++slot) {
            const bool off = (slot * 7 + number) % 6 == 0 || (slot / 8 == 3 && (slot + number) % 4 == 0);
            SetSlot(teacher, slot, off ? "0" : QStringLiteral("%1%2").arg(6 + (slot + number) % 6).arg(QChar('A' + (slot + number) % 4)),
                    off ? "0" : subjects[(slot + number) % 8]);
        }
        SetFlags(teacher, number % 7 == 0 ? "1" : "0", number % 9 == 0 ? "1" : "0");
        teachers << teacher;
    }
    SetSlot(teachers[1], 2, "10A", "0");
    return teachers;
}

// A timetable that FET exported, with the school's own day names, a teacher
// already in the register, and a teacher with two lessons at once.
QString WriteFetCsv(const QString& folder)
{
    const QStringList days = {"Luni", "Marti", "Miercuri", "Joi", "Vineri"};
    const QStringList teachers = {"Anula Fernando 1", "Ionescu Maria", "Popescu Dan", "Dumitru Ana+Popescu Dan"};
    QString csv = "\uFEFF\"Activity Id\",\"Day\",\"Hour\",\"Students Sets\",\"Subject\",\"Teachers\",\"Activity Tags\",\"Room\",\"Comments\"\n";
    int id = 0;
    for (int hour = 7; hour >= 1; --hour) {
        for (int day = 0; day < days.size(); ++day)
            csv += QStringLiteral("\"%1\",\"%2\",\"%3\",\"%4\",\"Matematica\",\"%5\",\"\",\"\",\"\"\n")
                       .arg(++id).arg(days[(day + 2) % 5]).arg(hour).arg(hour % 3 ? "9A" : "9A+9B").arg(teachers[(day + hour) % 4]);
    }
    for (const char* row : {"99", "100"})
        csv += QStringLiteral("\"%1\",\"Luni\",\"8\",\"10C\",\"Fizica\",\"Popescu Dan\",\"\",\"\",\"\"\n").arg(row);
    const QString path = QDir(folder).filePath("school_timetable.csv");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(csv.toUtf8());
    return path;
}

void Save(QWidget* screen, const QString& folder, const QString& name)
{
    screen->show();
    QApplication::processEvents();
    screen->grab().save(QDir(folder).filePath(name + ".png"));
}
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(folder);

    TestProgram program;
    program.CreateDatabase(SampleTeachers(30));
    auto* teachers = program.Open<frmDbase>();
    Save(teachers, folder, "frmDbase");
    Click(teachers, "cmdNext");
    Save(teachers, folder, "frmDbase-error");
    program.prompter.PlanAnswer(Answer::Yes);
    Click(teachers, "cmdUpdate");
    Save(teachers, folder, "frmDbase-edit");
    program.CloseScreens();
    {
        frmImport preview(program.registry, ReadImportFile(WriteFetCsv(program.Folder())));
        Save(&preview, folder, "frmImport");
    }

    program.CreateDatabase(SampleTeachers(120).mid(30));
    auto* board = program.Open<frmAtten>();
    Save(board, folder, "frmAtten-load");
    Click(board, "cmdClear");
    Save(board, folder, "frmAtten-checkall");
    for (int box : {1, 4, 6, 13, 20, 33, 47, 50, 77, 90, 101})
        Click(board, Cell("Check1", box));
    Click(board, "cmdAbs");
    Save(board, folder, "frmAtten-absence");
    Click(board, "cmdPres");
    Save(board, folder, "frmAtten-presence");
    Click(board, "cmdDisplay");
    auto* names = program.registry.Find<frmTeaName>();
    Click(names, "cmdMale");
    Save(names, folder, "frmTeaName");
    Click(board, "cmdAbs");
    Click(board, "cmdDisplay");
    Click(names, "cmdFemale");
    Save(names, folder, "frmTeaName-absence");
    program.CloseScreens();

    program.CreateDatabase(SampleTeachers(220).mid(120));
    board = program.Open<frmAtten>();
    Click(board, "cmdClear");
    Click(board, "cmdClear");
    Click(board, "cmdAllT");
    Click(board, "cmdDisplay");
    Save(program.registry.Find<frmTeaName>(), folder, "frmTeaName-220");
    program.CloseScreens();

    // A morning's relief: three absent teachers, lessons chosen on the absence timetable.
    board = program.Open<frmAtten>();
    Click(board, "cmdClear");
    for (int box : {1, 4, 6})
        Click(board, Cell("Check1", box));
    Click(board, "cmdAbs");
    QTest::mouseDClick(Find(board, "Label1(0)"), Qt::LeftButton);
    auto* absence = program.registry.Find<frmTTAb>();
    for (int slot : {24, 25, 26}) {
        QTest::mouseDClick(Find(absence, Cell("Label1", slot)), Qt::LeftButton);
        auto* reliefList = program.registry.Find<frmRelList>();
        if (slot == 26) {
            Save(reliefList, folder, "frmRelList");
            break;
        }
        QTest::mouseDClick(Find(reliefList, Cell("LblName", slot - 24)), Qt::LeftButton);
    }
    Save(absence, folder, "frmTTAb");
    Save(program.registry.Find<frmList>(), folder, "frmList");
    return 0;
}
