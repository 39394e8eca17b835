#include "ui/controls.h"

namespace vorlane::ui {

Control& Window::Add(ControlKind kind, std::string name, Control* parent, int x, int y, int w,
                     int h, std::string text) {
    auto control = std::make_unique<Control>();
    control->kind = kind;
    control->name = std::move(name);
    control->parent = parent;
    control->left = x;
    control->top = y;
    control->width = w;
    control->height = h;
    control->text = std::move(text);
    controls_.push_back(std::move(control));
    return *controls_.back();
}

Control* Window::Find(std::string_view name) const {
    for (const auto& c : controls_) {
        if (c->name == name) {
            return c.get();
        }
    }
    return nullptr;
}

std::vector<Control*> Window::ChildrenOf(const Control* parent) const {
    std::vector<Control*> children;
    for (const auto& c : controls_) {
        if (c->parent == parent) {
            children.push_back(c.get());
        }
    }
    return children;
}

std::vector<Control*> Window::DescendantsOf(const Control* group) const {
    std::vector<Control*> found;
    for (const auto& c : controls_) {
        for (const Control* p = c->parent; p != nullptr; p = p->parent) {
            if (p == group) {
                found.push_back(c.get());
                break;
            }
        }
    }
    return found;
}

void Window::SetChecked(Control& control, bool checked) {
    if (control.IsRadioButton() && checked) {
        for (const auto& c : controls_) {
            if (c.get() != &control && c->IsRadioButton() && c->parent == control.parent) {
                c->checked = false;
            }
        }
    }
    control.checked = checked;
}

void Window::Click(Control& control) {
    if (!control.enabled || !control.visible) {
        return;
    }
    switch (control.kind) {
        case ControlKind::CheckBox:
            control.checked = !control.checked;
            break;
        case ControlKind::RadioButton:
            SetChecked(control, true);
            break;
        case ControlKind::PushButton:
            break;
        default:
            return;  // labels, pictures, frames and group boxes fire nothing
    }
    if (control.onClick) {
        control.onClick();
    }
}

void Window::SelectButton(Control& radio) {
    SetChecked(radio, true);
    if (radio.onClick) {
        radio.onClick();
    }
}

void Window::ChooseItem(Control& list, int index) {
    if (!list.enabled || index < 0 || index >= static_cast<int>(list.items.size()) ||
        index == list.selectedItem) {
        return;
    }
    list.selectedItem = index;
    if (list.onChange) {
        list.onChange();
    }
}

void Window::SetItems(Control& list, std::vector<std::string> items) {
    list.items = std::move(items);
    list.selectedItem = list.items.empty() ? -1 : 0;
}

bool Window::PressShortcut(std::string_view keys) {
    for (const Shortcut& s : shortcuts) {
        if (s.keys == keys) {
            if (s.action) {
                s.action();
            }
            return true;
        }
    }
    return false;
}

void Window::Copy(const std::string& text) {
    if (onCopy) {
        onCopy(text);
    }
}

void Window::Show() {
    shown_ = true;
    if (onShow) {
        onShow();
    }
}

bool Window::RequestClose() {
    if (closed_) {
        return true;
    }
    bool allow = onCloseRequest ? onCloseRequest() : true;
    if (allow) {
        closed_ = true;
        if (onClosed) {
            onClosed();
        }
    }
    return allow;
}

}  // namespace vorlane::ui
