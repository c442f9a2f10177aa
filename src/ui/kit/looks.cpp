#include "ui/kit/looks.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QPainter>
#include <QPalette>
#include <QScreen>
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

void setArtColours(QPalette &palette)
{
    palette.setColor(QPalette::Window, kCream);
    palette.setColor(QPalette::WindowText, kInk);
    palette.setColor(QPalette::Text, kInk);
    palette.setColor(QPalette::ButtonText, kInk);
    palette.setColor(QPalette::Base, kWhite);
    palette.setColor(QPalette::Highlight, kSky);
    palette.setColor(QPalette::HighlightedText, kWhite);
    palette.setColor(QPalette::ToolTipBase, kSunshine);
    palette.setColor(QPalette::ToolTipText, kInk);
    palette.setColor(QPalette::Button, kCream);
}

void paintWindowPalette(QWidget *window)
{
    QPalette palette = window->palette();
    setArtColours(palette);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void dressFileDialog(QFileDialog &dialog)
{
    constexpr int kFileIconPx = 48;
    constexpr double kScreenShare = 0.7;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFont(childFont(kControlPixels));
    for (QAbstractItemView *view : dialog.findChildren<QAbstractItemView *>())
        view->setIconSize(QSize(kFileIconPx, kFileIconPx));
    if (const QScreen *screen = dialog.screen()) {
        const QSize available = screen->availableGeometry().size();
        dialog.resize(
            QSize(int(available.width() * kScreenShare), int(available.height() * kScreenShare))
                .expandedTo(dialog.minimumSizeHint()));
    }
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
