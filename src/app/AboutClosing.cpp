#include "app/AboutClosing.h"

#include "ui/Twips.h"

namespace {
constexpr int ShrinkStep = 40;
constexpr int RiseStep = 50;
constexpr int SlideStep = 105;

void Add(QList<QRect>& frames, const QRect& frame)
{
    if (frames.isEmpty() || frames.last() != frame)
        frames << frame;
}
}

QList<QRect> AboutClosingFrames(const QRect& window, int stripHeight, int screenWidth)
{
    QList<QRect> frames;
    QRect frame = window;
    const int strip = stripHeight * TwipsPerPixel;
    for (int height = window.height() * TwipsPerPixel; height >= strip;) {
        height -= ShrinkStep;
        frame.setHeight(Twips(std::max(height, strip)));
        Add(frames, frame);
    }
    for (int top = frame.top() * TwipsPerPixel; top > 0; top -= RiseStep) {
        frame.moveTop(Twips(top));
        Add(frames, frame);
    }
    frame.moveTop(0);
    for (int left = frame.left() * TwipsPerPixel; left < screenWidth * TwipsPerPixel; left += SlideStep) {
        frame.moveLeft(Twips(left));
        Add(frames, frame);
    }
    return frames;
}
