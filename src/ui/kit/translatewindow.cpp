#include "ui/kit/translatewindow.h"

#include "core/foundation/translator.h"
#include "ui/kit/picturebutton.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

namespace quillora {
namespace {

constexpr QStringView kFixedLanguageSuffix = u"FIXLANG";

// Each translated text remembers its English source and what it was turned into. When the
// widget still shows that translation, the next pass starts from the English again; when the
// program has since put a new text there, the new text is the source.
QString translatedText(QObject *owner, QByteArrayView slot, const QString &current,
                       const Translator &translator)
{
    if (current.isEmpty())
        return current;
    const QByteArray englishKey = "quilloraEnglish." + slot.toByteArray();
    const QByteArray shownKey = "quilloraShown." + slot.toByteArray();
    QString english = current;
    const QVariant shown = owner->property(shownKey.constData());
    if (shown.isValid() && shown.toString() == current)
        english = owner->property(englishKey.constData()).toString();
    const QString result = translator.translate(english);
    owner->setProperty(englishKey.constData(), english);
    owner->setProperty(shownKey.constData(), result);
    return result;
}

void translateToolTip(QWidget *widget, const Translator &translator)
{
    widget->setToolTip(translatedText(widget, "toolTip", widget->toolTip(), translator));
}

// Controls that are only a picture speak through their tool tip.
void translatePictureToolTip(QWidget *widget, const Translator &translator)
{
    translateToolTip(widget, translator);
    if (!widget->toolTip().isEmpty())
        widget->setAccessibleName(widget->toolTip());
}

// Screen readers and the tests name controls by what they are called, in the child's language.
void translateAccessibleName(QWidget *widget, const Translator &translator)
{
    const QString name = widget->accessibleName();
    const QString translated = translatedText(widget, "accessibleName", name, translator);
    if (translated != name)
        widget->setAccessibleName(translated);
}

void translateControl(QWidget *widget, const Translator &translator)
{
    translateAccessibleName(widget, translator);
    if (auto *pictureButton = qobject_cast<PictureButton *>(widget)) {
        pictureButton->setCaption(
            translatedText(widget, "toolTip", pictureButton->caption(), translator));
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (!label->pixmap().isNull()) {
            translatePictureToolTip(label, translator);
            return;
        }
        label->setText(translatedText(label, "text", label->text(), translator));
        translateToolTip(label, translator);
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        button->setText(translatedText(button, "text", button->text(), translator));
        translateToolTip(button, translator);
    } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
        group->setTitle(translatedText(group, "title", group->title(), translator));
        translateToolTip(group, translator);
    } else if (auto *slider = qobject_cast<QAbstractSlider *>(widget)) {
        translatePictureToolTip(slider, translator);
    } else if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            const QByteArray slot = "tab" + QByteArray::number(tab);
            tabs->setTabText(tab, translatedText(tabs, slot, tabs->tabText(tab), translator));
        }
        translateToolTip(tabs, translator);
    }
}

} // namespace

void translateWindow(QWidget *window, const Translator &translator)
{
    if (!window)
        return;
    const auto controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (!control->objectName().endsWith(kFixedLanguageSuffix))
            translateControl(control, translator);
    }
    window->setWindowTitle(
        translatedText(window, "windowTitle", window->windowTitle(), translator));
}

} // namespace quillora
