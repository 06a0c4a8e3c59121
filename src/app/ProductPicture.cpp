#include "app/ProductPicture.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int Days = 5;
constexpr int Periods = 8;

// A week's timetable, a few lessons marked as covered.
void PaintTimetable(QPainter& painter, const QRect& area)
{
    const int cellWidth = area.width() / Days;
    const int cellHeight = area.height() / Periods;
    for (int day = 0; day < Days; ++day) {
        for (int period = 0; period < Periods; ++period) {
            const bool covered = (day * 3 + period * 5) % 11 == 0;
            const bool free = (day + period * 2) % 7 == 3;
            QColor colour = covered ? QColor(255, 196, 64)
                : free              ? QColor(255, 255, 255, 40)
                                    : QColor(255, 255, 255, 110);
            painter.fillRect(QRect(area.left() + day * cellWidth + 2, area.top() + period * cellHeight + 2,
                                   cellWidth - 4, cellHeight - 4),
                             colour);
        }
    }
}
}

QPixmap ProductPicture(const QSize& size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(16, 42, 96));
    sky.setColorAt(1, QColor(40, 110, 150));
    painter.fillRect(picture.rect(), sky);

    const int gridWidth = size.width() * 2 / 5;
    PaintTimetable(painter, QRect(size.width() - gridWidth - 36, 36, gridWidth, size.height() - 110));

    painter.setPen(Qt::white);
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(size.height() / 6);
    title.setBold(true);
    painter.setFont(title);
    const QRect words(36, 60, size.width() - gridWidth - 90, size.height() / 4);
    painter.drawText(words, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Morvane"));

    QFont subtitle = title;
    subtitle.setPixelSize(size.height() / 18);
    subtitle.setBold(false);
    painter.setFont(subtitle);
    painter.drawText(words.translated(0, words.height() + 8), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Relief teaching, planned\nfor every lesson of the day"));
    return picture;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {48, 256})
        icon.addFile(QStringLiteral(":/icons/org.morvane.Morvane-%1.png").arg(size), QSize(size, size));
    return icon;
}
