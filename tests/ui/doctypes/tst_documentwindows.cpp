// The shell opens the window the table names for a kind.

#include "core/app/appcontext.h"
#include "core/printing/imageprintdevice.h"
#include "ui/app/shellcontroller.h"
#include "ui/doctypes/documentwindow.h"
#include "ui/doctypes/documentwindows.h"

#include <QtTest>

using namespace quillora;

namespace {

// Stands in for a window still to come: it only remembers what it was asked to build.
class StandInWindow : public DocumentWindow {
public:
    explicit StandInWindow(AppContext &context)
        : DocumentWindow(context, kindInfo(DocumentKind::Circle).windowName)
    {
    }
    bool startDocument(const QString &templatePath) override
    {
        startedFrom = templatePath;
        return true;
    }
    QString startedFrom = QStringLiteral("never");
};

} // namespace

class TestDocumentWindows : public QObject {
    Q_OBJECT

private slots:
    void everyKindOpensItsOwnWindow()
    {
        AppContext context{Environment{}};
        const DocumentWindows windows;
        for (int code = 0; code < kDocumentKindCount; ++code) {
            const DocumentKind kind = DocumentKind(code);
            QVERIFY2(windows.has(kind), qPrintable(kindInfo(kind).caption));
            const std::unique_ptr<DocumentWindow> window = windows.create(kind, context);
            QCOMPARE(window->objectName(), kindInfo(kind).windowName);
        }
    }

    void registeredWindowOpensForItsKinds()
    {
        AppContext context{Environment{}};
        context.env.screen = {800, 600};
        context.folders.data = QStringLiteral(QUILLORA_SOURCE_DIR "/data");
        DocumentWindows windows;
        windows.add(WindowKind::Circle,
                    [](AppContext &c) { return std::make_unique<StandInWindow>(c); });
        QVERIFY(windows.has(DocumentKind::Circle));
        ImagePrinterProvider printers;
        ShellController shell(context, printers, windows);
        QList<DocumentWindow *> created;
        connect(&shell, &ShellController::documentWindowCreated, this,
                [&](DocumentWindow *window) { created.append(window); });

        QVERIFY(shell.newDocument(DocumentKind::Circle));
        const auto *circle = dynamic_cast<StandInWindow *>(shell.documentWindow());
        QVERIFY(circle);
        QVERIFY(circle->startedFrom.isEmpty()); // a circle is built without a template
        QVERIFY(circle->isVisible());
        QCOMPARE(context.page.documentType, DocumentKind::Circle);
        QCOMPARE(created.size(), 1);

        // Another kind of the single-page window replaces it.
        QVERIFY(shell.newDocument(DocumentKind::Simple));
        QCOMPARE(shell.documentWindow()->objectName(), QStringLiteral("Form1"));
        QCOMPARE(created.size(), 2);
    }
};

QTEST_MAIN(TestDocumentWindows)
#include "tst_documentwindows.moc"
