#pragma once
// `fileform`: the program's own dialog for saving and opening work files. It lists the working
// folder's work files four rows at a time, each with a small picture of its page, and a box for
// the name. It answers Yes or No like every own dialog.

#include "core/files/filerows.h"
#include "ui/kit/owndialog.h"

#include <QHash>
#include <QImage>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace quillora {

enum class FileDirection { Save, Open };

class WorkFileDialog : public OwnDialog {
    Q_OBJECT
public:
    // The picture of one work file's page; a null image for a file that cannot be opened.
    using PreviewLoader = std::function<QImage(const QString &path)>;
    // Asked before a save would write over the work `name` at `path`; true replaces it.
    using ReplaceQuestion = std::function<bool(const QString &name, const QString &path)>;
    // The progress pictures of one work file, oldest first.
    using StepsLoader = std::function<QVector<QImage>(const QString &path)>;
    static constexpr int kPreviewTickMs = 100;

    WorkFileDialog(AppContext &context, FileDirection direction, PreviewLoader loadPreview,
                   QWidget *parent = nullptr);

    FileDirection direction() const { return m_direction; }
    // The name in `filename_box` when the dialog closed.
    QString chosenName() const;
    // Replaces the question asked before an existing work is saved over (ReplaceDialog).
    void setReplaceQuestion(ReplaceQuestion ask) { m_askReplace = std::move(ask); }
    // Lets `stepsBut` play the selected work's progress pictures; without it the button is hidden.
    void setStepsLoader(StepsLoader load);
    // Shown when OK is pressed with no name.
    QLabel *missingNameLabel() const { return m_missingName; }
    // MoreBut was pressed: the caller opens the standard dialog of the same direction.
    bool moreRequested() const { return m_moreRequested; }

    const QStringList &files() const { return m_files; }
    const FileRows &rows() const { return m_rows; }
    int selectedFile() const { return m_selected; }

    // Clicking row `row` (0..3): selects its file when it shows one.
    void selectRow(int row);
    // Loads the picture of the first row still waiting for one; false when none waits. The
    // preview timer (`saveTimer`) calls it on every tick.
    bool loadNextPreview();
    // Whether row `row` has been given its picture (the "shown" tag).
    bool previewShown(int row) const;

    QLabel *previewLabel(int row) const { return m_previews[std::size_t(row)]; }
    QLabel *nameLabel(int row) const { return m_names[std::size_t(row)]; }
    QScrollBar *slider() const { return m_slider; }
    QLineEdit *nameBox() const { return m_nameBox; }
    QWidget *selectionMark() const { return m_selectionMark; }
    const QTimer &previewTimer() const { return m_previewTimer; }

    // The picture shown for a file that cannot be opened.
    static QImage brokenPicture();

protected:
    void okPressed() override;
    void cancelPressed() override;
    void closePressed() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *makeRows();
    QWidget *makeNameRow();
    void fillRows();
    void placeSelectionMark();
    void moveSelection(FileRows::Position to);
    void cleanNameBox();
    bool handleShortcut(const QKeyEvent &key);
    void pressMore();
    void playSteps();

    FileDirection m_direction;
    PreviewLoader m_loadPreview;
    ReplaceQuestion m_askReplace;
    StepsLoader m_loadSteps;
    QStringList m_files;
    FileRows m_rows;
    int m_selected = -1;
    bool m_moreRequested = false;
    QHash<int, QImage> m_loadedPreviews; // by file index, so scrolling back costs nothing

    std::array<QLabel *, FileRows::kRowCount> m_previews{};
    std::array<QLabel *, FileRows::kRowCount> m_names{};
    QWidget *m_rowsArea = nullptr;
    QWidget *m_selectionMark = nullptr;
    QScrollBar *m_slider = nullptr;
    QLineEdit *m_nameBox = nullptr;
    QWidget *m_stepsButton = nullptr;
    QLabel *m_missingName = nullptr;
    QLabel *m_saveCaption = nullptr;
    QLabel *m_openCaption = nullptr;
    QTimer m_previewTimer;
};

} // namespace quillora
