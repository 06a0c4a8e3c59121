#include "relief/frmList.h"

#include "attendance/frmTTAb.h"
#include "data/ProgramSettings.h"
#include "data/ReliefStore.h"
#include "relief/PrintAndSave.h"
#include "relief/ReliefColours.h"
#include "relief/ReliefReport.h"
#include "relief/ReliefSetView.h"
#include "relief/frmFill.h"
#include "relief/frmRelList.h"
#include "report/ReportPreview.h"
#include "ui/Clock.h"
#include "ui/Colours.h"
#include "ui/Controls.h"
#include "ui/DatabaseConnection.h"
#include "ui/Fonts.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"
#include "ui/TopMost.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

frmList::frmList(ScreenRegistry& registry)
    : Screen(registry)
    , plan_(registry.clock().Today())
{
    setWindowTitle(QStringLiteral("Relief Set"));
    BuildScreen();
    connect(Command2, &QPushButton::clicked, this, &frmList::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &frmList::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmList::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmList::Command6_Click);
    connect(cmdFill, &QPushButton::clicked, this, &frmList::cmdFill_Click);
    connect(Command1, &QPushButton::clicked, this, &frmList::RemoteClick);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    ShowPlanChanges();
    Form_Load();
}

// The counters and buttons follow the plan, whoever changes it. Fill the
// Day waits while the relief list is open for a lesson just started.
void frmList::ShowPlanChanges()
{
    connect(&plan_, &ReliefPlan::rowsChanged, this, &frmList::ShowListedCount);
    connect(&plan_, &ReliefPlan::lessonStarted, this, [this] {
        for (QPushButton* button : {Command5, Command4, cmdFill})
            button->setEnabled(false);
        SelectLessonRow();
    });
    connect(&plan_, &ReliefPlan::reliefChosen, this, [this] {
        for (QPushButton* button : {Command4, Command2, Command6, cmdFill})
            button->setEnabled(true);
        SelectLessonRow();
    });
    connect(&plan_, &ReliefPlan::savedAppended, this, [this] { Command2->setEnabled(true); });
    connect(&plan_, &ReliefPlan::cleared, this, [this] { Command6->setEnabled(false); });
}

void frmList::BuildScreen()
{
    lvmem = NewReliefSetView(QStringLiteral("lvmem"), plan_.Model(), this);

    lblSetDay = new QLabel(this);
    lblSetDay->setObjectName(QStringLiteral("lblSetDay"));
    SetBold(lblSetDay);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSetDay);
    layout->addWidget(lvmem, 1);
    layout->addWidget(BuildCounters());
    layout->addWidget(BuildButtons());
}

QWidget* frmList::BuildCounters()
{
    auto* counters = new QWidget(this);
    auto* layout = new QHBoxLayout(counters);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto counter = [counters](const QString& name) {
        auto* label = new QLabel(counters);
        label->setObjectName(name);
        label->setMinimumWidth(40);
        SetTextColour(label, CounterColour);
        SetBold(label);
        return label;
    };
    Label5 = new QLabel(QStringLiteral("Record(s) Listed"), counters);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label4 = counter(QStringLiteral("Label4"));
    Label2 = new QLabel(QStringLiteral("Record(s) in DB"), counters);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = counter(QStringLiteral("Label3"));
    Label6 = counter(QStringLiteral("Label6"));
    Label6->hide();
    for (QLabel* label : {Label5, Label4, Label2, Label3})
        layout->addWidget(label);
    layout->addStretch();
    return counters;
}

QWidget* frmList::BuildButtons()
{
    auto* buttons = new QWidget(this);
    auto* layout = new QHBoxLayout(buttons);
    layout->setContentsMargins(0, 0, 0, 0);
    Command5 = NewButton(QStringLiteral("Previous Relief List"), QStringLiteral("Command5"), buttons);
    cmdFill = NewButton(QStringLiteral("Fill the Day"), QStringLiteral("cmdFill"), buttons);
    Command6 = NewButton(QStringLiteral("Refresh"), QStringLiteral("Command6"), buttons);
    Command4 = NewButton(QStringLiteral("Remove Item"), QStringLiteral("Command4"), buttons);
    Command2 = NewButton(QStringLiteral("Print and Save"), QStringLiteral("Command2"), buttons);
    cmdExit = NewButton(QStringLiteral("Exit"), QStringLiteral("cmdExit"), buttons);
    Command1 = NewButton(QStringLiteral("Command1"), QStringLiteral("Command1"), buttons);
    Command1->hide();
    for (QPushButton* button : {Command5, cmdFill, Command6, Command4, Command2, cmdExit})
        layout->addWidget(button);
    return buttons;
}

