#include "ui/app/application.h"

#include "core/app/appcontext.h"
#include "core/app/headlessexport.h"
#include "core/app/startup.h"
#include "core/doctypes/pagefamily.h"
#include "core/text/readaloud.h"
#include "platform/clipboard.h"
#include "platform/keysender.h"
#include "platform/pictureloader.h"
#include "platform/printing.h"
#include "platform/qtcamera.h"
#include "platform/systemenvironment.h"
#include "platform/voice.h"
#include "platform/ziparchive.h"
#include "ui/app/languageswitch.h"
#include "ui/app/shellcontroller.h"
#include "ui/document/documentwindow.h"
#include "ui/doctypes/documentwindows.h"
#include "ui/doctypes/documentwiring.h"
#include "ui/files/autosavecontroller.h"
#include "ui/files/filecontroller.h"
#include "ui/files/progresssnapshots.h"
#include "ui/files/recoverydialog.h"
#include "ui/kit/childstyle.h"
#include "ui/printing/printcontroller.h"
#include "ui/text/textcontroller.h"

#include <QApplication>

namespace quillora {

int runApplication(int argc, char *argv[])
{
    // An export draws without a window, so file managers and scripts need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (asksForHeadlessExport(arguments) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillora"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(QUILLORA_VERSION_MAJOR)
                                            .arg(QUILLORA_VERSION_MINOR)
                                            .arg(QUILLORA_VERSION_PATCH));
    // The program ends only through its exit sequence, never because a dialog closed last.
    QApplication::setQuitOnLastWindowClosed(false);

    AppContext context(systemEnvironment());
    const StartupResult startup = startUp(context, QApplication::arguments());
    applyLanguage(Language{}, context.language);

    // Teachers and tests export a work file without any window.
    ZipArchiveFormat zip;
    if (const int code = runHeadlessExport(QApplication::arguments(), context, zip); code >= 0)
        return code;

    // Every standard control of every window wears the program's look.
    QApplication::setStyle(new ChildStyle);

    // "Save as PDF…" asks where the file goes over whichever window is asking.
    SystemPrinterProvider printDevices(
        [&] { return PrintController::askPdfPath(context, QApplication::activeWindow()); });
    const DocumentWindows windows;
    ShellController shell(context, printDevices, windows);
    FileController files(context, zip, registeredPageFiles());
    shell.setSaveWork([&] { return files.saveWork(); });
    shell.setOpenWorkFile([&](const QString &path) { return files.openFromCommandLine(path); });
    QObject::connect(&files, &FileController::windowNeededFor, &shell,
                     &ShellController::showWindowFor);
    // Unsaved work is kept in a recovery file, and what earlier runs left is offered first.
    AutosaveController autosave(context, files);
    autosave.start();
    shell.setOfferRecoveredWork([&] { return RecoveryDialog::offer(context, autosave); });
    QObject::connect(&shell, &ShellController::leaving, [&] {
        autosave.finish();
        FileController::removeStaging(context);
    });
    // Each document window gets its undo buttons, painting and printing; they live as long as it.
    FilePictureLoader pictures;
    FocusKeySender keys;
    // The voice speaks the program's language, as fast as the school set it.
    SystemVoice voice(VoiceChoice{context.settings.voiceEngine, context.settings.voiceName,
                                  context.settings.voiceRate,
                                  voiceLanguage(context.language, context.translator)});
    const DocumentServices services{printDevices,
                                    pictures,
                                    keys,
                                    [] { return std::make_unique<QtCamera>(); },
                                    [] {
                                        return PictureMenuServices{
                                            std::make_unique<SystemClipboard>(),
                                            std::make_unique<FilePictureLoader>(), nullptr};
                                    },
                                    &files,
                                    &voice};
    QObject::connect(&shell, &ShellController::documentWindowCreated, [&](DocumentWindow *window) {
        const DocumentControllers controllers = attachControllers(context, *window, services);
        // New options reach the text boxes' fonts, the print settings and the progress pictures.
        QObject::connect(&shell, &ShellController::optionsApplied, controllers.text,
                         &TextController::applySettings);
        QObject::connect(&shell, &ShellController::optionsApplied, controllers.printing,
                         &PrintController::applySettings);
        QObject::connect(&shell, &ShellController::optionsApplied, controllers.snapshots,
                         &ProgressSnapshots::applySettings);
        autosave.attach(window);
    });
    shell.begin(startup);
    return QApplication::exec();
}

} // namespace quillora
