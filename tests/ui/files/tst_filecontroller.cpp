// The Save, Open and PNG commands on the single-page window: what a failure leaves behind, what
// a hand-written or partly broken file brings back, and the answers of the dialogs.

#include "core/doctypes/pagefamily.h"
#include "core/files/filecommands.h"
#include "core/files/members.h"
#include "core/printing/copiessheet.h"
#include "core/text/plainfit.h"
#include "core/text/richfit.h"
#include "core/text/rtfreader.h"
#include "core/text/rtfwriter.h"
#include "support/testfiles.h"
#include "support/windowfixture.h"
#include "ui/files/filecontroller.h"
#include "ui/files/filetestsupport.h"
#include "ui/text/richtexttoolbar.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <memory>

using namespace quillora;
using namespace quillora::test;

Q_DECLARE_METATYPE(quillora::FileTrouble)
Q_DECLARE_METATYPE(quillora::DialogAnswer)

namespace {

// Every character has its own colour, as text typed into a box formatted by its template has.
const QByteArray kRichText =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}"
    "{\\colortbl;\\red200\\green0\\blue0;\\red0\\green0\\blue139;}"
    "\\pard\\qc\\f0\\fs40\\cf2 We went to the {\\b\\cf1 seaside}\\par And built a {\\i castle}.}";

QString layoutFile(const char *name)
{
    return QStringLiteral(QUILLORA_TEST_DATA "/doctypes/") + QLatin1String(name);
}

QImage stripes(QSize size, QRgb a, QRgb b)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, ((x / 7 + y / 5) % 2) ? a : b);
    return image;
}

} // namespace

