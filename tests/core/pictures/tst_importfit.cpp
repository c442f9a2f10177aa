#include "core/pictures/importfit.h"
#include "support/rows.h"

#include <QTest>

using namespace quillora;

class TestImportFit : public QObject {
    Q_OBJECT
private slots:
    void crop_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<QRect>("kept");
        QTest::newRow("wide photo into tall box")
            << QSize(400, 200) << QSize(100, 200) << QRect(150, 0, 100, 200);
        QTest::newRow("tall photo into wide box")
            << QSize(200, 400) << QSize(200, 100) << QRect(0, 150, 200, 100);
        QTest::newRow("same shape keeps all")
            << QSize(400, 300) << QSize(200, 150) << QRect(0, 0, 400, 300);
        QTest::newRow("odd width rounds to even")
            << QSize(101, 100) << QSize(50, 100) << QRect(26, 0, 50, 100);
        test::addRow("inexact, wide", QSize(335, 251), QSize(100, 70), QRect(0, 8, 335, 234));
        test::addRow("inexact, tall", QSize(251, 335), QSize(70, 100), QRect(8, 0, 234, 335));
    }
    void crop()
    {
        QFETCH(QSize, source);
        QFETCH(QSize, target);
        QTEST(cropSourceRect(source, target), "kept");
    }

    void letterbox_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<bool>("topLeft");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("tall image in wide box is centred")
            << QSize(100, 200) << QSize(400, 100) << false << QRect(175, 0, 50, 100);
        QTest::newRow("on My layout it sits at the left")
            << QSize(100, 200) << QSize(400, 100) << true << QRect(0, 0, 50, 100);
        QTest::newRow("wide image in tall box")
            << QSize(200, 100) << QSize(100, 300) << false << QRect(0, 125, 100, 50);
        QTest::newRow("wide image on My layout at the top")
            << QSize(200, 100) << QSize(100, 300) << true << QRect(0, 0, 100, 50);
        QTest::newRow("no room") << QSize(200, 100) << QSize(0, 300) << false << QRect();
    }
    void letterbox()
    {
        QFETCH(QSize, source);
        QFETCH(QSize, target);
        QFETCH(bool, topLeft);
        QTEST(letterboxTargetRect(source, target, topLeft), "placed");
    }

    void previewsTakeTheTargetsShape()
    {
        QCOMPARE(previewSize(QSize(300, 150)), QSize(200, 100));
        QCOMPARE(previewSize(QSize(150, 300)), QSize(100, 200));
        QCOMPARE(previewSize(QSize(100, 100)), QSize(200, 200));
    }

    void previewBars_data()
    {
        QTest::addColumn<QSize>("target");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QRect>("visible");
        const QRect preview(10, 20, 320, 240);
        QTest::newRow("same proportions") << QSize(640, 480) << false << preview;
        QTest::newRow("within 0.02") << QSize(1340, 1000) << false << preview;
        QTest::newRow("wider target") << QSize(320, 120) << true << QRect(10, 80, 320, 120);
        QTest::newRow("taller target") << QSize(100, 240) << true << QRect(120, 20, 100, 240);
    }
    void previewBars()
    {
        QFETCH(QSize, target);
        QFETCH(bool, shown);
        QFETCH(QRect, visible);
        const QRect preview(10, 20, 320, 240);
        const PreviewBars bars = quillora::previewBars(target, preview);
        QCOMPARE(bars.shown(), shown);
        QCOMPARE(bars.visible(preview), visible);
    }

    void newObjectsAreHalfThePage()
    {
        QCOMPARE(importedObjectSize(QSize(4000, 1000), QSize(600, 1600)), QSize(300, 75));
        QCOMPARE(importedObjectSize(QSize(1000, 4000), QSize(600, 1600)), QSize(200, 800));
    }
};

QTEST_APPLESS_MAIN(TestImportFit)
#include "tst_importfit.moc"
