#include <QTest>
class tst_frmDbase_editing : public QObject { Q_OBJECT private slots: void nothing() {} };
QTEST_MAIN(tst_frmDbase_editing)
#include "tst_frmDbase_editing.moc"
