#include "ui/app/optionsdialog.h"

#include "core/app/folderchoice.h"
#include "core/app/settingsfile.h"
#include "core/foundation/language.h"
#include "core/printing/printdevice.h"
#include "ui/app/folderchoicedialog.h"
#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <iterator>

namespace quillora {
namespace {

constexpr int kPreviewPixels = 24;
const QString kMinutesWord = QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "minutes"));
const QString kMinutesCount = QStringLiteral(QT_TRANSLATE_N_NOOP("Quillora", "minute(s)"));

QLabel *namedLabel(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

// The word after a list of minutes takes the plural form of the number chosen ("1 minute",
// "5 minutes"); a school's own word for "minutes", without forms of its own for the count,
// stands after every number.
QLabel *minutesAfter(QComboBox *list, const QString &objectName, const ProgramServices &services,
                     QWidget *parent)
{
    auto *label = namedLabel(objectName, kMinutesWord, parent);
    QObject::connect(list, &QComboBox::currentIndexChanged, label, [list, label, &services] {
        const int minutes = list->currentData().toInt();
        const Translator &words = services.translator;
        const bool schoolWord =
            !words.hasOwnWords(kMinutesCount) && words.hasOwnWords(kMinutesWord);
        label->setText(minutes > 0 && !schoolWord ? services.trCount(kMinutesCount, minutes)
                                                  : services.tr(kMinutesWord));
    });
    return label;
}

QCheckBox *namedCheck(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *check = new QCheckBox(text, parent);
    check->setObjectName(objectName);
    return check;
}

PictureButton *arrowButton(const QString &objectName, bool up, const QString &caption,
                           QWidget *parent)
{
    const QIcon arrow(up ? QStringLiteral(":/art/dialog/up.svg")
                         : QStringLiteral(":/art/dialog/down.svg"));
    auto *button = new PictureButton(objectName, arrow, caption, parent);
    button->setFixedSize(looks::kPictureButtonSize, looks::kPictureButtonSize);
    return button;
}

} // namespace

OptionsDialog::OptionsDialog(AppContext &context, const PrinterProvider &printers,
                             const QStringList &fontFamilies, QWidget *parent)
    // The top bar names the dialog; a heading under it would only push the buttons down.
    : OwnDialog(context, QStringLiteral("optForm"),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Options")), QString(), parent),
      m_printers(printers)
{
    setFont(looks::childFont(looks::kControlPixels));
    messageLabel()->setFont(looks::childFont(28, true));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("optTabs"));
    m_tabs->addTab(buildPrintingPage(), QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Printing")));
    m_tabs->addTab(buildGeneralPage(), QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "General")));
    m_tabs->addTab(buildFontsPage(fontFamilies),
                   QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Fonts")));
    bodyLayout()->addWidget(m_tabs, 1);

    // The version line stays as it is in every language.
    auto *author = namedLabel(QStringLiteral("authorLineFIXLANG"),
                              QStringLiteral("Quillora %1.%2.%3")
                                  .arg(QUILLORA_VERSION_MAJOR)
                                  .arg(QUILLORA_VERSION_MINOR)
                                  .arg(QUILLORA_VERSION_PATCH),
                              this);
    author->setAlignment(Qt::AlignRight);
    bodyLayout()->addWidget(author);

    fillFrom(options::fromSettings(context.settings));
    showLockedSettings();
}

void OptionsDialog::open(AppContext &context, const PrinterProvider &printers, QWidget *parent,
                         const std::function<void(const OptionsEffects &)> &applied)
{
    OptionsDialog form(context, printers, installedScalableFonts(), parent);
    connect(&form, &OptionsDialog::optionsApplied, &form, applied);
    form.exec();
}

QStringList OptionsDialog::installedScalableFonts()
{
    QStringList scalable;
    for (const QString &family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family))
            continue;
        if (QFontDatabase::isSmoothlyScalable(family) && !QFontDatabase::isBitmapScalable(family))
            scalable.append(family);
    }
    return scalable;
}

