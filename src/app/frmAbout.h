#pragma once

#include "ui/Screen.h"

#include <QList>
#include <QPointer>
#include <QRect>

class QLabel;
class QPushButton;
class QTimer;
class TextEffect;

// The contact screen: a round window with the maker's number, address and
// pages; the links open in the user's own programs. It slides away when closed.
class frmAbout : public Screen {
    Q_OBJECT
public:
    static constexpr int Diameter = 350;
    static constexpr int ColourResetMs = 1500;
    static constexpr int ClosingStepMs = 3;

    explicit frmAbout(ScreenRegistry& registry, QWidget* parent = nullptr);

    // One tick of Timer1: the links take their own colours again.
    void Timer1_Timer();
    // One frame of the closing animation; false once it has ended and the screen closed.
    bool StepClosing();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildScreen();
    void Form_Load();
    void Form_Activate();
    void PointerOver(QObject* label);
    void Clicked(QObject* label);

    QWidget* Picture1 = nullptr;
    QLabel* lblSendEmail = nullptr;
    QLabel* lblEmail = nullptr;
    QLabel* lblGoToWeb = nullptr;
    QLabel* lblURL = nullptr;
    QLabel* lblURL1 = nullptr;
    QPushButton* Command1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* closing_ = nullptr;
    QList<QRect> closingFrames_;
    QPointer<TextEffect> effect_;
    bool closed_ = false;
};
