#include "relief/frmRelList.h"

#include "attendance/frmAtten.h"
#include "attendance/frmTTAb.h"
#include "data/ProgramSettings.h"
#include "relief/ReliefList.h"
#include "relief/frmList.h"
#include "ui/CellLabel.h"
#include "ui/Colours.h"
#include "ui/Controls.h"
#include "ui/DatabaseConnection.h"
#include "ui/Fonts.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"
#include "ui/TopMost.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const int RowHeight = Twips(240);
constexpr int HeightTwips = 9700;

struct Column {
    const char* heading;
    int width;
    Qt::Alignment alignment;
};
constexpr Column Columns[] = {{"No", 36, Qt::AlignRight},
                              {"Name", 176, Qt::AlignLeft},
                              {"Subjects", 128, Qt::AlignLeft},
                              {"Free", 36, Qt::AlignCenter},
                              {"Total Free", 64, Qt::AlignCenter}};
constexpr int ColumnCount = int(std::size(Columns));
}

frmRelList::frmRelList(ScreenRegistry& registry)
    : Screen(registry)
{
    setWindowTitle(QStringLiteral("Relief List"));
    // The keys move along the lines wherever the operator last clicked.
    setFocusPolicy(Qt::StrongFocus);
    BuildScreen();
    connect(Command2, &QPushButton::clicked, this, &frmRelList::Command2_Click);
    Form_Load();
}

void frmRelList::BuildScreen()
{
    const auto label = [this](const QString& name) {
        auto* created = new QLabel(this);
        created->setObjectName(name);
        return created;
    };
    Label4 = label(QStringLiteral("Label4"));
    Label11 = label(QStringLiteral("Label11"));
    SetBold(Label4);
    SetBold(Label11);
    SetTextColour(Label11, QColor(0, 0, 255));
    Label3 = label(QStringLiteral("Label3"));
    Label7 = label(QStringLiteral("Label7"));
    Label3->hide();
    Label7->hide();
    lblMore = label(QStringLiteral("lblMore"));
    lblMore->hide();
    lblSuggest = label(QStringLiteral("lblSuggest"));
    lblSuggest->setWordWrap(true);
    Command2 = NewButton(QStringLiteral("Exit"), QStringLiteral("Command2"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(Label4);
    top->addSpacing(16);
    top->addWidget(Label11);
    top->addStretch();

    auto* blocksWidget = new QWidget;
    blocks_ = new QHBoxLayout(blocksWidget);
    blocks_->setContentsMargins(0, 0, 0, 0);
    blocks_->setSpacing(14);
    blocks_->setSizeConstraint(QLayout::SetFixedSize);
    AddBlock();
    AddBlock();
    blocksArea_ = new QScrollArea(this);
    blocksArea_->setObjectName(QStringLiteral("blocks"));
    blocksArea_->setFrameShape(QFrame::NoFrame);
    blocksArea_->setFocusPolicy(Qt::NoFocus);
    blocksArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    blocksArea_->setWidget(blocksWidget);
    ScrollByWholeBlocks((blocksWidget->sizeHint().width() + blocks_->spacing()) / 2);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblMore);
    bottom->addStretch();
    bottom->addWidget(Command2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lblSuggest);
    layout->addWidget(blocksArea_, 1);
    layout->addLayout(bottom);
}

// Two blocks are in view at a time and the list moves by whole blocks, so
// that no block is ever seen cut.
void frmRelList::ScrollByWholeBlocks(int blockStep)
{
    blocksArea_->setMaximumWidth(2 * blockStep - blocks_->spacing());
    QScrollBar* bar = blocksArea_->horizontalScrollBar();
    bar->setSingleStep(blockStep);
    connect(bar, &QScrollBar::valueChanged, this,
            [bar, blockStep](int value) { bar->setValue(qRound(double(value) / blockStep) * blockStep); });
}

// One block of 33 lines under its own headings; the rows are numbered on
// from the blocks before it.
void frmRelList::AddBlock()
{
    auto* block = new QWidget;
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    for (int column = 0; column < ColumnCount; ++column) {
        auto* heading = new QLabel(QString::fromLatin1(Columns[column].heading), block);
        heading->setObjectName(QStringLiteral("Label1(%1)").arg(headings_++));
        SetBold(heading);
        heading->setAlignment(Columns[column].alignment);
        heading->setFixedWidth(Columns[column].width);
        grid->addWidget(heading, 0, column);
    }
    for (int line = 0; line < BlockRows; ++line) {
        const int row = int(rows_.size());
        const auto cell = [&](QLabel* created, const QString& name, int column) {
            created->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(row));
            created->setFixedSize(Columns[column].width, RowHeight);
            created->setAlignment(Columns[column].alignment | Qt::AlignVCenter);
            grid->addWidget(created, line + 1, column);
            return created;
        };
        RowCells cells;
        cells.number = cell(new QLabel(block), QStringLiteral("Label2"), 0);
        cells.name = static_cast<CellLabel*>(cell(new CellLabel(block), QStringLiteral("LblName"), 1));
        cells.subject = cell(new ElidedLabel(block), QStringLiteral("LblPhone"), 2);
        cells.free = cell(new QLabel(block), QStringLiteral("Label12"), 3);
        cells.totalFree = cell(new QLabel(block), QStringLiteral("Label8"), 4);
        connect(cells.name, &CellLabel::doubleClicked, this, [this, row] { LblName_DblClick(row); });
        rows_ << cells;
    }
    blocks_->addWidget(block);
}

void frmRelList::Form_Load()
{
    if (!OpenDatabaseForScreen(connection_, registry()))
        return LoadFailed();
    SetTopMost(this, true);
    Compute();
}

