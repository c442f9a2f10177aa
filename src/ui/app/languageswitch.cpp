#include "ui/app/languageswitch.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>

namespace quillora {
namespace {

Q_LOGGING_CATEGORY(lcLanguage, "quillora.language")

} // namespace

void applyLanguage(const Language &previous, const Language &current)
{
    for (QTranslator *old : {previous.qt.get(), previous.program.get()}) {
        if (old)
            QCoreApplication::removeTranslator(old);
    }
    for (QTranslator *catalogue : {current.qt.get(), current.program.get()}) {
        if (catalogue)
            QCoreApplication::installTranslator(catalogue);
    }
    if (!current.problem.isEmpty())
        qCWarning(lcLanguage).noquote() << "Speaking English:" << current.problem;
    // English keeps the computer's way with numbers and dates.
    const bool english = current.code == QLatin1String(kEnglishCode);
    const QLocale locale = english ? QLocale::system() : current.locale;
    QLocale::setDefault(locale);
    QGuiApplication::setLayoutDirection(english ? Qt::LeftToRight : locale.textDirection());
}

} // namespace quillora
