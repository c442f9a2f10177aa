#include "core/layout/dialect.h"
#include "support/rows.h"

#include <QTest>
#include <optional>

using namespace quillora;

Q_DECLARE_METATYPE(std::optional<quint32>)

class TestDialect : public QObject {
    Q_OBJECT
private slots:
    void elementName_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        test::addRow("plain", "<textbox name='tb0'/>", "textbox");
        test::addRow("space after <, mixed case", "< LayOut name='x'>", "layout");
        test::addRow("self-closing without space", "<pens/>", "pens");
        test::addRow("closing line", "</layout>", "/layout");
        test::addRow("neither space nor >", "<textbox", "");
        test::addRow("not an element", "textbox name='tb0'", "");
    }
    void elementName()
    {
        QFETCH(QString, line);
        QTEST(dialect::elementName(line), "expected");
    }

    void intAttribute_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("expected");
        test::addRow("12.7 rounds up", "<x v='12.7'>", "v", 13);
        test::addRow("12.5 halves to even", "<x v='12.5'>", "v", 12);
        test::addRow("13.5 halves to even", "<x v='13.5'>", "v", 14);
        test::addRow("leading spaces and tail", "<x v='  7abc'>", "v", 7);
        test::addRow("absent", "<x w='5'>", "v", 0);
        test::addRow("clamped high, not wrapped", "<x v='99999'>", "v", 32767);
        QTest::newRow("forty digits") << "<x v='1234567890123456789012345678901234567890'>"
                                      << "v" << 32767;
        QTest::newRow("mixed-case name asked") << "< layout NumTextBoxes='3' width='210'>"
                                               << "NumTextBoxes" << 3;
        test::addRow("upper-case in line", "<layout NUMTEXTBOXES='4'>", "NumTextBoxes", 4);
        test::addRow("name needs the leading space", "<layout xwidth='9' width='5'>", "width", 5);
        test::addRow("unterminated value", "<x v='42", "v", 42);
    }
    void intAttribute()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QTEST(int(dialect::intAttribute(line, name)), "expected");
    }

    void realAttribute_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<float>("expected");
        QTest::newRow("comma, negative with a whole part") << "-12,25" << -12.25f;
        QTest::newRow("no integer digits") << "-.5" << -0.5f;
        QTest::newRow("trailing unit") << "8.5mm" << 8.5f;
        QTest::newRow("non-numeric") << "abc" << 0.0f;
        QTest::newRow("huge stays finite") << QString(60, u'9') + ".5" << 1e9f;
    }
    void realAttribute()
    {
        QFETCH(QString, value);
        const float read = dialect::realAttribute("<b edgeh='" + value + "' />", u"edgeH");
        QTEST(read, "expected");
    }

    void booleans()
    {
        const QString line = "<textbox name='tb0' bold='t' italic='f' other='true'/>";
        QVERIFY(dialect::boolAttribute(line, u"bold") &&
                dialect::boolAttribute(u"<x bold='T'/>", u"Bold"));
        for (const QString name : {"italic", "underline", "other"})
            QVERIFY(!dialect::boolAttribute(line, name));
    }

    void colour_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<std::optional<quint32>>("expected");
        using C = std::optional<quint32>;
        QTest::newRow("FF0000 is blue") << "<t colour='FF0000'/>" << C(0xFF0000u);
        QTest::newRow("four digits stay positive") << "<t colour='FFFF'/>" << C(0xFFFFu);
        QTest::newRow("high byte dropped") << "<t colour='FF00FF00'/>" << C(0x00FF00u);
        QTest::newRow("not hexadecimal") << "<t colour='zz'/>" << C(0u);
        QTest::newRow("empty leaves unchanged") << "<t colour=''/>" << C();
        QTest::newRow("overflow leaves unchanged") << "<t colour='123456789'/>" << C();
    }
    void colour()
    {
        QFETCH(QString, line);
        QFETCH(std::optional<quint32>, expected);
        const std::optional<ColourRef> read = dialect::colourAttribute(line, u"colour");
        QCOMPARE(read.has_value(), expected.has_value());
        if (expected)
            QCOMPARE(*read, *expected);
    }

    void textAttributes_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const QString box = "<textbox name='TB0' font='Comic Sans MS' text='Hello{ENTER}World'/>";
        test::addRow("text keeps case, decoded", box, "text", "Hello\r\nWorld");
        test::addRow("text name must be lower case in line", "<textbox TEXT='Hi'/>", "text", "");
        test::addRow("unterminated runs to the end", "<textbox text='It goes on/>", "text",
                     "It goes on/>");
        test::addRow("absent", box, "size", "");
    }
    void textAttributes()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const bool freeText = name == u"text" || name == u"title";
        QCOMPARE(freeText ? dialect::decodedTextAttribute(line, name)
                          : dialect::textAttribute(line, name),
                 expected);
    }

    void encodeDecode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoded");
        QTest::addColumn<QString>("decoded");
        test::addRow("bare LF dropped", "a\nb", "ab", "ab");
        test::addRow("lone brace survives", "a{b} {ENTER", "a{b} {ENTER", "a{b} {ENTER");
        test::addRow("lower-case enter is text", "{enter}", "{enter}", "{enter}");
        test::addRow("double quote comes back single", "say \"hi\"", "say \"hi\"", "say 'hi'");
    }
    void encodeDecode()
    {
        QFETCH(QString, text);
        QTEST(dialect::encodeText(text), "encoded");
        QTEST(dialect::decodeText(dialect::encodeText(text)), "decoded");
    }

    void millimetres_data()
    {
        QTest::addColumn<double>("pixels");
        QTest::addColumn<float>("scale");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("expected");
        QTest::newRow("quarter down") << 25.0 << 4.0f << 1.0 << 6.0;
        QTest::newRow("half up") << 26.0 << 4.0f << 1.0 << 7.0;
        QTest::newRow("half millimetres") << 34.0 << 4.0f << 0.5 << 8.5;
        QTest::newRow("tenths") << 10.0 << 3.0f << 0.1 << 3.3;
        QTest::newRow("no scale") << 24.0 << 0.0f << 1.0 << 0.0;
    }
    void millimetres()
    {
        QFETCH(double, pixels);
        QFETCH(float, scale);
        QFETCH(double, step);
        QFETCH(double, expected);
        const double mm = step == 1.0 ? dialect::pixelsToMm(pixels, scale)
                                      : dialect::pixelsToMmStep(pixels, scale, step);
        QVERIFY2(qAbs(mm - expected) < 1e-9, qPrintable(QString::number(mm)));
    }

    // What a writer builds, a reader gets back: the two sides must agree on every kind.
    void writtenLineReadsBack()
    {
        const QString line = "<textbox" + dialect::attribute(u"name", u"tb3") +
                             dialect::attribute(u"size", dialect::formatReal(8.5)) +
                             dialect::attribute(u"bold", dialect::formatBoolean(true)) +
                             dialect::attribute(u"italic", dialect::formatBoolean(false)) +
                             dialect::attribute(u"font", u"Times New Roman") +
                             dialect::attribute(u"colour", dialect::formatColour(0x123456)) +
                             dialect::textAttributeLine(u"text", u"Zoë's\r\n{list}") + "/>";
        QCOMPARE(dialect::elementName(line), QStringLiteral("textbox"));
        QCOMPARE(dialect::realAttribute(line, u"size"), 8.5f);
        QVERIFY(dialect::boolAttribute(line, u"bold") && !dialect::boolAttribute(line, u"italic"));
        QCOMPARE(dialect::textAttribute(line, u"font"), QStringLiteral("times new roman"));
        QCOMPARE(*dialect::colourAttribute(line, u"colour"), 0x123456u);
        QCOMPARE(toQColor(0xFF0000u), QColor(0, 0, 255)); // stored blue-green-red
        QCOMPARE(dialect::decodedTextAttribute(line, u"text"),
                 QString::fromUtf8("Zoë's\r\n{list}"));
    }
};

QTEST_APPLESS_MAIN(TestDialect)
#include "tst_dialect.moc"
