#include "core/text/keyboardlayouts.h"

#include <QHash>

namespace quillora {
namespace {

// A row is its keys separated by spaces; "lower/Capital" names a capital that upper-casing would
// get wrong (ß). Variants are "key:letters" groups.
struct LayoutText {
    QLocale::Language language;
    const char *rows[3];
    const char *variants;
};

// Letters a keyboard of the language has keys for get keys; the other marked letters are variants
// of the letter they are written on.
const LayoutText kLayouts[] = {
    {QLocale::English, {"q w e r t y u i o p", "a s d f g h j k l", "z x c v b n m , ."}, ""},
    {QLocale::French,
     {"a z e r t y u i o p", "q s d f g h j k l m", "w x c v b n \xC3\xA9 \xC3\xA8 , ."},
     "a:\xC3\xA0\xC3\xA2\xC3\xA6 c:\xC3\xA7 e:\xC3\xA9\xC3\xA8\xC3\xAA\xC3\xAB i:\xC3\xAE\xC3\xAF "
     "o:\xC3\xB4\xC5\x93 u:\xC3\xB9\xC3\xBB\xC3\xBC y:\xC3\xBF"},
    {QLocale::German,
     {"q w e r t z u i o p \xC3\xBC", "a s d f g h j k l \xC3\xB6 \xC3\xA4",
      "y x c v b n m \xC3\x9F/\xE1\xBA\x9E , ."},
     ""},
    {QLocale::Spanish,
     {"q w e r t y u i o p", "a s d f g h j k l \xC3\xB1", "z x c v b n m , ."},
     "a:\xC3\xA1 e:\xC3\xA9 i:\xC3\xAD o:\xC3\xB3 u:\xC3\xBA\xC3\xBC .:\xC2\xBF?\xC2\xA1!"},
    {QLocale::Italian,
     {"q w e r t y u i o p", "a s d f g h j k l", "z x c v b n m , ."},
     "a:\xC3\xA0 e:\xC3\xA8\xC3\xA9 i:\xC3\xAC o:\xC3\xB2 u:\xC3\xB9"},
    {QLocale::Portuguese,
     {"q w e r t y u i o p", "a s d f g h j k l \xC3\xA7", "z x c v b n m , ."},
     "a:\xC3\xA1\xC3\xA0\xC3\xA2\xC3\xA3 e:\xC3\xA9\xC3\xAA i:\xC3\xAD o:\xC3\xB3\xC3\xB4\xC3\xB5 "
     "u:\xC3\xBA\xC3\xBC c:\xC3\xA7"},
    {QLocale::Dutch,
     {"q w e r t y u i o p", "a s d f g h j k l", "z x c v b n m , ."},
     "a:\xC3\xA1\xC3\xA4 e:\xC3\xA9\xC3\xAB\xC3\xA8 i:\xC3\xAF\xC3\xAD o:\xC3\xB3\xC3\xB6 "
     "u:\xC3\xBC\xC3\xBA"},
    {QLocale::Polish,
     {"q w e r t y u i o p", "a s d f g h j k l", "z x c v b n m , ."},
     "a:\xC4\x85 c:\xC4\x87 e:\xC4\x99 l:\xC5\x82 n:\xC5\x84 o:\xC3\xB3 s:\xC5\x9B "
     "z:\xC5\xBA\xC5\xBC"},
    {QLocale::Swedish,
     {"q w e r t y u i o p \xC3\xA5", "a s d f g h j k l \xC3\xB6 \xC3\xA4", "z x c v b n m , ."},
     "e:\xC3\xA9"},
    {QLocale::Ukrainian,
     {"\xD0\xB9 \xD1\x86 \xD1\x83 \xD0\xBA \xD0\xB5 \xD0\xBD \xD0\xB3 \xD1\x88 \xD1\x89 \xD0\xB7 "
      "\xD1\x85 \xD1\x97",
      "\xD1\x84 \xD1\x96 \xD0\xB2 \xD0\xB0 \xD0\xBF \xD1\x80 \xD0\xBE \xD0\xBB \xD0\xB4 \xD0\xB6 "
      "\xD1\x94",
      "\xD1\x8F \xD1\x87 \xD1\x81 \xD0\xBC \xD0\xB8 \xD1\x82 \xD1\x8C \xD0\xB1 \xD1\x8E , ."},
     "\xD0\xB3:\xD2\x91 ,:'"},
    {QLocale::Arabic,
     {"\xD8\xB6 \xD8\xB5 \xD8\xAB \xD9\x82 \xD9\x81 \xD8\xBA \xD8\xB9 \xD9\x87 \xD8\xAE \xD8\xAD "
      "\xD8\xAC \xD8\xAF",
      "\xD8\xB4 \xD8\xB3 \xD9\x8A \xD8\xA8 \xD9\x84 \xD8\xA7 \xD8\xAA \xD9\x86 \xD9\x85 \xD9\x83 "
      "\xD8\xB7",
      "\xD8\xA6 \xD8\xA1 \xD8\xA4 \xD8\xB1 \xD9\x89 \xD8\xA9 \xD9\x88 \xD8\xB2 \xD8\xB8 "
      "\xD8\x8C ."},
     "\xD8\xA7:\xD8\xA3\xD8\xA5\xD8\xA2 \xD8\xAF:\xD8\xB0 \xD9\x8A:\xD9\x89\xD8\xA6 "
     "\xD9\x88:\xD8\xA4 "
     "\xD9\x87:\xD8\xA9 .:\xD8\x9F! \xD8\x8C:\xD8\x9B"},
};

KeyboardLayout parse(const LayoutText &text)
{
    QHash<QString, QStringList> variants;
    for (const QString &group : QString::fromUtf8(text.variants).split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype colon = group.indexOf(u':', 1);
        QStringList letters;
        for (const QChar c : group.mid(colon + 1))
            letters << QString(c);
        variants.insert(group.left(colon), letters);
    }
    KeyboardLayout layout;
    layout.language = text.language;
    for (const char *row : text.rows) {
        QVector<LayoutKey> keys;
        for (const QString &token : QString::fromUtf8(row).split(u' ', Qt::SkipEmptyParts)) {
            const QStringList forms = token.split(u'/');
            LayoutKey key;
            key.lower = forms.first();
            key.capital = forms.size() > 1 ? forms.last() : capitalOf(key.lower);
            key.variants = variants.value(key.lower);
            keys << key;
        }
        layout.rows << keys;
    }
    return layout;
}

const QHash<QLocale::Language, KeyboardLayout> &layouts()
{
    static const QHash<QLocale::Language, KeyboardLayout> table = [] {
        QHash<QLocale::Language, KeyboardLayout> parsed;
        for (const LayoutText &text : kLayouts)
            parsed.insert(text.language, parse(text));
        return parsed;
    }();
    return table;
}

} // namespace

QString capitalOf(const QString &letters)
{
    QString capital;
    for (const QChar c : letters)
        capital += c.toUpper(); // one letter for one: upper-casing the whole string makes ß "SS"
    return capital;
}

const KeyboardLayout &keyboardLayoutFor(const QLocale &locale)
{
    const auto &table = layouts();
    const auto found = table.constFind(locale.language());
    return found != table.constEnd() ? *found : *table.constFind(QLocale::English);
}

QList<QLocale::Language> keyboardLanguages()
{
    QList<QLocale::Language> languages;
    for (const LayoutText &text : kLayouts)
        languages << text.language;
    return languages;
}

} // namespace quillora
