#pragma once
// The program's one look for the standard controls a child or teacher touches — tick boxes,
// option buttons, tabs, lists to drop down, number boxes, scroll bars, text lines and buttons
// with words — in the options, font, print and file dialogs alike: the art's colours, thick
// outlines and round corners (docs/art.md), and never a target smaller than a finger.
// Installed once for the whole application; controls that draw themselves are untouched.

#include <QProxyStyle>

namespace quillora {

class ChildStyle : public QProxyStyle {
    Q_OBJECT
public:
    ChildStyle();

    void polish(QPalette &palette) override;
    using QProxyStyle::polish;

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contents,
                           const QWidget *widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
};

} // namespace quillora
