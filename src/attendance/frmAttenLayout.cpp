#include "attendance/frmAtten.h"

#include "attendance/AttendanceColours.h"
#include "ui/CellLabel.h"
#include "ui/Colours.h"
#include "ui/Controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int BoxRows = 20;
constexpr int GridColumns = 12;

QLabel* Heading(const QString& text, const QString& name, QWidget* parent, int pointSize)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* Dot(const QColor& colour, const QString& name, QWidget* parent)
{
    auto* dot = new QLabel(parent);
    dot->setObjectName(name);
    dot->setFixedSize(12, 12);
    dot->setStyleSheet(QStringLiteral("background: %1; border-radius: 6px;").arg(colour.name()));
    return dot;
}

QLabel* Swatch(const QColor& colour, const QString& name, QWidget* parent)
{
    auto* swatch = new QLabel(parent);
    swatch->setObjectName(name);
    swatch->setFixedSize(28, 14);
    swatch->setFrameShape(QFrame::Box);
    SetBackground(swatch, colour);
    return swatch;
}

QLabel* LegendText(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    SetTextColour(label, LegendTextColour);
    return label;
}
}

void frmAtten::BuildScreen()
{
    setWindowTitle(QStringLiteral("Teachers' Attendance"));
    SetBackground(this, BoardBackground);

    auto* layout = new QVBoxLayout(this);
    auto* heading = Heading(QStringLiteral("Teachers' Daily Attendance"), QStringLiteral("Label2"), this, 16);
    heading->setAlignment(Qt::AlignCenter);
    SetTextColour(heading, QColor(0, 0, 128));
    layout->addWidget(heading);

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(Heading(QStringLiteral("Teachers' Numbers"), QStringLiteral("Label3(0)"), this, 10));
    left->addWidget(BuildBoard());
    left->addWidget(BuildBoardLegend());
    left->addStretch();
    body->addLayout(left);

    auto* right = new QVBoxLayout;
    right->addWidget(Heading(QStringLiteral("Selected Teachers' Numbers"), QStringLiteral("Label3(1)"), this, 10));
    right->addWidget(BuildGridLegend());
    right->addWidget(BuildGrid());
    right->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(BuildCounters());
    bottom->addWidget(BuildButtons(), 1);
    right->addLayout(bottom);
    right->addWidget(BuildToCover());
    body->addSpacing(12);
    body->addLayout(right);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* frmAtten::BuildBoard()
{
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("BoardFrame"));
    SetBackground(frame, Qt::black);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(1);
    for (int box = 0; box < BoxCount; ++box) {
        auto* check = new QCheckBox(QString::number(box + 1), frame);
        check->setObjectName(QStringLiteral("Check1(%1)").arg(box));
        check->setFixedSize(46, 21);
        SetBackground(check, BoxBackground);
        grid->addWidget(check, box % BoxRows, box / BoxRows);
        Check1[box] = check;
    }
    return frame;
}

QWidget* frmAtten::BuildBoardLegend()
{
    auto* legend = new QWidget(this);
    auto* layout = new QHBoxLayout(legend);
    layout->setContentsMargins(0, 4, 0, 0);
    const auto entry = [&](QLabel* dot, const QString& text, const QString& name) {
        layout->addWidget(dot);
        auto* label = new QLabel(text, legend);
        label->setObjectName(name);
        layout->addWidget(label);
        layout->addSpacing(16);
    };
    entry(Dot(Qt::black, QStringLiteral("Shape4"), legend), QStringLiteral("Relief on"), QStringLiteral("Label4"));
    entry(Dot(ReliefFreeColour, QStringLiteral("Shape5"), legend), QStringLiteral("Relief Free"),
          QStringLiteral("Label5"));
    entry(Dot(SubstitutionAttachColour, QStringLiteral("Shape6"), legend), QStringLiteral("Substitution (Attach)"),
          QStringLiteral("Label9"));
    layout->addStretch();
    return legend;
}

QWidget* frmAtten::BuildGridLegend()
{
    auto* legend = new QWidget(this);
    auto* layout = new QHBoxLayout(legend);
    layout->setContentsMargins(0, 0, 0, 0);
    Label6 = Swatch(AbsentColour, QStringLiteral("Label6"), legend);
    Label11 = LegendText(QStringLiteral("Relief    (Absence)"), QStringLiteral("Label11"), legend);
    Label7 = Swatch(palette().color(QPalette::Active, QPalette::Highlight), QStringLiteral("Label7"), legend);
    Label12 = LegendText(QStringLiteral("Relief (Presence)"), QStringLiteral("Label12"), legend);
    Label8 = Swatch(LightCyan, QStringLiteral("Label8"), legend);
    Label10 = LegendText(QStringLiteral("Relief Free"), QStringLiteral("Label10"), legend);
    for (QLabel* label : {Label6, Label11, Label7, Label12, Label8, Label10})
        layout->addWidget(label);
    layout->addStretch();
    legend->setFixedHeight(20);
    return legend;
}

