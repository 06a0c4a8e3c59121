#pragma once

#include <QWidget>

class ScreenRegistry;

// The base of every screen: it knows the registry that handed it out and
// tells it the moment the screen closes, so that asking for the screen again
// gives a fresh, freshly loaded one. A screen whose load failed says so, and
// the registry then does not hand it out. A screen opens whole on its
// display, above the taskbar, wherever the window system would place it.
class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(ScreenRegistry& registry, QWidget* parent = nullptr);

    bool IsLoaded() const { return loaded_; }

protected:
    ScreenRegistry& registry() const { return registry_; }
    // Called by a load that could not finish; the screen is then discarded.
    void LoadFailed() { loaded_ = false; }

    bool event(QEvent* event) override;

private:
    ScreenRegistry& registry_;
    bool loaded_ = true;
};
