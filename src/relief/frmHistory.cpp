#include "relief/frmHistory.h"

#include "import/Csv.h"
#include "import/ExportFile.h"
#include "relief/ReliefReport.h"
#include "relief/frmLoad.h"
#include "report/ReportPreview.h"
#include "ui/Clock.h"
#include "ui/DatabaseConnection.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QDateEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace {
const QString ExportTitle = QStringLiteral("Export");
// The range that Export... offers first: the last 30 days, today included.
constexpr int ExportDays = 30;

QString LongDate(const QDate& day)
{
    return QLocale().toString(day, QLocale::LongFormat);
}

// As Print and Save lists them: by relief teacher number, each teacher's
// lessons in their saved order.
QList<ReliefRecord> InReliefTeacherOrder(QList<ReliefRecord> rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const ReliefRecord& a, const ReliefRecord& b) {
        return a[ReliefRecord::TeaNoP].toLongLong() < b[ReliefRecord::TeaNoP].toLongLong();
    });
    return rows;
}

// UTF-8 with a byte-order mark, so that a spreadsheet opens it as it is: a
// header, then one line per relief, its day first.
QByteArray HistoryCsvFile(const QList<DatedRelief>& reliefs, const ReliefSetModel& columns)
{
    QStringList header = {QStringLiteral("Date")};
    for (int column = 0; column < ReliefRecord::ColumnCount; ++column)
        header << columns.headerData(column, Qt::Horizontal).toString();
    QString text = CsvLine(header);
    for (const DatedRelief& relief : reliefs) {
        QStringList fields = {relief.day.toString(Qt::ISODate)};
        for (const QString& field : relief.record.fields)
            fields << SpreadsheetText(field);
        text += CsvLine(fields);
    }
    return Utf8Bom + text.toUtf8();
}
}

frmHistory::frmHistory(ScreenRegistry& registry)
    : Screen(registry)
{
    setWindowTitle(QStringLiteral("Relief History"));
    BuildScreen();
    connect(lvDays, &QTreeWidget::currentItemChanged, this, &frmHistory::lvDays_Changed);
    connect(cmdPrint, &QPushButton::clicked, this, &frmHistory::cmdPrint_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmHistory::cmdExport_Click);
    connect(cmdLoad, &QPushButton::clicked, this, &frmHistory::cmdLoad_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    Form_Load();
}

void frmHistory::Form_Load()
{
    const QDate today = registry().clock().Today();
    dtpTo->setDate(today);
    dtpFrom->setDate(today.addDays(1 - ExportDays));
    cmdPrint->setEnabled(false);
    cmdExport->setEnabled(false);
    if (!OpenDatabaseForScreen(connection_, registry()))
        return LoadFailed();
    const std::optional<QList<HistoryDay>> days = HistoryStore(connection_).Days();
    if (!days) {
        ReportReadFailure(connection_, registry());
        return LoadFailed();
    }
    ShowDays(*days);
}

void frmHistory::ShowDays(const QList<HistoryDay>& days)
{
    for (const HistoryDay& day : days) {
        auto* item = new QTreeWidgetItem(lvDays, {LongDate(day.day), QString::number(day.reliefs)});
        item->setData(0, Qt::UserRole, day.day);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    cmdExport->setEnabled(!days.isEmpty());
    if (!days.isEmpty())
        lvDays->setCurrentItem(lvDays->topLevelItem(0));
}

QDate frmHistory::ChosenDay() const
{
    const QTreeWidgetItem* item = lvDays->currentItem();
    return item ? item->data(0, Qt::UserRole).toDate() : QDate();
}

void frmHistory::lvDays_Changed()
{
    rows_.Clear();
    const QDate day = ChosenDay();
    cmdPrint->setEnabled(day.isValid());
    if (!day.isValid())
        return;
    const std::optional<QList<ReliefRecord>> reliefs = HistoryStore(connection_).Reliefs(day);
    if (!reliefs) {
        cmdPrint->setEnabled(false);
        ReportReadFailure(connection_, registry());
        return;
    }
    for (const ReliefRecord& relief : *reliefs)
        rows_.Append(relief);
}

// Print: the chosen day's relief teachers list as Print and Save showed it,
// dated with that day.
void frmHistory::cmdPrint_Click()
{
    const Report report = ReliefTeachersList(InReliefTeacherOrder(rows_.Rows()), registry().school(), ChosenDay());
    // The list outlives this screen.
    QWidget* owner = registry().MainScreen();
    ReportPreview::Show(report, owner ? *owner : *static_cast<QWidget*>(this));
}

// Export...: the reliefs of the days in the range, to a CSV file the operator names.
void frmHistory::cmdExport_Click()
{
    Prompter& prompter = registry().prompter();
    const QDate from = dtpFrom->date();
    const QDate to = dtpTo->date();
    if (from > to) {
        prompter.Report(QStringLiteral("The first day of the range comes after its last day."), ExportTitle,
                        MessageIcon::Exclamation);
        return;
    }
    const std::optional<QList<DatedRelief>> reliefs = HistoryStore(connection_).Range(from, to);
    if (!reliefs) {
        ReportReadFailure(connection_, registry());
        return;
    }
    if (reliefs->isEmpty()) {
        prompter.Report(QStringLiteral("No relief set was saved from %1 to %2.").arg(LongDate(from), LongDate(to)),
                        ExportTitle, MessageIcon::Information);
        return;
    }
    ExportToChosenFile(prompter,
                       {QStringLiteral("Export reliefs"), QStringLiteral("CSV (*.csv)"), QStringLiteral("The reliefs"),
                        QStringLiteral("%1 relief(s)").arg(reliefs->size())},
                       HistoryCsvFile(*reliefs, rows_));
}

void frmHistory::cmdLoad_Click()
{
    registry().Show<frmLoad>();
}
