#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "tests/support/sample_window.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_event_loop.h"

namespace vorlane::ui::qt {
namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST(QtEventLoopTest, RepaintChangesNowPaintsWithoutRunningOtherEvents) {
    test::SampleWindow sample;
    QtWindowView view(sample.window);
    view.SetQuitOnClose(false);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QtEventLoop loop;
    loop.SetView(&view);

    bool posted = false;
    loop.Post([&] { posted = true; });
    auto* label = static_cast<QLabel*>(view.WidgetFor(sample["ChordLineLabel"]));
    PaintCounter counter;
    label->installEventFilter(&counter);
    sample["ChordLineLabel"].text = "Akkoord G7";
    loop.RepaintChangesNow();
    EXPECT_EQ(label->text(), "Akkoord G7");
    EXPECT_GT(counter.paints, 0) << "repainted synchronously";
    EXPECT_FALSE(posted) << "no nested event loop ran the posted task";

    // A marker that moves is painted at its new place and wiped from its old one.
    QWidget* keyboard = view.WidgetFor(*sample.keyboard);
    PaintCounter keyboardPaints;
    keyboard->installEventFilter(&keyboardPaints);
    sample.keyMarkers[0]->left = 249;
    loop.RepaintChangesNow();
    EXPECT_GT(keyboardPaints.paints, 0);
    EXPECT_EQ(view.WidgetFor(*sample.keyMarkers[0])->x(), 249);
    const int labelPaints = counter.paints;
    loop.RepaintChangesNow();
    EXPECT_EQ(counter.paints, labelPaints) << "nothing changed, nothing painted";
    QTRY_VERIFY(posted);

    // A task changes the records; the view shows it once the task has run.
    loop.RunAfter(5, [&] { sample["ChordLineLabel"].text = "Akkoord Am"; });
    QTRY_COMPARE(label->text(), QString("Akkoord Am"));
}

TEST(QtEventLoopTest, TimedTasksKeepTheirScheduleAlsoUnderAModalDialog) {
    QtEventLoop loop;
    QtDialogs dialogs;
    const std::int64_t start = loop.NowMs();
    std::vector<std::int64_t> onsets;
    std::vector<bool> modalOpen;
    constexpr int kNotes = 7;
    constexpr int kStepMs = 100;
    for (int i = 0; i < kNotes; ++i) {
        loop.RunAfter(i * kStepMs, [&, i] {
            onsets.push_back(loop.NowMs() - start);
            modalOpen.push_back(QApplication::activeModalWidget() != nullptr);
            if (i == kNotes - 1 && QApplication::activeModalWidget() != nullptr) {
                QApplication::activeModalWidget()->close();
            }
        });
    }
    // Just after the first note the user opens the about box; the notes go on behind it.
    QEventLoop application;
    QTimer::singleShot(30, [&] {
        dialogs.ShowAbout(AboutInfo{"About", "notice", "description", AboutIcon::None});
        application.quit();
    });
    QTimer::singleShot(5000, &application, &QEventLoop::quit);
    application.exec();
    ASSERT_EQ(onsets.size(), std::size_t(kNotes));
    // Never early, and late by less than a step even while the dialog is being built on a busy
    // machine: each deadline counts from the start, so one late note does not push the rest.
    for (int i = 0; i < kNotes; ++i) {
        EXPECT_GE(onsets[i], i * kStepMs);
        EXPECT_LT(onsets[i], (i + 1) * kStepMs) << "note " << i;
    }
    EXPECT_EQ(modalOpen, (std::vector<bool>{false, true, true, true, true, true, true}));
}

TEST(QtEventLoopTest, PostedTasksRunInOrderAndDieWithTheLoop) {
    std::vector<int> order;
    bool late = false;
    {
        QtEventLoop loop;
        loop.RunAfter(30, [&] { order.push_back(3); });
        loop.Post([&] { order.push_back(1); });
        loop.RunAfter(-5, [&] { order.push_back(2); });
        QTRY_COMPARE(order.size(), std::size_t(3));
        loop.RunAfter(10, [&] { late = true; });
    }
    QTest::qWait(40);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(late);
}

}  // namespace
}  // namespace vorlane::ui::qt
