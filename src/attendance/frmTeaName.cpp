#include "attendance/frmTeaName.h"

#include "attendance/AttendanceColours.h"
#include "ui/Clock.h"
#include "ui/Colours.h"
#include "ui/Controls.h"
#include "ui/ElidedLabel.h"
#include "ui/Printer.h"
#include "ui/ScreenRegistry.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

namespace {
constexpr int HeaderHeight = 48;
constexpr int HeaderTop = 4;
constexpr int ButtonWidth = 104;
constexpr int ButtonHeight = 26;
// Six columns fit inside the widest screen, 19200 twips, with a margin at both sides.
const int CellLeft = Twips(60);
const int CellWidth = Twips(3075);
const int ColumnStep = Twips(3195);
// Rows a little closer than 240 twips let the whole screen stand above the
// taskbar of a 1366 x 768 display.
const int RowStep = Twips(225);
const int ButtonsTop = HeaderHeight + frmTeaName::Rows * RowStep + 8;

// Only the cells that can hold a teacher are marked.
constexpr int ListedCells = 220;

// Where a title stands in a name cell: after a number of one to three digits and ".  ".
constexpr int FirstTitlePosition = 4;
constexpr int LastTitlePosition = 7;
}

frmTeaName::frmTeaName(ScreenRegistry& registry, QWidget* parent)
    : Screen(registry, parent)
{
    BuildScreen();
    connect(cmdMale, &QPushButton::clicked, this, &frmTeaName::cmdMale_Click);
    connect(cmdFemale, &QPushButton::clicked, this, &frmTeaName::cmdFemale_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmTeaName::cmdPrint_Click);
    connect(cmdHome, &QPushButton::clicked, this, &QWidget::close);
}

void frmTeaName::BuildScreen()
{
    setWindowTitle(QStringLiteral("Teachers' Names"));
    setAutoFillBackground(true);

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignCenter);
    QFont headerFont = Label3->font();
    headerFont.setBold(true);
    headerFont.setPointSize(11);
    Label3->setFont(headerFont);
    Label3->setWordWrap(true);
    Label3->move(0, HeaderTop);

    QFont nameFont = font();
    nameFont.setPointSize(8);
    for (int cell = 0; cell < NameCells; ++cell) {
        auto* label = new ElidedLabel(this);
        label->setObjectName(QStringLiteral("Label1(%1)").arg(cell));
        label->setFont(nameFont);
        label->setGeometry(CellLeft + cell / Rows * ColumnStep, HeaderHeight + cell % Rows * RowStep, CellWidth,
                           RowStep);
        Label1[cell] = label;
    }

    const auto button = [this](const QString& caption, const QString& name, int column, int row) {
        QPushButton* created = NewButton(caption, name, this);
        created->setGeometry(CellLeft + column * (ButtonWidth + 4), ButtonsTop + row * (ButtonHeight + 4), ButtonWidth,
                             ButtonHeight);
        return created;
    };
    cmdMale = button(QStringLiteral("Gents Teachers"), QStringLiteral("cmdMale"), 0, 0);
    cmdFemale = button(QStringLiteral("Lady Teachers"), QStringLiteral("cmdFemale"), 1, 0);
    cmdPrint = button(QStringLiteral("Print"), QStringLiteral("cmdPrint"), 0, 1);
    cmdHome = button(QStringLiteral("Home"), QStringLiteral("cmdHome"), 1, 1);
    for (QPushButton* hidden : {cmdMale, cmdFemale, cmdPrint})
        hidden->hide();

    setFixedSize(Twips(3450), ButtonsTop + 2 * (ButtonHeight + 4) + 6);
}

int frmTeaName::WidthForCount(int count)
{
    static const struct {
        int upTo;
        int width;
    } widths[] = {{38, 3450}, {76, 6705}, {114, 9915}, {152, 13170}, {190, 16185}, {220, 19200}};
    for (const auto& step : widths) {
        if (count <= step.upTo)
            return step.width;
    }
    return 0;
}

void frmTeaName::ShowList(ListMode mode, const QString& count, const QStringList& names)
{
    for (int cell = 0; cell < NameCells; ++cell) {
        Label1[cell]->setText(names.value(cell));
        Label1[cell]->setToolTip(names.value(cell));
    }
    if (mode != ListMode::None) {
        ShowHeader(mode, count);
        ResizeForCount(count.trimmed().toInt());
    }
    for (QPushButton* shown : {cmdFemale, cmdMale, cmdPrint})
        shown->show();
    CentreHeader();
    CentreOnDisplay(this);
}

void frmTeaName::ShowHeader(ListMode mode, const QString& count)
{
    const QString today = QLocale::system().toString(registry().clock().Today(), QLocale::ShortFormat);
    QString header;
    QString caption;
    QColor background;
    switch (mode) {
    case ListMode::Presence:
        header = QStringLiteral("Presence Teachers  ");
        caption = QStringLiteral("Pre: Tea: Names");
        background = PresenceButtonColour;
        break;
    case ListMode::Absence:
        header = QStringLiteral("Absence Teachers  ");
        caption = QStringLiteral("Abs: Tea: Names");
        background = AbsentColour;
        break;
    case ListMode::AllTeachers:
    case ListMode::None:
        header = QStringLiteral("All Teachers   ");
        caption = QStringLiteral("All Teachers' Names");
        background = AllTeachersNamesBackground;
        break;
    }
    Label3->setText(header + count + QStringLiteral("- ") + today);
    setWindowTitle(caption);
    SetBackground(this, background);
}

void frmTeaName::ResizeForCount(int count)
{
    if (const int width = WidthForCount(count))
        setFixedWidth(Twips(width));
}

// Centres the header over the names; on a screen narrower than the header
// (one column) it breaks into two lines rather than being cut off.
void frmTeaName::CentreHeader()
{
    const int available = width() - 2 * HeaderTop;
    const int headerWidth = std::min(Label3->fontMetrics().horizontalAdvance(Label3->text()) + 2, available);
    Label3->resize(headerWidth, Label3->heightForWidth(headerWidth));
    Label3->move((width() - headerWidth) / 2, HeaderTop);
}

// Marks in red every name whose title, standing at one of the title positions,
// begins with one of the given texts; every other name is black.
void frmTeaName::MarkNames(const QStringList& titles)
{
    for (int cell = 0; cell < ListedCells; ++cell) {
        const QString text = Label1[cell]->text();
        bool marked = false;
        for (int position = FirstTitlePosition; position <= LastTitlePosition && !marked; ++position) {
            for (const QString& title : titles)
                marked = marked || text.mid(position - 1, title.size()) == title;
        }
        SetTextColour(Label1[cell], marked ? MarkedNameColour : QColor(Qt::black));
    }
}

void frmTeaName::cmdMale_Click()
{
    MarkNames({QStringLiteral("Mr."), QStringLiteral("Rev")});
}

void frmTeaName::cmdFemale_Click()
{
    MarkNames({QStringLiteral("Mi"), QStringLiteral("Mrs")});
}

void frmTeaName::cmdPrint_Click()
{
    registry().printer().PrintImage(grab().toImage());
}
