#include "core/doctypes/anywherefamily.h"

#include "core/doctypes/anywhere.h"
#include "core/doctypes/anywheredescription.h"
#include "core/files/members.h"
#include "core/files/staging.h"
#include "core/files/wholefile.h"
#include "core/foundation/codepage.h"
#include "core/text/textdrawing.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace quillora {

namespace {

const QString kDescriptionMember = QStringLiteral("layout.xml");

// The stored page picture fitted to the picture of this screen; null when missing or unusable.
QImage loadPagePicture(const QString &path, const QSize &size, bool *usable)
{
    *usable = true;
    if (!QFile::exists(path))
        return {};
    QImageReader reader(path, "BMP");
    const QSize stored = reader.size();
    QImage picture;
    if (stored.isValid() && stored.width() <= kMaxAnywherePictureSide &&
        stored.height() <= kMaxAnywherePictureSide)
        picture = reader.read();
    if (picture.isNull()) {
        *usable = false;
        return {};
    }
    return fitPictureToBox(picture.convertToFormat(QImage::Format_RGB32), size);
}

} // namespace

void renderAnywherePage(QPainter &painter, const PageModel &page, const PageRenderOptions &options)
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect picture = anywherePictureRect(page);
    if (!page.pictureBoxes.isEmpty() && !page.pictureBoxes.constFirst().image.isNull()) {
        const QRectF target(options.origin + QPointF(picture.topLeft()) * options.scale,
                            QSizeF(picture.size()) * options.scale);
        painter.drawImage(target, page.pictureBoxes.constFirst().image);
    }
    painter.restore();
    const QVector<FloatingTextModel> &texts = floatingTextsOf(page);
    for (int slot = 1; slot < texts.size(); ++slot) {
        const FloatingTextModel &text = texts.at(slot);
        if (!text.visible || text.newby)
            continue;
        TextBoxModel box;
        box.style = text.style;
        box.text = text.text;
        box.geometry = text.geometry;
        box.multiLine = text.text.contains(u'\n') || text.text.contains(u'\r');
        box.visible = true;
        TextPlacement placement;
        placement.origin =
            options.origin + QPointF(picture.topLeft() + text.geometry.topLeft()) * options.scale;
        placement.scaleX = options.scale;
        placement.scaleY = options.scale;
        placement.fontFactor = options.fontFactor;
        drawTextBox(painter, box, placement);
    }
}

int anywhereTextsLeftOut(const QString &descriptionPath)
{
    AnywhereDescription description;
    if (!readAnywhereDescription(descriptionPath, &description, nullptr))
        return 0;
    return description.textsLeftOut;
}

bool AnywhereFamily::buildNewPage(PageModel &page, const QString &, const PageFitInputs &fit,
                                  QString *) const
{
    // Children fill the width of a whiteboard: a new page lies on its side.
    setUpAnywherePage(page, fit, true);
    return true;
}

bool AnywhereFamily::writeMembers(const PageModel &page, const QString &folder,
                                  QString *error) const
{
    QImage picture = page.pictureBoxes.isEmpty() ? QImage() : page.pictureBoxes.constFirst().image;
    if (picture.isNull()) {
        picture =
            QImage(anywherePictureRect(page).size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        picture.fill(Qt::white);
    }
    return writeImageFile(picture, "BMP", QDir(folder).filePath(kAnywherePictureMember), error,
                          Durability::Scratch);
}

bool AnywhereFamily::readMembers(PageModel &page, const QString &folder) const
{
    const QDir dir(folder);
    bool usable = true;
    if (!page.pictureBoxes.isEmpty()) {
        PictureBoxModel &box = page.pictureBoxes.first();
        const QImage picture =
            loadPagePicture(dir.filePath(kAnywherePictureMember), box.geometry.size(), &usable);
        if (!picture.isNull())
            box.image = picture;
    }
    return usable && anywhereTextsLeftOut(dir.filePath(kDescriptionMember)) == 0;
}

bool AnywhereFamily::writeDescription(const PageModel &page, const Staging &staging,
                                      const SavedLayoutOptions &, QString *error) const
{
    return writeWholeFile(staging.memberPath(kDescriptionMember),
                          codepage::encodeAuto(anywhereDescription(page)), error,
                          Durability::Scratch);
}

bool AnywhereFamily::readDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                                     QString *error) const
{
    AnywhereDescription description;
    if (!readAnywhereDescription(path, &description, error))
        return false;
    buildDescribedAnywherePage(page, description, fit);
    return true;
}

QImage AnywhereFamily::render(const PageModel &page, double) const
{
    const QSize size = page.pageRect.size();
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderAnywherePage(painter, page, PageRenderOptions{});
    return image;
}

PrintResult AnywhereFamily::print(const PageModel &page, PrintDevice &device,
                                  const PrintSettings &settings) const
{
    return printPageCopies(
        device, orientationFor(page), page.pageRect.size(), settings,
        [&](QPainter &painter, const PageRenderOptions &options) {
            renderAnywherePage(painter, page, options);
        },
        "the anywhere page");
}

} // namespace quillora
