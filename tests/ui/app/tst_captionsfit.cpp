// Every caption of every window fits its control at 1024×768 in every shipped language: none is
// cut short with "…" and none is wider than the control that shows it. A failure lists the
// offending controls, per language.

#include "core/app/startup.h"
#include "support/everywindow.h"
#include "ui/app/choicetile.h"
#include "ui/app/languageswitch.h"
#include "ui/kit/translatewindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

using namespace quillora;

namespace {

const QSize kSmallScreen(1024, 768);

bool isCut(QWidget *control)
{
    if (auto *tile = qobject_cast<ChoiceTile *>(control))
        return !tile->fittedCaption().fits;
    // A picture button speaks through its tool tip; nothing of it is written.
    if (qobject_cast<PictureButton *>(control))
        return false;
    if (auto *label = qobject_cast<QLabel *>(control)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return false;
        return label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                 : label->sizeHint().width() > label->width();
    }
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return !button->text().isEmpty() && button->sizeHint().width() > button->width();
    return false;
}

QString captionOf(QWidget *control)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    return {};
}

// Lays `window` out as the child would see it on a small screen and names what does not fit.
QStringList offenders(QWidget *window)
{
    // The start screen and the document windows fill the screen; a dialog takes its own size,
    // no larger than the screen.
    if (qobject_cast<DocumentWindow *>(window) || qobject_cast<StartScreen *>(window))
        window->resize(kSmallScreen);
    window->show();
    window->resize(window->size().boundedTo(kSmallScreen));
    // Texts a window sets as it is shown lay it out again once the posted requests are handled.
    QCoreApplication::processEvents();
    QStringList found;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window))
            continue;
        if (isCut(control) || control->accessibleName().contains(u'…')) {
            found.append(QStringLiteral("%1/%2 \"%3\"")
                             .arg(window->objectName(), control->objectName(),
                                  captionOf(control).replace(u'\n', u' ')));
        }
    }
    window->hide();
    return found;
}

} // namespace

class TestCaptionsFit : public QObject {
    Q_OBJECT
private slots:
    void everyCaptionFitsItsControl_data()
    {
        QTest::addColumn<QString>("code");
        for (const ShippedLanguage &language : shippedLanguages())
            QTest::newRow(language.code) << QString::fromLatin1(language.code);
    }

    void everyCaptionFitsItsControl()
    {
        QFETCH(QString, code);
        WindowFixture page(WindowFixture::screen(kSmallScreen.width(), kSmallScreen.height()));
        AppContext &context = page.context;
        context.folders.data = QStringLiteral(QUILLORA_BUILD_DATA);
        context.settings.language = code;
        context.settings.onScreenKeyboard = true;
        context.settings.pullDownString = true;
        loadProgramLanguage(context);
        QVERIFY2(context.language.problem.isEmpty(), qPrintable(context.language.problem));
        QCOMPARE(context.language.code, code);
        applyLanguage(Language{}, context.language);
        page.wire();

        test::EveryWindow every(context);
        std::vector<QWidget *> all{page.window.get()};
        for (const auto &window : every.windows)
            all.push_back(window.get());
        QStringList found;
        for (QWidget *window : all) {
            translateWindow(window, context.translator);
            found += offenders(window);
        }
        applyLanguage(context.language, Language{});
        QVERIFY2(found.isEmpty(), qPrintable(code + ": " + found.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(TestCaptionsFit)
#include "tst_captionsfit.moc"
