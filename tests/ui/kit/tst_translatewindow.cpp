#include "core/foundation/translator.h"
#include "ui/kit/picturebutton.h"
#include "ui/kit/translatewindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace quillora;

namespace {

Translator frenchLike()
{
    Translator translator;
    translator.loadFromBytes("\"Press me\",\"Appuie\"\n"
                             "\"A tip\",\"Une astuce\"\n"
                             "\"Exit?\",\"Quitter ?\"\n"
                             "\"Printing\",\"Impression\"\n"
                             "\"General\",\"G\xC3\xA9n\xC3\xA9ral\"\n"
                             "\"Tabs\",\"Onglets\"\n"
                             "\"Options\",\"R\xC3\xA9glages\"\n"
                             "\"Hello\",\"Bonjour\"\n"
                             "\"Bonjour\",\"Hi\"\n");
    return translator;
}

QWidget *makeControl(const QString &kind, const QString &text, QWidget *parent)
{
    if (kind == "pushButton")
        return new QPushButton(text, parent);
    if (kind == "label")
        return new QLabel(text, parent);
    if (kind == "groupBox")
        return new QGroupBox(text, parent);
    if (kind == "pictureButton")
        return new PictureButton(QStringLiteral("pic"), QIcon(), text, parent);
    if (kind == "imageLabel") {
        auto *image = new QLabel(parent);
        QPixmap pixmap(8, 8);
        pixmap.fill(Qt::red);
        image->setPixmap(pixmap);
        return image;
    }
    return new QLineEdit(text, parent);
}

QString shownText(QWidget *control)
{
    if (auto *pictureButton = qobject_cast<PictureButton *>(control))
        return pictureButton->caption();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *group = qobject_cast<QGroupBox *>(control))
        return group->title();
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    return {};
}

} // namespace

class TestTranslateWindow : public QObject {
    Q_OBJECT
private slots:
    void eachKindOfControl_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<QString>("expectedTip");
        QTest::addColumn<QString>("expectedAccessibleName");

        QTest::newRow("push button") << "pushButton"
                                     << "go"
                                     << "Press me"
                                     << "A tip"
                                     << "Appuie"
                                     << "Une astuce"
                                     << "";
        QTest::newRow("frame") << "groupBox"
                               << "g"
                               << "Options"
                               << ""
                               << "Réglages"
                               << ""
                               << "";
        QTest::newRow("FIXLANG keeps its caption and tip") << "label"
                                                           << "authorFIXLANG"
                                                           << "Press me"
                                                           << "A tip"
                                                           << "Press me"
                                                           << "A tip"
                                                           << "";
        QTest::newRow("FIXLANG suffix is case-sensitive") << "label"
                                                          << "authorFixLang"
                                                          << "Press me"
                                                          << ""
                                                          << "Appuie"
                                                          << ""
                                                          << "";
        QTest::newRow("picture button: tool tip and accessible name") << "pictureButton"
                                                                      << "pic"
                                                                      << "Press me"
                                                                      << ""
                                                                      << "Appuie"
                                                                      << "Appuie"
                                                                      << "Appuie";
        QTest::newRow("picture label: tool tip only") << "imageLabel"
                                                      << "logoImg"
                                                      << ""
                                                      << "A tip"
                                                      << ""
                                                      << "Une astuce"
                                                      << "Une astuce";
        QTest::newRow("text box is left alone") << "lineEdit"
                                                << "t"
                                                << "Hello"
                                                << "Hello"
                                                << "Hello"
                                                << "Hello"
                                                << "";
    }
    void eachKindOfControl()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, tip);
        QFETCH(QString, expectedText);
        QFETCH(QString, expectedTip);
        QFETCH(QString, expectedAccessibleName);

        QWidget window;
        QWidget *control = makeControl(kind, text, &window);
        control->setObjectName(name);
        if (!tip.isEmpty())
            control->setToolTip(tip);
        translateWindow(&window, frenchLike());

        QCOMPARE(shownText(control), expectedText);
        QCOMPARE(control->toolTip(), expectedTip);
        if (!expectedAccessibleName.isEmpty())
            QCOMPARE(control->accessibleName(), expectedAccessibleName);
    }

    void tabsAreTranslatedInTurnAndSelectionKept()
    {
        QWidget window;
        auto *tabs = new QTabWidget(&window);
        tabs->addTab(new QWidget, QStringLiteral("Printing"));
        tabs->addTab(new QWidget, QStringLiteral("General"));
        tabs->addTab(new QWidget, QStringLiteral("Fonts"));
        tabs->setToolTip(QStringLiteral("Tabs"));
        tabs->setCurrentIndex(1);
        translateWindow(&window, frenchLike());
        QCOMPARE(tabs->tabText(0), QStringLiteral("Impression"));
        QCOMPARE(tabs->tabText(1), QString::fromUtf8("Général"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Fonts"));
        QCOMPARE(tabs->toolTip(), QStringLiteral("Onglets"));
        QCOMPARE(tabs->currentIndex(), 1);
    }

    void controlsInsideFixedFrameAreStillTranslated()
    {
        QWidget window;
        auto *frame = new QGroupBox(QStringLiteral("Options"), &window);
        frame->setObjectName(QStringLiteral("boxFIXLANG"));
        auto *check = new QCheckBox(QStringLiteral("Hello"), frame);
        translateWindow(&window, frenchLike());
        QCOMPARE(frame->title(), QStringLiteral("Options"));
        QCOMPARE(check->text(), QStringLiteral("Bonjour"));
    }

    void showingAgainStartsFromTheEnglish()
    {
        // "Hello" -> "Bonjour" and "Bonjour" -> "Hi": a second pass must not chain them.
        QWidget window;
        window.setWindowTitle(QStringLiteral("Hello"));
        auto *label = new QLabel(QStringLiteral("Hello"), &window);
        auto *picture =
            new PictureButton(QStringLiteral("p"), QIcon(), QStringLiteral("Hello"), &window);
        const Translator translator = frenchLike();
        translateWindow(&window, translator);
        translateWindow(&window, translator);
        QCOMPARE(label->text(), QStringLiteral("Bonjour"));
        QCOMPARE(picture->caption(), QStringLiteral("Bonjour"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Bonjour"));

        // A text the program put there since is the new English.
        label->setText(QStringLiteral("Exit?"));
        translateWindow(&window, translator);
        QCOMPARE(label->text(), QStringLiteral("Quitter ?"));
    }
};

QTEST_MAIN(TestTranslateWindow)
#include "tst_translatewindow.moc"
