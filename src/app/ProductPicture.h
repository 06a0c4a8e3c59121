#pragma once

#include <QPixmap>

// The product's picture on the splash screen: its name over a week's timetable.
QPixmap ProductPicture(const QSize& size);
