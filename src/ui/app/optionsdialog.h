#pragma once
// The teacher's options: printing, whiteboard helps and the children's fonts. Opened from
// every document window with Ctrl+Shift+O; filled from the settings when it opens, and only
// its OK changes them.

#include "core/app/options.h"
#include "ui/kit/owndialog.h"

#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace quillora {

class PrinterProvider;

class OptionsDialog : public OwnDialog {
    Q_OBJECT
public:
    // `fontFamilies` fills the five font lists; by default the installed scalable fonts.
    OptionsDialog(AppContext &context, const PrinterProvider &printers,
                  const QStringList &fontFamilies = installedScalableFonts(),
                  QWidget *parent = nullptr);

    // Opens the dialog modally. On OK the settings take the new values and `applied` learns
    // what the calling window must do, before OK's press returns: a press that comes next, even
    // one an assistive tool sends before the dialog has unwound, meets the new options. After
    // Cancel nothing has changed.
    static void open(AppContext &context, const PrinterProvider &printers, QWidget *parent,
                     const std::function<void(const OptionsEffects &)> &applied);

    // What the controls show now.
    OptionsValues values() const;

    // Installed font families that scale smoothly (outline fonts), without bitmap fonts.
    static QStringList installedScalableFonts();

signals:
    // Sent on OK, after the settings have taken the new values.
    void optionsApplied(const quillora::OptionsEffects &effects);

protected:
    void okPressed() override;
    void cancelPressed() override;
    void closePressed() override;

private:
    QWidget *buildPrintingPage();
    QWidget *buildGeneralPage();
    QWidget *buildFontsPage(const QStringList &fontFamilies);
    void fillFrom(const OptionsValues &values);
    // Controls of the keys the school's shared settings file locks: disabled, with a padlock.
    void showLockedSettings();
    void stepPageScale(int step);
    void stepTextScale(int step);
    void showFontPreview(int slot);
    void chooseWorkingFolder();

    const PrinterProvider &m_printers;
    QTabWidget *m_tabs = nullptr;
    QButtonGroup *m_hidePrinter = nullptr;
    QComboBox *m_hideTime = nullptr;
    QCheckBox *m_showNumCopies = nullptr;
    QComboBox *m_printerCombo = nullptr;
    QLabel *m_pageScale = nullptr;
    QLabel *m_textScale = nullptr;
    QCheckBox *m_string = nullptr;
    QCheckBox *m_darkerFrame = nullptr;
    QCheckBox *m_keyboard = nullptr;
    QCheckBox *m_quickTurn = nullptr;
    QCheckBox *m_webCam = nullptr;
    QCheckBox *m_readAloud = nullptr;
    QCheckBox *m_letterVoice = nullptr;
    QCheckBox *m_longPress = nullptr;
    QCheckBox *m_stylusPressure = nullptr;
    QComboBox *m_snapshotTime = nullptr;
    QComboBox *m_language = nullptr;
    QLineEdit *m_fileStoreText = nullptr;
    std::array<QComboBox *, 5> m_fontLists{};
    std::array<QLabel *, 5> m_fontPreviews{};
    int m_pageScalePercent = 100;
    int m_textScalePercent = 96;
    QString m_chosenPrinter;
};

} // namespace quillora
