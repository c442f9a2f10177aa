#include "ui/kit/choicedialog.h"

#include "core/layout/documenttypes.h"
#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace quillora {

namespace {

constexpr int kCountButton = 96;
constexpr int kNumberPixels = 64;
constexpr int kCaptionPixels = 32;
constexpr int kCircleExample = 260;
const QSize kTableExample(300, 220);
const QSize kSizePicture(150, 150);

QLabel *captionLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(looks::childFont(kCaptionPixels, true));
    return label;
}

void keepRoomWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

ChoiceDialog::ChoiceDialog(AppContext &context, ChoicePage page, QWidget *parent)
    : OwnDialog(context, QStringLiteral("choiceForm"),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Choose")), QString(), parent),
      m_page(page)
{
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildCirclePage());
    m_pages->addWidget(buildTablePage());
    m_pages->addWidget(buildLeafletPage());
    m_pages->setCurrentIndex(int(page));
    // Only the page asked for takes room and shows.
    for (int index = 0; index < m_pages->count(); ++index) {
        if (index != int(page))
            m_pages->widget(index)->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    }
    bodyLayout()->addWidget(m_pages);
    drawExamples();
}

std::optional<ChoiceValues> ChoiceDialog::ask(AppContext &context, DocumentKind kind,
                                              QWidget *parent)
{
    const ChoicePage page = kindInfo(kind).choicePage;
    if (page == ChoicePage::None)
        return std::nullopt;
    ChoiceDialog form(context, page, parent);
    if (form.waitForAnswer() != DialogAnswer::Yes)
        return std::nullopt;
    return form.values();
}

QLayout *ChoiceDialog::buildCountRow(QWidget *page, const QString &caption,
                                     const QString &numberName, const QString &addName,
                                     const QString &removeName, CountRow &row,
                                     void (ChoiceDialog::*change)(bool))
{
    auto *line = new QHBoxLayout;
    line->setSpacing(16);
    QLabel *title = captionLabel(caption, page);
    title->setMinimumWidth(170);
    line->addWidget(title);
    auto *remove = new PictureButton(removeName, QIcon(QStringLiteral(":/art/choice/remove.svg")),
                                     QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Fewer")), page);
    auto *add = new PictureButton(addName, QIcon(QStringLiteral(":/art/choice/add.svg")),
                                  QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "More")), page);
    row.number = new QLabel(page);
    row.number->setObjectName(numberName);
    row.number->setFont(looks::childFont(kNumberPixels, true));
    row.number->setAlignment(Qt::AlignCenter);
    row.number->setFixedWidth(110);
    for (PictureButton *button : {remove, add}) {
        button->setFixedSize(kCountButton, kCountButton);
        keepRoomWhenHidden(button);
    }
    connect(remove, &QAbstractButton::clicked, this, [this, change] { (this->*change)(false); });
    connect(add, &QAbstractButton::clicked, this, [this, change] { (this->*change)(true); });
    line->addWidget(remove);
    line->addWidget(row.number);
    line->addWidget(add);
    row.add = add;
    row.remove = remove;
    return line;
}

QWidget *ChoiceDialog::buildCirclePage()
{
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("circTab"));
    auto *layout = new QHBoxLayout(page);
    layout->setSpacing(32);
    auto *controls = new QVBoxLayout;
    controls->addStretch();
    controls->addLayout(
        buildCountRow(page, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Segments")),
                      QStringLiteral("numSegs"), QStringLiteral("addSegsBut"),
                      QStringLiteral("remSegsBut"), m_segmentsRow, &ChoiceDialog::changeSegments));
    controls->addStretch();
    layout->addLayout(controls);
    m_circleExample = new QLabel(page);
    m_circleExample->setObjectName(QStringLiteral("circExampleImg"));
    m_circleExample->setFixedSize(kCircleExample, kCircleExample);
    layout->addWidget(m_circleExample);
    return page;
}

