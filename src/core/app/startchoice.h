#pragma once
// What the start screen decides without its widgets: which templates a kind offers (the
// first ten of its layouts folder, alphabetically), which slots show them, and what pressing
// OK or double-clicking starts.

#include "core/layout/documenttypes.h"
#include "core/layout/templatelisting.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quillora {

inline const QString kLayoutsMissingMessage = QStringLiteral(QT_TRANSLATE_NOOP(
    "Quillora", "Sorry. There are some layout files missing. Please re-install Quillora"));

// What the start screen hands back when it closes.
struct StartChoice {
    DocumentKind kind = DocumentKind::Simple;
    QString templatePath; // "" for the kinds that need no template choice
};

// The selection on the start screen: the chosen kind and, for kinds with a folder, the
// chosen template. Each operation says what the window must show next.
class StartSelection {
public:
    explicit StartSelection(QString dataFolder) : m_dataFolder(std::move(dataFolder)) {}

    enum class KindResult {
        NoTemplates,   // the kind needs no template choice
        ShowTemplates, // the sub-choice panel comes to the front with listing()
        LayoutsMissing // the folder could not be listed (or holds no template)
    };
    // Selects a kind by its document type code. A kind with a folder lists it and selects
    // its sub-choice 0; the small leaflet (size choice 1) lists its own folder. Codes outside
    // 0..18 change nothing and answer NoTemplates.
    KindResult selectKind(int code, int leafletSizeChoice = 0);
    // Selects a shown template; indexes outside the listing are ignored. Returns whether
    // the selection changed to it.
    bool selectSubChoice(int index);

    int code() const { return m_code; }
    int subChoice() const { return m_subChoice; }
    bool kindNeedsTemplate() const { return !m_folderName.isEmpty(); }
    const TemplateListing &listing() const { return m_listing; }

    // What OK (or a double-click) starts; nothing when the kind needs a template and its
    // folder gave none, since the page could not be built.
    std::optional<StartChoice> choice() const;

private:
    QString m_dataFolder;
    QString m_folderName;
    TemplateListing m_listing;
    int m_code = 0;
    int m_subChoice = 0;
};

} // namespace quillora
