#include "core/foundation/fontmapping.h"

#include <QFontInfo>
#include <QTest>

using namespace quillora;

class TestFontMapping : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void resolvesToInstalledFont()
    {
        // Names from layout files, and the installed fonts of the same measures.
        for (const auto &[requested, installed] :
             {std::pair(QStringLiteral("arial"), QStringLiteral("Liberation Sans")),
              std::pair(QStringLiteral("comic sans ms"), QStringLiteral("Comic Neue"))}) {
            QCOMPARE(metricCompatibleFamily(requested), installed);
            // The font system's own aliases may already cover some names; ours must not depend
            // on them being configured.
            QVERIFY(QFont::substitutes(requested).contains(installed, Qt::CaseInsensitive));
            QCOMPARE(QFontInfo(QFont(requested, 12)).family(), installed);
        }
    }

    void otherFontsKeepTheirName()
    {
        QCOMPARE(metricCompatibleFamily(QStringLiteral("Andika")), QStringLiteral("Andika"));
    }
};

QTEST_MAIN(TestFontMapping)
#include "tst_fontmapping.moc"
