#pragma once
// Pages built in code for tests of drawing and printing: known objects at known places.

#include "core/layout/pagemodel.h"

#include <QColor>
#include <QImage>

namespace quillora::test {

inline QImage filledPicture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A portrait page of 200 × 283 window pixels (A4 proportions), nothing on it.
inline PageModel emptyPrintPage(DocumentKind documentType = DocumentKind::Simple)
{
    PageModel page;
    page.documentType = documentType;
    page.pageWidthMm = 210;
    page.pageHeightMm = 297;
    page.pageRect = QRect(100, 50, 200, 283);
    page.scale = 200.0f / 210.0f;
    return page;
}

inline PictureBoxModel pictureBox(QRect geometry, QImage image)
{
    PictureBoxModel box;
    box.geometry = geometry;
    box.image = std::move(image);
    box.visible = true;
    return box;
}

inline TextBoxModel textBox(QRect geometry, const QString &text, Alignment align = Alignment::Left)
{
    TextBoxModel box;
    box.style.fontName = QStringLiteral("Liberation Sans");
    box.style.fontSize = 14;
    box.style.align = align;
    box.geometry = geometry;
    box.text = text;
    box.visible = true;
    return box;
}

// Three pictures, three texts and one rich text: a full simple page.
inline PageModel fullSimplePage()
{
    PageModel page = emptyPrintPage();
    page.pictureBoxes = {pictureBox({10, 10, 180, 80}, filledPicture({360, 160}, Qt::red)),
                         pictureBox({10, 95, 85, 60}, filledPicture({170, 120}, Qt::green)),
                         pictureBox({105, 95, 85, 60}, filledPicture({170, 120}, Qt::blue))};
    page.announcedPictureBoxes = 3;
    page.textBoxes = {
        textBox({10, 160, 180, 30}, QStringLiteral("At the seaside"), Alignment::Centre),
        textBox({10, 195, 85, 40}, QStringLiteral("We built a sandcastle")),
        textBox({105, 195, 85, 40}, QStringLiteral("Then the tide came in"), Alignment::Right)};
    page.announcedTextBoxes = 3;
    RichTextBoxModel rich;
    rich.style.fontName = QStringLiteral("Liberation Serif");
    rich.style.fontSize = 12;
    rich.geometry = QRect(10, 240, 180, 35);
    rich.rtf = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}}"
                              "{\\colortbl;\\red200\\green0\\blue0;}"
                              "\\f0\\fs28 The \\b sea\\b0  was \\cf1 cold\\cf0 !}");
    rich.plainText = QStringLiteral("The sea was cold!");
    rich.visible = true;
    page.richTextBoxes = {rich};
    page.announcedRichTextBoxes = 1;
    return page;
}

} // namespace quillora::test