void frmRelList::Compute()
{
    const frmTTAb* timetable = registry().Find<frmTTAb>();
    const LessonHandOver handOver = timetable ? timetable->HandOver() : LessonHandOver {};
    slot_ = handOver.IsSet() ? handOver.slot : -1;
    Label3->setText(handOver.IsSet() ? QString::number(slot_) : QString());
    ShowSlotCaption();
    frmList* list = registry().Open<frmList>();
    if (!list)
        return;
    QList<ReliefCandidate> candidates;
    fair_.reset();
    const frmAtten* board = registry().Find<frmAtten>();
    if (handOver.IsSet() && !board) {
        registry().prompter().Report(
            QStringLiteral("Nobody is marked present: the attendance board is closed. Open the attendance board, tick "
                           "the teachers who are present today, and choose the lesson again."),
            {}, MessageIcon::Exclamation);
    } else if (handOver.IsSet()) {
        const std::optional<QList<TeacherTimetable>> teachers = TeacherStore(connection_).Timetables();
        if (!teachers)
            ReportReadFailure(connection_, registry());
        else {
            candidates = ScanCandidates(*teachers, board->Day(), handOver.slot, handOver.periodName,
                                        ProgramSettings(connection_).PeriodsInDay());
            ReadFairDay(*teachers, board->Day());
        }
    }
    list->Plan().SetCandidates(candidates);
    ShowCandidates();
}

void frmRelList::ShowCandidates()
{
    frmList* list = registry().Find<frmList>();
    if (!list)
        return;
    ReliefPlan& plan = list->Plan();
    const QStringList keys = plan.AssignedSlotKeys();
    plan.SetCandidates(PruneAssigned(plan.Candidates(), keys));
    lines_ = FillRows(plan.Candidates(), keys.isEmpty(), plan.ReliefNumbers());
    while (rows_.size() < lines_.size())
        AddBlock();
    ShowBlocks(std::max(2, int(lines_.size() + BlockRows - 1) / BlockRows), lines_.size() > BlockRows);
    for (int row = 0; row < rows_.size(); ++row) {
        if (row < lines_.size())
            ShowRow(rows_[row], lines_[row]);
        else
            ClearRow(rows_[row]);
    }
    const int count = RowCount();
    Label7->setText(QString::number(count));
    list->ShowCandidateCount(count);
    lblMore->setVisible(count > ListedRows);
    lblMore->setText(
        QStringLiteral("%1 teachers are free in this period; scroll to the right to see them all.").arg(count));
    ShowFairness();
    FitWindow(count);
}

// The window is as wide as its blocks; a suggestion longer than a line
// makes it taller by the lines it needs, so that it is read whole.
void frmRelList::FitWindow(int candidates)
{
    const int width = Twips(ReliefListWidthTwips(candidates));
    const QMargins margins = layout()->contentsMargins();
    const int suggestionHeight = lblSuggest->heightForWidth(width - margins.left() - margins.right());
    setFixedSize(width, Twips(HeightTwips) + std::max(0, suggestionHeight - lblSuggest->fontMetrics().height()));
}

void frmRelList::ShowInFront()
{
    show();
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

// The narrow list shows the left block only; the right one joins it from the
// 34th candidate on, and further blocks only hold candidates beyond the 66th.
void frmRelList::ShowBlocks(int blocks, bool wide)
{
    for (int block = 0; block < blocks_->count(); ++block)
        blocks_->itemAt(block)->widget()->setVisible(block == 0 || (wide && block < blocks));
    // Fit the blocks now, so that the scroll bar never reaches past the last one shown.
    blocks_->activate();
}

void frmRelList::ShowRow(const RowCells& cells, const ReliefListRow& row)
{
    cells.number->setText(row.number);
    cells.name->setText(row.name);
    cells.subject->setText(row.subject);
    cells.free->setText(QString::number(row.free));
    cells.totalFree->setText(QString::number(row.totalFree));
    for (QLabel* label : {cells.number, static_cast<QLabel*>(cells.name), cells.subject, cells.free})
        SetTextColour(label, row.colour);
    SetTextColour(cells.totalFree, row.totalFreeColour);
}

void frmRelList::ClearRow(const RowCells& cells)
{
    for (QLabel* label : {cells.number, static_cast<QLabel*>(cells.name), cells.subject, cells.free, cells.totalFree}) {
        label->clear();
        label->setToolTip(QString());
    }
    cells.name->SetMark(QString());
}

void frmRelList::SetSubject(const QString& subject)
{
    lessonSubject_ = subject;
    Label11->setText(subject);
}

// The caption names the day and the period of the lesson; a slot beyond the
// week keeps the words it had.
void frmRelList::ShowSlotCaption()
{
    if (IsSlot(slot_)) {
        dayName_ = DayNames[DayOf(slot_)];
        periodWord_ = PeriodWord(slot_);
    }
    Label4->setText(dayName_ + QStringLiteral(" - ") + periodWord_ + QStringLiteral(" Period "));
}

void frmRelList::LblName_DblClick(int row)
{
    frmList* list = registry().Show<frmList>();
    if (list && !list->CheckDay())
        return;
    if (const frmTTAb* timetable = registry().Find<frmTTAb>()) {
        slot_ = timetable->HandOver().slot;
        Label3->setText(QString::number(slot_));
    }
    ShowSlotCaption();
    // A name cell below the listed teachers records the lesson without one.
    if (list)
        list->Plan().ChooseRelief(lines_.value(row), lessonSubject_);
    RemoteClick1();
}

void frmRelList::Command2_Click()
{
    if (frmList* list = registry().Find<frmList>())
        list->ReliefListLeft();
    close();
}

void frmRelList::RemoteClick1()
{
    Command2_Click();
}
