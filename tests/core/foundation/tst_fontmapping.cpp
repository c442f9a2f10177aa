#include "core/foundation/fontmapping.h"

#include <QFontInfo>
#include <QTest>

using namespace quillora;

class TestFontMapping : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void resolvesToInstalledFont_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("installed");
        QTest::newRow("arial from a layout file") << "arial"
                                                  << "Liberation Sans";
        QTest::newRow("comic sans ms") << "comic sans ms"
                                       << "Comic Neue";
    }
    void resolvesToInstalledFont()
    {
        QFETCH(QString, requested);
        QFETCH(QString, installed);
        QCOMPARE(metricCompatibleFamily(requested), installed);
        // The font system's own aliases may already cover some names; ours must not depend on
        // them being configured.
        QVERIFY(QFont::substitutes(requested).contains(installed, Qt::CaseInsensitive));
        QCOMPARE(QFontInfo(QFont(requested, 12)).family(), installed);
    }

    void otherFontsKeepTheirName()
    {
        QCOMPARE(metricCompatibleFamily(QStringLiteral("Andika")), QStringLiteral("Andika"));
    }
};

QTEST_MAIN(TestFontMapping)
#include "tst_fontmapping.moc"
