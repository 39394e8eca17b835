#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>

#include "ui/event_loop.h"
#include "ui/qt/qt_window_view.h"

namespace vorlane::ui::qt {

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
    void Post(std::function<void()> task) override;
    void RunAfter(std::int64_t delayMs, std::function<void()> task) override;
    std::int64_t NowMs() const override;

  private:
    std::function<void()> AndPush(std::function<void()> task);

    QObject context_;  // owns the pending timers
    QPointer<QtWindowView> view_;
};

}  // namespace vorlane::ui::qt
