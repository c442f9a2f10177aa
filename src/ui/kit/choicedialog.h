#pragma once
// The choice dialog: the few numbers some kinds ask before their page is built. Code 1 asks
// the circle's segments, code 2 the table's columns and rows, code 15 the leaflet's size.
// OK answers with the shown page's values; Cancel (and Escape) answer nothing. Each opening
// starts from the dialog's own values.

#include "core/app/choiceexamples.h"
#include "core/app/choicevalues.h"
#include "core/layout/documenttypes.h"
#include "ui/kit/owndialog.h"

#include <optional>

class QLabel;
class QRadioButton;
class QStackedWidget;

namespace quillora {

class ChoiceDialog : public OwnDialog {
    Q_OBJECT
public:
    ChoiceDialog(AppContext &context, ChoicePage page, QWidget *parent = nullptr);

    // Asks the question of `kind`: its values on OK, nothing on Cancel. A kind that asks
    // nothing gets nothing at once.
    static std::optional<ChoiceValues> ask(AppContext &context, DocumentKind kind,
                                           QWidget *parent = nullptr);

    ChoicePage page() const { return m_page; }
    int segments() const { return m_segments.value(); }
    int columns() const { return m_columns.value(); }
    int rows() const { return m_rows.value(); }
    int leafletSize() const; // option 0 "Large", 1 "Small"
    ChoiceValues values() const;

    // What the add, remove and size controls do.
    void changeSegments(bool add);
    void changeColumns(bool add);
    void changeRows(bool add);
    void chooseLeafletSize(int option);

protected:
    void closePressed() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct CountRow {
        QLabel *number = nullptr;
        QWidget *add = nullptr;
        QWidget *remove = nullptr;
    };
    QWidget *buildCirclePage();
    QWidget *buildTablePage();
    QWidget *buildLeafletPage();
    QLayout *buildCountRow(QWidget *page, const QString &caption, const QString &numberName,
                           const QString &addName, const QString &removeName, CountRow &row,
                           void (ChoiceDialog::*change)(bool));
    static void showCount(const CountRow &row, const ChoiceCount &count);
    void drawExamples();

    ChoicePage m_page;
    ChoiceCount m_segments{ChoiceValues::kStartSegments};
    ChoiceCount m_columns{ChoiceValues::kStartColumns};
    ChoiceCount m_rows{ChoiceValues::kStartRows};
    CountRow m_segmentsRow;
    CountRow m_columnsRow;
    CountRow m_rowsRow;
    QLabel *m_circleExample = nullptr;
    QLabel *m_tableExample = nullptr;
    QRadioButton *m_sizeOptions[2] = {};
    QLabel *m_sizePictures[2] = {};
    QStackedWidget *m_pages = nullptr;
};

} // namespace quillora
