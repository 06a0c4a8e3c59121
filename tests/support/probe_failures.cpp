#include "ScreenDriver.h"
#include "TestProgram.h"
#include "ui/Prompter.h"

#include <QTest>

// Tests that fail on purpose, run by tst_support: a missing control and an
// unplanned question must fail their own test at the test's line, and the
// test program must go on to the next test instead of crashing.
class probe_failures : public QObject {
    Q_OBJECT

private slots:
    void aMissingControl()
    {
        QWidget screen;
        Click(&screen, "cmdNowhere"); // missing control
        QCOMPARE(TextOf(&screen, "lblNowhere"), QString());
    }

    void anUnplannedQuestion()
    {
        TestProgram program;
        QWidget screen;
        (new QLabel(&screen))->setObjectName("lblHere");
        QVERIFY(TextOf(&screen, "lblHere").isEmpty()); // the last step before the question
        program.prompter.Ask(QStringLiteral("Nobody planned this"), QStringLiteral("Probe"), MessageIcon::Question);
    }

    void theNextTestRuns() { QVERIFY(true); }
};

QTEST_MAIN(probe_failures)
#include "probe_failures.moc"
