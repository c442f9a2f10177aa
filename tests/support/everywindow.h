#pragma once
// One of every window of the program, for the tests that look at all of them: the document
// window of every kind, every dialog, and the message dialog with every message the program
// shows. They are built, not shown.

#include "core/app/appcontext.h"
#include "core/app/startchoice.h"
#include "core/printing/imageprintdevice.h"
#include "core/printing/printjob.h"
#include "platform/keysender.h"
#include "support/windowfixture.h"
#include "ui/app/exitdialog.h"
#include "ui/app/folderchoicedialog.h"
#include "ui/app/optionsdialog.h"
#include "ui/app/startscreen.h"
#include "ui/document/documentwindow.h"
#include "ui/doctypes/documentwindows.h"
#include "ui/doctypes/templatesheetcontroller.h"
#include "ui/files/workfiledialog.h"
#include "ui/kit/choicedialog.h"
#include "ui/kit/messagedialog.h"
#include "ui/kit/pleasewaitwindow.h"
#include "ui/kit/saveoffer.h"
#include "ui/pictures/fakecamera.h"
#include "ui/pictures/importchoicedialog.h"
#include "ui/pictures/picturemenucontroller.h"
#include "ui/pictures/webcamwindow.h"
#include "ui/printing/printdialog.h"
#include "ui/text/fontdialog.h"
#include "ui/text/onscreenkeyboardwidget.h"

#include <QSet>

#include <memory>
#include <vector>

namespace quillora::test {

// Messages the program shows through its own message dialog or the file dialogs' titles.
inline const QStringList kMessages = {
    QStringLiteral("Not ready"),
    QStringLiteral("Sorry. There are some layout files missing. Please re-install Quillora"),
    kLayoutsMissingMessage,
    kPrinterProblemMessage,
    kNoPrintersMessage,
    QStringLiteral("Sorry, this screen cannot be saved as a PNG file."),
    QStringLiteral("Sorry. This file couldn't be saved."),
    QStringLiteral("Sorry. This file couldn't be opened."),
    QStringLiteral("Some parts of this file could not be used, so they were left out."),
    QStringLiteral(
        "The disk is full, so this file couldn't be opened: ask your teacher to make some room."),
    QStringLiteral("The disk is full, so this file couldn't be saved: ask your teacher to make "
                   "some room, or save it somewhere else."),
    QStringLiteral("This file couldn't be found: it may have been moved or renamed."),
    QStringLiteral("This file couldn't be saved here: choose another folder, or ask your teacher."),
    QStringLiteral("This file is damaged: it may not have finished copying."),
    QStringLiteral("This file is too big to open: ask your teacher to look at it."),
    QStringLiteral("This file may not be opened: ask your teacher to check it."),
    QStringLiteral("This file was made by a newer Quillora: ask your teacher to update this one."),
    QStringLiteral("Save Work"),
    QStringLiteral("Open Work"),
    QStringLiteral("Quillora Files"),
    QStringLiteral("PNG file"),
    QStringLiteral("Save as PDF"),
    QStringLiteral("PDF file"),
    QStringLiteral("Sorry. No webcam was found."),
    QStringLiteral("Sorry. The webcam isn't working."),
    QStringLiteral("Sorry. The picture couldn't be taken."),
    QStringLiteral("This page has no picture for the camera."),
    QStringLiteral("Touch a picture on the page first, then the camera."),
    kSwitchFailedMessage,
    kPictureUnreadableMessage,
    QStringLiteral("Import Image"),
    QStringLiteral("Pictures"),
    QStringLiteral("Do you want to paint on this picture?"),
    QStringLiteral("Pick a felt pen over there!"),
    QStringLiteral("Pick a paint tool over there!"),
};

struct EveryWindow {
    explicit EveryWindow(AppContext &context)
    {
        windows.push_back(std::make_unique<FontDialog>(context, TextBoxModel{}));
        windows.push_back(std::make_unique<PrintDialog>(context, printDevices, false));
        windows.push_back(std::make_unique<OnScreenKeyboardWidget>(keys, context.translator));
        windows.push_back(std::make_unique<MiniKeyWidget>());
        windows.push_back(
            std::make_unique<OptionsDialog>(context, printDevices, QStringList{"Arial"}));
        windows.push_back(std::make_unique<ExitDialog>(context));
        windows.push_back(std::make_unique<SaveOffer>(context));
        windows.push_back(std::make_unique<FolderChoiceDialog>(context));
        windows.push_back(std::make_unique<PleaseWaitWindow>(context));
        windows.push_back(std::make_unique<StartScreen>(context));
        for (ChoicePage choicePage : {ChoicePage::Circle, ChoicePage::Table, ChoicePage::Leaflet})
            windows.push_back(std::make_unique<ChoiceDialog>(context, choicePage));
        for (FileDirection direction : {FileDirection::Save, FileDirection::Open})
            windows.push_back(std::make_unique<WorkFileDialog>(context, direction, nullptr));
        windows.push_back(std::make_unique<WebcamWindow>(context, camera, QString()));
        QImage photo(40, 30, QImage::Format_RGB32);
        photo.fill(Qt::green);
        windows.push_back(
            std::make_unique<ImportChoiceDialog>(context, QSize(60, 60), photo, false));
        for (const QString &message : kMessages)
            windows.push_back(std::make_unique<MessageDialog>(context, message));
        // Every other kind's window, once each.
        const DocumentWindows kinds;
        QSet<QString> made{kindInfo(DocumentKind::Simple).windowName};
        for (int code = 0; code < kDocumentKindCount; ++code) {
            const DocumentKind kind = DocumentKind(code);
            if (made.contains(kindInfo(kind).windowName))
                continue;
            made.insert(kindInfo(kind).windowName);
            windows.push_back(kinds.create(kind, context));
        }
    }

    FocusKeySender keys;
    FakeCamera camera;
    ImagePrinterProvider printDevices{{{QStringLiteral("Class printer"), QSize(2480, 3508), {}}}};
    std::vector<std::unique_ptr<QWidget>> windows;
};

} // namespace quillora::test
