#include "ui/TextEffectFrames.h"

namespace {
// Above this spacing a climbing sequence turns and falls again.
constexpr int HighestSpacing = 128;
// Below this spacing a falling sequence bounces back.
constexpr int LowestSpacing = -3;
}

TextEffectFrames::TextEffectFrames(int startSpacing, int endSpacing, bool repeat)
    : spacing_(startSpacing)
    , endSpacing_(endSpacing)
    , repeat_(repeat)
{
}

std::optional<int> TextEffectFrames::Next()
{
    if (!running_)
        return std::nullopt;
    if (spacing_ < LowestSpacing && !repeat_ && !bounced_) {
        bounced_ = true;
        step_ = 1;
        hold_ = spacing_ + 4;
    }
    if (spacing_ > HighestSpacing)
        step_ = -1;
    if (!repeat_ && step_ == 1) {
        if (spacing_ == endSpacing_) {
            running_ = false; // the closing frame is still drawn
        } else if (--hold_ <= 0) {
            ++spacing_;
            hold_ = spacing_ + 4;
        }
    } else {
        spacing_ += step_;
    }
    return spacing_;
}

QList<int> TextEffectSpacings(int startSpacing, int endSpacing, bool repeat, int maxFrames)
{
    TextEffectFrames frames(startSpacing, endSpacing, repeat);
    QList<int> spacings;
    while (spacings.size() < maxFrames) {
        const std::optional<int> spacing = frames.Next();
        if (!spacing)
            break;
        spacings << *spacing;
    }
    return spacings;
}
