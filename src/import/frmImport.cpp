#include "import/frmImport.h"

#include "data/FieldLimits.h"
#include "data/ProgramSettings.h"
#include "data/TeacherStore.h"
#include "import/ImportProgress.h"
#include "import/ImportWriter.h"
#include "ui/DatabaseConnection.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {
const QString Title = QStringLiteral("Import");

// Empty while every teacher of the register keeps a box on the attendance board.
QString BoardWarning(const ImportPlan& plan)
{
    if (plan.TeachersAfter() <= BoardBoxes)
        return {};
    return QStringLiteral("After this import the register holds %1 teachers, but the attendance board has boxes "
                          "for only %2. The teachers after the first %2 by number will not be on the board.")
        .arg(plan.TeachersAfter())
        .arg(BoardBoxes);
}
}

frmImport::frmImport(ScreenRegistry& registry, ImportSource source, QWidget* parent)
    : QDialog(parent)
    , registry_(registry)
    , source_(std::move(source))
{
    setObjectName(QStringLiteral("frmImport"));
    setModal(true);
    BuildScreen();
    for (QComboBox* combo : cboDay + cboHour)
        connect(combo, &QComboBox::currentIndexChanged, this, &frmImport::RefreshPlan);
    connect(cmdOK, &QPushButton::clicked, this, &frmImport::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

void frmImport::Form_Load()
{
    if (!OpenDatabaseForScreen(connection_, registry_))
        return;
    const auto rows = TeacherStore(connection_).Rows();
    if (!rows) {
        ReportReadFailure(connection_, registry_);
        return;
    }
    registerRows_ = *rows;
    periodsInDay_ = ProgramSettings(connection_).PeriodsInDay();
    loaded_ = true;
    ShowMapping(source_.DefaultMapping());
    RefreshPlan();
}

void frmImport::ShowMapping(const SlotMapping& mapping)
{
    for (int i = 0; i < cboDay.size(); ++i) {
        const QSignalBlocker blocker(cboDay[i]);
        cboDay[i]->setCurrentIndex(mapping.dayOf[i]);
    }
    for (int i = 0; i < cboHour.size(); ++i) {
        const QSignalBlocker blocker(cboHour[i]);
        cboHour[i]->setCurrentIndex(mapping.periodOf[i]);
    }
}

SlotMapping frmImport::MappingFromScreen() const
{
    SlotMapping mapping;
    for (const QComboBox* combo : cboDay)
        mapping.dayOf << combo->currentIndex();
    for (const QComboBox* combo : cboHour)
        mapping.periodOf << combo->currentIndex();
    return mapping;
}

// Works the plan out afresh from the file and the mapping on the screen.
void frmImport::RefreshPlan()
{
    const SlotMapping mapping = MappingFromScreen();
    const QString clash = source_.kind == ImportKind::RegisterCsv ? QString()
                                                                  : CheckMapping(source_.timetable, mapping);
    if (lblMapping)
        lblMapping->setText(clash);
    plan_ = clash.isEmpty() ? PlanImport(registerRows_, source_.Teachers(mapping)) : ImportPlan {};
    if (clash.isEmpty())
        plan_.periodsInDay = source_.PeriodsInDay(mapping);
    ShowPlan();
    cmdOK->setEnabled(clash.isEmpty() && (plan_.added.size() + plan_.changed.size() > 0 || ChangesPeriods()));
}

bool frmImport::ChangesPeriods() const
{
    return plan_.periodsInDay && *plan_.periodsInDay != periodsInDay_;
}

void frmImport::ShowPlan()
{
    lblAdded->setText(QString::number(plan_.added.size()));
    lblChanged->setText(QString::number(plan_.changed.size()));
    lblUnchanged->setText(QString::number(plan_.unchanged));
    lblRejected->setText(QString::number(plan_.rejected.size()));
    if (lblPeriods) {
        const QString periods = plan_.periodsInDay ? QString::number(*plan_.periodsInDay) : QString();
        lblPeriods->setText(ChangesPeriods() ? QStringLiteral("%1 (now %2)").arg(periods).arg(periodsInDay_) : periods);
    }
    lblBoard->setText(BoardWarning(plan_));
    lstRejected->clear();
    for (const RejectedRow& row : std::as_const(plan_.rejected))
        lstRejected->addTopLevelItem(new QTreeWidgetItem({QString::number(row.line), row.name, row.reason}));
    lstRejected->resizeColumnToContents(0);
    lstRejected->resizeColumnToContents(1);
}

void frmImport::cmdOK_Click()
{
    QString failure;
    {
        ImportProgress progress(QStringLiteral("Writing the teachers to the register..."), this);
        failure = WriteImportPlan(connection_, plan_, progress.Report());
    }
    if (!failure.isEmpty()) {
        registry_.prompter().Report(
            QStringLiteral("Nothing was imported; the register is as it was.\n\n%1").arg(failure), Title,
            MessageIcon::Critical);
        reject();
        return;
    }
    QString done = QStringLiteral("%1 teacher(s) added and %2 teacher(s) given a new timetable.")
                       .arg(plan_.added.size())
                       .arg(plan_.changed.size());
    if (ChangesPeriods())
        done += QStringLiteral("\nA school day now has %1 periods.").arg(*plan_.periodsInDay);
    registry_.prompter().Report(done, Title, MessageIcon::Information);
    accept();
}
