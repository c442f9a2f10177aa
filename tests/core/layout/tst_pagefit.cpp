#include "core/layout/documenttypes.h"
#include "core/layout/pagefit.h"
#include "support/rows.h"

#include <QTest>
#include <cmath>

using namespace quillora;

class TestPageFit : public QObject {
    Q_OBJECT
private slots:
    // Palette 96 pixels wide, toolbar 64 high throughout.
    void fit_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("documentType");
        QTest::addColumn<QSize>("pageMm");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QRect>("pageRect");
        // Available 1152 x 688: the A4 portrait page is fitted to the height.
        test::addRow("1280x800 simple portrait", QSize(1280, 800), 0, QSize(210, 297), 688.0 / 297,
                     QRect(429, 72, 486, 688));
        // News pages keep the rich text toolbar's 56-pixel band free: available 1704 x 912.
        test::addRow("1920x1080 news portrait", QSize(1920, 1080), 10, QSize(210, 297), 912.0 / 297,
                     QRect(626, 128, 644, 912));
        // Multi loses 258 pixels to the copies preview and its margin: 806 x 688 is narrower
        // than the page.
        test::addRow("1280x800 multi landscape", QSize(1280, 800), 8, QSize(297, 210), 806.0 / 297,
                     QRect(112, 123, 806, 569));
        // Fitted to the width, a Posters page is centred in 808 x 600 below that band.
        test::addRow("1024x768 posters banner-shaped", QSize(1024, 768), 18, QSize(400, 100),
                     808.0 / 400, QRect(112, 319, 808, 202));
        // A postcard takes three quarters of the screen less 100 x 104, here 885 x 522: the card
        // is wider than that area, so its height is fitted and it is centred in 1180 x 696.
        test::addRow("1280x800 postcard", QSize(1280, 800), 4, QSize(148, 105), 522.0 / 105,
                     QRect(322, 151, 735, 522));
        // On a tall screen the 525 x 672 share fits the card's width.
        test::addRow("800x1000 postcard", QSize(800, 1000), 4, QSize(148, 105), 525.0 / 148,
                     QRect(187, 326, 525, 372));
    }
    void fit()
    {
        QFETCH(QSize, screen);
        QFETCH(int, documentType);
        QFETCH(QSize, pageMm);
        const PageFitInputs in{screen.width(), screen.height(), 96, 64, DocumentKind(documentType)};
        const PageFit fit = fitPage(in, pageMm.width(), pageMm.height());
        QFETCH(double, scale);
        QCOMPARE(fit.scale, float(scale));
        QTEST(fit.pageRect, "pageRect");
        // A right-to-left window holds the palettes on its right: the page mirrors.
        PageFitInputs mirrored = in;
        mirrored.rightToLeft = true;
        const QRect flipped = fitPage(mirrored, pageMm.width(), pageMm.height()).pageRect;
        QCOMPARE(flipped.size(), fit.pageRect.size());
        QCOMPARE(flipped.right(), screen.width() - 1 - fit.pageRect.left());
    }

    void degenerateSizesStayFinite_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("pageMm");
        test::addRow("zero page", QSize(1280, 800), QSize(0, 0));
        test::addRow("negative page", QSize(1280, 800), QSize(-210, -297));
        test::addRow("screen smaller than the furniture", QSize(100, 50), QSize(210, 297));
        test::addRow("largest page", QSize(1280, 800), QSize(32767, 32767));
    }
    void degenerateSizesStayFinite()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, pageMm);
        const PageFit fit =
            fitPage({screen.width(), screen.height(), 96, 64, DocumentKind::Layouts},
                    pageMm.width(), pageMm.height());
        QVERIFY(std::isfinite(fit.scale) && fit.scale > 0.0f);
        QVERIFY(fit.pageRect.width() >= 0 && fit.pageRect.height() >= 0);
    }
};

QTEST_APPLESS_MAIN(TestPageFit)
#include "tst_pagefit.moc"
