#include "core/doctypes/tabledescription.h"

#include "core/files/wholefile.h"
#include "core/foundation/codepage.h"
#include "core/foundation/fileaccess.h"
#include "core/foundation/parallel.h"
#include "core/layout/dialect.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace quillora {

namespace {

using dialect::attribute;

// 145 lines of a few dozen characters and texts up to kMaxTableTextLength; a file far larger
// is not a table's description.
constexpr qint64 kMaxDescriptionBytes = 4 * 1024 * 1024;
constexpr int kMaxFontNameLength = 64;
constexpr double kMinFontSize = 4.0;
constexpr double kMaxFontSize = 400.0;

QString styleAttributes(const TextStyle &style)
{
    return attribute(u"font", style.fontName) +
           attribute(u"size", dialect::formatReal(style.fontSize)) +
           attribute(u"colour", dialect::formatColour(style.colour));
}

void readStyle(QStringView line, TextStyle &style)
{
    QString font = dialect::textAttribute(line, u"font");
    // No font is named with control characters, nor with "=", which written back would read
    // as the start of another attribute.
    font.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    if (!font.isEmpty() && !font.contains(u'='))
        style.fontName = font.left(kMaxFontNameLength);
    const double size = dialect::realAttribute(line, u"size");
    if (std::isfinite(size) && size > 0.0)
        style.fontSize = std::clamp(size, kMinFontSize, kMaxFontSize);
    if (const auto colour = dialect::colourAttribute(line, u"colour"))
        style.colour = *colour;
}

// The line without a free text attribute, so that words a child typed (a title ending in
// " size=", say, followed by its closing quote) are never read as another attribute.
QString withoutFreeText(QStringView line, QStringView name)
{
    const QString opening = QStringLiteral(" %1='").arg(name);
    const qsizetype start = line.indexOf(opening);
    if (start < 0)
        return line.toString();
    const qsizetype end = line.indexOf(u'\'', start + opening.size());
    return line.left(start).toString() + (end < 0 ? QString() : line.mid(end + 1).toString());
}

QString readText(QStringView line, QStringView name)
{
    return dialect::decodedTextAttribute(line, name).left(kMaxTableTextLength);
}

int readCount(QStringView line, QStringView name, int absent)
{
    return dialect::hasAttribute(line, name) ? clampTableCount(dialect::intAttribute(line, name))
                                             : absent;
}

} // namespace

QString cellPictureMember(TableCell cell)
{
    return QStringLiteral("picr%1c%2.bmp").arg(cell.row).arg(cell.column);
}

QString tableDescription(const PageModel &page)
{
    const QString crlf = QStringLiteral("\r\n");
    const TextBoxModel &title = page.textBoxes.value(kTableTitleIndex);
    const TableShape &shape = tableShapeOf(page);
    QString text = QStringLiteral("<layout") + attribute(u"name", u"usermade") +
                   attribute(u"numrows", shape.rows) + attribute(u"numcols", shape.columns) +
                   dialect::textAttributeLine(u"title", title.text) + styleAttributes(title.style) +
                   QStringLiteral(">") + crlf;
    int number = 0;
    for (int row = 0; row < shape.rows; ++row) {
        for (int column = 0; column < shape.columns; ++column) {
            const TableCell cell{row, column};
            const TextBoxModel &box = page.textBoxes.value(cellTextIndex(cell));
            const QString name = QStringLiteral("ce%1").arg(number++);
            text += QStringLiteral("<cell") + attribute(u"name", name) + attribute(u"row", row) +
                    attribute(u"col", column) + dialect::textAttributeLine(u"text", box.text) +
                    styleAttributes(box.style) + QStringLiteral("/>") + crlf;
        }
    }
    return text + QStringLiteral("</layout>") + crlf;
}

void applyTableDescription(const QString &description, PageModel &page, const PageFitInputs &fit)
{
    struct CellText {
        TableCell cell;
        QString text;
        TextStyle style;
    };
    const float scale = fitPage(fit, kTablePageWidthMm, kTablePageHeightMm).scale;
    int columns = kDefaultTableColumns;
    int rows = kDefaultTableRows;
    QString title = kTableTitlePlaceholder;
    TextStyle titleStyle = defaultTitleTextStyle(scale);
    QVector<CellText> cells;
    for (QStringView line : QStringView(description).split(u'\n')) {
        const QString element = dialect::elementName(line);
        if (element == u"layout") {
            const QString rest = withoutFreeText(line, u"title");
            columns = readCount(rest, u"numcols", kDefaultTableColumns);
            rows = readCount(rest, u"numrows", kDefaultTableRows);
            if (dialect::hasAttribute(line, u"title"))
                title = readText(line, u"title");
            readStyle(rest, titleStyle);
        } else if (element == u"cell") {
            const QString rest = withoutFreeText(line, u"text");
            CellText cell{
                {dialect::intAttribute(rest, u"row"), dialect::intAttribute(rest, u"col")},
                readText(line, u"text"),
                defaultCellTextStyle(scale)};
            readStyle(rest, cell.style);
            cells.append(cell);
        }
    }

    newTablePage(page, fit, columns, rows);
    TextBoxModel &titleBox = page.textBoxes[kTableTitleIndex];
    titleBox.text = title;
    titleBox.style = titleStyle;
    for (const CellText &read : std::as_const(cells)) {
        const TableCell cell = read.cell;
        if (cell.row < 0 || cell.row >= rows || cell.column < 0 || cell.column >= columns)
            continue;
        TextBoxModel &box = page.textBoxes[cellTextIndex(cell)];
        box.text = read.text;
        box.style = read.style;
    }
    layOutTable(page, columns, rows);
}

