#include "core/foundation/fontmapping.h"

#include <QFont>
#include <QStringList>

#include <array>

namespace quillora {
namespace {

struct FontStandIn {
    const char *family;
    const char *installed;
};

constexpr std::array<FontStandIn, 5> kStandIns = {{
    {"Arial", "Liberation Sans"},
    {"Comic Sans MS", "Comic Neue"},
    {"Courier New", "Liberation Mono"},
    {"Times New Roman", "Liberation Serif"},
    {"Verdana", "DejaVu Sans"},
}};

} // namespace

QString metricCompatibleFamily(const QString &family)
{
    for (const FontStandIn &standIn : kStandIns) {
        if (family.compare(QLatin1String(standIn.family), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(standIn.installed);
    }
    return family;
}

void installFontSubstitutions()
{
    // The font system matches substitution names in any case, as layout files need. Letters a
    // stand-in lacks (Arabic in all of them, Cyrillic in Comic Neue) come from DejaVu Sans, on
    // screen and in print alike.
    const QString covering = QStringLiteral("DejaVu Sans");
    for (const FontStandIn &standIn : kStandIns) {
        QStringList families(QString::fromLatin1(standIn.installed));
        families << covering;
        QFont::insertSubstitutions(QString::fromLatin1(standIn.family), families);
    }
}

} // namespace quillora
