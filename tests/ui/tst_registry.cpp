#include <QTest>
class tst_registry : public QObject { Q_OBJECT private slots: void nothing() {} };
QTEST_MAIN(tst_registry)
#include "tst_registry.moc"
