#include "teachers/TimetableCell.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <limits>

namespace {
// The gap QLineEdit keeps between its frame and its text.
constexpr int TextGap = 2;
}

TimetableCell::TimetableCell(QWidget* parent)
    : QLineEdit(parent)
{
    // A text too long for the register is refused at Save, never cut here.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, &TimetableCell::ShowWholeTextInTip);
}

QRect TimetableCell::TextArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    return contents.marginsRemoved(textMargins()).adjusted(TextGap, 0, -TextGap, 0);
}

QString TimetableCell::ShownText() const
{
    if (hasFocus())
        return text();
    return fontMetrics().elidedText(text(), Qt::ElideRight, TextArea().width());
}

void TimetableCell::paintEvent(QPaintEvent* event)
{
    const QString shown = ShownText();
    if (shown == text())
        return QLineEdit::paintEvent(event);
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(TextArea(), int(QStyle::visualAlignment(layoutDirection(), alignment())), shown);
}

void TimetableCell::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    ShowWholeTextInTip();
}

// Only a cut text needs its tip.
void TimetableCell::ShowWholeTextInTip()
{
    const bool cut = fontMetrics().horizontalAdvance(text()) > TextArea().width();
    setToolTip(cut ? text() : QString());
}
