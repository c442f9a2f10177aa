#pragma once
// The menu of alternative templates (`OpsMenu`) beside a "Shapes" or "Sign" page: one
// thumbnail button (`opBut` + index) and one caption (`opDesc` + index) per template, made when
// first needed and reused, the template in use ringed in yellow.

#include "core/app/startchoice.h"

#include <QList>
#include <QScrollArea>
#include <QVector>

class QLabel;

namespace quillora {

class PictureButton;

class TemplateMenu : public QScrollArea {
    Q_OBJECT
public:
    explicit TemplateMenu(QWidget *parent = nullptr);

    // Shows these templates (the ones beyond hidden, their controls kept for later).
    void setTemplates(const QList<SubChoice> &templates);
    // Rings the template at this path; none when no entry has it.
    void setCurrentTemplate(const QString &templatePath);

    int currentIndex() const { return m_current; }
    const QList<SubChoice> &templates() const { return m_templates; }
    PictureButton *thumbnail(int index) const;
    QLabel *caption(int index) const;

    // What a template without its thumbnail shows instead: a blank page with a question mark.
    static QIcon missingThumbnail();

signals:
    void templateChosen(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeEntries();

    QWidget *m_content = nullptr;
    QWidget *m_ring = nullptr;
    QList<SubChoice> m_templates;
    QVector<PictureButton *> m_buttons;
    QVector<QLabel *> m_captions;
    int m_current = -1;
};

} // namespace quillora
