#pragma once

#include <QIcon>
#include <QPixmap>

// The product's picture on the splash screen: its name over a week's timetable.
QPixmap ProductPicture(const QSize& size);

// The program's icon, on every window and in the desktop's menu.
QIcon ProgramIcon();
