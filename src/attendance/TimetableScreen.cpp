#include "attendance/TimetableScreen.h"

#include "data/TeacherRow.h"
#include "ui/CellLabel.h"
#include "ui/Clock.h"
#include "ui/Colours.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/ScreenRegistry.h"
#include "ui/TopMost.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The day headers stand on the system's application-workspace grey, in white.
const QColor DayHeaderBackground(171, 171, 171);
const QColor PeriodHeaderColour(0, 0, 255);
constexpr int CellWidth = 96;
constexpr int CellHeight = 26;
}

TimetableScreen::TimetableScreen(ScreenRegistry& registry, const QString& caption, const QColor& scheme,
                                 const QString& numberLabel)
    : Screen(registry)
    , scheme_(scheme)
{
    setWindowTitle(caption);
    BuildScreen(numberLabel);
    for (QLabel* label : {static_cast<QLabel*>(Label1[NameCell]), numberLabel_}) {
        SetBackground(label, scheme_);
        SetTextColour(label, Qt::white);
    }
    SetTopMost(this, true);
}

void TimetableScreen::BuildScreen(const QString& numberLabel)
{
    auto* grid = new QGridLayout;
    grid->setSpacing(2);

    numberLabel_ = NewHeader(QString(), numberLabel);
    grid->addWidget(numberLabel_, 0, 0);
    for (int day = 0; day < DaysPerWeek; ++day) {
        dayHeaders_[day] = NewHeader(DayNames[day], QStringLiteral("Label%1").arg(day + 2));
        SetBackground(dayHeaders_[day], DayHeaderBackground);
        SetTextColour(dayHeaders_[day], Qt::white);
        grid->addWidget(dayHeaders_[day], 1, day + 1);
    }
    for (int period = 0; period < PeriodsPerDay; ++period) {
        QLabel* header = NewHeader(PeriodName(period), QStringLiteral("Label%1").arg(period + 15));
        SetTextColour(header, PeriodHeaderColour);
        grid->addWidget(header, period + 2, 0);
    }
    for (int cell = 0; cell <= NameCell; ++cell) {
        auto* label = new CellLabel(this);
        label->setObjectName(QStringLiteral("Label1(%1)").arg(cell));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumSize(CellWidth, CellHeight);
        label->setFrameShape(QFrame::Box);
        label->setAutoFillBackground(true);
        connect(label, &CellLabel::doubleClicked, this, [this, cell] { CellDoubleClicked(cell); });
        Label1[cell] = label;
        if (cell == NameCell)
            grid->addWidget(label, 0, 1, 1, DaysPerWeek);
        else
            grid->addWidget(label, PeriodOf(cell) + 2, DayOf(cell) + 1);
    }
    SetBold(Label1[NameCell]);

    footer_ = new QWidget(this);
    auto* footer = new QHBoxLayout(footer_);
    footer->setContentsMargins(0, 6, 0, 0);
    Label7 = new QLabel(footer_);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label8 = new QLabel(footer_);
    Label8->setObjectName(QStringLiteral("Label8"));
    Command1 = NewButton(QStringLiteral("Exit"), QStringLiteral("Command1"), footer_);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    footer->addWidget(Label7);
    footer->addSpacing(16);
    footer->addWidget(Label8);
    footer->addStretch();
    footer->addWidget(Command1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(footer_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* TimetableScreen::NewHeader(const QString& text, const QString& name)
{
    auto* header = new QLabel(text, this);
    header->setObjectName(name);
    header->setAlignment(Qt::AlignCenter);
    header->setMinimumHeight(CellHeight);
    header->setAutoFillBackground(true);
    SetBold(header);
    return header;
}

void TimetableScreen::FillTimetable(const TeacherRow& row, int periodsInDay)
{
    periodsInDay_ = periodsInDay;
    int work = 0;
    int free = 0;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const bool teaching = IsTeachingSlot(slot);
        Label1[slot]->setText(teaching ? row.classes[slot] : QString());
        SetBackground(Label1[slot], teaching ? palette().color(QPalette::Window) : NoPeriodBackground);
        if (teaching)
            ++(row.classes[slot] == OffPeriod ? free : work);
    }
    Label7->setText(QStringLiteral("Work : %1").arg(work));
    Label8->setText(QStringLiteral("Free : %1").arg(free));
    Label1[NameCell]->setText(row.title + ' ' + row.name1);
    numberLabel_->setText(row.adno);
    Filled();
}

// Today comes from the clock's date, not from the name of the day, so that
// it is found whatever the language of the system.
void TimetableScreen::HighlightToday()
{
    const int weekday = registry().clock().Today().dayOfWeek();
    if (weekday > DaysPerWeek)
        return;
    const int day = weekday - 1;
    SetBackground(dayHeaders_[day], scheme_);
    for (int period = 0; period < PeriodsPerDay; ++period) {
        CellLabel* cell = Label1[day * PeriodsPerDay + period];
        SetTextColour(cell, scheme_);
        SetBold(cell);
    }
}

QString TimetableScreen::TeacherNumber() const
{
    return numberLabel_->text();
}

QString TimetableScreen::TeacherName() const
{
    return Label1[NameCell]->text();
}

QString TimetableScreen::CellText(int cell) const
{
    return Label1.at(cell)->text();
}

void TimetableScreen::SetCellColour(int cell, const QColor& colour)
{
    SetTextColour(Label1.at(cell), colour);
}

void TimetableScreen::SetCellMark(int cell, const QColor& background, const QString& tooltip)
{
    CellLabel* label = Label1.at(cell);
    SetBackground(label, background.isValid() ? background : palette().color(QPalette::Window));
    label->setToolTip(tooltip);
}

void TimetableScreen::CellDoubleClicked(int)
{
}