QWidget* frmAtten::BuildGrid()
{
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(1, 1, 1, 1);
    grid->setSpacing(1);
    for (int cell = 0; cell < GridCells; ++cell) {
        auto* label = new CellLabel(frame);
        label->setObjectName(QStringLiteral("Label1(%1)").arg(cell));
        connect(label, &CellLabel::doubleClicked, this, [this, cell] { Label1_DblClick(cell); });
        label->setFixedSize(36, 21);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        grid->addWidget(label, cell / GridColumns, cell % GridColumns);
        Label1[cell] = label;
    }
    return frame;
}

QWidget* frmAtten::BuildCounters()
{
    auto* counters = new QWidget(this);
    auto* layout = new QGridLayout(counters);
    layout->setContentsMargins(0, 0, 0, 0);
    Text1 = new QLineEdit(counters);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2 = new QLineEdit(counters);
    Text2->setObjectName(QStringLiteral("Text2"));
    for (QLineEdit* count : {Text1, Text2}) {
        count->setReadOnly(true);
        count->setFixedWidth(56);
        count->setAlignment(Qt::AlignCenter);
        QFont font = count->font();
        font.setBold(true);
        count->setFont(font);
    }
    lblRec2 = new QLabel(counters);
    lblRec2->setObjectName(QStringLiteral("lblRec2"));
    lblRec2->setFixedSize(56, Text1->sizeHint().height());
    lblRec2->setAlignment(Qt::AlignCenter);
    lblRec2->setFrameShape(QFrame::Box);
    SetBackground(lblRec2, TeacherCountBackground);

    layout->addWidget(new QLabel(QStringLiteral("Present"), counters), 0, 0);
    layout->addWidget(Text1, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Absent"), counters), 1, 0);
    layout->addWidget(Text2, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Teachers"), counters), 2, 0);
    layout->addWidget(lblRec2, 2, 1);
    return counters;
}

// Under the counters: what today's absences leave to cover.
QWidget* frmAtten::BuildToCover()
{
    lblToCover = new QLabel(this);
    lblToCover->setObjectName(QStringLiteral("lblToCover"));
    lblToCover->setFrameShape(QFrame::Box);
    lblToCover->setMargin(3);
    SetTextColour(lblToCover, ToCoverTextColour);
    QFont font = lblToCover->font();
    font.setBold(true);
    lblToCover->setFont(font);
    return lblToCover;
}

QWidget* frmAtten::BuildButtons()
{
    auto* buttons = new QWidget(this);
    auto* layout = new QGridLayout(buttons);
    layout->setContentsMargins(8, 0, 0, 0);
    cmdPres = NewButton(QStringLiteral("Presence"), QStringLiteral("cmdPres"), this);
    SetBackground(cmdPres, PresenceButtonColour);
    cmdAbs = NewButton(QStringLiteral("Absence"), QStringLiteral("cmdAbs"), this);
    SetBackground(cmdAbs, AbsentColour);
    cmdAllT = NewButton(QStringLiteral("All Names"), QStringLiteral("cmdAllT"), this);
    cmdDisplay = NewButton(QStringLiteral("Names"), QStringLiteral("cmdDisplay"), this);
    cmdClear = NewButton(QStringLiteral("Check All"), QStringLiteral("cmdClear"), this);
    cmdExit = NewButton(QStringLiteral("Exit"), QStringLiteral("cmdExit"), this);
    Command1 = NewButton(QStringLiteral("Previous Relief List"), QStringLiteral("Command1"), this);
    auto* cmdHistory = NewButton(QStringLiteral("History"), QStringLiteral("cmdHistory"), this);
    connect(cmdHistory, &QPushButton::clicked, this, &frmAtten::historyAsked);

    layout->addWidget(cmdPres, 0, 0);
    layout->addWidget(cmdAbs, 0, 1);
    layout->addWidget(cmdAllT, 1, 0);
    layout->addWidget(cmdDisplay, 1, 1);
    layout->addWidget(cmdClear, 2, 0);
    layout->addWidget(cmdExit, 2, 1);
    layout->addWidget(Command1, 3, 0, 1, 2);
    layout->addWidget(cmdHistory, 4, 0, 1, 2);
    return buttons;
}
