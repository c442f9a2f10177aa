// Arbitrary bytes read as a postcard's page description: nothing may crash or hang, the card
// read holds no more than a postcard's objects with its picture side in place, and what is
// written of it must read back the same.
#include "core/doctypes/pagefamily.h"
#include "core/doctypes/postcard.h"
#include "core/files/savedlayout.h"
#include "core/foundation/codepage.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

using namespace quillora;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

const PageFitInputs kFit = documentWindowFit(1920, 1080, DocumentKind::Postcard);

bool readCard(const QString &path, const QByteArray &bytes, PageModel &page)
{
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    page = PageModel{};
    page.documentType = DocumentKind::Postcard;
    QString error;
    return pageFamilyFor(DocumentKind::Postcard)->readDescription(path, page, kFit, &error);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("layout.xml"));
    PageModel page;
    if (!readCard(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), page))
        return 0;
    check(page.textBoxes.size() <= kPostcardTextBoxes);
    check(page.pictureBoxes.size() == kPostcardPictureBoxes);
    check(page.pictureBoxes[kPostcardPictureIndex].geometry == pictureSideRect(page.scale));
    check(QRect(QPoint(0, 0), page.pageRect.size())
              .contains(page.pictureBoxes[kPostcardStampIndex].geometry) ||
          page.pictureBoxes[kPostcardStampIndex].geometry.isEmpty());
    const PostcardFurniture furniture = postcardFurniture(page);
    check(furniture.addressLines.size() <= kPostcardTextBoxes);

    const QString written = singlePageDescription(page);
    PageModel again;
    check(readCard(path, codepage::encodeAuto(written), again));
    check(singlePageDescription(again) == written);
    return 0;
}
