#include "ui/kit/looks.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace quillora::looks {

QFont childFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Andika"), QStringLiteral("Comic Neue"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void paintWindowPalette(QWidget *window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, kCream);
    palette.setColor(QPalette::WindowText, kInk);
    palette.setColor(QPalette::Text, kInk);
    palette.setColor(QPalette::ButtonText, kInk);
    palette.setColor(QPalette::Base, kWhite);
    palette.setColor(QPalette::Highlight, kSky);
    palette.setColor(QPalette::HighlightedText, kWhite);
    palette.setColor(QPalette::ToolTipBase, kSunshine);
    palette.setColor(QPalette::ToolTipText, kInk);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void enlargeTickBoxes(QWidget *window)
{
    window->setStyleSheet(QStringLiteral("QCheckBox::indicator, QRadioButton::indicator "
                                         "{ width: 26px; height: 26px; }"));
}

void drawWindowFrame(QWidget *window, ColourRef frameColour)
{
    QPainter painter(window);
    QPen frame(toQColor(frameColour), kFrameWidth);
    frame.setJoinStyle(Qt::MiterJoin);
    painter.setPen(frame);
    const int half = kFrameWidth / 2;
    painter.drawRect(window->rect().adjusted(half, half, -half, -half));
}

} // namespace quillora::looks
