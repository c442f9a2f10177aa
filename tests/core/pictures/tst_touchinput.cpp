// Which touches paint (palms and a laid-down hand do not) and when a held press becomes a
// right press.

#include "core/pictures/heldpresses.h"
#include "core/pictures/palmrejection.h"

#include <QTest>

using namespace quillora;

class TestTouchInput : public QObject {
    Q_OBJECT
private slots:
    void palmsAndHands_data()
    {
        QTest::addColumn<QVector<TouchContact>>("landed");
        QTest::addColumn<QVector<int>>("ignored");
        const QSizeF fingertip(40, 40); // 10 mm at 4 pixels a millimetre
        const QSizeF palm(40, 120);
        QTest::newRow("fingers apart, one a palm")
            << QVector<TouchContact>{{1, {10, 10}, fingertip}, {2, {600, 10}, palm}}
            << QVector<int>{2};
        QTest::newRow("no size told: a finger")
            << QVector<TouchContact>{{1, {10, 10}, {}}} << QVector<int>{};
        // A hand laid down mid-board, far from the corner.
        QTest::newRow("three together: a hand") << QVector<TouchContact>{{1, {610, 410}, fingertip},
                                                                         {2, {680, 440}, fingertip},
                                                                         {3, {750, 420}, fingertip}}
                                                << QVector<int>{1, 2, 3};
        QTest::newRow("three children far apart")
            << QVector<TouchContact>{{1, {10, 10}, fingertip},
                                     {2, {500, 40}, fingertip},
                                     {3, {990, 20}, fingertip}}
            << QVector<int>{};
    }
    void palmsAndHands()
    {
        QFETCH(QVector<TouchContact>, landed);
        QFETCH(QVector<int>, ignored);
        PalmRejection palms;
        palms.setPixelsPerMm(4.0);
        palms.pressed(landed);
        for (const TouchContact &contact : landed)
            QCOMPARE(palms.ignores(contact.id), ignored.contains(contact.id));
        for (const TouchContact &contact : landed)
            palms.lifted(contact.id);
        QVERIFY(!palms.ignores(landed.first().id));
    }

    void fingerGrowingIntoAPalm()
    {
        PalmRejection palms;
        palms.setPixelsPerMm(4.0);
        palms.pressed({{7, {10, 10}, {30, 30}}});
        QVERIFY(!palms.becomesPalm({7, {12, 10}, {80, 80}}));
        QVERIFY(palms.becomesPalm({7, {12, 10}, {100, 60}}));
        QVERIFY(palms.ignores(7));
        QVERIFY(!palms.becomesPalm({7, {12, 10}, {100, 60}})); // reported once
    }

    void heldPressesSettle_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPoint>("movedTo");
        QTest::addColumn<bool>("away");
        const int right = int(HeldPresses::Kind::RightButton);
        const int longPress = int(HeldPresses::Kind::MaybeLong);
        QTest::newRow("long press within 10 px") << longPress << QPoint(107, 107) << false;
        QTest::newRow("long press past 10 px") << longPress << QPoint(108, 107) << true;
        QTest::newRow("right press within 4 px") << right << QPoint(102, 102) << false;
        QTest::newRow("right press past 4 px") << right << QPoint(103, 102) << true;
    }
    void heldPressesSettle()
    {
        QFETCH(int, kind);
        QFETCH(QPoint, movedTo);
        QFETCH(bool, away);
        HeldPresses held;
        held.hold(5, {HeldPresses::Kind(kind), 2, QPoint(100, 100), true});
        QVERIFY(!held.takeIfMovedAway(5, 1, QPoint(300, 300))); // another picture
        const auto taken = held.takeIfMovedAway(5, 2, movedTo);
        QCOMPARE(bool(taken), away);
        QCOMPARE(held.pointers().isEmpty(), away);
        if (taken)
            QCOMPARE(taken->position, QPoint(100, 100));
    }
};

QTEST_GUILESS_MAIN(TestTouchInput)
#include "tst_touchinput.moc"
