#include "core/app/settingsfile.h"
#include "core/foundation/codepage.h"
#include "support/rows.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

namespace {

const QString kInstallation = QStringLiteral("/opt/quillora");

Settings parse(const QByteArray &bytes)
{
    return settingsFromText(SettingsText::fromBytes(bytes), kInstallation);
}

Settings everyFieldChanged()
{
    Settings s;
    s.printButtonHiddenMinutes = -1;
    s.workingDir = QStringLiteral("/home/class 3/work");
    s.printerName = QStringLiteral("Staff Room Laser");
    s.showCopiesChoice = true;
    s.pullDownString = true;
    s.onScreenKeyboard = true;
    s.offerWebcam = false;
    s.fontSlots = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                   QStringLiteral("D"), QStringLiteral("E")};
    s.darkerFrames = true;
    s.neverOfferToSave = true;
    s.presentationMode = true;
    s.tempPath = QStringLiteral("/var/tmp/q");
    s.dataPath = QStringLiteral("/srv/quillora/data");
    s.webcamName = QStringLiteral("USB Camera");
    s.printFontPercent = 85;
    s.printZoomPercent = 90;
    s.turnDegreesPerTick = 45;
    s.copiesPrintScale = 1.25f;
    s.warnIfNotA4 = false;
    s.progressSnapshots = 0;
    s.readAloud = false;
    s.speakLetters = true;
    s.voiceEngine = QStringLiteral("speechd");
    s.voiceName = QStringLiteral("kal");
    s.voiceRate = 25;
    s.language = QStringLiteral("pt_BR");
    s.longPressMenu = false;
    s.stylusPressure = false;
    return s;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    // Each row: a file as a teacher may have edited it, and a line the record then writes back.
    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("line");
        using test::addRow;
        addRow("WorkingDir= takes MYDOCS", QByteArray("WorkingDir=\r\n"), "WorkingDir=MYDOCS");
        addRow("last line wins", QByteArray("font2=Andika\r\nfont2=Verdana\r\n"), "font2=Verdana");
        addRow("empty last line takes the default", QByteArray("font2=Andika\r\nfont2=\r\n"),
               "font2=Comic Sans MS");
        addRow("keys are case-sensitive", QByteArray("workingdir=/tmp\r\n"), "WorkingDir=MYDOCS");
        addRow("key must start the line", QByteArray(" presMode=True\r\n"), "presMode=False");
        addRow("section lines ignored", QByteArray("[Main]\r\npresMode=True\r\n"), "presMode=True");
        addRow("character after key skipped", QByteArray("HidePrinterTime:5\r\n"),
               "HidePrinterTime=5");
        addRow("text scale 120 -> 100", QByteArray("fontSFatPrintPC=120\r\n"),
               "fontSFatPrintPC=100");
        addRow("text scale 84 -> 85", QByteArray("fontSFatPrintPC=84\r\n"), "fontSFatPrintPC=85");
        addRow("page scale 50 -> 85", QByteArray("printZoomSFPC=50\r\n"), "printZoomSFPC=85");
        addRow("page scale 101 -> 100", QByteArray("printZoomSFPC=101\r\n"), "printZoomSFPC=100");
        addRow("integer rounds half to even", QByteArray("HidePrinterTime=2.5\r\n"),
               "HidePrinterTime=2");
        addRow("integer rounds to the nearest", QByteArray("HidePrinterTime=2.7\r\n"),
               "HidePrinterTime=3");
        addRow("snapshots below zero are none", QByteArray("progressSnapshots=-5\r\n"),
               "progressSnapshots=0");
        addRow("snapshots at most a day apart", QByteArray("progressSnapshots=99999999\r\n"),
               "progressSnapshots=1440");
        addRow("voice a little slow by default", QByteArray(), "voiceRate=-10");
        addRow("voice rate -100..100", QByteArray("voiceRate=-400\r\n"), "voiceRate=-100");
        addRow("language code trimmed", QByteArray("Language= fr \r\n"), "Language=fr");
        addRow("letters quiet by default", QByteArray(), "speakLetters=False");
        addRow("long press menu by default", QByteArray(), "longPressMenu=True");
        addRow("stylus pressure by default", QByteArray(), "stylusPressure=True");
        addRow("integer from words is 0", QByteArray("HidePrinterTime=ten\r\n"),
               "HidePrinterTime=0");
        addRow("integer saturates", QByteArray("HidePrinterTime=1e300\r\n"),
               "HidePrinterTime=2147483647");
        addRow("boolean -1", QByteArray("presMode=-1\r\n"), "presMode=True");
        addRow("boolean number then text keeps default", QByteArray("warnIfNotA4=0x\r\n"),
               "warnIfNotA4=True");
        addRow("quality zero keeps default", QByteArray("multiPrintQualSF=0\r\n"),
               "multiPrintQualSF=2");
        addRow("LF line ends", QByteArray("presMode=True\nwarnIfNotA4=False\n"),
               "warnIfNotA4=False");
        addRow("no final line end", QByteArray("iniPrinterName=Hall"), "iniPrinterName=Hall");
        addRow("UTF-8 BOM before first key", QByteArray("\xEF\xBB\xBFHidePrinterTime=5\r\n"),
               "HidePrinterTime=5");
        addRow("Windows-1252 value", QByteArray("iniPrinterName=Caf\xE9\r\n"),
               QString::fromUtf8("iniPrinterName=Café"));
        addRow("dataPath default", QByteArray(), "dataPath=/opt/quillora/data");
    }
    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, line);
        const QString written = "\r\n" + codepage::decodeAuto(settingsFileBytes(parse(file)));
        QVERIFY2(written.contains("\r\n" + line + "\r\n"), qPrintable(written));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("printerName");
        QTest::newRow("western") << QString::fromUtf8("Salle de classe – Café");
        QTest::newRow("beyond 1252") << QString::fromUtf8("Łódź 教室");
        QTest::newRow("1252 bytes that look like UTF-8") << QString::fromUtf8("Ã©cole");
    }
    void roundTrip()
    {
        QFETCH(QString, printerName);
        Settings written = everyFieldChanged();
        written.printerName = printerName;
        QCOMPARE(parse(settingsFileBytes(written)), written);
    }

    // A value holding a line break must not start a line of its own, which would both cut the
    // value and let its second half pose as another key.
    void lineBreaksInValues_data()
    {
        QTest::addColumn<QString>("printerName");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("CR LF") << "Hall\r\ndataPath=/evil"
                               << "Hall dataPath=/evil";
        QTest::newRow("LF") << "Hall\nwarnIfNotA4=False"
                            << "Hall warnIfNotA4=False";
        QTest::newRow("lone CR at end") << "Hall\r"
                                        << "Hall ";
    }
    void lineBreaksInValues()
    {
        QFETCH(QString, printerName);
        Settings written;
        written.dataPath = QStringLiteral("/opt/quillora/data");
        written.printerName = printerName;
        const QByteArray bytes = settingsFileBytes(written);
        QCOMPARE(bytes.count("\r\n"), 32);
        QCOMPARE(bytes.count('\n') + bytes.count('\r'), 64);
        Settings read = parse(bytes);
        QTEST(read.printerName, "readBack");
        read.printerName = printerName;
        QCOMPARE(read, written);
    }

    void numberText_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("fraction") << 0.1f << "0.1";
        QTest::newRow("large stays plain") << 1e20f << "100000002004087734272";
    }
    void numberText()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(settingvalue::fromNumber(value), text);
        QCOMPARE(settingvalue::toNumber(text), std::optional<float>(value));
    }

    void fileStates()
    {
        QTemporaryDir dir;
        QCOMPARE(readSettingsFile(dir.filePath("none.ini")).state, SettingsFileState::Missing);
        QCOMPARE(readSettingsFile(dir.path()).state, SettingsFileState::Unreadable);

        const QByteArray line("presMode=True\r\n");
        test::writeFile(dir.filePath("big.ini"),
                        line.repeated(SettingsText::kMaxBytes / line.size() + 1));
        const SettingsFileRead tooLarge = readSettingsFile(dir.filePath("big.ini"));
        QCOMPARE(tooLarge.state, SettingsFileState::TooLarge);
        QCOMPARE(settingsFromText(tooLarge.text, kInstallation).presentationMode, false);
    }

    void writeReplacesWholeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("quillora.ini");
        test::writeFile(path, QByteArray(4000, 'x'));
        const Settings settings = everyFieldChanged();
        QString error;
        QVERIFY(writeSettingsFile(path, settings, &error));
        const SettingsFileRead read = readSettingsFile(path);
        QCOMPARE(read.state, SettingsFileState::Read);
        QCOMPARE(settingsFromText(read.text, kInstallation), settings);

        QVERIFY(!writeSettingsFile(QStringLiteral("/proc/quillora.ini"), settings, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
