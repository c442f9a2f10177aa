#pragma once
// The program's own controls (palettes, pen sizes, the keyboard, the string) are laid out in
// twips, as their settings store them.

namespace quillora {

inline constexpr int kTwipsPerPixel = 15;

} // namespace quillora
