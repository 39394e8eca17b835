#include "ui/qt/access_support.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>

#include "ui/focus.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/mirror_widgets.h"
#include "ui/qt/qt_window_view.h"
#include "ui/qt/text.h"

namespace vorlane::ui::qt {

namespace {

std::optional<Arrow> ArrowOf(const QKeyEvent& key) {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return std::nullopt;
    }
    switch (key.key()) {
        case Qt::Key_Up:
            return Arrow::Up;
        case Qt::Key_Down:
            return Arrow::Down;
        case Qt::Key_Left:
            return Arrow::Left;
        case Qt::Key_Right:
            return Arrow::Right;
        default:
            return std::nullopt;
    }
}

// The control Tab would stop on for this one: the chosen button of its radio set.
const Control* StopFor(const Window& window, const Control& record) {
    if (!record.IsRadioButton() || IsTabStop(window, record)) {
        return &record;
    }
    for (const Control* c : window.focusOrder) {
        if (c->IsRadioButton() && c->parent == record.parent && IsTabStop(window, *c)) {
            return c;
        }
    }
    return &record;
}

}  // namespace

AccessSupport::AccessSupport(QtWindowView& view, Window& window)
    : QObject(&view), view_(view), window_(window) {
    for (const auto& record : window.Controls()) {
        QWidget* widget = view_.WidgetFor(*record);
        mirrored_.push_back({record.get(), widget, record->text, record->checked});
        if (record->IsRadioButton()) {
            widget->installEventFilter(this);
        }
        if (!record->contextMenu.empty()) {
            widget->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(widget, &QWidget::customContextMenuRequested, this,
                    [this, r = record.get(), widget](const QPoint& at) {
                        ShowMenu(*r, widget->mapToGlobal(at));
                    });
        }
    }
    for (std::size_t i = 1; i < window.focusOrder.size(); ++i) {
        QWidget::setTabOrder(view_.WidgetFor(*window.focusOrder[i - 1]),
                             view_.WidgetFor(*window.focusOrder[i]));
    }
    for (const Shortcut& s : window.shortcuts) {
        auto* shortcut =
            new QShortcut(QKeySequence(ToQString(s.keys), QKeySequence::PortableText), &view_);
        connect(shortcut, &QShortcut::activated, this, [this, keys = s.keys] {
            window_.PressShortcut(keys);
            view_.Push();
        });
    }
    // Shift+F10 opens the context menu of the control with the focus, as the Menu key does.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &view_);
    connect(menuKey, &QShortcut::activated, this, [this] {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr || target->window() != &view_) {
            target = &view_;
        }
        const QPoint at = target->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
    });
    chainedOnCopy_ = std::move(window.onCopy);
    window.onCopy = [](const std::string& text) {
        QGuiApplication::clipboard()->setText(ToQString(text));
    };
}

AccessSupport::~AccessSupport() {
    window_.onCopy = std::move(chainedOnCopy_);
}

const Control* AccessSupport::RecordOf(const QWidget* widget) const {
    for (const Mirrored& m : mirrored_) {
        if (m.widget == widget) {
            return m.record;
        }
    }
    return nullptr;
}

void AccessSupport::BeforePush() {
    focusBeforePush_ = RecordOf(QApplication::focusWidget());
}

void AccessSupport::AfterPush() {
    const std::vector<const Control*> stops = RadioSetTabStops(window_);
    for (Mirrored& m : mirrored_) {
        const Control& record = *m.record;
        if (!record.accessibleName.empty() &&
            m.widget->accessibleName() != ToQString(record.accessibleName)) {
            m.widget->setAccessibleName(ToQString(record.accessibleName));
        }
        if (record.accessibleItems) {
            if (auto* picture = dynamic_cast<PictureWidget*>(m.widget)) {
                picture->SetAccessibleItems(record.accessibleItems());
            }
        }
        if (record.announceChanges && m.text != record.text) {
            AnnounceText(m.widget, ToQString(m.text));
            m.text = record.text;
        }
        if (record.kind == ControlKind::CheckBox || record.IsRadioButton()) {
            if (m.checked != record.checked) {
                AnnounceChecked(m.widget);
                m.checked = record.checked;
            }
        }
        if (record.IsRadioButton()) {
            // Tab stops only on a set's chosen button; the others take the focus by click.
            const bool stop = std::find(stops.begin(), stops.end(), &record) != stops.end();
            const Qt::FocusPolicy policy = stop ? Qt::StrongFocus : Qt::ClickFocus;
            if (m.widget->focusPolicy() != policy) {
                m.widget->setFocusPolicy(policy);
            }
        }
    }
    // The control the user was on has just lost the focus: it is the one to go back to, even
    // if an earlier one still waits (Remember, disabled once it has remembered).
    if (focusBeforePush_ != nullptr && !IsFocusable(*focusBeforePush_) &&
        focusBeforePush_ != parkedFocus_) {
        parkedFocus_ = focusBeforePush_;
        focusWhileParked_ = QApplication::focusWidget();
    }
    RestoreParkedFocus();
}

void AccessSupport::RestoreParkedFocus() {
    if (parkedFocus_ == nullptr || !IsFocusable(*parkedFocus_)) {
        return;
    }
    QWidget* now = QApplication::focusWidget();
    const Control* parked = parkedFocus_;
    parkedFocus_ = nullptr;
    if (now == nullptr || now == focusWhileParked_) {
        QWidget* target = view_.WidgetFor(*StopFor(window_, *parked));
        target->setFocus(Qt::OtherFocusReason);
    }
}

void AccessSupport::FocusByKeyboard(const Control& record) {
    QWidget* widget = view_.WidgetFor(record);
    if (widget->isEnabled()) {
        view_.setAttribute(Qt::WA_KeyboardFocusChange);  // shows the focus frame
        widget->setFocus(Qt::TabFocusReason);
    } else if (parkedFocus_ != nullptr) {
        parkedFocus_ = &record;  // the choice locked its set: it gets the focus afterwards
    }
}

bool AccessSupport::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const std::optional<Arrow> arrow = ArrowOf(*static_cast<QKeyEvent*>(event));
    const Control* record = RecordOf(static_cast<QWidget*>(watched));
    if (!arrow || record == nullptr) {
        return false;
    }
    // The choice is a click on the record: the same handler, refresh and sound.
    const Control* chosen = ChooseByArrow(window_, *record, *arrow);
    view_.Push();
    if (chosen != nullptr) {
        FocusByKeyboard(*chosen);
    }
    return true;  // at the end of a line nothing moves, and the focus stays
}

void AccessSupport::ShowMenu(const Control& record, const QPoint& at) {
    auto* menu = new QMenu(&view_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (std::size_t i = 0; i < record.contextMenu.size(); ++i) {
        QAction* action = menu->addAction(ToQString(record.contextMenu[i].text));
        connect(action, &QAction::triggered, this, [this, r = &record, i] {
            if (r->contextMenu[i].onChoose) {
                r->contextMenu[i].onChoose();
            }
            view_.Push();
        });
    }
    menu->popup(at);
}

}  // namespace vorlane::ui::qt
