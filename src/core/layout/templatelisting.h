#pragma once
// The templates a kind offers: the first ten "*.xml" files of its layouts folder, with the
// thumbnail drawn beside each.

#include <QList>
#include <QString>

namespace quillora {

constexpr int kSubChoiceSlots = 10;

// One shown template: its file, its thumbnail beside it and the caption under it.
struct SubChoice {
    QString templatePath;  // folder + "/" + file name, normalised
    QString thumbnailPath; // the ".bmp" of the same name; "" when there is none
    QString caption;       // the template's name (templateCaption), untranslated
};

struct TemplateListing {
    bool listed = false;      // false: the folder is missing or cannot be read
    QString folder;           // data + "/layouts/" + folder name, normalised
    QList<SubChoice> choices; // at most kSubChoiceSlots, in alphabetical order
};

// Lists the "*.xml" templates of a kind's folder under `dataFolder`/layouts (the name match
// ignores case, as the template names written on other systems may be upper case).
TemplateListing listTemplates(const QString &dataFolder, const QString &folderName);

} // namespace quillora
