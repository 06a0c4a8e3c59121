#include <QTest>
class tst_frmDbase_browse : public QObject { Q_OBJECT private slots: void nothing() {} };
QTEST_MAIN(tst_frmDbase_browse)
#include "tst_frmDbase_browse.moc"
