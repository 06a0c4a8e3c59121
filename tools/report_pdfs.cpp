// Writes the printed reports as PDF files into a folder, with long names and
// a logo, and pictures of their preview windows, for looking at them:
//   morvane_report_pdfs OUTPUT_FOLDER
#include "ReportChecks.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/ProgramSettings.h"
#include "data/ReliefStore.h"
#include "data/TeacherStore.h"
#include "relief/LoadReport.h"
#include "relief/PrintAndSave.h"
#include "relief/ReliefReport.h"
#include "report/ReportPreview.h"
#include "teachers/TimetableReport.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

namespace {
const QString SchoolName = QStringLiteral("Sri Sumangala Maha Vidyalaya and Junior School, Panadura");
const QStringList Names = {"Perera Silva", "Anula Fernando", "Kumari Wickramasinghe-Jayawardena Seneviratne",
                           "Sumana Thero", "Nimal Dias"};

QString WriteLogo(const QString& folder)
{
    QImage logo(400, 440, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(20, 60, 130));
    painter.drawEllipse(logo.rect().adjusted(10, 10, -10, -10));
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Liberation Serif"), 120, QFont::Bold));
    painter.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("SM"));
    painter.end();
    const QString path = QDir(folder).filePath(QStringLiteral("logo.png"));
    logo.save(path);
    return path;
}

QList<ReliefRecord> ReliefSet(int count)
{
    QList<ReliefRecord> rows;
    const QStringList periods = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th"};
    for (int row = 0; row < count; ++row) {
        ReliefRecord record;
        const bool helper = row % 9 == 4;
        record.fields = {QString::number(row % 7 + 1),
                         QStringLiteral("Mrs. ") + Names[row % 5],
                         row % 4 == 0 ? QStringLiteral("10A*") : QStringLiteral("%1B").arg(6 + row % 6),
                         periods[row % 8],
                         helper ? QString() : Names[(row + 2) % 5],
                         row % 6 == 0 ? QString() : QStringLiteral("Mathematics"),
                         QStringLiteral("Sci"),
                         helper ? QString() : QString::number(40 - row % 13),
                         QString()};
        rows << record;
    }
    return rows;
}

// The relief teachers of two weeks of saved sets, Monday 30 November on,
// weekdays only: teacher 3 the most, teacher 5 none; for the relief load.
bool SaveTwoWeeks(Connection& connection)
{
    const QList<QStringList> days = {{"3"},      {"3", "1"}, {"3", "1", "4"}, {"1"},
                                     {"3", "4"}, {"3", "2"}, {"1", "3"},      {"3"}};
    const QList<ReliefRecord> set = ReliefSet(3);
    ReliefStore store(connection);
    QDate day(2026, 11, 30);
    for (const QStringList& numbers : days) {
        QList<ReliefRecord> rows;
        for (const QString& number : numbers) {
            ReliefRecord relief = set[rows.size()];
            relief[ReliefRecord::TeaNoP] = number;
            rows << relief;
        }
        if (store.Replace(rows, day).status != ReliefSaveResult::Status::Saved)
            return false;
        day = day.addDays(day.dayOfWeek() == 5 ? 3 : 1);
    }
    return true;
}

QList<QStringList> Staff(int count)
{
    QList<QStringList> teachers;
    for (int number = 1; number <= count; ++number) {
        QStringList teacher = Teacher(number, number % 2 ? "Mrs." : "Mr.", Names[number % 5]);
        teacher[TeacherColumn::class1] = number % 3 ? QStringLiteral("11 Commerce A") : QStringLiteral("-");
        SetSlot(teacher, 3, "10A*", "Information Technology*");
        teachers << teacher;
    }
    return teachers;
}
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("reports");
    QDir().mkpath(folder);

    TestProgram program;
    program.CreateDatabase(Staff(5));
    Connection connection;
    if (!connection.Open(ConnectionString()))
        return 1;
    const School school {SchoolName, WriteLogo(folder)};
    const PrintAndSaveResult saved = PrintAndSave(connection, ReliefSet(40), program.clock.Today(), school,
                                                  program.registry);
    const std::optional<QList<TeacherRow>> teachers = TeacherStore(connection).Rows();
    if (!saved.report || !teachers || !SaveTwoWeeks(connection))
        return 1;
    const std::optional<LoadReportLines> loads = ReadLoadReportLines(connection,
                                                                     {QDate(2026, 11, 30), QDate(2026, 12, 10)},
                                                                     program.clock.Today());
    if (!loads)
        return 1;
    const Report load = ReliefLoadReport(*loads, school);
    const Report timetables = PersonalTimeTable(*teachers, 2026, SchoolName,
                                                ProgramSettings(connection).PeriodsInDay());
    if (!WritePdf(LayOut(*saved.report), QDir(folder).filePath(QStringLiteral("DR1.pdf")))
        || !WritePdf(LayOut(timetables), QDir(folder).filePath(QStringLiteral("DR2.pdf")))
        || !WritePdf(LayOut(load), QDir(folder).filePath(QStringLiteral("DR3.pdf"))))
        return 1;
    QWidget owner;
    for (const Report& report : {*saved.report, timetables, load}) {
        ReportPreview* preview = ReportPreview::Show(report, owner);
        preview->resize(900, 1000);
        QApplication::processEvents();
        preview->grab().save(QDir(folder).filePath(report.name + QStringLiteral("-preview.png")));
    }
    return 0;
}
