#include "core/files/templateswitch.h"

#include "core/files/pagemembers.h"
#include "core/files/staging.h"
#include "core/foundation/fileaccess.h"
#include "core/layout/bordersetup.h"
#include "core/layout/templatereader.h"
#include "core/text/pagetextfit.h"

#include <QDir>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcTemplateSwitch, "quillora.layout.switch")

namespace quillora {

namespace {

void warn(QString *error, const QString &text)
{
    setError(error, text, lcTemplateSwitch);
}

bool storeWork(const PageModel &page, const Staging &staging, QString *error)
{
    if (!QDir().mkpath(staging.folder())) {
        warn(error, QStringLiteral("the temporary folder could not be made"));
        return false;
    }
    QString why;
    if (!writePageMembers(page, staging.folder(), MemberUse::TemplateSwitch, &why)) {
        warn(error, QStringLiteral("the work could not be stored (%1)").arg(why));
        return false;
    }
    return true;
}

} // namespace

bool switchTemplate(PageModel &page, const Staging &staging, const QString &templatePath,
                    const PageFitInputs &fit, const Translator &translator, QString *error)
{
    // The new template is read into a copy, so a template that cannot be read costs nothing.
    PageModel switched = page;
    if (kindInfo(page.documentType).copiesSheet)
        switched.autoRepeat = false;
    PageFitInputs pageFit = fit;
    pageFit.documentType = page.documentType;
    if (!readTemplate(templatePath, switched, pageFit, error))
        return false;
    translateTemplateWords(switched, translator);
    // A kind that carries a border keeps one, and the child's painting, whatever the template.
    applyStandardBorder(switched);
    if (!storeWork(page, staging, error))
        return false;
    // A picture or rich text the switch cannot read back stays as the new template has it.
    readPageMembers(switched, staging.folder(), MemberUse::TemplateSwitch);
    fitPageTexts(switched);
    switched.current = CurrentObject{};
    switched.changeCount = page.changeCount + 1;
    page = std::move(switched);
    return true;
}

} // namespace quillora
