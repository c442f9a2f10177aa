#pragma once
// The program's services, the same whatever document is open: what the machine gives, the
// settings, the resolved folders, the run tag, the translations and what the run remembers
// between documents.

#include "core/app/choicevalues.h"
#include "core/foundation/environment.h"
#include "core/foundation/language.h"
#include "core/foundation/settings.h"
#include "core/foundation/translator.h"

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

class ProgramServices {
public:
    explicit ProgramServices(Environment environment, quint32 randomSeed = 1)
        : env(std::move(environment)), random(randomSeed)
    {
    }

    Environment env;
    RandomSource random;
    Settings settings;
    QStringList lockedSettings; // keys the school's shared settings file fixes
    ResolvedFolders folders;
    Translator translator;
    Language language;          // the program's language: its catalogues and its way with numbers
    QString runTag;             // eight capital letters drawn at start-up
    QString importDialogFolder; // initial folder of the picture import dialog
    QString fileDialogFolder;   // initial folder of the open/save dialog
    // The circle's and the table's numbers last accepted in the choice dialog: Cancel builds
    // with these.
    ChoiceValues rememberedChoices;

    QString tr(const QString &english) const { return translator.translate(english); }
    QString trCount(const QString &english, int count) const
    {
        return translator.translateCount(english, count);
    }
    // Frame colour of every object frame: darker on whiteboards when asked for.
    quint32 frameColour() const { return settings.darkerFrames ? 0x808080u : 0xC0C0C0u; }
};

} // namespace quillora
