#pragma once

#include "ui/Screen.h"

#include <QTimer>

class QLabel;

// The first screen: the product picture with a bar that grows, then the login.
class frmSplash : public Screen {
    Q_OBJECT
public:
    static constexpr int StartMs = 100;
    static constexpr int GrowthStepMs = 40;
    static constexpr int GrowthSteps = 20;

    explicit frmSplash(ScreenRegistry& registry, QWidget* parent = nullptr);

    // One tick of Timer1: the bar grows a step; once it is full the login opens.
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QTimer* Timer1 = nullptr;
};