QWidget *ChoiceDialog::buildTablePage()
{
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("tableTab"));
    auto *layout = new QHBoxLayout(page);
    layout->setSpacing(32);
    auto *controls = new QVBoxLayout;
    controls->setSpacing(24);
    controls->addStretch();
    controls->addLayout(
        buildCountRow(page, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Columns")),
                      QStringLiteral("numColLab"), QStringLiteral("addColBut"),
                      QStringLiteral("remColBut"), m_columnsRow, &ChoiceDialog::changeColumns));
    controls->addLayout(buildCountRow(page, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Rows")),
                                      QStringLiteral("numRowLab"), QStringLiteral("addRowBut"),
                                      QStringLiteral("remRowBut"), m_rowsRow,
                                      &ChoiceDialog::changeRows));
    controls->addStretch();
    layout->addLayout(controls);
    m_tableExample = new QLabel(page);
    m_tableExample->setObjectName(QStringLiteral("tableExampleImg"));
    m_tableExample->setFixedSize(kTableExample);
    layout->addWidget(m_tableExample);
    return page;
}

QWidget *ChoiceDialog::buildLeafletPage()
{
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("Leaf6Tab"));
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(16);
    QLabel *question = captionLabel(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Size?")), page);
    question->setAlignment(Qt::AlignCenter);
    layout->addWidget(question);
    auto *choices = new QGridLayout;
    choices->setHorizontalSpacing(48);
    const QString names[2] = {QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Large")),
                              QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Small"))};
    const QString pictures[2] = {QStringLiteral(":/art/choice/leaflet-large.svg"),
                                 QStringLiteral(":/art/choice/leaflet-small.svg")};
    for (int option = 0; option < 2; ++option) {
        auto *picture = new QLabel(page);
        picture->setObjectName(QStringLiteral("leafSzImg%1").arg(option));
        picture->setPixmap(QIcon(pictures[option]).pixmap(kSizePicture, devicePixelRatioF()));
        picture->setFixedSize(kSizePicture);
        picture->setToolTip(names[option]);
        picture->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(this);
        auto *button = new QRadioButton(names[option], page);
        button->setObjectName(QStringLiteral("leafSzOp%1").arg(option));
        button->setFont(looks::childFont(kCaptionPixels, true));
        connect(button, &QRadioButton::clicked, this,
                [this, option] { chooseLeafletSize(option); });
        choices->addWidget(picture, 0, option, Qt::AlignCenter);
        choices->addWidget(button, 1, option, Qt::AlignCenter);
        m_sizePictures[option] = picture;
        m_sizeOptions[option] = button;
    }
    m_sizeOptions[0]->setChecked(true);
    layout->addLayout(choices);
    return page;
}

int ChoiceDialog::leafletSize() const
{
    return m_sizeOptions[1]->isChecked() ? 1 : 0;
}

void ChoiceDialog::showCount(const CountRow &row, const ChoiceCount &count)
{
    row.number->setText(QString::number(count.value()));
    row.add->setVisible(count.canAdd());
    row.remove->setVisible(count.canRemove());
}

void ChoiceDialog::changeSegments(bool add)
{
    if (add ? m_segments.add() : m_segments.remove())
        drawExamples();
}

void ChoiceDialog::changeColumns(bool add)
{
    if (add ? m_columns.add() : m_columns.remove())
        drawExamples();
}

void ChoiceDialog::changeRows(bool add)
{
    if (add ? m_rows.add() : m_rows.remove())
        drawExamples();
}

void ChoiceDialog::chooseLeafletSize(int option)
{
    if (option == 0 || option == 1)
        m_sizeOptions[option]->setChecked(true);
}

void ChoiceDialog::drawExamples()
{
    showCount(m_segmentsRow, m_segments);
    showCount(m_columnsRow, m_columns);
    showCount(m_rowsRow, m_rows);
    m_circleExample->setPixmap(
        QPixmap::fromImage(drawCircleExample(m_segments.value(), kCircleExample)));
    m_tableExample->setPixmap(
        QPixmap::fromImage(drawTableExample(m_columns.value(), m_rows.value(), kTableExample)));
}

ChoiceValues ChoiceDialog::values() const
{
    return ChoiceValues{m_segments.value(), m_columns.value(), m_rows.value(), leafletSize()};
}

void ChoiceDialog::closePressed()
{
    // Escape means "not now", the same as Cancel.
    cancelPressed();
}

bool ChoiceDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int option = 0; option < 2; ++option) {
            if (watched == m_sizePictures[option])
                chooseLeafletSize(option);
        }
    }
    return OwnDialog::eventFilter(watched, event);
}

} // namespace quillora
