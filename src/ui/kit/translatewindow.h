#pragma once
// Puts a window into the language of the language file: every caption and tool tip of its
// controls, then its title, each looked up by its English design text.

class QWidget;

namespace quillora {

class Translator;

// Controls whose objectName ends with "FIXLANG" keep their texts in every language. Calling
// it again (a window shown a second time) starts once more from the English texts, so a text
// is never translated twice.
//  - buttons, check boxes, option buttons, text labels, group boxes: caption, then tool tip;
//  - picture buttons, picture labels, sliders and scroll bars: tool tip, which is also their
//    accessible name;
//  - tab widgets: every tab's caption in turn, then the tool tip.
void translateWindow(QWidget *window, const Translator &translator);

} // namespace quillora
