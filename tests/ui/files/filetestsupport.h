#pragma once
// Shared by the file command tests: scripted answers for every question the commands ask, an
// archive format whose writes can be made to fail.

#include "core/app/appcontext.h"
#include "platform/ziparchive.h"
#include "ui/files/filedialogs.h"

#include "support/rawzip.h"

#include <QList>

#include <optional>

namespace quillora::test {

struct DialogScript {
    QList<OwnDialogChoice> ownAnswers;
    QList<std::optional<StandardSaveChoice>> saveAnswers;
    QList<std::optional<QString>> openAnswers;
    QList<DialogAnswer> offerAnswers;

    QList<FileDirection> ownAsked;
    QList<bool> pngOffered;
    QStringList proposedNames;
    int offersMade = 0;
    QStringList messages;
};

class ScriptedDialogs : public FileDialogs {
public:
    explicit ScriptedDialogs(DialogScript &script) : m_script(script) {}

    OwnDialogChoice askOwn(FileDirection direction, const WorkFileDialog::PreviewLoader &,
                           const WorkFileDialog::StepsLoader &, QWidget *) override
    {
        m_script.ownAsked.append(direction);
        return m_script.ownAnswers.isEmpty() ? OwnDialogChoice{} : m_script.ownAnswers.takeFirst();
    }
    std::optional<StandardSaveChoice> askStandardSave(const QString &, const QString &proposedName,
                                                      bool offerPng, QWidget *) override
    {
        m_script.pngOffered.append(offerPng);
        m_script.proposedNames.append(proposedName);
        return m_script.saveAnswers.isEmpty() ? std::nullopt : m_script.saveAnswers.takeFirst();
    }
    std::optional<QString> askStandardOpen(const QString &, QWidget *) override
    {
        return m_script.openAnswers.isEmpty() ? std::nullopt : m_script.openAnswers.takeFirst();
    }
    DialogAnswer offerToSave(QWidget *) override
    {
        ++m_script.offersMade;
        return m_script.offerAnswers.isEmpty() ? DialogAnswer::Closed
                                               : m_script.offerAnswers.takeFirst();
    }
    void showMessage(const QString &message, const QString &detail, QWidget *) override
    {
        m_script.messages.append(
            detail.isEmpty() ? message : message + QStringLiteral("\n(") + detail + u')');
    }

private:
    DialogScript &m_script;
};

// ZIP archives whose writing can be made to fail half-way, as a full disk would.
class SwitchableZipFormat : public ArchiveFormat {
public:
    bool failWrites = false;

    std::unique_ptr<ArchiveReader> openReader(const QString &path, QString *error) override
    {
        return m_zip.openReader(path, error);
    }
    std::unique_ptr<ArchiveWriter> createWriter(const QString &path, QString *error) override
    {
        auto writer = m_zip.createWriter(path, error);
        if (!writer || !failWrites)
            return writer;
        return std::make_unique<FailingWriter>(std::move(writer));
    }

private:
    class FailingWriter : public ArchiveWriter {
    public:
        explicit FailingWriter(std::unique_ptr<ArchiveWriter> real) : m_real(std::move(real)) {}
        bool add(const QString &name, const QByteArray &bytes, QString *error) override
        {
            return m_real->add(name, bytes, error);
        }
        bool finish(QString *error) override
        {
            *error = QStringLiteral("the disk is full");
            return false;
        }

    private:
        std::unique_ptr<ArchiveWriter> m_real;
    };
    ZipArchiveFormat m_zip;
};

} // namespace quillora::test
