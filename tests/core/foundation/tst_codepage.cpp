#include "core/foundation/codepage.h"
#include "support/rows.h"

#include <QTest>

using namespace quillora;

class TestCodepage : public QObject {
    Q_OBJECT
private slots:
    void decodeAuto_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ascii") << QByteArray("Hello") << QStringLiteral("Hello");
        QTest::newRow("cp1252 euro and e-acute")
            << QByteArray("\x80 caf\xE9") << QString::fromUtf8("€ café");
        QTest::newRow("utf8 without bom") << QByteArray("caf\xC3\xA9") << QString::fromUtf8("café");
        test::addRow("utf8 of four bytes", QByteArray("\xF0\x9F\x98\x80!"),
                     QString::fromUtf8("😀!"));
        QTest::newRow("utf8 with bom, a stray byte too")
            << QByteArray("\xEF\xBB\xBFZo\xC3\xAB\xE9") << QString::fromUtf8("Zoë\uFFFD");
        QTest::newRow("truncated utf8 is 1252") << QByteArray("a\xC3") << QString::fromUtf8("aÃ");
        test::addRow("overlong utf8 is 1252", QByteArray("\xC0\xAF"), QString::fromUtf8("À¯"));
    }
    void decodeAuto()
    {
        QFETCH(QByteArray, bytes);
        QTEST(codepage::decodeAuto(bytes), "expected");
    }

    void encodeAutoKeepsEveryCharacter()
    {
        const QString western = QString::fromUtf8("Zoë’s “café” – 5€");
        QCOMPARE(codepage::encodeAuto(western).startsWith("\xEF\xBB\xBF"), false);
        QCOMPARE(codepage::decodeAuto(codepage::encodeAuto(western)), western);

        const QString polish = QString::fromUtf8("Łucja and 小明");
        QVERIFY(codepage::encodeAuto(polish).startsWith("\xEF\xBB\xBF"));
        QCOMPARE(codepage::decodeAuto(codepage::encodeAuto(polish)), polish);

        // Its code page bytes would pass for UTF-8 ("â„ª" is E2 84 AA, the Kelvin sign).
        const QString lookalike = QString::fromUtf8("Ã© â„ª");
        QCOMPARE(codepage::decodeAuto(codepage::encodeAuto(lookalike)), lookalike);
    }
};

QTEST_APPLESS_MAIN(TestCodepage)
#include "tst_codepage.moc"
