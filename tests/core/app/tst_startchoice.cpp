#include "core/app/choiceexamples.h"
#include "core/app/choicevalues.h"
#include "core/app/startchoice.h"
#include "core/app/startflow.h"
#include "core/foundation/paths.h"
#include "core/layout/documenttypes.h"
#include "support/rows.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

namespace {

void writeFile(const QString &path)
{
    test::writeFile(path, "<layout/>");
}

struct DataFolder {
    QTemporaryDir root;
    QString data() const { return root.path(); }
    QString layouts(const QString &relative) const
    {
        return paths::join(root.filePath(QStringLiteral("layouts")), relative);
    }
};

QStringList captions(const TemplateListing &listing)
{
    QStringList out;
    for (const SubChoice &choice : listing.choices)
        out.append(choice.caption);
    return out;
}

// A scripted run of the start flow: each start screen answer in turn, and a log of every
// hook called.
struct FakeApplication {
    QList<StartScreenOutcome> answers;
    bool documentOpen = false;
    bool exitLeaves = false;
    SaveOfferResult saveOffer = SaveOfferResult::Proceed;
    bool openSucceeds = true;
    QStringList log;

    StartFlowHooks hooks()
    {
        StartFlowHooks h;
        h.showStartScreen = [this] {
            log.append(QStringLiteral("screen"));
            return answers.isEmpty() ? StartScreenOutcome{} : answers.takeFirst();
        };
        // The circle stands for any kind whose window is still to come.
        h.hasWindow = [](DocumentKind kind) { return kind != DocumentKind::Circle; };
        h.documentWindowVisible = [this] { return documentOpen; };
        h.offerToSave = [this] {
            log.append(QStringLiteral("offer"));
            return saveOffer;
        };
        h.runExitSequence = [this] {
            log.append(QStringLiteral("exit"));
            return exitLeaves || answers.isEmpty();
        };
        h.openDocument = [this](const StartChoice &choice) {
            log.append(
                QStringLiteral("open %1 %2").arg(codeOf(choice.kind)).arg(choice.templatePath));
            if (openSucceeds)
                documentOpen = true;
            return openSucceeds;
        };
        h.showMessage = [this](const QString &message) { log.append(message); };
        return h;
    }
};

} // namespace

class TestStartChoice : public QObject {
    Q_OBJECT
private slots:
    void listingShowsTheFirstTenAlphabetically()
    {
        DataFolder folder;
        for (const char *name : {"k.xml", "B.xml", "a.xml", "j.XML", "i.xml", "h.xml", "g.xml",
                                 "f.xml", "e.xml", "d.xml", "c.xml", "notes.txt", "a.bmp"})
            writeFile(folder.layouts(QStringLiteral("news/") + QLatin1String(name)));
        QDir().mkpath(folder.layouts("news/zzz.xml")); // a folder, not a template
        const TemplateListing listing = listTemplates(folder.data(), "news");
        QVERIFY(listing.listed);
        QCOMPARE(captions(listing),
                 (QStringList{"a", "B", "c", "d", "e", "f", "g", "h", "i", "j"}));
        QCOMPARE(listing.choices[0].templatePath, folder.layouts("news/a.xml"));
        QCOMPARE(listing.choices[0].thumbnailPath, folder.layouts("news/a.bmp"));
        QVERIFY(listing.choices[1].thumbnailPath.isEmpty());
    }

    void threeTemplatesThreeChoices()
    {
        DataFolder folder;
        for (const char *name : {"one.xml", "two.xml", "three.layout.xml"})
            writeFile(folder.layouts(QStringLiteral("posters/") + QLatin1String(name)));
        StartSelection selection(folder.data());
        QCOMPARE(selection.selectKind(codeOf(DocumentKind::Posters)),
                 StartSelection::KindResult::ShowTemplates);
        QCOMPARE(captions(selection.listing()), (QStringList{"one", "three.layout", "two"}));
        // OK without touching a template starts the first.
        QCOMPARE(selection.choice()->templatePath, folder.layouts("posters/one.xml"));
        QVERIFY(!selection.selectSubChoice(3));
        QVERIFY(selection.selectSubChoice(2));
        QCOMPARE(selection.choice()->templatePath, folder.layouts("posters/two.xml"));
        // Choosing a kind again starts from its first template.
        selection.selectKind(codeOf(DocumentKind::Posters));
        QCOMPARE(selection.subChoice(), 0);
    }

