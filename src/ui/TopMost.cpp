#include "ui/TopMost.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {
// Set on the window system's window as well, the hint neither hides nor
// re-creates the window, so it stays where it is, and a dialog that is
// showing goes on showing.
void SetStaysOnTopHint(QWidget* window, bool on)
{
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    if (flags == window->windowFlags())
        return;
    window->overrideWindowFlags(flags);
    if (QWindow* handle = window->windowHandle())
        handle->setFlags(flags);
}

// A screen or dialog; menus, pop-ups and tooltips keep their own stacking.
QWidget* OrdinaryWindow(QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow())
        return nullptr;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog ? widget : nullptr;
}

// Watches the program's windows: one shown or raised while a window kept on
// top is shown is lifted above the others with it, and every lifted window
// drops back once the last window kept on top is hidden or closed.
class KeptOnTop : public QObject {
public:
    static KeptOnTop& Instance()
    {
        static QPointer<KeptOnTop> instance;
        if (!instance) {
            instance = new KeptOnTop(qApp);
            qApp->installEventFilter(instance);
        }
        return *instance;
    }

    void Keep(QWidget* window, bool on)
    {
        kept_.removeAll(nullptr);
        kept_.removeAll(window);
        lifted_.removeAll(window);
        SetStaysOnTopHint(window, on);
        if (on)
            kept_ << window;
        else
            DropUnlessKeptShown();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::ZOrderChange:
            if (QWidget* window = OrdinaryWindow(watched); window && !IsKept(window) && AnyKeptShown())
                Lift(window);
            break;
        case QEvent::Hide:
            if (IsKept(watched))
                DropUnlessKeptShown();
            break;
        default: break;
        }
        return false;
    }

private:
    using QObject::QObject;

    bool IsKept(const QObject* window) const
    {
        return std::any_of(kept_.begin(), kept_.end(),
                           [window](const QPointer<QWidget>& kept) { return kept == window; });
    }

    bool AnyKeptShown() const
    {
        return std::any_of(kept_.begin(), kept_.end(),
                           [](const QPointer<QWidget>& kept) { return kept && kept->isVisible(); });
    }

    // A window above the others for a reason of its own is left as it is.
    void Lift(QWidget* window)
    {
        if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return;
        SetStaysOnTopHint(window, true);
        lifted_.removeAll(nullptr);
        lifted_ << window;
    }

    void DropUnlessKeptShown()
    {
        if (AnyKeptShown())
            return;
        for (const QPointer<QWidget>& window : std::as_const(lifted_)) {
            if (window)
                SetStaysOnTopHint(window, false);
        }
        lifted_.clear();
    }

    QList<QPointer<QWidget>> kept_;
    QList<QPointer<QWidget>> lifted_;
};
}

void SetTopMost(QWidget* window, bool on)
{
    KeptOnTop::Instance().Keep(window, on);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->show();
    window->setAttribute(Qt::WA_ShowWithoutActivating, false);
}
