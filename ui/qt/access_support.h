#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace vorlane::ui::qt {

class QtWindowView;

// What the view does for keyboard and screen-reader users: the records' focus order and
// shortcuts, the arrow keys in radio sets, context menus, the clipboard, and the reports to
// screen readers that Qt's widgets do not send by themselves. The view calls it around each
// push.
class AccessSupport : public QObject {
  public:
    AccessSupport(QtWindowView& view, Window& window);
    ~AccessSupport() override;

    void BeforePush();
    void AfterPush();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Mirrored {
        const Control* record = nullptr;
        QWidget* widget = nullptr;
        std::string text;
        bool checked = false;
    };

    const Control* RecordOf(const QWidget* widget) const;
    void ShowMenu(const Control& record, const QPoint& at);
    void FocusByKeyboard(const Control& record);
    void RestoreParkedFocus();

    QtWindowView& view_;
    Window& window_;
    std::vector<Mirrored> mirrored_;
    // A lock (an arpeggio) disables the focused control and Qt moves the focus on; once the
    // lock is over the focus goes back to the control last taken from the user, unless the
    // user has moved it meanwhile.
    const Control* focusBeforePush_ = nullptr;
    const Control* parkedFocus_ = nullptr;
    QPointer<QWidget> focusWhileParked_;
    std::function<void(const std::string&)> chainedOnCopy_;
};

}  // namespace vorlane::ui::qt
