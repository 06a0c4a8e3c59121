#include "ui/TextEffect.h"
#include "ui/TextEffectFrames.h"
#include "ui/WindowRegions.h"

#include <QPushButton>
#include <QTest>

// The animated text's frames, its timer-driven run, and shaped windows.
class tst_presentation : public QObject {
    Q_OBJECT

private slots:
    // The about screen's call: 127 down to -4, then -3 once, -2 twice, -1
    // three times, and 0 for the frame that reaches it and the closing one.
    void theAboutScreensCallRuns140Frames()
    {
        const QList<int> spacings = TextEffectSpacings(128, 0, false, 1000);
        QCOMPARE(spacings.size(), 140);
        QCOMPARE(spacings.first(), 127);
        QCOMPARE(spacings[131], -4);
        QCOMPARE(spacings.mid(132), (QList<int> {-3, -2, -2, -1, -1, -1, 0, 0}));
    }

    void sequencesWithoutAnEnd_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<int>("turnsAt");
        QTest::newRow("end below -4 is never reached") << 20 << -6 << false << -4;
        QTest::newRow("end above 128 is passed, then the spacing falls") << 20 << 200 << false << 129;
        QTest::newRow("repeat falls without a bounce") << 5 << 0 << true << 0;
    }

    void sequencesWithoutAnEnd()
    {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(bool, repeat);
        QFETCH(int, turnsAt);
        // No end within many thousand frames: the spacing falls past any value.
        const int frames = 20000;
        const QList<int> spacings = TextEffectSpacings(start, end, repeat, frames);
        QCOMPARE(spacings.size(), frames);
        if (turnsAt != 0)
            QVERIFY(spacings.contains(turnsAt));
        QVERIFY(spacings.last() < -1000);
    }

    void theEffectDrawsFrameByFrameUntilItsLastFrame()
    {
        QWidget window;
        window.resize(350, 350);
        window.show();
        TextEffect* effect = StartTextEffect(&window, QString(), 12, 12, false, 128, 0, QColor(128, 0, 0));
        QVERIFY(effect->IsRunning());
        QCOMPARE(effect->Frames(), 1);
        // An empty text paints only the erase rectangle, 4 pixels wide, at (12, 12).
        QCOMPARE(effect->geometry().topLeft(), QPoint(12, 12));
        QCOMPARE(effect->width(), 4);
        while (effect->Step()) { }
        QCOMPARE(effect->Frames(), 140);
        QCOMPARE(effect->Spacing(), 0);
        QVERIFY(!effect->IsRunning());
    }

    void theEffectEndsAtOnceWhenItsWindowIsHiddenOrClosed_data()
    {
        QTest::addColumn<bool>("close");
        QTest::newRow("hidden") << false;
        QTest::newRow("closed") << true;
    }

    void theEffectEndsAtOnceWhenItsWindowIsHiddenOrClosed()
    {
        QFETCH(bool, close);
        QWidget window;
        window.resize(200, 100);
        window.show();
        TextEffect* effect = StartTextEffect(&window, "Relief", 10, 10, true, 4, 0, Qt::darkRed);
        QVERIFY(effect->Step());
        if (close)
            window.close();
        else
            window.hide();
        QVERIFY(!effect->IsRunning());
        QVERIFY(!effect->Step());
        QCOMPARE(effect->Frames(), 2);
    }

    void aTextWiderThanItsWindowIsClippedAtTheRightEdge()
    {
        QWidget window;
        window.resize(100, 60);
        window.show();
        TextEffect* effect = StartTextEffect(&window, "A text far wider than its window", 12, 12, false, 8, 0,
                                             Qt::black);
        QCOMPARE(effect->geometry().right(), 99);
    }

    void outsideItsShapeAWindowIsNeitherDrawnNorClickable()
    {
        QWidget window;
        window.resize(400, 400);
        SetEllipticRegion(&window, 350, 350);
        QVERIFY(window.mask().contains(QPoint(175, 175)));
        QVERIFY(window.mask().contains(QPoint(2, 175)));
        for (const QPoint outside : {QPoint(10, 10), QPoint(340, 340), QPoint(360, 175)})
            QVERIFY(!window.mask().contains(outside));

        QPushButton button("OK");
        button.resize(84, 30);
        SetRoundedRegion(&button);
        QVERIFY(button.mask().contains(QPoint(42, 15)));
        QVERIFY(button.mask().contains(QPoint(0, 15)));
        QVERIFY(!button.mask().contains(QPoint(0, 0)));
        QVERIFY(!button.mask().contains(QPoint(83, 29)));
    }
};

QTEST_MAIN(tst_presentation)
#include "tst_presentation.moc"
