#pragma once

#include <QRegion>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace vorlane::ui::qt {

class AccessSupport;

// The Qt face of a ui::Window: a fixed-size top-level widget with one child widget per control
// record. It owns no state of its own: Push() copies the records into the widgets, and user
// input goes back to the records (Window::Click, ChooseItem, RequestClose, Show), after which
// the view pushes again. The records and the window must outlive the view.
class QtWindowView : public QWidget {
    Q_OBJECT

  public:
    explicit QtWindowView(Window& window, QWidget* parent = nullptr);
    ~QtWindowView() override;

    // Copies every record (and the window's caption and icon) into the widgets, with their
    // signals blocked. Cheap when little changed: only differences reach the widgets.
    void Push();

    // Paints at once, without running the event loop, every area that the pushes since the
    // last call changed (a marker's old and new place, a new caption, ...).
    void RepaintChanges();

    // The widget that mirrors a record, or nullptr for a record of another window.
    QWidget* WidgetFor(const Control& record) const;

    // Whether an allowed close also ends the application's event loop (default: yes).
    void SetQuitOnClose(bool quit) { quitOnClose_ = quit; }

  Q_SIGNALS:
    // The window record closed (by the close box or by the logic) and the widget is hidden.
    void Closed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    struct Mirror;

    void CreateWidgets();
    void Connect(Mirror& mirror);
    void PushWindow();
    bool PushControl(Mirror& mirror);
    void MarkDirty(const QWidget& widget, const QRect& before);
    void UpdateHitMasks();
    QRegion HitRegion(const Mirror& mirror) const;
    static void ApplyMask(QWidget& widget, const QRegion& region);
    void CentreOnScreen();
    void OnWindowClosed();

    Window& window_;
    std::vector<std::unique_ptr<Mirror>> mirrors_;
    AccessSupport* access_ = nullptr;  // a child object
    std::function<void()> chainedOnClosed_;
    QRegion dirty_;  // in view coordinates, not yet painted by RepaintChanges
    std::string pushedCaption_;
    std::string pushedIcon_;
    bool pushedOnce_ = false;
    bool pushing_ = false;
    bool inCloseEvent_ = false;
    bool quitOnClose_ = true;
    bool shownOnce_ = false;
};

}  // namespace vorlane::ui::qt
