#include "import/frmImport.h"

#include "ui/Colours.h"
#include "ui/Controls.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QString KindName(ImportKind kind)
{
    switch (kind) {
    case ImportKind::FetXml: return QStringLiteral("FET teachers timetable (XML)");
    case ImportKind::FetCsv: return QStringLiteral("FET timetable (CSV)");
    case ImportKind::RegisterCsv: return QStringLiteral("register (CSV)");
    }
    return {};
}

QLabel* NamedLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QStringList PeriodNames()
{
    QStringList names;
    for (int period = 1; period <= PeriodsPerDay; ++period)
        names << QStringLiteral("Period %1").arg(period);
    return names;
}
}

void frmImport::BuildScreen()
{
    setWindowTitle(QStringLiteral("Import"));
    auto* layout = new QVBoxLayout(this);
    lblFile = NamedLabel(QStringLiteral("lblFile"), this);
    lblFile->setText(QStringLiteral("%1, a %2").arg(QFileInfo(source_.path).fileName(), KindName(source_.kind)));
    lblFile->setWordWrap(true);
    layout->addWidget(lblFile);
    if (source_.kind != ImportKind::RegisterCsv)
        layout->addWidget(BuildWeek());
    layout->addWidget(BuildCounts());
    lstRejected = new QTreeWidget(this);
    lstRejected->setObjectName(QStringLiteral("lstRejected"));
    lstRejected->setHeaderLabels({QStringLiteral("Line"), QStringLiteral("Name"), QStringLiteral("Reason")});
    lstRejected->setRootIsDecorated(false);
    lstRejected->setWordWrap(true);
    lstRejected->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    lstRejected->setMinimumHeight(140);
    layout->addWidget(lstRejected, 1);
    layout->addWidget(BuildButtons());
    resize(640, 600);
}

QGroupBox* frmImport::BuildWeek()
{
    auto* week = new QGroupBox(QStringLiteral("Days and hours of the file"), this);
    week->setObjectName(QStringLiteral("fraWeek"));
    auto* layout = new QVBoxLayout(week);
    auto* lists = new QHBoxLayout;
    lists->addWidget(
        BuildNames(QStringLiteral("Days"), source_.timetable.days, DayNames, QStringLiteral("cboDay"), cboDay));
    lists->addWidget(BuildNames(QStringLiteral("Hours"), source_.timetable.hours, PeriodNames(),
                                QStringLiteral("cboHour"), cboHour));
    layout->addLayout(lists);
    auto* note = new QLabel(source_.HasMappableWeek()
                                ? QStringLiteral("Check where each day and hour goes, and change it where it is wrong.")
                                : QStringLiteral("The file's own order of days and hours is used; hours without "
                                                 "any lesson (breaks) are left out."),
                            week);
    note->setWordWrap(true);
    layout->addWidget(note);
    lblMapping = NamedLabel(QStringLiteral("lblMapping"), week);
    lblMapping->setWordWrap(true);
    SetTextColour(lblMapping, QColor(192, 0, 0));
    layout->addWidget(lblMapping);
    return week;
}

QGroupBox* frmImport::BuildNames(const QString& caption, const QStringList& names, const QStringList& targets,
                                 const QString& comboName, QList<QComboBox*>& combos)
{
    auto* group = new QGroupBox(caption, this);
    auto* form = new QFormLayout(group);
    for (int i = 0; i < names.size(); ++i) {
        auto* combo = new QComboBox(group);
        combo->setObjectName(QStringLiteral("%1(%2)").arg(comboName).arg(i));
        combo->addItems(targets);
        combo->setEnabled(source_.HasMappableWeek());
        form->addRow(names[i], combo);
        combos << combo;
    }
    return group;
}

QWidget* frmImport::BuildCounts()
{
    auto* counts = new QWidget(this);
    auto* form = new QFormLayout(counts);
    form->setContentsMargins(0, 0, 0, 0);
    lblAdded = NamedLabel(QStringLiteral("lblAdded"), counts);
    lblChanged = NamedLabel(QStringLiteral("lblChanged"), counts);
    lblUnchanged = NamedLabel(QStringLiteral("lblUnchanged"), counts);
    lblRejected = NamedLabel(QStringLiteral("lblRejected"), counts);
    form->addRow(QStringLiteral("Teachers to add:"), lblAdded);
    form->addRow(QStringLiteral("Teachers whose timetable is replaced:"), lblChanged);
    form->addRow(QStringLiteral("Teachers left as they are:"), lblUnchanged);
    form->addRow(QStringLiteral("Rows that cannot be taken:"), lblRejected);
    if (source_.kind != ImportKind::RegisterCsv) {
        lblPeriods = NamedLabel(QStringLiteral("lblPeriods"), counts);
        form->addRow(QStringLiteral("Periods in a school day:"), lblPeriods);
    }
    lblBoard = NamedLabel(QStringLiteral("lblBoard"), counts);
    lblBoard->setWordWrap(true);
    SetTextColour(lblBoard, QColor(192, 0, 0));
    form->addRow(lblBoard);
    return counts;
}

QWidget* frmImport::BuildButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cmdOK = NewButton(QStringLiteral("Import"), QStringLiteral("cmdOK"), this);
    cmdCancel = NewButton(QStringLiteral("Cancel"), QStringLiteral("cmdCancel"), this);
    layout->addStretch();
    layout->addWidget(cmdOK);
    layout->addWidget(cmdCancel);
    return row;
}