void frmList::Form_Load()
{
    if (!OpenDatabaseForScreen(connection_, registry()))
        return LoadFailed();
    const std::optional<int> saved = ReliefStore(connection_).Count();
    if (!saved) {
        ReportReadFailure(connection_, registry());
        return LoadFailed();
    }
    Label3->setText(QString::number(*saved));
    Command6->setEnabled(false);
    RestoreDaySet();
    connect(&plan_, &ReliefPlan::rowsChanged, this, &frmList::KeepDaySet);
    connect(&plan_, &ReliefPlan::rowsChanged, this, &frmList::ShowSetDay);
    ShowListedCount();
    ShowSetDay();
    SetTopMost(this, true);
}

void frmList::ShowCandidateCount(int count)
{
    Label6->setText(QString::number(count));
}

void frmList::ShowListedCount()
{
    Label4->setText(QString::number(plan_.RowCount()));
}

void frmList::ShowSavedCount()
{
    if (const std::optional<int> saved = ReliefStore(connection_).Count())
        Label3->setText(QString::number(*saved));
}

void frmList::SelectLessonRow()
{
    const int row = plan_.LessonRow() >= 0 ? plan_.LessonRow() : plan_.RowCount() - 1;
    if (row >= 0)
        lvmem->setCurrentIndex(plan_.Model().index(row, 0));
}

void frmList::ReliefListLeft()
{
    Command2->setEnabled(true);
    cmdFill->setEnabled(true);
}

void frmList::OpenedFromBoard()
{
    Command4->setEnabled(false);
    Command2->setEnabled(false);
}

void frmList::LeaveReliefList()
{
    if (auto* reliefList = registry().Find<frmRelList>())
        reliefList->RemoteClick1();
    else
        ReliefListLeft();
}

// Remove Item: the newest row goes, whatever row is selected. With no rows
// left the relief list and the absence timetable close.
void frmList::Command4_Click()
{
    if (!CheckDay())
        return;
    if (plan_.RowCount() > 0) {
        plan_.RemoveLast();
        return;
    }
    Command4->setEnabled(false);
    LeaveReliefList();
    registry().Close<frmTTAb>();
}

void frmList::Command2_Click()
{
    if (CheckDay())
        PrintAndSaveSet();
}

// Print and Save: the list replaces the saved set, under the set's day, and
// the relief teachers list of it is shown for printing. The list stays as it is.
bool frmList::PrintAndSaveSet()
{
    if (plan_.RowCount() == 0) {
        RemoveSavedDay();
        return false;
    }
    if (!ConfirmPrintAndSave())
        return false;
    const bool anotherDay = plan_.AnotherDay().has_value();
    const PrintAndSaveResult result = PrintAndSave(connection_, plan_.Rows(), plan_.Day(), registry().school(),
                                                   registry());
    if (result.rowsInTable)
        Label3->setText(QString::number(*result.rowsInTable));
    if (!result.saved)
        return false;
    if (anotherDay)
        plan_.PlanAllForTheDay();
    else
        ShowSetDay();
    registry().Close<frmTTAb>();
    registry().Close<frmRelList>();
    if (result.report) {
        // The list outlives this screen.
        QWidget* owner = registry().MainScreen();
        ReportPreview::Show(*result.report, owner ? *owner : *static_cast<QWidget*>(this));
    }
    return true;
}

// Previous Relief List: the saved set, appended after the rows of the list;
// its lessons that the list holds already are not added again, so a second
// press adds nothing. Brought-back rows count as chosen reliefs.
void frmList::Command5_Click()
{
    if (!CheckDay())
        return;
    const std::optional<QList<ReliefRecord>> saved = ReliefStore(connection_).Read(ReliefOrder::AbsentTeacher);
    if (!saved) {
        ReportReadFailure(connection_, registry());
        return;
    }
    plan_.AppendSaved(*saved, ProgramSettings(connection_).SavedSetDay());
}

void frmList::Command6_Click()
{
    if (!CheckDay())
        return;
    if (!registry().prompter().Ask(QStringLiteral("All records will be clesr in Listview. Are you Sure?"),
                                   QStringLiteral("Clear"), MessageIcon::Exclamation))
        return;
    plan_.Clear();
    LeaveReliefList();
}

// Fill the Day: a relief teacher proposed for every lesson still to cover today.
void frmList::cmdFill_Click()
{
    if (CheckDay())
        registry().Show<frmFill>();
}

// Lists the candidates of the open relief list again, without those already assigned.
void frmList::RemoteClick()
{
    if (auto* reliefList = registry().Find<frmRelList>())
        reliefList->ShowCandidates();
}
