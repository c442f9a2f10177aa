#pragma once
// The start screen: a big picture for each kind of publication a child can make, the
// templates of the chosen kind, and the animated OK and Cancel pictures. It is built afresh
// each time it is shown and answers with the choice to start, or nothing when cancelled;
// runStartFlow() (core/app/startflow.h) says what the application does with that answer.

#include "core/app/appcontext.h"
#include "core/app/startflow.h"
#include "core/layout/documenttypes.h"
#include "ui/kit/animatedanswers.h"
#include "ui/kit/ownwindow.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QStackedWidget;

namespace quillora {

class ChoiceTile;
class PictureButton;

class StartScreen : public OwnWindow {
    Q_OBJECT
public:
    explicit StartScreen(AppContext &context, QWidget *parent = nullptr);

    // Builds the start screen, shows it modally and returns the child's answer.
    static StartScreenOutcome ask(AppContext &context, QWidget *parent = nullptr);

    StartScreenOutcome outcome() const { return m_outcome; }

    // What the child does, as the window's controls call it.
    void chooseKind(int code);       // click on a picture-type entry
    void startKind(int code);        // double-click on one
    void chooseSubChoice(int index); // click on a template
    void startSubChoice(int index);  // double-click on one
    void backToKinds();              // the back arrow
    void confirm();                  // OK
    void cancel();                   // Cancel, the close button, Escape

    // Shows a fixed message (the layouts-missing sentence); by default in the program's own
    // message window. Tests catch it instead.
    void setMessageHandler(std::function<void(const QString &)> handler);
    // Asks the choice dialog's questions for a kind (the leaflet's size): the values when they
    // were answered, nothing on Cancel; by default the program's own choiceForm.
    void setChoiceAsker(std::function<std::optional<ChoiceValues>(DocumentKind)> ask);
    // Starts the help video player; by default a detached process.
    void setVideoLauncher(std::function<void(const QString &)> launcher);

    // The video player beside the program, whether or not it exists.
    static QString videoPlayerPath(const QString &installationFolder);

    int selectedCode() const { return m_selection.code(); }
    int selectedSubChoice() const { return m_selection.subChoice(); }
    bool subChoicesShown() const;
    int frame() const { return m_answers->frame(); }
    void advanceFrame() { m_answers->advanceFrame(); }

    // The kind's tile; nothing for a kind without tile art.
    ChoiceTile *entry(DocumentKind kind) const;
    ChoiceTile *subImage(int index) const { return m_subImages[std::size_t(index)]; }
    QLabel *subCaption(int index) const { return m_subCaptions[std::size_t(index)]; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override;

private:
    void fillTopBar();
    QWidget *buildKindsPage();
    QWidget *buildSubChoicePage();
    QWidget *buildBottomRow();
    void showSubChoices();
    void markSelection();
    void finishWith(const StartChoice &choice);
    void showMessage(const QString &english);
    void sizeToScreen();

    StartSelection m_selection;
    int m_keyKind = -1; // the kind the arrow keys walked to, until Return opens it
    StartScreenOutcome m_outcome;
    std::function<void(const QString &)> m_messageHandler;
    std::function<void(const QString &)> m_videoLauncher;
    std::function<std::optional<ChoiceValues>(DocumentKind)> m_askChoice;

    struct KindTile {
        int code;
        ChoiceTile *tile;
    };
    std::vector<KindTile> m_kindTiles; // in the order shown

    std::array<ChoiceTile *, kSubChoiceSlots> m_subImages{};
    std::array<QLabel *, kSubChoiceSlots> m_subCaptions{};
    QStackedWidget *m_pages = nullptr;
    QLabel *m_subKindPicture = nullptr;
    QLabel *m_subKindCaption = nullptr;
    AnimatedAnswers *m_answers = nullptr;
};

} // namespace quillora
