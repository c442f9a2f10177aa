#include "core/app/settingsfile.h"
#include "support/rows.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

namespace {

const QString kInstallation = QStringLiteral("/opt/quillora");

// One field of the record as text, so that rows of different types share one table.
QString field(const Settings &s, const QString &name)
{
    const auto flag = [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); };
    if (name == u"workingDir")
        return s.workingDir;
    if (name == u"dataPath")
        return s.dataPath;
    if (name == u"iniPrinterName")
        return s.iniPrinterName;
    if (name.startsWith(u"slot"))
        return s.fontSlots[name.mid(4).toInt()];
    if (name == u"hidePrinterTime")
        return QString::number(s.hidePrinterTime);
    if (name == u"fontSFatPrintPC")
        return QString::number(s.fontSFatPrintPC);
    if (name == u"printZoomSFPC")
        return QString::number(s.printZoomSFPC);
    if (name == u"multiPrintQualSF")
        return QString::number(s.multiPrintQualSF);
    if (name == u"presMode")
        return flag(s.presMode);
    if (name == u"warnIfNotA4")
        return flag(s.warnIfNotA4);
    if (name == u"progressSnapshots")
        return QString::number(s.progressSnapshots);
    return QStringLiteral("?") + name;
}

Settings parse(const QByteArray &bytes)
{
    return settingsFromText(SettingsText::fromBytes(bytes), kInstallation);
}