class TestFileController : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_script = {};
        m_format.failWrites = false;
        m_fixture = std::make_unique<WindowFixture>();
        m_context = &m_fixture->context;
        m_window = m_fixture->window.get();
        m_context->folders.working = m_dir->filePath(QStringLiteral("work"));
        m_context->folders.temporary = m_dir->filePath(QStringLiteral("temp"));
        m_context->runTag = QStringLiteral("TESTRUNA");
        QDir().mkpath(m_context->folders.working);
        QDir().mkpath(m_context->folders.temporary);
        m_context->folders.staging =
            makeStagingFolder(m_context->folders.temporary, m_context->runTag);
        m_files = std::make_unique<FileController>(*m_context, m_format, registeredPageFiles());
        m_files->setDialogs(std::make_unique<ScriptedDialogs>(m_script));
        m_fixture->files = m_files.get();
        m_fixture->wire();
    }

    void cleanup()
    {
        m_files.reset();
        m_fixture.reset();
        m_dir.reset();
    }

    // The page description keeps sizes rounded: texts shrunk to fit must still fit once reopened.
    void reopenedLongTextsStillFit()
    {
        const QString path = m_dir->filePath(QStringLiteral("work/long.qlr"));
        QString words = QStringLiteral("We went on the big wheel and I felt sick");
        for (int round = 0; round < 8; ++round) {
            QVERIFY(m_window->loadTemplate(layoutFile("showcase.xml")));
            PageModel &page = m_context->page;
            TextMeasure measure;
            page.textBoxes[0].text = words;
            shrinkToFit(measure, page.textBoxes[0]);
            m_window->refreshTextBox(0);
            RichTextBoxWidget *rich = m_window->pageView()->richTextBox(0);
            rich->setPlainContent(words + u' ' + words);
            const QSizeF richBox(page.richTextBoxes[0].geometry.size());
            shrinkRichTextToFit(*rich->document(), richBox);
            saveOk(path);

            QVERIFY(m_files->openDocument(path));
            QVERIFY2(!textOverflows(measure, formatOf(page.textBoxes[0]), page.textBoxes[0].text),
                     qPrintable(words));
            QTextDocument reopened;
            configureTextBoxDocument(reopened,
                                     TextBoxFormat{page.richTextBoxes[0].style, richBox, true});
            QVERIFY(readRtf(page.richTextBoxes[0].rtf.toLatin1(), reopened));
            QVERIFY2(!richTextOverflows(reopened, richBox), qPrintable(words));
            words += QStringLiteral(" and sick");
        }
    }

    // A save straight after typing and formatting keeps every word and look, taken from the page
    // alone: the saved rich text is the RTF its box showed, an untouched placeholder's too.
    void savedRichTextIsWhatTheBoxShowed_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::newRow("typed, then made bold") << true;
        QTest::newRow("untouched placeholder") << false;
    }

    void savedRichTextIsWhatTheBoxShowed()
    {
        QFETCH(bool, typed);
        QVERIFY(m_window->loadTemplate(layoutFile("showcase.xml")));
        m_fixture->show();
        RichTextBoxWidget *rich = m_window->pageView()->richTextBox(0);
        if (typed) {
            rich->selectAll();
            QTest::keyClicks(rich, QStringLiteral("Our boat"));
            selectRange(rich, 4, 8);
            emit m_fixture->text()->richTextToolbar()->boldChosen(true);
        } else {
            m_context->page.richTextBoxes[0].rtf.clear();
            m_context->page.richTextBoxes[0].plainText = kPlaceholderText;
            m_window->showPage();
        }
        const QString shown = rich->rtfContent();
        const QString path = m_dir->filePath(QStringLiteral("work/boat.qlr"));
        saveOk(path);

        QVERIFY(m_files->openDocument(path));
        QCOMPARE(m_context->page.richTextBoxes[0].rtf, shown);
        QTextDocument reread;
        QVERIFY(readRtf(shown.toLatin1(), reread));
        QCOMPARE(reread.toPlainText(), typed ? QStringLiteral("Our boat") : kPlaceholderText);
        QTextCursor boat(&reread);
        boat.setPosition(6);
        QCOMPARE(boat.charFormat().fontWeight() == QFont::Bold, typed);
    }

    void failedSaveKeepsEarlierFileAndCounts()
    {
        makePage();
        const QString path = m_dir->filePath(QStringLiteral("work/story.qlr"));
        saveOk(path);
        const QByteArray earlier = readFile(path);
        m_context->page.textBoxes[0].text = QStringLiteral("Changed");
        m_context->page.changeCount = 12;

        m_format.failWrites = true;
        QVERIFY(!m_files->saveDocument(path));
        QCOMPARE(m_script.messages.size(), 1);
        QCOMPARE(m_script.messages[0], saveTroubleSentence(FileTrouble::Other));
        QCOMPARE(readFile(path), earlier);
        QCOMPARE(m_context->page.countAtLastSave, 7);
        QVERIFY(m_context->page.hasUnsavedChanges());
        QCOMPARE(QDir(m_context->folders.working).entryList(QDir::Files), QStringList{"story.qlr"});
    }

    void brokenFileLeavesPageUntouched_data()
    {
        QTest::addColumn<QList<RawMember>>("members");
        QTest::addColumn<QByteArray>("rawBytes"); // written instead of an archive when set
        QTest::addColumn<FileTrouble>("trouble");

        const QByteArray info = fileInfoLine(0);
        QTest::newRow("garbage") << QList<RawMember>{}
                                 << QByteArray("this is not an archive\x01\x02", 24)
                                 << FileTrouble::Damaged;
        QTest::newRow("no page description")
            << QList<RawMember>{{"fileinfo.xml", info}, {"text0.txt", "hello\r\n"}} << QByteArray()
            << FileTrouble::Damaged;
        QTest::newRow("newer program")
            << QList<RawMember>{{"fileinfo.xml", fileInfoLine(99)}, {"layout.xml", "<layout>\r\n"}}
            << QByteArray() << FileTrouble::NewerProgram;
    }

    void brokenFileLeavesPageUntouched()
    {
        QFETCH(QList<RawMember>, members);
        QFETCH(QByteArray, rawBytes);
        QFETCH(FileTrouble, trouble);
        makePage();
        const QString good = m_dir->filePath(QStringLiteral("work/good.qlr"));
        saveOk(good);
        m_context->page.changeCount = 9;
        const QString staging = m_files->staging().folder();
        const QStringList stagedBefore = QDir(staging).entryList(QDir::Files);
        const QByteArray layoutBefore =
            readFile(QDir(staging).filePath(QStringLiteral("layout.xml")));
        const PageModel before = m_context->page;
        const QImage shownBefore = m_window->pageView()->grab().toImage();

        const QString broken = m_dir->filePath(QStringLiteral("work/broken.qlr"));
        if (members.isEmpty())
            writeFile(broken, rawBytes);
        else
            writeRawZip(broken, members);
        QVERIFY(!m_files->openDocument(broken));
        QCOMPARE(m_script.messages.size(), 1);
        // One plain sentence: no temporary path, no library code.
        QCOMPARE(m_script.messages[0], openTroubleSentence(trouble));

        const PageModel &after = m_context->page;
        QCOMPARE(after.layoutPath, before.layoutPath);
        QCOMPARE(after.changeCount, 9);
        QCOMPARE(after.textBoxes[0].text, before.textBoxes[0].text);
        QCOMPARE(QDir(staging).entryList(QDir::Files), stagedBefore);
        QCOMPARE(readFile(QDir(staging).filePath(QStringLiteral("layout.xml"))), layoutBefore);
        QCOMPARE(m_window->pageView()->grab().toImage(), shownBefore);
        // Nothing was left behind in the temporary folder either.
        QCOMPARE(QDir(m_context->folders.temporary).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{QFileInfo(staging).fileName()});
    }

    void partsLeftOutAreToldOnce_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("picture that cannot be read") << "pic0.bmp" << QByteArray("BM not a bitmap");
        QTest::newRow("rich text nested too deep")
            << "rtb0.rtf"
            << QByteArray("{\\rtf1 kept") + QByteArray(kMaxRtfDepth + 10, '{') + "lost" +
                   QByteArray(kMaxRtfDepth + 10, '}') + "}";
    }

    void partsLeftOutAreToldOnce()
    {
        QFETCH(QString, member);
        QFETCH(QByteArray, bytes);
        makePage();
        saveOk(m_dir->filePath(QStringLiteral("work/good.qlr")));
        QList<RawMember> members;
        const QDir staging(m_files->staging().folder());
        for (const QString &name : staging.entryList(QDir::Files))
            members.append({name, name == member ? bytes : readFile(staging.filePath(name))});
        const QString path = m_dir->filePath(QStringLiteral("work/partly.qlr"));
        writeRawZip(path, members);

        QVERIFY(m_files->openDocument(path));
        QCOMPARE(m_script.messages, QStringList{kPartsSkippedMessage});
        QCOMPARE(m_context->page.textBoxes[0].text, QStringLiteral("Tom's day"));
    }

    void handWrittenWorkFileOpens()
    {
        // Written from the description of the format alone: the one-line file information, the
        // page in the layout dialect, a bitmap, a text in the 8-bit code page, and RTF.
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(qRgb(0, 160, 0));
        QByteArray bitmap;
        QBuffer buffer(&bitmap);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&buffer, "BMP"));
        const QByteArray layout =
            "<layout name='usermade' width='210' height='297' numtextboxes='1' numrtbs='1' "
            "numpicboxes='1' numhandles='0' numLines='0' numBoxes='0'>\r\n"
            "<picbox name='pb0' x='10' y='10' width='100' height='50'  symmType='0' reptType='0' "
            "copyTo='0'/>\r\n"
            "<textbox name='tb0' x='10' y='70' width='150' height='20' size='8' bold='T' "
            "italic='F' "
            "underline='F' font='arial'  align='2' colour='FF'/>\r\n"
            "<rtb name='rt0' x='10' y='100' width='150' height='40' size='6' bold='F' italic='F' "
            "underline='F' align='0' colour='0'/>\r\n"
            "</layout>\r\n";
        const QString path = m_dir->filePath(QStringLiteral("work/byhand.qlr"));
        writeRawZip(
            path, {{"text0.txt", "Caf\xe9 trip\r\nby bus\r\n"},
                   {"pic0.bmp", bitmap},
                   {"rtb0.rtf", kRichText},
                   {"layout.xml", layout},
                   {"fileinfo.xml", "<general currentscreennum='13' appVer4Save='1-2-19' />\r\n"}});
        QVERIFY2(m_files->openDocument(path), qPrintable(m_script.messages.join(u'|')));

        const PageModel &page = m_context->page;
        QCOMPARE(page.documentType, DocumentKind::Sign);
        QCOMPARE(page.textBoxes.size(), 1);
        QCOMPARE(page.textBoxes[0].text, QStringLiteral("Caf\u00e9 trip\r\nby bus"));
        QCOMPARE(page.textBoxes[0].style.align, Alignment::Centre);
        const QImage &shown = page.pictureBoxes[0].image;
        QCOMPARE(shown.size(), page.pictureBoxes[0].geometry.size());
        QCOMPARE(shown.pixel(shown.width() / 2, shown.height() / 2), qRgb(0, 160, 0));
        QCOMPARE(m_window->pageView()->richTextBox(0)->toPlainText(),
                 QStringLiteral("We went to the seaside\nAnd built a castle."));
    }

    void ownDialogSavesOrChangesNothing()
    {
        makePage();
        m_script.ownAnswers = {{OwnDialogChoice::Answer::No, QStringLiteral("story")},
                               {OwnDialogChoice::Answer::Yes, QString()}};
        QVERIFY(!m_files->saveWork());
        QVERIFY(!m_files->saveWork());
        m_context->page.documentType = DocumentKind::Multi; // the standard dialog
        QVERIFY(!m_files->saveWork());
        QCOMPARE(m_script.pngOffered.size(), 1);
        QVERIFY(QDir(m_context->folders.working).entryList(QDir::Files).isEmpty());
        QCOMPARE(m_context->page.countAtLastSave, 0);

        m_script.ownAnswers = {{OwnDialogChoice::Answer::Yes, QStringLiteral("story.QLR")}};
        m_context->page.documentType = DocumentKind::Simple;
        QVERIFY(m_files->saveWork());
        QCOMPARE(QDir(m_context->folders.working).entryList(QDir::Files),
                 QStringList{"story.QLR.qlr"});
        QCOMPARE(m_context->page.countAtLastSave, 7);
    }

    void openOffersToSaveFirst_data()
    {
        QTest::addColumn<bool>("dontOffer");
        QTest::addColumn<DialogAnswer>("offerAnswer");
        QTest::addColumn<bool>("saveSucceeds");
        QTest::addColumn<int>("offers");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("savedFirst");

        const auto no = DialogAnswer::No;
        const auto yes = DialogAnswer::Yes;
        QTest::newRow("no: open without saving") << false << no << true << 1 << true << false;
        QTest::newRow("yes: save, then open") << false << yes << true << 1 << true << true;
        QTest::newRow("yes but the save is cancelled: stay")
            << false << yes << false << 1 << false << false;
        QTest::newRow("offer closed: stay")
            << false << DialogAnswer::Closed << true << 1 << false << false;
        QTest::newRow("offer switched off")
            << true << DialogAnswer::None << true << 0 << true << false;
    }

    void openOffersToSaveFirst()
    {
        QFETCH(bool, dontOffer);
        QFETCH(DialogAnswer, offerAnswer);
        QFETCH(bool, saveSucceeds);
        QFETCH(int, offers);
        QFETCH(bool, opened);
        QFETCH(bool, savedFirst);

        QVERIFY(m_window->loadTemplate(layoutFile("three_texts.xml")));
        m_context->page.textBoxes[0].text = QStringLiteral("other");
        saveOk(m_dir->filePath(QStringLiteral("work/other.qlr")));
        makePage();
        m_context->settings.neverOfferToSave = dontOffer;
        m_script.offerAnswers = {offerAnswer};
        if (offerAnswer == DialogAnswer::Yes)
            m_script.ownAnswers.append(saveSucceeds
                                           ? OwnDialogChoice{OwnDialogChoice::Answer::Yes, "mine"}
                                           : OwnDialogChoice{});
        m_script.ownAnswers.append({OwnDialogChoice::Answer::Yes, QStringLiteral("other")});

        QCOMPARE(m_files->openWork(), opened);
        QCOMPARE(m_script.offersMade, offers);
        QCOMPARE(QFile::exists(m_dir->filePath(QStringLiteral("work/mine.qlr"))), savedFirst);
        QCOMPARE(m_context->page.textBoxes[0].text,
                 opened ? QStringLiteral("other") : QStringLiteral("Tom's day"));
    }

    // A sheet of repeated copies is saved as the sheet; a banner cannot be saved as a picture.
    void pngExport()
    {
        makePage();
        m_context->page.documentType = DocumentKind::Multi;
        const QString sheetPath = m_dir->filePath(QStringLiteral("sheet.png"));
        QVERIFY(m_files->exportScreenPng(sheetPath));
        QCOMPARE(QImage(sheetPath),
                 renderExportPicture(m_context->page, m_context->settings.copiesPrintScale));
        m_context->page.documentType = DocumentKind::Display;
        QVERIFY(!m_files->exportScreenPng(m_dir->filePath(QStringLiteral("banner.png"))));
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("banner.png"))));
        QCOMPARE(m_script.messages,
                 QStringList{"Sorry, this screen cannot be saved as a PNG file."});
    }

    // Two copies started in the same millisecond draw the same run tag; each still stages its
    // members apart, so one copy's save never carries the other's page.
    void twoCopiesWithOneRunTagNeverMix()
    {
        const QString other = makeStagingFolder(m_context->folders.temporary, m_context->runTag);
        QVERIFY(!other.isEmpty() && other != m_context->folders.staging);
        QVERIFY(QFileInfo(other).isDir() && QFileInfo(m_context->folders.staging).isDir());
    }

