#pragma once

#include "ui/TextEffectFrames.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

// Text drawn at a fixed place of a window with its character spacing
// animated, one frame every 20 ms from a timer, on the button-face colour.
// The animation ends with its sequence, or at once when the window is hidden
// or closed; the last frame stays drawn.
class TextEffect : public QWidget {
    Q_OBJECT
public:
    static constexpr int FrameMs = 20;

    TextEffect(QWidget* target, const QString& text, QPoint at, bool repeat, int startSpacing, int endSpacing,
               const QColor& colour);

    bool IsRunning() const { return timer_.isActive(); }
    int Spacing() const { return spacing_; }
    int Frames() const { return frames_; }
    // Draws the next frame; false once the animation has ended.
    bool Step();

signals:
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Stop();
    QFont SpacedFont() const;

    QWidget* target_;
    QString text_;
    QPoint at_;
    QColor colour_;
    TextEffectFrames sequence_;
    QTimer timer_;
    int spacing_ = 0;
    int frames_ = 0;
};

// Starts the animated text on a window; it runs while the program goes on.
TextEffect* StartTextEffect(QWidget* target, const QString& text, int x, int y, bool repeat, int startSpacing,
                            int endSpacing, const QColor& colour);
