#pragma once
// Colours are held as 0x00BBGGRR numbers (red in the low byte) throughout the program,
// as layout files and work files store them.

#include <QColor>
#include <QtGlobal>

namespace quillora {

using ColourRef = quint32;

constexpr ColourRef colourRef(int red, int green, int blue)
{
    return static_cast<ColourRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

inline QColor toQColor(ColourRef c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline ColourRef fromQColor(const QColor &c)
{
    return colourRef(c.red(), c.green(), c.blue());
}

} // namespace quillora
