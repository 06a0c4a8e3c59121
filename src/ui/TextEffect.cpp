#include "ui/TextEffect.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

TextEffect::TextEffect(QWidget* target, const QString& text, QPoint at, bool repeat, int startSpacing, int endSpacing,
                       const QColor& colour)
    : QWidget(target)
    , target_(target)
    , text_(text)
    , at_(at)
    , colour_(colour)
    , sequence_(startSpacing, endSpacing, repeat)
    , spacing_(startSpacing)
{
    setObjectName(QStringLiteral("TextEffect"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    timer_.setInterval(FrameMs);
    connect(&timer_, &QTimer::timeout, this, &TextEffect::Step);
    target_->installEventFilter(this);
    timer_.start();
    show();
}

bool TextEffect::Step()
{
    if (!timer_.isActive())
        return false;
    if (!target_->isVisible()) {
        Stop();
        return false;
    }
    const std::optional<int> spacing = sequence_.Next();
    if (!spacing) {
        Stop();
        return false;
    }
    spacing_ = *spacing;
    ++frames_;
    const QSize extent = QFontMetrics(SpacedFont()).size(0, text_);
    const int right = std::min(at_.x() + extent.width() + 4, target_->width());
    setGeometry(at_.x(), at_.y(), std::max(0, right - at_.x()), extent.height());
    raise();
    update();
    return true;
}

void TextEffect::Stop()
{
    timer_.stop();
    target_->removeEventFilter(this);
    emit finished();
}

bool TextEffect::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == target_ && (event->type() == QEvent::Hide || event->type() == QEvent::Close) && timer_.isActive())
        Stop();
    return QWidget::eventFilter(watched, event);
}

QFont TextEffect::SpacedFont() const
{
    QFont spaced = font();
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, spacing_);
    return spaced;
}

void TextEffect::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setFont(SpacedFont());
    painter.setPen(colour_);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop, text_);
}

TextEffect* StartTextEffect(QWidget* target, const QString& text, int x, int y, bool repeat, int startSpacing,
                            int endSpacing, const QColor& colour)
{
    auto* effect = new TextEffect(target, text, QPoint(x, y), repeat, startSpacing, endSpacing, colour);
    effect->Step();
    return effect;
}
