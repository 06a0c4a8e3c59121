// Writes pictures of the screens in their typical states into a folder:
//   morvane_screenshots OUTPUT_FOLDER [--desktop WIDTHxHEIGHT]
// With --desktop each screen is drawn as it shows on a display of that size,
// under a title bar and above a taskbar, cut off where it does not fit; run
// it on such a display, for 1366x768 headless with
//   QT_QPA_PLATFORM=offscreen:configfile=tests/ui/laptop-display.json
#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "admin/BackupRecord.h"
#include "admin/FolderList.h"
#include "admin/frmBackup.h"
#include "admin/frmLogin.h"
#include "admin/frmMkDir.h"
#include "admin/frmSetting.h"
#include "app/frmAbout.h"
#include "app/frmSplash.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTT.h"
#include "attendance/frmTTAb.h"
#include "attendance/frmTeaName.h"
#include "data/TeacherRow.h"
#include "import/ImportSource.h"
#include "import/frmImport.h"
#include "relief/frmFill.h"
#include "relief/frmHistory.h"
#include "relief/frmList.h"
#include "relief/frmLoad.h"
#include "relief/frmRelList.h"
#include "report/ReportPreview.h"
#include "teachers/frmDbase.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QTest>
#include <QTreeView>

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
            const bool off = (slot * 7 + number) % 6 == 0;
            SetSlot(teacher, slot,
                    off ? "0"
                        : QStringLiteral("%1%2").arg(6 + (slot + number) % 6).arg(QChar('A' + (slot + number) % 4)),
                    off ? "0" : subjects[(slot + number) % 8]);
        }
        // Every third teacher is free on Thursday's 3rd period, with one to
        // five free periods that day, so that the relief list shows every count.
        if (number % 3 == 0) {
            for (int slot : QList<int> {26, 24, 25, 27, 28}.mid(0, 1 + number % 5))
                SetSlot(teacher, slot, "0", "0");
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
    QString csv =
        "\uFEFF\"Activity Id\",\"Day\",\"Hour\",\"Students Sets\",\"Subject\",\"Teachers\",\"Activity Tags\",\"Room\",\"Comments\"\n";
    int id = 0;
    for (int hour = 7; hour >= 1; --hour) {
        for (int day = 0; day < days.size(); ++day)
            csv += QStringLiteral("\"%1\",\"%2\",\"%3\",\"%4\",\"Matematica\",\"%5\",\"\",\"\",\"\"\n")
                       .arg(++id)
                       .arg(days[(day + 2) % 5])
                       .arg(hour)
                       .arg(hour % 3 ? "9A" : "9A+9B")
                       .arg(teachers[(day + hour) % 4]);
    }
    for (const char* row : {"99", "100"})
        csv += QStringLiteral("\"%1\",\"Luni\",\"8\",\"10C\",\"Fizica\",\"Popescu Dan\",\"\",\"\",\"\"\n").arg(row);
    const QString path = QDir(folder).filePath("school_timetable.csv");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(csv.toUtf8());
    return path;
}

QSize desktop;

// A display with its taskbar along the bottom; the window stands at the top,
// in the middle, under its title bar unless it has none, as high up as a
// window can stand. Outside its shape a shaped window shows the display.
QPixmap OnDesktop(const QWidget& screen, const QPixmap& shot)
{
    constexpr int TaskbarHeight = 40;
    const int titleBarHeight = screen.windowFlags().testFlag(Qt::FramelessWindowHint) ? 0 : 31;
    QPixmap display(desktop);
    display.fill(QColor(0, 84, 132));
    QPainter painter(&display);
    painter.fillRect(0, desktop.height() - TaskbarHeight, desktop.width(), TaskbarHeight, QColor(32, 32, 32));
    painter.setClipRect(0, 0, desktop.width(), desktop.height() - TaskbarHeight);
    const int left = std::max(0, (desktop.width() - shot.width()) / 2);
    painter.fillRect(left, 0, shot.width(), titleBarHeight, Qt::white);
    painter.drawText(QRect(left + 8, 0, shot.width() - 16, titleBarHeight), Qt::AlignVCenter, screen.windowTitle());
    if (!screen.mask().isEmpty())
        painter.setClipRegion(screen.mask().translated(left, titleBarHeight), Qt::IntersectClip);
    painter.drawPixmap(left, titleBarHeight, shot);
    return display;
}

