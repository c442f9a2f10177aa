#pragma once
// The element readers of layout templates: each applies one line of its element to the page.
// Used by the template reader and, one line at a time, when the window adds an object.

#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringView>

namespace quillora {

// Largest template file read, and largest side picture (mask, border map) decoded.
constexpr qint64 kMaxTemplateBytes = 1024 * 1024;
constexpr int kMaxSidePictureSide = 4096;
// Upper limit of a `multi` repeat count: no sheet shows more copies.
constexpr int kMaxRepeatCount = 100;
// Upper limit of `numRots`: more rotated copies than this draw one smear.
constexpr int kMaxRotations = 360;

struct TemplateContext {
    QString templatePath; // names the side files
    PageModel &page;
    const PageFitInputs &fit;
    QHash<QString, QImage> sidePictures; // each side file decoded once per read
    bool layoutSeen = false;
};

enum class ElementResult { Applied, Skipped, InvalidPageSize };

// Applies one line by its element name; unknown elements are skipped.
ElementResult applyElement(QStringView line, TemplateContext &context);

// The index of a named element: the number formed by the characters of `name` from the third on.
int elementIndex(QStringView line);

// The template path without ".xml", the stem the side files are named from.
QString sideFileStem(const QString &templatePath);

// A side picture read with a size limit: a null image when missing, unreadable or too large.
QImage loadSidePicture(const QString &path, TemplateContext *context = nullptr);

} // namespace quillora
