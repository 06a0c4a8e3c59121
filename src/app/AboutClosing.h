#pragma once

#include <QList>
#include <QRect>

// The window geometries of the about screen's closing animation: it shrinks
// to its top strip 40 twips at a time, rises to the top of the screen 50 twips
// at a time, then slides right 105 twips at a time until its left edge reaches
// the screen's width. Frames that look the same in pixels are given once.
QList<QRect> AboutClosingFrames(const QRect& window, int stripHeight, int screenWidth);