// A shaped window is shown as the operator sees it: nothing outside its shape.
QPixmap Shaped(const QWidget& screen, const QPixmap& shot)
{
    if (screen.mask().isEmpty())
        return shot;
    QPixmap shaped(shot.size());
    shaped.fill(Qt::white);
    QPainter painter(&shaped);
    painter.setClipRegion(screen.mask());
    painter.drawPixmap(0, 0, shot);
    return shaped;
}

void Save(QWidget* screen, const QString& folder, const QString& name)
{
    screen->show();
    QApplication::processEvents();
    const QPixmap shot = screen->grab();
    (desktop.isValid() ? OnDesktop(*screen, shot) : Shaped(*screen, shot)).save(QDir(folder).filePath(name + ".png"));
}

// The window of the report of that name.
QWidget* Preview(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<ReportPreview*>(window) && window->objectName() == name)
            return window;
    }
    return nullptr;
}

// A school crest to stand for a school's logo.
QString WriteCrest(const QString& folder)
{
    QImage crest(120, 140, QImage::Format_ARGB32);
    crest.fill(Qt::transparent);
    QPainter painter(&crest);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(10, 10);
    shield.lineTo(110, 10);
    shield.lineTo(110, 70);
    shield.quadTo(110, 120, 60, 135);
    shield.quadTo(10, 120, 10, 70);
    shield.closeSubpath();
    painter.fillPath(shield, QColor(20, 70, 140));
    painter.setPen(QPen(QColor(230, 180, 40), 4));
    painter.drawPath(shield);
    painter.fillRect(QRect(35, 45, 50, 36), Qt::white);
    painter.drawLine(60, 45, 60, 81);
    painter.end();
    const QString path = QDir(folder).filePath("crest.png");
    crest.save(path);
    return path;
}

// Saved sets of three days, as Print and Save keeps them.
void SaveHistory(TestProgram& program)
{
    const QStringList periods = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th"};
    for (const QString day : {"2026-12-04", "2026-12-07", "2026-12-09"}) {
        const int reliefs = 3 + day.right(1).toInt() % 5;
        for (int position = 1; position <= reliefs; ++position) {
            const int absent = 1 + (position + day.right(1).toInt()) % 4;
            const int relief = 10 + position * 7;
            program.Exec("INSERT INTO ReliefHistory VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                         {day, position, QString::number(absent), "Mr. Teacher " + QString::number(absent),
                          QStringLiteral("%1B").arg(6 + position % 5), periods[position % 8],
                          "Teacher " + QString::number(relief), "Maths", "Art", QString::number(relief), position});
        }
    }
}

