#include "core/doctypes/cartoonfamily.h"

#include "core/doctypes/cartoondescription.h"
#include "core/doctypes/cartoondrawing.h"
#include "core/files/pagemembers.h"
#include "core/files/staging.h"
#include "core/files/wholefile.h"
#include "core/foundation/codepage.h"
#include "core/foundation/fileaccess.h"
#include "core/layout/templateelements.h"

namespace quillora {

bool CartoonFamily::buildNewPage(PageModel &page, const QString &templatePath,
                                 const PageFitInputs &fit, QString *error) const
{
    const BoundedRead read = readBounded(templatePath, kMaxTemplateBytes);
    if (!read.ok() && read.trouble != ReadTrouble::TooLarge) {
        setError(error,
                 QStringLiteral(QT_TRANSLATE_NOOP(
                                    "Quillora", "The layout file \"%1\" could not be opened (%2)."))
                     .arg(templatePath, read.reason));
        return false;
    }
    // A template of our own has no bubbles, but one saved as a template may; one past the
    // limit is refused by the description's own check.
    return readCartoonDescription(read.bytes, templatePath, page, fit, error);
}

bool CartoonFamily::writeMembers(const PageModel &page, const QString &folder, QString *error) const
{
    return writePageMembers(page, folder, MemberUse::WorkFile, error);
}

bool CartoonFamily::readMembers(PageModel &page, const QString &folder) const
{
    const bool picturesRead = readPageMembers(page, folder, MemberUse::WorkFile);
    return picturesRead && page.objectsSkippedOnRead == 0;
}

bool CartoonFamily::writeDescription(const PageModel &page, const Staging &staging,
                                     const SavedLayoutOptions &, QString *error) const
{
    return writeWholeFile(staging.memberPath(QStringLiteral("layout.xml")),
                          codepage::encodeAuto(cartoonDescription(page)), error,
                          Durability::Scratch);
}

bool CartoonFamily::readDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                                    QString *error) const
{
    return buildNewPage(page, path, fit, error);
}

QImage CartoonFamily::render(const PageModel &page, double) const
{
    return renderCartoonPageImage(page);
}

PrintResult CartoonFamily::print(const PageModel &page, PrintDevice &device,
                                 const PrintSettings &settings) const
{
    return printCartoon(page, device, settings);
}

} // namespace quillora
