#pragma once
// "Where to store files": the teacher chooses the documents folder or any other folder for
// the children's work files.

#include "ui/kit/owndialog.h"

class QComboBox;
class QFileSystemModel;
class QRadioButton;
class QTreeView;

namespace quillora {

class FolderChoiceDialog : public OwnDialog {
    Q_OBJECT
public:
    explicit FolderChoiceDialog(AppContext &context, QWidget *parent = nullptr);

    // Asks and returns Yes (the choice is stored: WorkingDir, the working folder and the
    // first folder of both file dialogs) or No (nothing changed).
    static DialogAnswer ask(AppContext &context, QWidget *parent = nullptr);

    // The folder the folder list (`Dir1`) points at.
    QString chosenFolder() const;
    // Points the drive list and the folder list at a folder.
    void showFolder(const QString &folder);

    // The tops of the folder trees offered in `Drive1`: file system roots and mounted,
    // writable volumes, and the home folder where everything else lives under one root.
    static QStringList driveRoots();

protected:
    void okPressed() override;
    void cancelPressed() override;
    void closePressed() override;

private:
    void updateEnabled();
    void showDrive(const QString &root);

    QRadioButton *m_useMyDocs = nullptr;
    QRadioButton *m_useOther = nullptr;
    QComboBox *m_drives = nullptr;
    QTreeView *m_folders = nullptr;
    QFileSystemModel *m_model = nullptr;
};

} // namespace quillora
