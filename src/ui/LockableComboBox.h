#pragma once

#include <QComboBox>

// An editable drop-down box that can be locked like a read-only text box:
// it keeps its look but takes no typing, no list choice and no wheel.
class LockableComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit LockableComboBox(QWidget* parent = nullptr);

    void SetLocked(bool locked);
    bool IsLocked() const { return locked_; }

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool locked_ = false;
};