Settings everyFieldChanged()
{
    Settings s;
    s.hidePrinterTime = -1;
    s.workingDir = QStringLiteral("/home/class 3/work");
    s.iniPrinterName = QStringLiteral("Staff Room Laser");
    s.showNumCopiesCombo = true;
    s.useIWBstring = true;
    s.useIWBkeyBd = true;
    s.useWebCam = false;
    s.fontSlots = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                   QStringLiteral("D"), QStringLiteral("E")};
    s.useDarkerFrameColour = true;
    s.dontOfferToSave = true;
    s.presMode = true;
    s.tempPath = QStringLiteral("/var/tmp/q");
    s.dataPath = QStringLiteral("/srv/quillora/data");
    s.webcamName = QStringLiteral("USB Camera");
    s.fontSFatPrintPC = 85;
    s.printZoomSFPC = 90;
    s.leaftletTurnAngle = 45;
    s.multiPrintQualSF = 1.25f;
    s.warnIfNotA4 = false;
    s.progressSnapshots = 0;
    return s;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");

        QTest::newRow("WorkingDir= takes MYDOCS")
            << QByteArray("WorkingDir=\r\n") << "workingDir" << "MYDOCS";
        QTest::newRow("second font2 line wins")
            << QByteArray("font2=Andika\r\nfont2=Verdana\r\n") << "slot1" << "Verdana";
        QTest::newRow("empty last match takes default")
            << QByteArray("font2=Andika\r\nfont2=\r\n") << "slot1" << "Comic Sans MS";
        QTest::newRow("keys are case-sensitive")
            << QByteArray("workingdir=/tmp\r\n") << "workingDir" << "MYDOCS";
        QTest::newRow("key must start the line")
            << QByteArray(" presMode=True\r\n") << "presMode" << "False";
        QTest::newRow("section lines ignored")
            << QByteArray("[Main]\r\npresMode=True\r\n") << "presMode" << "True";
        QTest::newRow("character after key skipped")
            << QByteArray("HidePrinterTime:5\r\n") << "hidePrinterTime" << "5";
        QTest::newRow("text scale 120 -> 100")
            << QByteArray("fontSFatPrintPC=120\r\n") << "fontSFatPrintPC" << "100";
        QTest::newRow("page scale 50 -> 85")
            << QByteArray("printZoomSFPC=50\r\n") << "printZoomSFPC" << "85";
        QTest::newRow("integer rounds half to even")
            << QByteArray("HidePrinterTime=2.5\r\n") << "hidePrinterTime" << "2";
        QTest::newRow("integer rounds to the nearest")
            << QByteArray("HidePrinterTime=2.7\r\n") << "hidePrinterTime" << "3";
        QTest::newRow("snapshots below zero are none")
            << QByteArray("progressSnapshots=-5\r\n") << "progressSnapshots" << "0";
        QTest::newRow("snapshots at most a day apart")
            << QByteArray("progressSnapshots=99999999\r\n") << "progressSnapshots" << "1440";
        QTest::newRow("integer from words is 0")
            << QByteArray("HidePrinterTime=ten\r\n") << "hidePrinterTime" << "0";
        QTest::newRow("integer saturates")
            << QByteArray("HidePrinterTime=1e300\r\n") << "hidePrinterTime" << "2147483647";
        QTest::newRow("boolean -1") << QByteArray("presMode=-1\r\n") << "presMode"
                                    << "True";
        QTest::newRow("boolean number then text keeps default")
            << QByteArray("presMode=1x\r\n") << "presMode" << "False";
        QTest::newRow("quality zero keeps default")
            << QByteArray("multiPrintQualSF=0\r\n") << "multiPrintQualSF"
            << "2";
        QTest::newRow("LF line ends")
            << QByteArray("presMode=True\nwarnIfNotA4=False\n") << "warnIfNotA4"
            << "False";
        QTest::newRow("no final line end")
            << QByteArray("iniPrinterName=Hall") << "iniPrinterName" << "Hall";
        QTest::newRow("UTF-8 BOM before first key")
            << QByteArray("\xEF\xBB\xBFHidePrinterTime=5\r\n") << "hidePrinterTime" << "5";
        test::addRow("Windows-1252 value", QByteArray("iniPrinterName=Caf\xE9\r\n"),
                     "iniPrinterName", QString::fromUtf8("Café"));
        QTest::newRow("dataPath default") << QByteArray() << "dataPath" << "/opt/quillora/data";
    }
    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, field);
        QTEST(::field(parse(file), field), "expected");
    }

    void writtenFileFromDefaults()
    {
        Settings defaults;
        defaults.dataPath = QStringLiteral("/opt/quillora/data");
        const QByteArray expected =
            "HidePrinterTime=0\r\nWorkingDir=MYDOCS\r\niniPrinterName=\r\n"
            "showNumCopiesCombo=False\r\nuseIWBstring=False\r\nuseIWBkeyBd=False\r\n"
            "useWebCam=True\r\nfont0=Arial\r\nfont1=Courier New\r\nfont2=Comic Sans MS\r\n"
            "font3=Verdana\r\nfont4=Times New Roman\r\nuseDarkerFrameColour=False\r\n"
            "DontOfferToSave=False\r\npresMode=False\r\ntempPath=USERTEMP\r\n"
            "dataPath=/opt/quillora/data\r\nwebcamName=\r\nfontSFatPrintPC=96\r\n"
            "printZoomSFPC=100\r\nleaftletTurnAngle=15\r\nmultiPrintQualSF=2\r\n"
            "warnIfNotA4=True\r\nprogressSnapshots=2\r\n";
        QCOMPARE(settingsFileBytes(defaults), expected);
        QCOMPARE(parse(expected).fontSlots, defaults.fontSlots);
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
        written.iniPrinterName = printerName;
        QCOMPARE(parse(settingsFileBytes(written)), written);
    }

    // A value holding a line break must not start a line of its own, which would both cut the
    // value and let its second half pose as another key.
    void lineBreaksInValues_data()
    {
        QTest::addColumn<QString>("printerName");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("CR LF") << "Hall\r\ndataPath=/evil" << "Hall dataPath=/evil";
        QTest::newRow("LF") << "Hall\nwarnIfNotA4=False" << "Hall warnIfNotA4=False";
        QTest::newRow("lone CR at end") << "Hall\r" << "Hall ";
    }
    void lineBreaksInValues()
    {
        QFETCH(QString, printerName);
        Settings written;
        written.dataPath = QStringLiteral("/opt/quillora/data");
        written.iniPrinterName = printerName;
        const QByteArray bytes = settingsFileBytes(written);
        QCOMPARE(bytes.count("\r\n"), 24);
        QCOMPARE(bytes.count('\n') + bytes.count('\r'), 48);
        Settings read = parse(bytes);
        QTEST(read.iniPrinterName, "readBack");
        read.iniPrinterName = printerName;
        QCOMPARE(read, written);
    }

    void numberText_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 2.0f << "2";
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

        QFile big(dir.filePath("big.ini"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        const QByteArray line("presMode=True\r\n");
        for (qint64 written = 0; written <= SettingsText::kMaxBytes; written += line.size())
            big.write(line);
        big.close();
        const SettingsFileRead tooLarge = readSettingsFile(big.fileName());
        QCOMPARE(tooLarge.state, SettingsFileState::TooLarge);
        QCOMPARE(settingsFromText(tooLarge.text, kInstallation).presMode, false);
    }

    void writeReplacesWholeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("quillora.ini");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4000, 'x'));
        old.close();

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