void AdminScreens(TestProgram& program, const QString& folder)
{
    program.Exec("UPDATE Custom SET schName = 'Hillside College', Picture = ?", {WriteCrest(program.Folder())});
    auto* login = program.registry.Open<frmLogin>();
    Save(login, folder, "frmLogin");
    Click(login, "Command1");
    Save(login, folder, "frmLogin-extended");
    login->hide();

    auto* settings = program.registry.Open<frmSetting>();
    Save(settings, folder, "frmSetting");
    Click(settings, "cmd_Change");
    Save(settings, folder, "frmSetting-modify");
    settings->hide();

    BackupRecord::Of(QDir(program.Folder()).filePath("friday.mdb"), program.clock.now).Write();
    auto* backup = program.registry.Open<frmBackup>();
    Find<FolderList>(backup, "Dir1")->SetPath(program.Folder());
    Find<QLineEdit>(backup, "Text1")->setText("monday");
    Save(backup, folder, "frmBackup");
    backup->hide();
    auto* newFolder = program.registry.Open<frmMkDir>();
    newFolder->SetParentFolder(program.Folder());
    Find<QLineEdit>(newFolder, "Text2")->setText("term 2");
    Save(newFolder, folder, "frmMkDir");
    newFolder->hide();

    auto* splash = program.registry.Open<frmSplash>();
    for (int tick = 0; tick < 12; ++tick)
        splash->Timer1_Timer();
    Save(splash, folder, "frmSplash");
    splash->hide();
    Save(program.registry.Open<frmAbout>(), folder, "frmAbout");
}
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QStringList arguments = QApplication::arguments();
    const QString folder = arguments.value(1, QStringLiteral("shots"));
    if (const qsizetype option = arguments.indexOf(QStringLiteral("--desktop")); option > 0) {
        const QStringList size = arguments.value(option + 1).split('x');
        desktop = QSize(size.value(0).toInt(), size.value(1).toInt());
    }
    QDir().mkpath(folder);

    TestProgram program;
    program.CreateDatabase(SampleTeachers(30));
    auto* teachers = program.Open<frmDbase>();
    Save(teachers, folder, "frmDbase");
    Click(teachers, "Command4");
    Save(Preview("DR2"), folder, "DR2");
    Click(teachers, "cmdNext");
    Save(teachers, folder, "frmDbase-error");
    program.prompter.PlanAnswer(Answer::Yes);
    Click(teachers, "cmdUpdate");
    Save(teachers, folder, "frmDbase-edit");
    program.CloseScreens();
    program.Exec(QStringLiteral("INSERT INTO ProgramSetting (Name, Value) VALUES ('PeriodsInDay', '6')"));
    program.Exec(QStringLiteral("UPDATE TabelPB SET s11 = 'Limba romana aprofundat' WHERE adno1 = 1"));
    Save(program.Open<frmDbase>(), folder, "frmDbase-sixPeriods");
    program.Exec(QStringLiteral("DELETE FROM ProgramSetting WHERE Name = 'PeriodsInDay'"));
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
    QTest::mouseDClick(Find(board, "Label1(0)"), Qt::LeftButton);
    Save(program.registry.Find<frmTT>(), folder, "frmTT");
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
    auto* set = program.registry.Find<frmList>();
    Save(set, folder, "frmList");
    // The lesson still without a relief teacher, with the selection on another row.
    auto* rows = Find<QTreeView>(set, "lvmem");
    rows->setCurrentIndex(rows->model()->index(0, 0));
    Save(set, folder, "frmList-uncovered");
    Save(board, folder, "frmAtten-cover");
    // Fill the Day's proposal for the lessons still to cover, the relief list left.
    Click(program.registry.Find<frmRelList>(), "Command2");
    Click(set, "cmdFill");
    Save(program.registry.Find<frmFill>(), folder, "frmFill");
    // Print and Save with a lesson left to a helper.
    Click(program.registry.Find<frmFill>(), "cmdCancel");
    program.prompter.PlanAnswer(Answer::Yes);
    Click(set, "Command2");
    Save(Preview("DR1"), folder, "DR1");
    program.CloseScreens();

    // Fill the Day on a day when everybody is present.
    Click(program.Open<frmAtten>(), "cmdClear");
    Click(program.Open<frmList>(), "cmdFill");
    Save(program.registry.Find<frmFill>(), folder, "frmFill-nothing");
    program.CloseScreens();

    // Today's saved set and three earlier days' sets, the newest shown.
    SaveHistory(program);
    Click(program.Open<frmAtten>(), "cmdHistory");
    Save(program.registry.Find<frmHistory>(), folder, "frmHistory");
    // The relief load of those days, from the history's Load Report.
    Click(program.registry.Find<frmHistory>(), "cmdLoad");
    Save(program.registry.Find<frmLoad>(), folder, "frmLoad");
    Click(program.registry.Find<frmLoad>(), "cmdPrint");
    Save(Preview("DR3"), folder, "DR3");
    program.CloseScreens();

    AdminScreens(program, folder);
    return 0;
}