QWidget *OptionsDialog::buildPrintingPage()
{
    auto *page = new QWidget(this);
    auto *grid = new QGridLayout(page);
    grid->setVerticalSpacing(6);

    m_hidePrinter = new QButtonGroup(page);
    const QString captions[] = {
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Show printer button all the time")),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Hide printer button after printing for")),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Don't allow any printing"))};
    for (int option = 0; option < 3; ++option) {
        auto *radio = new QRadioButton(captions[option], page);
        radio->setObjectName(QStringLiteral("hide_printer%1").arg(option));
        m_hidePrinter->addButton(radio, option);
    }
    m_hideTime = new QComboBox(page);
    m_hideTime->setObjectName(QStringLiteral("hide_time"));
    m_hideTime->setAccessibleName(kMinutesWord);
    auto *hideRow = new QHBoxLayout;
    hideRow->addWidget(m_hidePrinter->button(1));
    hideRow->addWidget(m_hideTime);
    hideRow->addWidget(minutesAfter(m_hideTime, QStringLiteral("minutesLabel"), context(), page));
    hideRow->addStretch();
    grid->addWidget(m_hidePrinter->button(0), 0, 0, 1, 5);
    grid->addLayout(hideRow, 1, 0, 1, 5);
    grid->addWidget(m_hidePrinter->button(2), 2, 0, 1, 5);
    connect(m_hidePrinter, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (id == int(PrintButtonRule::HiddenAfterPrinting))
            m_hideTime->setEnabled(checked);
    });

    m_showNumCopies = namedCheck(
        QStringLiteral("showNumCopiesCheck"),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Allow multiple copies to be printed")), page);
    grid->addWidget(m_showNumCopies, 3, 0, 1, 5);

    m_printerCombo = new QComboBox(page);
    m_printerCombo->setObjectName(QStringLiteral("PrinterCombo"));
    m_printerCombo->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Printer")));
    connect(m_printerCombo, &QComboBox::activated, this,
            [this](int index) { m_chosenPrinter = m_printerCombo->itemText(index); });
    grid->addWidget(namedLabel(QStringLiteral("printerLabel"),
                               QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Printer:")), page),
                    4, 0);
    grid->addWidget(m_printerCombo, 4, 1, 1, 4);

    m_pageScale = namedLabel(QStringLiteral("pageSFcap"), QString(), page);
    m_textScale = namedLabel(QStringLiteral("textSFcap"), QString(), page);
    struct ScaleRow {
        QString prefix, caption, downCaption, upCaption;
        QLabel *value;
        void (OptionsDialog::*step)(int);
    };
    const ScaleRow rows[] = {
        {QStringLiteral("pageSF"),
         QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Page Scale Factor:")),
         QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Page scale factor down")),
         QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Page scale factor up")), m_pageScale,
         &OptionsDialog::stepPageScale},
        {QStringLiteral("textSF"),
         QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Text Scale Factor:")),
         QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Text scale factor down")),
         QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Text scale factor up")), m_textScale,
         &OptionsDialog::stepTextScale}};
    int row = 5;
    for (const ScaleRow &scale : rows) {
        auto *down =
            arrowButton(scale.prefix + QStringLiteral("Down"), false, scale.downCaption, page);
        auto *up = arrowButton(scale.prefix + QStringLiteral("Up"), true, scale.upCaption, page);
        connect(down, &QAbstractButton::clicked, this, [this, scale] { (this->*scale.step)(-1); });
        connect(up, &QAbstractButton::clicked, this, [this, scale] { (this->*scale.step)(+1); });
        scale.value->setAlignment(Qt::AlignCenter);
        scale.value->setMinimumWidth(56);
        scale.value->setFont(looks::childFont(looks::kControlPixels + 4, true));
        grid->addWidget(namedLabel(scale.prefix + QStringLiteral("Label"), scale.caption, page),
                        row, 0);
        grid->addWidget(down, row, 1);
        grid->addWidget(scale.value, row, 2);
        grid->addWidget(up, row, 3);
        ++row;
    }
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(row, 1);
    return page;
}

QWidget *OptionsDialog::buildGeneralPage()
{
    auto *page = new QWidget(this);
    auto *column = new QVBoxLayout(page);
    column->setSpacing(6);
    m_string =
        namedCheck(QStringLiteral("StringCheck"),
                   QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Show pull-down string")), page);
    m_darkerFrame =
        namedCheck(QStringLiteral("darkerFrameCheck"),
                   QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Use darker frame colours")), page);
    m_keyboard =
        namedCheck(QStringLiteral("keybdCheck"),
                   QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Show on screen keyboard")), page);
    m_quickTurn = namedCheck(
        QStringLiteral("leafQuickTurn"),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Turn pages in leaflets quickly")), page);
    m_webCam =
        namedCheck(QStringLiteral("webCamCheck"),
                   QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Show Webcam button")), page);
    m_readAloud = namedCheck(
        QStringLiteral("readAloudCheck"),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Show the “Read it to me” button")), page);
    m_letterVoice = namedCheck(
        QStringLiteral("letterVoiceCheck"),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Say each letter as it is typed")), page);
    m_longPress = namedCheck(
        QStringLiteral("longPressCheck"),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "A long press opens the picture menu")), page);
    // Two columns of ticks, so the dialog stays within a small screen's height.
    QCheckBox *const checks[] = {m_string, m_darkerFrame, m_keyboard,    m_quickTurn,
                                 m_webCam, m_readAloud,   m_letterVoice, m_longPress};
    auto *ticks = new QGridLayout;
    constexpr int kRows = (std::size(checks) + 1) / 2;
    for (int i = 0; i < int(std::size(checks)); ++i)
        ticks->addWidget(checks[i], i % kRows, i / kRows);
    column->addLayout(ticks);

    // Laid out like the print button's minutes: words, the list, "minutes".
    m_snapshotTime = new QComboBox(page);
    m_snapshotTime->setObjectName(QStringLiteral("snapshot_time"));
    m_snapshotTime->setAccessibleName(
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Progress pictures every")));
    auto *snapshotRow = new QHBoxLayout;
    snapshotRow->addWidget(
        namedLabel(QStringLiteral("snapshotLabel"),
                   QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Progress pictures every")), page));
    snapshotRow->addWidget(m_snapshotTime);
    snapshotRow->addWidget(
        minutesAfter(m_snapshotTime, QStringLiteral("snapshotMinutesLabel"), context(), page));
    snapshotRow->addStretch();
    column->addLayout(snapshotRow);

    // Each language is listed in its own words, so that a teacher finds theirs in any language.
    m_language = new QComboBox(page);
    m_language->setObjectName(QStringLiteral("languageCombo"));
    m_language->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Language")));
    m_language->addItem(
        context().tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "The computer's language"))),
        QString());
    for (const ShippedLanguage &language : shippedLanguages())
        m_language->addItem(QString::fromUtf8(language.ownName),
                            QString::fromLatin1(language.code));
    auto *languageRow = new QHBoxLayout;
    languageRow->addWidget(namedLabel(QStringLiteral("languageLabel"),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Language")),
                                      page));
    languageRow->addWidget(m_language);
    languageRow->addStretch();
    column->addLayout(languageRow);

    column->addSpacing(8);
    column->addWidget(namedLabel(QStringLiteral("FileStoreLabel"),
                                 QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Store Files in:")),
                                 page));
    auto *storeRow = new QHBoxLayout;
    m_fileStoreText = new QLineEdit(page);
    m_fileStoreText->setObjectName(QStringLiteral("FileStoreText"));
    m_fileStoreText->setAccessibleName(
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Store Files in:")));
    m_fileStoreText->setReadOnly(true);
    auto *choose =
        new QPushButton(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Change...")), page);
    choose->setObjectName(QStringLiteral("Command2"));
    connect(choose, &QPushButton::clicked, this, &OptionsDialog::chooseWorkingFolder);
    storeRow->addWidget(m_fileStoreText, 1);
    storeRow->addWidget(choose);
    column->addLayout(storeRow);
    column->addStretch();
    return page;
}

QWidget *OptionsDialog::buildFontsPage(const QStringList &fontFamilies)
{
    auto *page = new QWidget(this);
    auto *grid = new QGridLayout(page);
    grid->addWidget(
        namedLabel(QStringLiteral("fontsLabel"),
                   QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Allow choices from these fonts:")),
                   page),
        0, 0, 1, 2);
    for (int slot = 0; slot < int(m_fontLists.size()); ++slot) {
        auto *list = new QComboBox(page);
        list->setObjectName(QStringLiteral("fontNameDrop%1").arg(slot));
        list->setAccessibleName(QCoreApplication::translate("Quillora", "Font %1").arg(slot + 1));
        list->addItems(fontFamilies);
        list->setMinimumWidth(260);
        auto *preview = namedLabel(QStringLiteral("fontPrevCap%1").arg(slot), QString(), page);
        preview->setMinimumHeight(kPreviewPixels * 3 / 2);
        m_fontLists[std::size_t(slot)] = list;
        m_fontPreviews[std::size_t(slot)] = preview;
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, slot] { showFontPreview(slot); });
        grid->addWidget(list, slot + 1, 0);
        grid->addWidget(preview, slot + 1, 1);
    }
    // The pen's pressure sits here, where the general page has no room left on a small screen.
    m_stylusPressure = namedCheck(
        QStringLiteral("stylusPressureCheck"),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Press a pen harder for a wider line")), page);
    grid->addWidget(m_stylusPressure, int(m_fontLists.size()) + 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(int(m_fontLists.size()) + 2, 1);
    return page;
}

void OptionsDialog::fillFrom(const OptionsValues &values)
{
    m_hideTime->clear();
    const int storedMinutes =
        values.printButtonRule == PrintButtonRule::HiddenAfterPrinting ? values.hideMinutes : 0;
    for (int minutes : options::hideMinuteChoices(storedMinutes))
        m_hideTime->addItem(QLocale().toString(minutes), minutes);
    m_hideTime->setCurrentIndex(m_hideTime->findData(values.hideMinutes));
    m_hidePrinter->button(int(values.printButtonRule))->setChecked(true);
    m_hideTime->setEnabled(values.printButtonRule == PrintButtonRule::HiddenAfterPrinting);

    m_showNumCopies->setChecked(values.showNumCopies);
    m_printerCombo->clear();
    m_printerCombo->addItems(m_printers.deviceNames());
    m_printerCombo->setCurrentText(chosenDeviceName(m_printers, context().settings.printerName));
    m_printerCombo->setEnabled(m_printerCombo->count() > 0);
    m_chosenPrinter = values.chosenPrinter;

    m_pageScalePercent = values.pageScalePercent;
    m_textScalePercent = values.textScalePercent;
    m_pageScale->setText(QLocale().toString(m_pageScalePercent));
    m_textScale->setText(QLocale().toString(m_textScalePercent));

    m_string->setChecked(values.pullDownString);
    m_darkerFrame->setChecked(values.darkerFrames);
    m_keyboard->setChecked(values.screenKeyboard);
    m_quickTurn->setChecked(values.quickLeafletTurn);
    m_webCam->setChecked(values.webCamButton);
    m_readAloud->setChecked(values.readAloudButton);
    m_letterVoice->setChecked(values.speakLetters);
    m_longPress->setChecked(values.longPressMenu);
    m_stylusPressure->setChecked(values.stylusPressure);
    m_snapshotTime->clear();
    for (int minutes : options::snapshotMinuteChoices(values.snapshotMinutes)) {
        m_snapshotTime->addItem(
            minutes == 0 ? context().tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "never")))
                         : QLocale().toString(minutes),
            minutes);
    }
    m_snapshotTime->setCurrentIndex(m_snapshotTime->findData(values.snapshotMinutes));
    // A language this version does not ship stays listed, so confirming keeps the setting.
    if (m_language->findData(values.language) < 0)
        m_language->addItem(values.language, values.language);
    m_language->setCurrentIndex(m_language->findData(values.language));

    for (std::size_t slot = 0; slot < m_fontLists.size(); ++slot) {
        QComboBox *list = m_fontLists[slot];
        const QString &name = values.fonts[slot];
        // A stored font this machine lacks stays offered, so confirming keeps the slot.
        if (list->findText(name) < 0)
            list->insertItem(0, name);
        list->setCurrentIndex(list->findText(name));
        showFontPreview(int(slot));
    }
    m_fileStoreText->setText(folderchoice::shownSetting(context()));
}

OptionsValues OptionsDialog::values() const
{
    OptionsValues values;
    values.printButtonRule = PrintButtonRule(std::max(0, m_hidePrinter->checkedId()));
    values.hideMinutes = m_hideTime->currentData().toInt();
    values.showNumCopies = m_showNumCopies->isChecked();
    values.chosenPrinter = m_chosenPrinter;
    values.pageScalePercent = m_pageScalePercent;
    values.textScalePercent = m_textScalePercent;
    values.pullDownString = m_string->isChecked();
    values.darkerFrames = m_darkerFrame->isChecked();
    values.screenKeyboard = m_keyboard->isChecked();
    values.quickLeafletTurn = m_quickTurn->isChecked();
    values.webCamButton = m_webCam->isChecked();
    values.readAloudButton = m_readAloud->isChecked();
    values.speakLetters = m_letterVoice->isChecked();
    values.longPressMenu = m_longPress->isChecked();
    values.stylusPressure = m_stylusPressure->isChecked();
    values.snapshotMinutes = m_snapshotTime->currentData().toInt();
    values.language = m_language->currentData().toString();
    for (std::size_t slot = 0; slot < m_fontLists.size(); ++slot)
        values.fonts[slot] = m_fontLists[slot]->currentText();
    return values;
}

void OptionsDialog::showLockedSettings()
{
    struct LockedControls {
        QString key;
        QStringList objectNames;
    };
    std::vector<LockedControls> lockable = {
        {QStringLiteral("HidePrinterTime"),
         {QStringLiteral("hide_printer0"), QStringLiteral("hide_printer1"),
          QStringLiteral("hide_printer2"), QStringLiteral("hide_time")}},
        {QStringLiteral("showNumCopiesCombo"), {QStringLiteral("showNumCopiesCheck")}},
        {QStringLiteral("iniPrinterName"), {QStringLiteral("PrinterCombo")}},
        {QStringLiteral("printZoomSFPC"),
         {QStringLiteral("pageSFDown"), QStringLiteral("pageSFUp")}},
        {QStringLiteral("fontSFatPrintPC"),
         {QStringLiteral("textSFDown"), QStringLiteral("textSFUp")}},
        {QStringLiteral("useIWBstring"), {QStringLiteral("StringCheck")}},
        {QStringLiteral("useDarkerFrameColour"), {QStringLiteral("darkerFrameCheck")}},
        {QStringLiteral("useIWBkeyBd"), {QStringLiteral("keybdCheck")}},
        {QStringLiteral("leaftletTurnAngle"), {QStringLiteral("leafQuickTurn")}},
        {QStringLiteral("useWebCam"), {QStringLiteral("webCamCheck")}},
        {QStringLiteral("readAloud"), {QStringLiteral("readAloudCheck")}},
        {QStringLiteral("speakLetters"), {QStringLiteral("letterVoiceCheck")}},
        {QStringLiteral("longPressMenu"), {QStringLiteral("longPressCheck")}},
        {QStringLiteral("stylusPressure"), {QStringLiteral("stylusPressureCheck")}},
        {QStringLiteral("progressSnapshots"), {QStringLiteral("snapshot_time")}},
        {QStringLiteral("Language"), {QStringLiteral("languageCombo")}},
        {QStringLiteral("WorkingDir"),
         {QStringLiteral("FileStoreText"), QStringLiteral("Command2")}},
    };
    for (int slot = 0; slot < int(m_fontLists.size()); ++slot)
        lockable.push_back({fontKeyForSlot(slot), {QStringLiteral("fontNameDrop%1").arg(slot)}});

    const QIcon padlock(QStringLiteral(":/art/dialog/padlock.svg"));
    const QString why = context().tr(
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "The school has fixed this setting.")));
    for (const LockedControls &lock : lockable) {
        if (!options::isLocked(context(), lock.key))
            continue;
        for (const QString &name : lock.objectNames) {
            auto *control = findChild<QWidget *>(name);
            if (!control)
                continue;
            control->setEnabled(false);
            control->setToolTip(why);
            control->setAccessibleDescription(why);
            // The padlock sits where the control already shows a picture of its own kind.
            if (auto *list = qobject_cast<QComboBox *>(control))
                list->setItemIcon(list->currentIndex(), padlock);
            else if (auto *edit = qobject_cast<QLineEdit *>(control))
                edit->addAction(padlock, QLineEdit::TrailingPosition);
            else if (auto *button = qobject_cast<QAbstractButton *>(control);
                     button && !qobject_cast<PictureButton *>(control))
                button->setIcon(padlock);
        }
    }
}

void OptionsDialog::stepPageScale(int step)
{
    m_pageScalePercent = options::stepScalePercent(m_pageScalePercent, step);
    m_pageScale->setText(QLocale().toString(m_pageScalePercent));
}

void OptionsDialog::stepTextScale(int step)
{
    m_textScalePercent = options::stepScalePercent(m_textScalePercent, step);
    m_textScale->setText(QLocale().toString(m_textScalePercent));
}

void OptionsDialog::showFontPreview(int slot)
{
    QLabel *preview = m_fontPreviews[std::size_t(slot)];
    const QString name = m_fontLists[std::size_t(slot)]->currentText();
    QFont font(name);
    font.setPixelSize(kPreviewPixels);
    preview->setFont(font);
    preview->setText(name);
}

void OptionsDialog::chooseWorkingFolder()
{
    hide();
    FolderChoiceDialog::ask(context(), parentWidget());
    m_fileStoreText->setText(folderchoice::shownSetting(context()));
    show();
}

void OptionsDialog::okPressed()
{
    emit optionsApplied(options::apply(values(), context()));
    done(Accepted);
}

void OptionsDialog::cancelPressed()
{
    done(Rejected);
}

void OptionsDialog::closePressed()
{
    cancelPressed();
}

} // namespace quillora
