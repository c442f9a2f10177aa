#pragma once
// A comic strip's page description ("layout.xml"): the frames in whole millimetres as a layout
// template gives them, then one line per bubble with its centre, kind, words, frame, tail tip,
// size handle and font, all in window pixels relative to its frame:
//   <layout name='usermade' width='297' height='210' numpicboxes='2'>
//   <picbox name='pb0' x='10' y='10' width='135' height='190'/>
//   <bubble name='bu0' cx='120' cy='90' type='0' text='Hello!' parentindex='0'  handcx='30'
//    handcy='160' szhandcx='180' szhandcy='135' font='arial' size='12' colour='0'/>
//   </layout>

#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"
#include "core/undo/undokinds.h"

#include <QByteArray>
#include <QString>

namespace quillora {

// The description's lines, CR LF after each.
QString cartoonDescription(const PageModel &page);

// The "bubble" lines alone.
QString bubbleDescription(const PageModel &page);

// Puts the description's bubbles on the page's frames, each fitted to its frame: a centre
// outside the frame is brought to its edge, the size kept within the size handle's limits, the
// tip on the bubble's surface, the words shrunk to fit. A bubble on a frame the page does not
// have, of an unknown kind, or beyond kMaxBubbles is left out. Returns how many were left out.
int readBubbles(const QString &description, PageModel &page);

// The whole page from a description's bytes: frames by the template reader, then the bubbles.
// `path` names it in messages. On failure `error` says why and the page may be half read.
[[nodiscard]] bool readCartoonDescription(const QByteArray &bytes, const QString &path,
                                          PageModel &page, const PageFitInputs &fit,
                                          QString *error = nullptr);

// Undo of kind "bub": one step holds all of the page's bubbles, as their description lines.
UndoKindHandler bubbleUndoKind();

} // namespace quillora
