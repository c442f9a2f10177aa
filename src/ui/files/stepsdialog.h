#pragma once
// `stepsForm`: plays a work's progress pictures as a short flip-book, from the first picture to
// the latest, and stops there; a press on the picture plays it again.

#include "ui/kit/owndialog.h"

#include <QImage>
#include <QVector>

class QLabel;

namespace quillora {

class StepsDialog : public OwnDialog {
    Q_OBJECT
public:
    static constexpr int kFrameMs = 300;
    // The flip-book fits this box on any screen the program runs on.
    static constexpr QSize kLargestPicture{640, 480};

    StepsDialog(AppContext &context, QVector<QImage> pictures, QWidget *parent = nullptr);

    static void play(AppContext &context, QVector<QImage> pictures, QWidget *parent = nullptr);

    // The picture now shown, 0-based; -1 when the work has none.
    int shownStep() const { return m_shown; }
    // Shows the next picture; stops the timer at the latest one.
    void showNextStep();
    void playAgain();
    const QTimer &flipTimer() const { return m_flipTimer; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showStep(int index);

    QVector<QImage> m_pictures;
    QLabel *m_picture = nullptr;
    QLabel *m_counter = nullptr;
    QTimer m_flipTimer;
    int m_shown = -1;
};

} // namespace quillora
