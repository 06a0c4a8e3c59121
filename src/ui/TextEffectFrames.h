#pragma once

#include <QList>

#include <optional>

// The character spacings of the animated text, one per frame: the spacing
// falls by one per frame from the start spacing and, once below -3, eases back
// towards the end spacing, each spacing v then held for v + 4 frames. With the
// repeat flag on, or when the end spacing is never met, the sequence has no end.
class TextEffectFrames {
public:
    TextEffectFrames(int startSpacing, int endSpacing, bool repeat);

    // The spacing of the next frame; nothing once the sequence has ended.
    std::optional<int> Next();

private:
    int spacing_;
    int endSpacing_;
    bool repeat_;
    int step_ = -1;
    bool bounced_ = false;
    int hold_ = 0;
    bool running_ = true;
};

// The first frames of a sequence, at most the given number.
QList<int> TextEffectSpacings(int startSpacing, int endSpacing, bool repeat, int maxFrames);
