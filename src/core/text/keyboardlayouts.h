#pragma once
// The letters of the on-screen keyboard for each language the program speaks: three rows of keys
// as the children's own keyboards have them, each key's capital, and the letters with marks a
// child reaches by holding a key.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

namespace quillora {

struct LayoutKey {
    QString lower;
    QString capital;      // what Shift or Caps shows; the same as `lower` for a letter without case
    QStringList variants; // lower-case; a held key offers them
};

struct KeyboardLayout {
    QLocale::Language language = QLocale::English;
    // The top, home and bottom rows from left to right; the bottom row ends in its punctuation.
    QVector<QVector<LayoutKey>> rows;
};

// The layout for `locale`'s language; English (the UK keyboard) for any other.
const KeyboardLayout &keyboardLayoutFor(const QLocale &locale);

// Each letter's capital, one for one.
QString capitalOf(const QString &letters);

// Every language with a layout of its own, English first.
QList<QLocale::Language> keyboardLanguages();

} // namespace quillora
