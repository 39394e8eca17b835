#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

#include "ui/event_loop.h"
#include "ui/qt/qt_window_view.h"

namespace vorlane::ui::qt {

// Tasks posted from any thread, run one per queued call on the thread this object lives on.
// The tasks pass through this object's lock rather than inside Qt's events, so that each
// hand-over between threads is one a race checker can see.
class PostedTasks final : public QObject {
    Q_OBJECT

  public:
    void Add(std::function<void()> task);
    Q_INVOKABLE void RunOne();

  private:
    std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
};

// The logic's event loop on Qt's: tasks run on precise single-shot timers of the GUI thread,
// and each is followed by a push of the view, like any other handled event. Tasks still
// pending when this object dies are dropped. Needs a QApplication.
class QtEventLoop final : public EventLoop {
  public:
    QtEventLoop();
    ~QtEventLoop() override;

    // The view to push and repaint; may come after the logic was built with this loop.
    void SetView(QtWindowView* view) { view_ = view; }

    // Pushes the records into the view and paints what changed at once; runs no nested
    // event loop.
    void RepaintChangesNow() override;
    // From any thread.
    void Post(std::function<void()> task) override;
    void RunAfter(std::int64_t delayMs, std::function<void()> task) override;
    std::int64_t NowMs() const override;

  private:
    std::function<void()> AndPush(std::function<void()> task);

    QObject context_;  // owns the pending timers
    PostedTasks posted_;
    QPointer<QtWindowView> view_;
};

}  // namespace vorlane::ui::qt
