#include "ui/app/folderchoicedialog.h"

#include "core/app/folderchoice.h"
#include "core/app/settingsfile.h"
#include "ui/kit/looks.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace quillora {
namespace {

// The longest root that holds the folder, so the folder list opens on the right drive.
QString rootHolding(const QStringList &roots, const QString &folder)
{
    QString best;
    for (const QString &root : roots) {
        const QString withSeparator = root.endsWith(u'/') ? root : root + u'/';
        const bool holds = folder == root || folder.startsWith(withSeparator);
        if (holds && root.size() > best.size())
            best = root;
    }
    return best;
}

} // namespace

FolderChoiceDialog::FolderChoiceDialog(AppContext &context, QWidget *parent)
    : OwnDialog(context, QStringLiteral("FolderChoiceDialog"),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Where to store files")),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Where to store files")), parent)
{
    messageLabel()->setFont(looks::childFont(28, true));
    const QFont controlFont = looks::childFont(looks::kControlPixels);

    m_useMyDocs = new QRadioButton(
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Use 'My Documents' folder")), this);
    m_useMyDocs->setObjectName(QStringLiteral("UseMyDocs"));
    m_useOther = new QRadioButton(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Use:")), this);
    m_useOther->setObjectName(QStringLiteral("UseOtherFolder"));
    m_drives = new QComboBox(this);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_drives->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Drive")));
    m_drives->addItems(driveRoots());

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders = new QTreeView(this);
    m_folders->setObjectName(QStringLiteral("Dir1"));
    m_folders->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Folder")));
    m_folders->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_folders->hideColumn(column);
    m_folders->header()->hide();
    m_folders->setMinimumSize(460, 280);

    for (QWidget *control :
         std::initializer_list<QWidget *>{m_useMyDocs, m_useOther, m_drives, m_folders})
        control->setFont(controlFont);
    bodyLayout()->addWidget(m_useMyDocs);
    bodyLayout()->addWidget(m_useOther);
    bodyLayout()->addWidget(m_drives);
    bodyLayout()->addWidget(m_folders, 1);

    connect(m_useMyDocs, &QRadioButton::toggled, this, &FolderChoiceDialog::updateEnabled);
    // Folders are read and sorted in the background, and others come and go while the dialog
    // is open, so rows move after the chosen folder was selected: keep it in view.
    const auto keepChosenInView = [this] {
        QTimer::singleShot(0, this, [this] {
            if (m_folders->currentIndex().isValid())
                m_folders->scrollTo(m_folders->currentIndex(), QAbstractItemView::EnsureVisible);
        });
    };
    connect(m_model, &QFileSystemModel::directoryLoaded, this, keepChosenInView);
    connect(m_model, &QFileSystemModel::layoutChanged, this, keepChosenInView);
    connect(m_model, &QFileSystemModel::rowsInserted, this, keepChosenInView);
    connect(m_model, &QFileSystemModel::rowsRemoved, this, keepChosenInView);
    connect(m_drives, &QComboBox::activated, this,
            [this](int index) { showDrive(m_drives->itemText(index)); });

    const QString workingDir = context.settings.workingDir;
    if (workingDir == kMyDocumentsWord) {
        m_useMyDocs->setChecked(true);
        showFolder(context.env.folders.documents);
    } else {
        m_useOther->setChecked(true);
        showFolder(workingDir);
    }
    updateEnabled();
}

DialogAnswer FolderChoiceDialog::ask(AppContext &context, QWidget *parent)
{
    FolderChoiceDialog form(context, parent);
    return form.waitForAnswer();
}

QStringList FolderChoiceDialog::driveRoots()
{
    QStringList roots;
    for (const QFileInfo &drive : QDir::drives())
        roots.append(QDir::cleanPath(drive.absoluteFilePath()));
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !volume.isReadOnly())
            roots.append(QDir::cleanPath(volume.rootPath()));
    }
    roots.append(QDir::cleanPath(QDir::homePath()));
    roots.removeDuplicates();
    roots.sort();
    return roots;
}

QString FolderChoiceDialog::chosenFolder() const
{
    const QModelIndex current = m_folders->currentIndex();
    if (current.isValid())
        return QDir::cleanPath(m_model->filePath(current));
    return m_model->rootPath();
}

void FolderChoiceDialog::showFolder(const QString &folder)
{
    const QString wanted = QDir::cleanPath(folder);
    QStringList roots;
    for (int i = 0; i < m_drives->count(); ++i)
        roots.append(m_drives->itemText(i));
    QString root = rootHolding(roots, wanted);
    if (root.isEmpty() && m_drives->count() > 0)
        root = m_drives->itemText(0);
    m_drives->setCurrentText(root);
    showDrive(root);
    if (wanted.isEmpty() || !QFileInfo(wanted).isDir())
        return;
    const QModelIndex index = m_model->index(wanted);
    if (!index.isValid())
        return;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        m_folders->expand(parent);
    m_folders->setCurrentIndex(index);
    m_folders->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void FolderChoiceDialog::showDrive(const QString &root)
{
    m_folders->setRootIndex(m_model->setRootPath(root));
    m_folders->setCurrentIndex(QModelIndex());
}

void FolderChoiceDialog::updateEnabled()
{
    const bool other = m_useOther->isChecked();
    m_drives->setEnabled(other);
    m_folders->setEnabled(other);
}

void FolderChoiceDialog::okPressed()
{
    const bool useMyDocs = m_useMyDocs->isChecked();
    const QString folder = chosenFolder();
    if (!useMyDocs && folder.isEmpty())
        return;
    folderchoice::choose(context(), useMyDocs, folder);
    closeWithAnswer(DialogAnswer::Yes, Accepted);
}

void FolderChoiceDialog::cancelPressed()
{
    closeWithAnswer(DialogAnswer::No, Rejected);
}

void FolderChoiceDialog::closePressed()
{
    cancelPressed();
}

} // namespace quillora