private:
    // The showcase layout with striped pictures, typed texts and formatted rich text.
    void makePage()
    {
        QVERIFY(m_window->loadTemplate(layoutFile("showcase.xml")));
        PageModel &page = m_context->page;
        QCOMPARE(page.pictureBoxes.size(), 2);
        page.pictureBoxes[0].image =
            stripes(page.pictureBoxes[0].geometry.size(), qRgb(200, 30, 30), qRgb(255, 255, 255));
        page.pictureBoxes[1].image =
            stripes(page.pictureBoxes[1].geometry.size(), qRgb(20, 90, 200), qRgb(250, 220, 0));
        page.textBoxes[0].text = QStringLiteral("Tom's day");
        page.textBoxes[1].text = QStringLiteral("First line\r\nSecond line\r\n");
        for (int i = 0; i < 2; ++i) {
            m_window->refreshPictureBox(i);
            m_window->refreshTextBox(i);
        }
        RichTextBoxWidget *rich = m_window->pageView()->richTextBox(0);
        QVERIFY(rich);
        QVERIFY(readRtf(kRichText, *rich->document()));
        page.changeCount = 7;
    }

    void saveOk(const QString &path)
    {
        QVERIFY2(m_files->saveDocument(path), qPrintable(m_script.messages.join(u'|')));
        QVERIFY(m_script.messages.isEmpty());
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    SwitchableZipFormat m_format;
    DialogScript m_script;
    std::unique_ptr<FileController> m_files;
    std::unique_ptr<WindowFixture> m_fixture;
    AppContext *m_context = nullptr;
    SimplePageWindow *m_window = nullptr;
};

QTEST_MAIN(TestFileController)
#include "tst_filecontroller.moc"
