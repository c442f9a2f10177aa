// The example language file shipped in docs/ must translate every caption, tool tip and message
// of the program, so a school that translates from it misses nothing. A window or message added
// without its translation fails here, listing what is missing.

#include "support/everywindow.h"
#include "ui/kit/translatewindow.h"

#include <QFile>
#include <QSet>
#include <QTest>

#include <memory>
#include <vector>

using namespace quillora;

namespace {

const QString kExampleFile = QStringLiteral(QUILLORA_SOURCE_DIR "/docs/lang-example.txt");

// Texts that are names, not words, and stay as they are in every language: the program's
// name, the placeholder of empty text boxes and the font names shown in their own faces.
bool isProperName(const QString &text)
{
    const Settings defaults;
    const QStringList fonts(defaults.fontSlots.begin(), defaults.fontSlots.end());
    return text == u"Quillora" || text.startsWith(u"Quillora ") || text == kPlaceholderText ||
           fonts.contains(text, Qt::CaseInsensitive);
}

bool needsTranslation(const QString &text)
{
    if (text.size() < 2 || isProperName(text))
        return false;
    for (QChar c : text) {
        if (c.isLetter())
            return true;
    }
    return false;
}

// The translations of the file: windows that translate their captions as they build them
// show these before translateWindow ever sees them.
QSet<QString> translationsIn(const QString &path)
{
    QFile file(path);
    QSet<QString> translations;
    if (!file.open(QIODevice::ReadOnly))
        return translations;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const qsizetype comma = line.indexOf(QStringLiteral("\",\""));
        if (comma > 0)
            translations.insert(line.mid(comma + 3).trimmed().chopped(1));
    }
    return translations;
}

// Every text translateWindow saw on `window` that the language file left in English.
QStringList untranslated(QWidget *window, const QSet<QString> &translations)
{
    QStringList missing;
    QList<QObject *> objects{window};
    for (QWidget *child : window->findChildren<QWidget *>())
        objects.append(child);
    for (QObject *object : objects) {
        for (const QByteArray &name : object->dynamicPropertyNames()) {
            // Accessible names come from the shipped catalogues; the example file is for what
            // the child reads.
            if (!name.startsWith("quilloraEnglish.") || name.endsWith(".accessibleName"))
                continue;
            const QString english = object->property(name).toString();
            const QByteArray shownName = "quilloraShown." + name.mid(16);
            if (needsTranslation(english) && object->property(shownName).toString() == english &&
                !translations.contains(english))
                missing.append(english);
        }
    }
    return missing;
}

} // namespace

class TestLanguageFile : public QObject {
    Q_OBJECT
private slots:
    void everyTextOfEveryWindowIsTranslated()
    {
        QVERIFY2(QFile::exists(kExampleFile), qPrintable(kExampleFile));
        WindowFixture page;
        AppContext &context = page.context;
        context.translator.load(kExampleFile);
        QVERIFY(context.translator.count() > 50);
        context.settings.onScreenKeyboard = true;
        context.settings.pullDownString = true;
        page.wire();

        test::EveryWindow every(context);

        const QSet<QString> translations = translationsIn(kExampleFile);
        QSet<QString> missing;
        std::vector<QWidget *> all{page.window.get()};
        for (const auto &window : every.windows)
            all.push_back(window.get());
        for (QWidget *window : all) {
            translateWindow(window, context.translator);
            for (const QString &text : untranslated(window, translations))
                missing.insert(text);
        }
        QStringList list(missing.begin(), missing.end());
        list.sort();
        QVERIFY2(list.isEmpty(), qPrintable("not in the example language file:\n" +
                                            list.join(" | ").replace(u'\n', u'~')));
    }
};

QTEST_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
