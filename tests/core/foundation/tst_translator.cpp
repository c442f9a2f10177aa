#include "core/foundation/translator.h"
#include "support/rows.h"

#include <QTest>

using namespace quillora;

class TestTranslator : public QObject {
    Q_OBJECT
private slots:
    void translate_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("expected");
        QTest::newRow("case differs: no translation")
            << QByteArray("\"exit?\",\"Sortir?\"\r\n") << "Exit?"
            << "Exit?";
        test::addRow("first non-empty wins",
                     QByteArray("\"Save?\",\"\"\r\n\"Save?\",\"Enregistrer?\"\r\n"
                                "\"Save?\",\"Sauver?\"\r\n"),
                     "Save?", "Enregistrer?");
        QTest::newRow("comma inside quotes")
            << QByteArray("\"Hello, world\",\"Bonjour, le monde\"\r\n") << "Hello, world"
            << "Bonjour, le monde";
        QTest::newRow("spaces around fields")
            << QByteArray("  \"OK\" ,  \"D'accord\"  \r\n") << "OK"
            << "D'accord";
        QTest::newRow("unquoted fields") << QByteArray("Cancel,Annuler\n") << "Cancel"
                                         << "Annuler";
        test::addRow("missing translation", QByteArray("\"Cancel\"\r\n"), "Cancel", "Cancel");
        QTest::newRow("unclosed quote reads to the end")
            << QByteArray("\"Fonts\",\"Polices\r\n") << "Fonts"
            << "Polices";
        QTest::newRow("UTF-8 with BOM on first key")
            << QByteArray("\xEF\xBB\xBF\"General\",\"Allgemein\"\n") << "General"
            << "Allgemein";
        QTest::newRow("non-ASCII English key")
            << QByteArray("\"Caf\xE9\",\"Coffee\"\r\n") << QString::fromUtf8("Café") << "Coffee";
    }
    void translate()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, english);
        Translator translator;
        translator.loadFromBytes(file);
        QVERIFY(translator.hasLanguageFile());
        QTEST(translator.translate(english), "expected");
    }
};

QTEST_APPLESS_MAIN(TestTranslator)
#include "tst_translator.moc"
