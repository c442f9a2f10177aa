#pragma once
// The five font names the settings and layout files use, mapped to installed fonts with the
// same metrics, so text measures and wraps the same on every machine.

#include <QString>

namespace quillora {

// The installed family standing in for a settings font name (any case); the name itself when
// it is not one of the five.
QString metricCompatibleFamily(const QString &family);

// Registers the stand-ins with the font system; call once before any text is measured.
void installFontSubstitutions();

} // namespace quillora
