#include "teachers/frmDbase.h"

#include "teachers/TimetableCell.h"
#include "teachers/TimetableColours.h"
#include "ui/Colours.h"
#include "ui/Controls.h"
#include "ui/LockableComboBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace {
QLabel* NewLabel(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

// A text box that takes a text of any length: a text too long for the
// register is refused whole at Save, never cut as it is typed or shown.
QLineEdit* NewField(const QString& name, QWidget* parent, int width = 0)
{
    auto* field = new QLineEdit(parent);
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setObjectName(name);
    if (width > 0)
        field->setFixedWidth(width);
    return field;
}

QLabel* Swatch(const QColor& colour, QWidget* parent)
{
    auto* swatch = new QLabel(parent);
    swatch->setFixedSize(16, 16);
    swatch->setFrameShape(QFrame::Box);
    SetBackground(swatch, colour);
    return swatch;
}
}

void frmDbase::BuildScreen()
{
    setWindowTitle(QStringLiteral("Teacher Database"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildBanner());
    layout->addWidget(BuildRecordArea());

    auto* grids = new QHBoxLayout;
    grids->addWidget(BuildGrid(QStringLiteral("Classes"), QStringLiteral("Frame1"), Text1, QStringLiteral("Text1")));
    grids->addWidget(BuildGrid(QStringLiteral("Subjects"), QStringLiteral("Frame5"), Text10, QStringLiteral("Text10")));
    layout->addLayout(grids);

    txtAdno1 = NewField(QStringLiteral("txtAdno1"), findChild<QGroupBox*>(QStringLiteral("Frame1")));
    txtAdno1->hide();

    layout->addWidget(BuildLegend());
    layout->addWidget(BuildUpperButtons());
    layout->addWidget(BuildLowerButtons());
    layout->addWidget(BuildImportButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* frmDbase::BuildBanner()
{
    auto* banner = new QWidget(this);
    auto* layout = new QVBoxLayout(banner);
    layout->setContentsMargins(0, 0, 0, 0);

    Label19 = NewLabel(QStringLiteral("Morvane"), banner);
    Label19->setObjectName(QStringLiteral("Label19"));
    Label19->setAlignment(Qt::AlignCenter);
    QFont bannerFont = Label19->font();
    bannerFont.setPointSize(20);
    bannerFont.setBold(true);
    Label19->setFont(bannerFont);
    SetTextColour(Label19, QColor(0, 0, 128));

    Label25 = NewLabel(QString(), banner);
    Label25->setObjectName(QStringLiteral("Label25"));
    Label25->setAlignment(Qt::AlignCenter);
    QFont schoolFont = Label25->font();
    schoolFont.setPointSize(12);
    schoolFont.setBold(true);
    Label25->setFont(schoolFont);

    Label24 = NewLabel(QString(), banner);
    Label24->setObjectName(QStringLiteral("Label24"));
    Label24->hide();

    layout->addWidget(Label19);
    layout->addWidget(Label25);
    return banner;
}

QGroupBox* frmDbase::BuildRecordArea()
{
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame4"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);

    txtADNo = NewField(QStringLiteral("txtADNo"), frame, 80);
    Label21 = NewLabel(QString(), frame);
    Label21->setObjectName(QStringLiteral("Label21"));
    QFont countFont = Label21->font();
    countFont.setBold(true);
    Label21->setFont(countFont);
    SetTextColour(Label21, QColor(0, 0, 192));
    Check1 = new QCheckBox(frame);
    Check1->setObjectName(QStringLiteral("Check1"));

    txttitle = new LockableComboBox(frame);
    txttitle->setObjectName(QStringLiteral("txttitle"));
    txttitle->setFixedWidth(80);
    txttitle->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    txtName = NewField(QStringLiteral("txtName"), frame);
    Check2 = new QCheckBox(frame);
    Check2->setObjectName(QStringLiteral("Check2"));

    txtSubj = NewField(QStringLiteral("txtSubj"), frame);
    txtClass = NewField(QStringLiteral("txtClass"), frame, 80);
    txtComName = NewField(QStringLiteral("txtComName"), frame);

    grid->addWidget(NewLabel(QStringLiteral("Teacher No :"), frame), 0, 0);
    grid->addWidget(txtADNo, 0, 1);
    grid->addWidget(Label21, 0, 2);
    grid->addWidget(NewLabel(QStringLiteral("Substitution (Attach) :"), frame), 0, 4, Qt::AlignRight);
    grid->addWidget(Check1, 0, 5);

    auto* titleHead = NewLabel(QStringLiteral("Title"), frame);
    titleHead->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(titleHead, 1, 1);

    grid->addWidget(NewLabel(QStringLiteral("Teacher Name :"), frame), 2, 0);
    grid->addWidget(txttitle, 2, 1);
    grid->addWidget(txtName, 2, 2, 1, 2);
    grid->addWidget(NewLabel(QStringLiteral("Releaf Free :"), frame), 2, 4, Qt::AlignRight);
    grid->addWidget(Check2, 2, 5);

    auto* third = new QHBoxLayout;
    third->addWidget(NewLabel(QStringLiteral("Subjects :"), frame));
    third->addWidget(txtSubj, 2);
    third->addSpacing(12);
    third->addWidget(NewLabel(QStringLiteral("Class :"), frame));
    third->addWidget(txtClass);
    third->addSpacing(12);
    third->addWidget(NewLabel(QStringLiteral("Common Name :"), frame));
    third->addWidget(txtComName, 1);
    grid->addLayout(third, 3, 0, 1, 6);
    grid->setColumnStretch(3, 1);
    return frame;
}

QGroupBox* frmDbase::BuildGrid(const QString& caption, const QString& frameName,
                               std::array<TimetableCell*, SlotCount>& cells, const QString& cellName)
{
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(frameName);
    auto* grid = new QGridLayout(frame);
    grid->setSpacing(2);
    for (int day = 0; day < DayNames.size(); ++day) {
        auto* head = NewLabel(DayNames[day], frame);
        head->setAlignment(Qt::AlignCenter);
        grid->addWidget(head, 0, day + 1);
    }
    for (int period = 0; period < PeriodsPerDay; ++period) {
        auto* number = NewLabel(QString::number(period + 1), frame);
        number->setAlignment(Qt::AlignCenter);
        grid->addWidget(number, period + 1, 0);
    }
    for (int slot = 0; slot < SlotCount; ++slot) {
        auto* cell = new TimetableCell(frame);
        cell->setObjectName(QStringLiteral("%1(%2)").arg(cellName).arg(slot));
        cell->setFixedWidth(74);
        cell->setAlignment(Qt::AlignCenter);
        SetBackground(cell, WorkingColour);
        grid->addWidget(cell, slot % PeriodsPerDay + 1, slot / PeriodsPerDay + 1);
        cells[slot] = cell;
    }
    return frame;
}

QWidget* frmDbase::BuildLegend()
{
    auto* legend = new QWidget(this);
    auto* layout = new QHBoxLayout(legend);
    layout->setContentsMargins(4, 0, 4, 0);
    const auto addEntry = [&](QWidget* mark, const QString& text) {
        layout->addWidget(mark);
        layout->addWidget(NewLabel(text, legend));
        layout->addSpacing(16);
    };
    addEntry(Swatch(OffPeriodColour, legend), QStringLiteral("Off Period"));
    addEntry(Swatch(TimetableErrorColour, legend), QStringLiteral("TT Error"));
    addEntry(Swatch(WorkingColour, legend), QStringLiteral("Working  Period"));
    auto* star = NewLabel(QStringLiteral("*"), legend);
    QFont starFont = star->font();
    starFont.setBold(true);
    star->setFont(starFont);
    addEntry(star, QStringLiteral("Group Subjects "));
    layout->addStretch();
    return legend;
}

QWidget* frmDbase::BuildUpperButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cmdAdd = NewButton(QStringLiteral("Add"), QStringLiteral("cmdAdd"), this);
    cmdSave = NewButton(QStringLiteral("Save"), QStringLiteral("cmdSave"), this);
    cmdDelete = NewButton(QStringLiteral("Delete"), QStringLiteral("cmdDelete"), this);
    cmdUpdate = NewButton(QStringLiteral("Update"), QStringLiteral("cmdUpdate"), this);
    cmdSearch = NewButton(QStringLiteral("Search"), QStringLiteral("cmdSearch"), this);
    cmdAtten = NewButton(QStringLiteral("Attendance"), QStringLiteral("cmdAtten"), this);
    cmdBackup = NewButton(QStringLiteral("Backup"), QStringLiteral("cmdBackup"), this);
    cmdCancel = NewButton(QStringLiteral("Cancel"), QStringLiteral("cmdCancel"), this);
    cmdExit = NewButton(QStringLiteral("Exit"), QStringLiteral("cmdExit"), this);
    for (QPushButton* button :
         {cmdAdd, cmdSave, cmdDelete, cmdUpdate, cmdSearch, cmdAtten, cmdBackup, cmdCancel, cmdExit}) {
        button->setMinimumWidth(72);
        layout->addWidget(button);
    }
    return row;
}

QWidget* frmDbase::BuildLowerButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    Command3 = NewButton(QStringLiteral("Contact"), QStringLiteral("Command3"), this);
    cmdFirst = NewButton(QStringLiteral("<<"), QStringLiteral("cmdFirst"), this);
    cmdPrevious = NewButton(QStringLiteral("<"), QStringLiteral("cmdPrevious"), this);
    cmdNext = NewButton(QStringLiteral(">"), QStringLiteral("cmdNext"), this);
    cmdLast = NewButton(QStringLiteral(">>"), QStringLiteral("cmdLast"), this);
    lbl_rec = NewLabel(QString(), row);
    lbl_rec->setObjectName(QStringLiteral("lbl_rec"));
    lbl_total = NewLabel(QString(), row);
    lbl_total->setObjectName(QStringLiteral("lbl_total"));
    for (QLabel* counter : {lbl_rec, lbl_total}) {
        counter->setFixedWidth(48);
        counter->setAlignment(Qt::AlignCenter);
        counter->setFrameShape(QFrame::StyledPanel);
    }
    Command4 = NewButton(QStringLiteral("TT Print"), QStringLiteral("Command4"), this);
    Command4->setToolTip(QStringLiteral("Time Table Print"));
    Command6 = NewButton(QStringLiteral("Settings"), QStringLiteral("Command6"), this);

    for (QPushButton* button : {Command3, cmdFirst, cmdPrevious, cmdNext, cmdLast}) {
        button->setMinimumWidth(72);
        layout->addWidget(button);
    }
    layout->addSpacing(8);
    layout->addWidget(lbl_rec);
    auto* of = NewLabel(QStringLiteral("of"), row);
    of->setAlignment(Qt::AlignCenter);
    layout->addWidget(of, 0);
    layout->addWidget(lbl_total);
    layout->addSpacing(8);
    layout->addStretch();
    layout->addWidget(Command4);
    layout->addWidget(Command6);
    return row;
}

QWidget* frmDbase::BuildImportButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cmdImport = NewButton(QStringLiteral("Import..."), QStringLiteral("cmdImport"), this);
    cmdExport = NewButton(QStringLiteral("Export..."), QStringLiteral("cmdExport"), this);
    for (QPushButton* button : {cmdImport, cmdExport}) {
        button->setMinimumWidth(72);
        layout->addWidget(button);
    }
    layout->addStretch();
    return row;
}
