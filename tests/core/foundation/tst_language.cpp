// Which language the program speaks, and how its words are found: the school's language file
// first, then the shipped catalogue, then the English.

#include "core/foundation/language.h"
#include "core/foundation/translator.h"
#include "support/rows.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

namespace {

const QString kCatalogues = QStringLiteral(QUILLORA_BUILD_DATA "/translations");
const QString kNoQtCatalogues = QStringLiteral("/nonexistent");

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void choice_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("computer");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<bool>("problem");
        using test::addRow;
        addRow("the setting wins", QStringLiteral("sv"), QStringList{"de-DE"}, "sv", "sv", false);
        addRow("the computer's first match", QString(), QStringList{"ja", "de-AT", "fr"}, "de",
               "de_AT", false);
        addRow("a country not shipped finds the language", QString(), QStringList{"pt-PT"}, "pt_BR",
               "pt_PT", false);
        addRow("English on the computer", QString(), QStringList{"en-GB", "fr"}, "en", "en_GB",
               false);
        addRow("nothing shipped", QString(), QStringList{"ja", "C"}, "en", "", false);
        addRow("unknown setting: English and a reason", QStringLiteral("xx"), QStringList{"fr"},
               "en", "", true);
    }

    void choice()
    {
        QFETCH(QString, setting);
        QFETCH(QStringList, computer);
        const LanguageChoice choice = chooseLanguage(setting, computer);
        QTEST(choice.code, "code");
        QTEST(choice.localeName, "localeName");
        QTEST(!choice.problem.isEmpty(), "problem");
    }

    void brokenCatalogueLeavesEnglish_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("damaged") << QByteArray("\x3c\xb8\x64\x18 not a catalogue");
    }

    void brokenCatalogueLeavesEnglish()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        if (!bytes.isEmpty())
            test::writeFile(folder.filePath(QStringLiteral("quillora_fr.qm")), bytes);
        const Language language = loadLanguage({"fr", "fr", {}}, folder.path(), kNoQtCatalogues);
        QCOMPARE(language.code, QStringLiteral("en"));
        QVERIFY(!language.program);
        QVERIFY(!language.problem.isEmpty());
    }

    // The school's own pair beats the shipped word, which beats the English; a template's line
    // breaks survive the catalogue, whose keys have plain line feeds.
    void schoolFileThenCatalogueThenEnglish()
    {
        const Language french = loadLanguage({"fr", "fr_CA", {}}, kCatalogues, kNoQtCatalogues);
        QVERIFY2(french.program, qPrintable(french.problem));
        QCOMPARE(french.locale.name(), QStringLiteral("fr_CA"));
        Translator translator;
        translator.loadFromBytes("\"Exit\",\"Au revoir\"\r\n");
        translator.setCatalogue(french.program);
        QCOMPARE(translator.translate(QStringLiteral("Exit")), QStringLiteral("Au revoir"));
        QCOMPARE(translator.translate(QStringLiteral("Print")), QStringLiteral("Imprimer"));
        QCOMPARE(translator.translate(QStringLiteral("No such words")),
                 QStringLiteral("No such words"));
        const QString sign = translator.translateTemplateText(QStringLiteral("Quiet\r\nplease"));
        QVERIFY2(sign.contains(QStringLiteral("\r\n")) && !sign.startsWith(u"Quiet"),
                 qPrintable(sign));
    }

    // A count takes the plural form its language gives it: Polish has three (1, 2-4, 5 and up);
    // English makes its plural from "(s)"; a school's pair lists its forms split by "|".
    void countsTakeTheirLanguagesPluralForm()
    {
        const QString pages = QStringLiteral("%n page(s)");
        const Language polish = loadLanguage({"pl", "pl", {}}, kCatalogues, kNoQtCatalogues);
        QVERIFY2(polish.program, qPrintable(polish.problem));
        Translator translator;
        translator.setCatalogue(polish.program);
        const QStringList forms{translator.translateCount(pages, 1),
                                translator.translateCount(pages, 2),
                                translator.translateCount(pages, 5)};
        QCOMPARE(QSet<QString>(forms.begin(), forms.end()).size(), 3);
        QVERIFY2(forms[0].startsWith(u'1') && forms[2].startsWith(u'5'), qPrintable(forms[2]));
        QCOMPARE(translator.translateCount(pages, 22), QString(forms[1]).replace(u'2', "22"));

        translator.setCatalogue(nullptr);
        QCOMPARE(translator.translateCount(pages, 1), QStringLiteral("1 page"));
        QCOMPARE(translator.translateCount(pages, 3), QStringLiteral("3 pages"));
        translator.loadFromBytes("\"%n page(s)\",\"%n feuille|%n feuilles\"\n");
        QCOMPARE(translator.translateCount(pages, 1), QStringLiteral("1 feuille"));
        QCOMPARE(translator.translateCount(pages, 4), QStringLiteral("4 feuilles"));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
