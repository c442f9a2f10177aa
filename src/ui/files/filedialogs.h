#pragma once
// The questions the file commands ask: the own file dialog, the standard dialogs, the offer to
// save first and the messages. Behind one interface so the commands are tested without
// modal windows.

#include "ui/files/workfiledialog.h"

#include <QString>

#include <optional>

class QWidget;

namespace quillora {

struct OwnDialogChoice {
    enum class Answer { Yes, No, More };
    Answer answer = Answer::No;
    QString name; // as typed or selected, without the folder
};

struct StandardSaveChoice {
    QString path;
    bool asPng = false; // the PNG filter was chosen
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual OwnDialogChoice askOwn(FileDirection direction,
                                   const WorkFileDialog::PreviewLoader &previews,
                                   const WorkFileDialog::StepsLoader &steps, QWidget *parent) = 0;
    // Nothing when cancelled.
    virtual std::optional<StandardSaveChoice> askStandardSave(const QString &folder,
                                                              const QString &proposedName,
                                                              bool offerPng, QWidget *parent) = 0;
    virtual std::optional<QString> askStandardOpen(const QString &folder, QWidget *parent) = 0;
    // Yes (save first), No (go on without saving) or Closed (stay).
    virtual DialogAnswer offerToSave(QWidget *parent) = 0;
    // `message` is the English sentence (translated when shown); `detail`, the reason in the
    // system's words, follows it in brackets.
    virtual void showMessage(const QString &message, const QString &detail, QWidget *parent) = 0;
};

// The real windows: `fileform`, the platform's file dialogs, the save offer, the message form.
class WindowFileDialogs : public FileDialogs {
public:
    explicit WindowFileDialogs(AppContext &context) : m_context(context) {}

    OwnDialogChoice askOwn(FileDirection direction, const WorkFileDialog::PreviewLoader &previews,
                           const WorkFileDialog::StepsLoader &steps, QWidget *parent) override;
    std::optional<StandardSaveChoice> askStandardSave(const QString &folder,
                                                      const QString &proposedName, bool offerPng,
                                                      QWidget *parent) override;
    std::optional<QString> askStandardOpen(const QString &folder, QWidget *parent) override;
    DialogAnswer offerToSave(QWidget *parent) override;
    void showMessage(const QString &message, const QString &detail, QWidget *parent) override;

private:
    QString workFileFilter() const;
    AppContext &m_context;
};

} // namespace quillora
