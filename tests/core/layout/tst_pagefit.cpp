#include "core/layout/documenttypes.h"
#include "core/layout/pagefit.h"

#include <QTest>
#include <cmath>

using namespace quillora;

class TestPageFit : public QObject {
    Q_OBJECT
private slots:
    // Palette 96 pixels wide, toolbar 64 high throughout.
    void fit_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<int>("documentType");
        QTest::addColumn<int>("pageWidthMm");
        QTest::addColumn<int>("pageHeightMm");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QRect>("pageRect");
        // Available 1152 x 688: the A4 portrait page is fitted to the height.
        QTest::newRow("1280x800 simple portrait")
            << 1280 << 800 << 0 << 210 << 297 << 688.0 / 297 << QRect(429, 72, 486, 688);
        // News pages keep the rich text toolbar's 56-pixel band free: available 1704 x 912.
        QTest::newRow("1920x1080 news portrait")
            << 1920 << 1080 << 10 << 210 << 297 << 912.0 / 297 << QRect(626, 128, 644, 912);
        // Available 1792 x 968 is relatively wider than A4 landscape: fitted to the height.
        QTest::newRow("1920x1080 simple landscape")
            << 1920 << 1080 << 0 << 297 << 210 << 968.0 / 210 << QRect(307, 72, 1369, 968);
        // Multi loses 258 pixels to the copies preview and its margin: 806 x 688 is narrower
        // than the page.
        QTest::newRow("1280x800 multi landscape")
            << 1280 << 800 << 8 << 297 << 210 << 806.0 / 297 << QRect(112, 123, 806, 569);
        // Fitted to the width, a Posters page is centred in 808 x 600 below that band.
        QTest::newRow("1024x768 posters banner-shaped")
            << 1024 << 768 << 18 << 400 << 100 << 808.0 / 400 << QRect(112, 319, 808, 202);
    }
    void fit()
    {
        QFETCH(int, screenWidth);
        QFETCH(int, screenHeight);
        QFETCH(int, documentType);
        QFETCH(int, pageWidthMm);
        QFETCH(int, pageHeightMm);
        QFETCH(double, scale);
        QFETCH(QRect, pageRect);
        const PageFitInputs in{screenWidth, screenHeight, 96, 64, DocumentKind(documentType)};
        const PageFit fit = fitPage(in, pageWidthMm, pageHeightMm);
        QCOMPARE(fit.scale, float(scale));
        QCOMPARE(fit.pageRect, pageRect);
    }

    void degenerateSizesStayFinite_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<int>("pageWidthMm");
        QTest::addColumn<int>("pageHeightMm");
        QTest::newRow("zero page") << 1280 << 800 << 0 << 0;
        QTest::newRow("negative page") << 1280 << 800 << -210 << -297;
        QTest::newRow("screen smaller than the furniture") << 100 << 50 << 210 << 297;
        QTest::newRow("largest page") << 1280 << 800 << 32767 << 32767;
    }
    void degenerateSizesStayFinite()
    {
        QFETCH(int, screenWidth);
        QFETCH(int, screenHeight);
        QFETCH(int, pageWidthMm);
        QFETCH(int, pageHeightMm);
        const PageFit fit =
            fitPage(PageFitInputs{screenWidth, screenHeight, 96, 64, DocumentKind::Layouts}, pageWidthMm, pageHeightMm);
        QVERIFY(std::isfinite(fit.scale));
        QVERIFY(fit.scale > 0.0f);
        QVERIFY(fit.pageRect.width() >= 0 && fit.pageRect.height() >= 0);
    }

    // Unknown codes, and the flags that depend on more than the code.
    void documentTypeEdges()
    {
        QVERIFY(!documentKindFromCode(19));
        QVERIFY(!documentKindFromCode(-1));
        QVERIFY(!setsUpRichTextToolbar(DocumentKind::News, false));
        QVERIFY(setsUpRichTextToolbar(DocumentKind::News, true));
        QCOMPARE(leafletStyle(DocumentKind::Leaflet, 0), QStringLiteral("6b"));
        QCOMPARE(leafletStyle(DocumentKind::Leaflet, 1), QStringLiteral("6s"));
    }
};

QTEST_APPLESS_MAIN(TestPageFit)
#include "tst_pagefit.moc"