    void kindsWithoutTemplatesStartAtOnce()
    {
        DataFolder folder;
        StartSelection selection(folder.data());
        QCOMPARE(selection.code(), 0);
        QCOMPARE(selection.selectKind(codeOf(DocumentKind::Circle)),
                 StartSelection::KindResult::NoTemplates);
        QCOMPARE(selection.choice()->kind, DocumentKind::Circle);
        QVERIFY(selection.choice()->templatePath.isEmpty());
        QCOMPARE(selection.selectKind(19), StartSelection::KindResult::NoTemplates);
        QCOMPARE(selection.code(), codeOf(DocumentKind::Circle));
    }

    void unlistableFoldersAreReported()
    {
        for (const bool fileInstead : {false, true}) {
            DataFolder folder;
            if (fileInstead) {
                QDir().mkpath(folder.layouts(""));
                writeFile(folder.layouts("cartoon"));
            }
            StartSelection selection(folder.data());
            QCOMPARE(selection.selectKind(codeOf(DocumentKind::ComicStrip)),
                     StartSelection::KindResult::LayoutsMissing);
            QVERIFY(!selection.choice());
        }
    }

    void startFlow_data()
    {
        QTest::addColumn<QList<StartScreenOutcome>>("answers");
        QTest::addColumn<bool>("documentOpen");
        QTest::addColumn<int>("saveOffer");
        QTest::addColumn<bool>("openSucceeds");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("log");
        const StartScreenOutcome cancelled;
        const StartScreenOutcome simple = StartChoice{DocumentKind::Simple, QString()};
        const StartScreenOutcome withoutWindow = StartChoice{DocumentKind::Circle, QString()};
        const int proceed = int(SaveOfferResult::Proceed), stay = int(SaveOfferResult::Stay);
        QTest::newRow("cancel at start-up, stay, then start")
            << QList<StartScreenOutcome>{cancelled, simple} << false << proceed << true
            << int(StartFlowResult::DocumentStarted)
            << QStringList{"screen", "exit", "screen", "offer", "open 0 "};
        test::addRow("cancel at start-up and leave", QList<StartScreenOutcome>{cancelled}, false,
                     proceed, true, int(StartFlowResult::Leaving), QStringList{"screen", "exit"});
        test::addRow("cancel over a document", QList<StartScreenOutcome>{cancelled}, true, proceed,
                     true, int(StartFlowResult::BackToDocument), QStringList{"screen"});
        test::addRow("save offer closed over a document", QList<StartScreenOutcome>{simple}, true,
                     stay, true, int(StartFlowResult::BackToDocument),
                     QStringList{"screen", "offer"});
        QTest::newRow("not ready, then another kind")
            << QList<StartScreenOutcome>{withoutWindow, simple} << false << proceed << true
            << int(StartFlowResult::DocumentStarted)
            << QStringList{"screen", "offer", kNotReadyMessage, "screen", "offer", "open 0 "};
        QTest::newRow("document fails to open, then cancel and leave")
            << QList<StartScreenOutcome>{simple} << false << proceed << false
            << int(StartFlowResult::Leaving)
            << QStringList{"screen", "offer", "open 0 ", "screen", "exit"};
    }
    void startFlow()
    {
        QFETCH(QList<StartScreenOutcome>, answers);
        QFETCH(bool, documentOpen);
        QFETCH(int, saveOffer);
        QFETCH(bool, openSucceeds);
        QFETCH(QStringList, log);
        FakeApplication application;
        application.answers = answers;
        application.documentOpen = documentOpen;
        application.saveOffer = SaveOfferResult(saveOffer);
        application.openSucceeds = openSucceeds;
        QTEST(int(runStartFlow(application.hooks())), "result");
        QCOMPARE(application.log, log);
    }

    void tableExampleShowsItsCells()
    {
        // Dark lines crossed along the last row and down the last column: one more than cells.
        for (const auto &[columns, rows] : {std::pair(1, 1), std::pair(3, 2), std::pair(5, 4)}) {
            const QImage example = drawTableExample(columns, rows, QSize(300, 200));
            const auto linesCrossed = [&example](QPoint at, QPoint step) {
                int runs = 0;
                for (bool before = false; example.rect().contains(at); at += step) {
                    const QRgb c = example.pixel(at);
                    const bool dark = qAlpha(c) > 200 && qRed(c) < 100 && qGreen(c) < 100;
                    runs += dark && !before;
                    before = dark;
                }
                return runs;
            };
            QCOMPARE(linesCrossed(QPoint(0, 199 - 100 / rows), QPoint(1, 0)), columns + 1);
            QCOMPARE(linesCrossed(QPoint(299 - 150 / columns, 0), QPoint(0, 1)), rows + 1);
        }
        // Counts beyond what the choice offers are drawn as the nearest it does offer.
        QCOMPARE(drawTableExample(100, -3, {300, 200}), drawTableExample(64, 1, {300, 200}));
    }
};

QTEST_GUILESS_MAIN(TestStartChoice)
#include "tst_startchoice.moc"