bool writeTableDescription(const PageModel &page, const QString &path, QString *error)
{
    return writeWholeFile(path, codepage::encodeAuto(tableDescription(page)), error,
                          Durability::Scratch);
}

bool readTableDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                          QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return false;
    }
    if (file.size() > kMaxDescriptionBytes) {
        setError(error, QStringLiteral("the page description is too large for a table"));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, file.errorString());
        return false;
    }
    applyTableDescription(codepage::decodeAuto(bytes), page, fit);
    return true;
}

bool encodeTablePictures(const PageModel &page, HeldMembers &held, QString *error)
{
    const int columns = tableShapeOf(page).columns;
    std::vector<QByteArray> encoded(size_t(std::max(tableShapeOf(page).rows * columns, 0)));
    forEachInParallel(int(encoded.size()), [&](int i) {
        // Each task touches its own cell's box only.
        const PictureBoxModel &box =
            page.pictureBoxes.at(cellPictureIndex({i / columns, i % columns}));
        QByteArray &bytes = encoded[size_t(i)];
        if (box.image.isNull()) {
            QImage blank(box.geometry.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
            blank.fill(Qt::white);
            bytes = encodedImage(blank, "BMP");
        } else if (box.stored.imageKey == box.image.cacheKey() && !box.stored.bytes.isEmpty()) {
            bytes = box.stored.bytes;
        } else {
            bytes = encodedImage(box.image, "BMP");
            if (!bytes.isEmpty())
                box.stored = {box.image.cacheKey(), bytes};
        }
    });
    for (int i = 0; i < int(encoded.size()); ++i) {
        if (encoded[size_t(i)].isEmpty()) {
            setError(error, QStringLiteral("the picture could not be encoded as BMP"));
            return false;
        }
        held.insert(cellPictureMember({i / columns, i % columns}), encoded[size_t(i)]);
    }
    return true;
}

bool writeTableMembers(const PageModel &page, const QString &folder, QString *error)
{
    HeldMembers pictures;
    if (!encodeTablePictures(page, pictures, error))
        return false;
    const QDir dir(folder);
    for (auto picture = pictures.cbegin(); picture != pictures.cend(); ++picture) {
        if (!writeWholeFile(dir.filePath(picture.key()), *picture, error, Durability::Scratch))
            return false;
    }
    return true;
}

bool readTableMembers(PageModel &page, const QString &folder, const HeldMembers &held)
{
    const QDir dir(folder);
    const int columns = tableShapeOf(page).columns;
    // Decoded apart and put into the page afterwards, on this thread.
    struct Read {
        QImage picture; // null when the stored one could not be used
        QByteArray bytes;
    };
    std::vector<std::optional<Read>> read(size_t(std::max(tableShapeOf(page).rows * columns, 0)));
    forEachInParallel(int(read.size()), [&](int i) {
        const QString name = cellPictureMember({i / columns, i % columns});
        Read cell;
        if (const auto inMemory = held.constFind(name); inMemory != held.cend()) {
            cell.bytes = *inMemory;
        } else {
            QFile file(dir.filePath(name));
            if (!file.exists())
                return;
            if (!file.open(QIODevice::ReadOnly)) {
                read[size_t(i)] = cell;
                return;
            }
            cell.bytes = file.readAll();
        }
        QBuffer buffer(&cell.bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "BMP");
        const QSize stored = reader.size();
        if (stored.isValid() && stored.width() <= kMaxCellPictureSide &&
            stored.height() <= kMaxCellPictureSide)
            cell.picture = reader.read();
        // Kept at the size it was painted: the cell stretches it to show and print it.
        if (!cell.picture.isNull())
            cell.picture = cell.picture.convertToFormat(QImage::Format_RGB32);
        read[size_t(i)] = std::move(cell);
    });
    bool allUsed = true;
    for (int i = 0; i < int(read.size()); ++i) {
        if (!read[size_t(i)])
            continue;
        if (read[size_t(i)]->picture.isNull()) {
            allUsed = false;
            continue;
        }
        PictureBoxModel &box = page.pictureBoxes[cellPictureIndex({i / columns, i % columns})];
        box.image = read[size_t(i)]->picture;
        box.stored = {box.image.cacheKey(), read[size_t(i)]->bytes};
    }
    TableShape &shape = page.kindState<TableShape>();
    shape.currentRow = 0;
    shape.currentColumn = 0;
    return allUsed;
}

} // namespace quillora
