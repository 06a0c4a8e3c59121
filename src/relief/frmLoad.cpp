#include "relief/frmLoad.h"

#include "data/ProgramSettings.h"
#include "import/Csv.h"
#include "import/ExportFile.h"
#include "report/ReportPreview.h"
#include "ui/Clock.h"
#include "ui/DatabaseConnection.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QDateEdit>
#include <QPushButton>

#include <algorithm>

namespace {
const QString Caption = QStringLiteral("Relief Load");

// UTF-8 with a byte-order mark, so that a spreadsheet opens it as it is: a
// header, then one line per teacher.
QByteArray LoadCsvFile(const QList<TeacherLoadLine>& teachers)
{
    QString text = CsvLine({QStringLiteral("Tea.No"), QStringLiteral("Teacher Name"), QStringLiteral("This Week"),
                            QStringLiteral("In Range")});
    for (const TeacherLoadLine& teacher : teachers) {
        text += CsvLine({QString::number(teacher.number), SpreadsheetText(teacher.name),
                         QString::number(teacher.thisWeek), QString::number(teacher.inRange)});
    }
    return Utf8Bom + text.toUtf8();
}
}

frmLoad::frmLoad(ScreenRegistry& registry)
    : Screen(registry)
{
    setWindowTitle(Caption);
    BuildScreen();
    connect(cmdPrint, &QPushButton::clicked, this, &frmLoad::cmdPrint_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmLoad::cmdExport_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    Form_Load();
}

// The term so far: from its first day to today.
void frmLoad::Form_Load()
{
    if (!OpenDatabaseForScreen(connection_, registry()))
        return LoadFailed();
    const QDate today = registry().clock().Today();
    dtpFrom->setDate(std::min(ProgramSettings(connection_).TermStart(today), today));
    dtpTo->setDate(today);
}

std::optional<LoadReportLines> frmLoad::ChosenLoads()
{
    const DayRange range {dtpFrom->date(), dtpTo->date()};
    if (range.from > range.to) {
        registry().prompter().Report(QStringLiteral("The first day of the range comes after its last day."), Caption,
                                     MessageIcon::Exclamation);
        return std::nullopt;
    }
    std::optional<LoadReportLines> loads = ReadLoadReportLines(connection_, range, registry().clock().Today());
    if (!loads)
        ReportReadFailure(connection_, registry());
    return loads;
}

void frmLoad::cmdPrint_Click()
{
    const std::optional<LoadReportLines> loads = ChosenLoads();
    if (!loads)
        return;
    // The report outlives this screen.
    QWidget* owner = registry().MainScreen();
    ReportPreview::Show(ReliefLoadReport(*loads, registry().school()), owner ? *owner : *static_cast<QWidget*>(this));
}

// Export...: the report's lines, to a CSV file the operator names.
void frmLoad::cmdExport_Click()
{
    const std::optional<LoadReportLines> loads = ChosenLoads();
    if (!loads)
        return;
    ExportToChosenFile(registry().prompter(),
                       {QStringLiteral("Export relief load"), QStringLiteral("CSV (*.csv)"),
                        QStringLiteral("The relief load"),
                        QStringLiteral("The relief load of %1 teacher(s)").arg(loads->teachers.size())},
                       LoadCsvFile(loads->teachers));
}
