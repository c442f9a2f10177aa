#pragma once
// The program-wide state, owned by main() and passed by reference to every window and
// operation: settings, resolved folders, run tag, translations, the page in work.

#include "core/app/choicevalues.h"
#include "core/foundation/environment.h"
#include "core/foundation/language.h"
#include "core/foundation/settings.h"
#include "core/foundation/translator.h"
#include "core/layout/pagemodel.h"
#include "core/pictures/paintstate.h"
#include "core/undo/undohistory.h"

#include <QString>
#include <QStringList>

namespace quillora {

struct ResolvedFolders {
    QString installation;
    QString data;         // holds "layouts"
    QString working;      // where work files go
    QString temporary;    // the temporary folder of the settings
    QString staging;      // this run's own folder below it: the current document's members
    QString settingsFile; // full path of "quillora.ini"
};

class AppContext {
public:
    explicit AppContext(Environment environment, quint32 randomSeed = 1)
        : env(std::move(environment)), random(randomSeed)
    {
    }

    Environment env;
    RandomSource random;
    Settings settings;
    QStringList lockedSettings; // keys the school's shared settings file fixes
    ResolvedFolders folders;
    Translator translator;
    Language language; // the program's language: its catalogues and its way with numbers
    QString runTag; // eight capital letters drawn at start-up
    PageModel page;
    UndoHistory undo;           // of the object being worked on; emptied by a page reset
    PaintState paint;           // tool, size, colour and palette shared by every window
    QString dialogAnswer;       // "Yes", "No", "cancelled" (own dialogs), "OK"/"Cancel"
    QString importDialogFolder; // initial folder of the picture import dialog
    QString fileDialogFolder;   // initial folder of the open/save dialog
    QString workName;           // the work last saved or opened ("seaside"); "" when new
    ChoiceValues choices;       // left by the choice dialog on OK

    QString tr(const QString &english) const { return translator.translate(english); }
    // Frame colour of every object frame: darker on whiteboards when asked for.
    quint32 frameColour() const { return settings.darkerFrames ? 0x808080u : 0xC0C0C0u; }
};

} // namespace quillora
