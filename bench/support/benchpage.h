#pragma once
// The page the work file and autosave benchmarks save: a simple page with three 1000 x 700
// paintings, three texts and one rich text.

#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"
#include "core/layout/templatereader.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>

namespace quillora::bench {

constexpr QSize kPictureSize{1000, 700};

inline const QByteArray kTemplate =
    "<layout name='bench' NumTextBoxes='3' NumPicBoxes='3' numRTBs='1' numHandles='0' "
    "numLines='0' numBoxes='0' width='420' height='297'>\r\n"
    "<textbox name='tb0' x='10' y='5' width='400' height='20' size='9' text='Title'/>\r\n"
    "<picbox name='pb0' x='10' y='30' width='130' height='91' reptType='0' symmType='0' "
    "copyTo='0'/>\r\n"
    "<picbox name='pb1' x='145' y='30' width='130' height='91' reptType='0' symmType='0' "
    "copyTo='0'/>\r\n"
    "<picbox name='pb2' x='280' y='30' width='130' height='91' reptType='0' symmType='0' "
    "copyTo='0'/>\r\n"
    "<textbox name='tb1' x='10' y='130' width='195' height='40' size='6' text='One'/>\r\n"
    "<textbox name='tb2' x='215' y='130' width='195' height='40' size='6' text='Two'/>\r\n"
    "<rtb name='rt0' x='10' y='180' width='400' height='100' size='5' text='Story'/>\r\n"
    "</layout>\r\n";

// A child's painting: flat colours in overlapping shapes with thick outlines.
inline QImage painting(quint32 seed)
{
    QImage image(kPictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QRandomGenerator random(seed);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        painter.setPen(QPen(QColor::fromRgb(random.generate() | 0xFF000000), 8));
        painter.setBrush(QColor::fromRgb(random.generate() | 0xFF000000));
        painter.drawEllipse(random.bounded(900), random.bounded(600), 50 + random.bounded(250),
                            50 + random.bounded(200));
    }
    return image;
}

// The page, read from the template written into `folder`.
inline PageModel benchPage(const QString &folder, const PageFitInputs &fit)
{
    PageModel page;
    const QString layout = QDir(folder).filePath(QStringLiteral("bench.xml"));
    QFile file(layout);
    if (!file.open(QIODevice::WriteOnly) || file.write(kTemplate) != kTemplate.size())
        qFatal("cannot write the template");
    file.close();
    QString error;
    if (!readTemplate(layout, page, fit, &error))
        qFatal("template: %s", qPrintable(error));
    for (int i = 0; i < 3; ++i) {
        page.pictureBoxes[i].geometry.setSize(kPictureSize);
        page.pictureBoxes[i].image = painting(quint32(i + 1));
    }
    page.textBoxes[0].text = QStringLiteral("Our trip to the seaside");
    page.textBoxes[1].text = QStringLiteral("We took the bus.\r\nIt was a long way.");
    page.textBoxes[2].text = QStringLiteral("Tom's dog came too!");
    page.richTextBoxes[0].rtf = QStringLiteral(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red200\\green0\\blue0;}"
        "\\pard\\qc\\f0\\fs40 We went to the {\\b\\cf1 seaside} and built a {\\i castle}. "
        "The sea was cold and the sand was warm.\\par}");
    return page;
}

} // namespace quillora::bench
