#include "TestFiles.h"

#include <QProcess>
#include <QTest>

namespace {
// The line of the probe's source that holds this text, as Qt Test writes it.
QString ProbeLine(const QString& marker)
{
    const QStringList lines = QString::fromUtf8(ReadFile(QStringLiteral(PROBE_SOURCE))).split('\n');
    for (int line = 0; line < lines.size(); ++line) {
        if (lines[line].contains(marker))
            return QStringLiteral("probe_failures.cpp(%1)").arg(line + 1);
    }
    return {};
}
}

// The test support itself: what a failing test shows of its fault.
class tst_support : public QObject {
    Q_OBJECT

private slots:
    void failuresAreReportedAtTheTestsOwnLineAndTheProgramGoesOn()
    {
        QProcess probe;
        probe.start(QStringLiteral(PROBE_EXECUTABLE), {});
        QVERIFY(probe.waitForFinished(60000));
        const QString output = QString::fromUtf8(probe.readAllStandardOutput());
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 2);
        QVERIFY2(output.contains("FAIL!  : probe_failures::aMissingControl() no control cmdNowhere"),
                 qPrintable(output));
        QVERIFY2(output.contains(ProbeLine("// missing control")), qPrintable(output));
        QCOMPARE(output.count("FAIL!  : probe_failures::aMissingControl()"), 1);
        QVERIFY2(output.contains("unplanned question after this step of the test"), qPrintable(output));
        QVERIFY2(output.contains(ProbeLine("// the last step before the question")), qPrintable(output));
        QVERIFY2(output.contains("PASS   : probe_failures::theNextTestRuns()"), qPrintable(output));
    }
};

QTEST_MAIN(tst_support)
#include "tst_support.moc"
