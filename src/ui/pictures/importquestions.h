#pragma once
// What the picture import asks the child: which file, how it should fit, and the message when a
// picture cannot be read. Behind one interface so the import runs in tests without windows.

#include "core/pictures/pictureimport.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

class QWidget;

namespace quillora {

class AppContext;

// The file dialogs' filters: every picture type, or (for a new object) the bitmap types only.
QString importFilter(const QString &picturesCaption, bool withMetafiles);

class ImportQuestions {
public:
    virtual ~ImportQuestions() = default;
    // The picture file to import, or nothing when the dialog was cancelled. `title` and
    // `filter` are already translated.
    virtual std::optional<QString> askPictureFile(const QString &title, const QString &filter,
                                                  const QString &folder, QWidget *parent) = 0;
    virtual ImportChoice askFit(QSize target, const QImage &source, bool alignTopLeft,
                                QWidget *parent) = 0;
    // `message` is the English sentence; `detail` the reason in the system's words.
    virtual void tell(const QString &message, const QString &detail, QWidget *parent) = 0;
};

// The real windows: the platform's open dialog, `impOpsForm` and the message form.
class WindowImportQuestions : public ImportQuestions {
public:
    explicit WindowImportQuestions(AppContext &context) : m_context(context) {}

    std::optional<QString> askPictureFile(const QString &title, const QString &filter,
                                          const QString &folder, QWidget *parent) override;
    ImportChoice askFit(QSize target, const QImage &source, bool alignTopLeft,
                        QWidget *parent) override;
    void tell(const QString &message, const QString &detail, QWidget *parent) override;

private:
    AppContext &m_context;
};

} // namespace quillora
