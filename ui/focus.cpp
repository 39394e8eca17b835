#include "ui/focus.h"

#include <algorithm>
#include <cstdlib>

namespace vorlane::ui {

namespace {

bool SameSet(const Control& a, const Control& b) {
    return a.IsRadioButton() && b.IsRadioButton() && a.parent == b.parent;
}

std::vector<Control*> SetOf(const Window& window, const Control& member) {
    std::vector<Control*> set;
    for (Control* c : window.focusOrder) {
        if (SameSet(*c, member)) {
            set.push_back(c);
        }
    }
    return set;
}

}  // namespace

bool IsFocusable(const Control& control) {
    for (const Control* c = &control; c != nullptr; c = c->parent) {
        if (!c->enabled || !c->visible) {
            return false;
        }
    }
    return true;
}

bool IsTabStop(const Window& window, const Control& control) {
    if (!IsFocusable(control)) {
        return false;
    }
    if (!control.IsRadioButton()) {
        return true;
    }
    const std::vector<Control*> set = SetOf(window, control);
    const auto chosen = std::find_if(set.begin(), set.end(), [](Control* c) { return c->checked; });
    if (chosen != set.end()) {
        return *chosen == &control;
    }
    const auto first =
        std::find_if(set.begin(), set.end(), [](Control* c) { return IsFocusable(*c); });
    return first != set.end() && *first == &control;
}

std::vector<const Control*> RadioSetTabStops(const Window& window) {
    struct Set {
        const Control* parent;
        const Control* chosen;
        const Control* firstFocusable;
    };
    std::vector<Set> sets;
    for (const Control* c : window.focusOrder) {
        if (!c->IsRadioButton()) {
            continue;
        }
        auto set = std::find_if(sets.begin(), sets.end(),
                                [c](const Set& s) { return s.parent == c->parent; });
        if (set == sets.end()) {
            set = sets.insert(sets.end(), {c->parent, nullptr, nullptr});
        }
        if (c->checked && set->chosen == nullptr) {
            set->chosen = c;
        }
        if (IsFocusable(*c) && set->firstFocusable == nullptr) {
            set->firstFocusable = c;
        }
    }
    std::vector<const Control*> stops;
    for (const Set& set : sets) {
        const Control* stop = set.chosen != nullptr ? set.chosen : set.firstFocusable;
        if (stop != nullptr && IsFocusable(*stop)) {
            stops.push_back(stop);
        }
    }
    return stops;
}

Control* NextTabStop(const Window& window, const Control* from, bool backward) {
    const std::vector<Control*>& order = window.focusOrder;
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    if (count == 0) {
        return nullptr;
    }
    const auto at = std::find(order.begin(), order.end(), from);
    std::ptrdiff_t i = at == order.end() ? (backward ? 0 : count - 1) : at - order.begin();
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        i = (i + (backward ? count - 1 : 1)) % count;
        Control* candidate = order[static_cast<std::size_t>(i)];
        if (IsTabStop(window, *candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

Control* ArrowTarget(const Window& window, const Control& from, Arrow arrow) {
    if (!from.IsRadioButton()) {
        return nullptr;
    }
    const std::vector<Control*> set = SetOf(window, from);
    const bool oneRow =
        std::all_of(set.begin(), set.end(), [&](const Control* c) { return c->top == from.top; });
    const bool oneColumn =
        std::all_of(set.begin(), set.end(), [&](const Control* c) { return c->left == from.left; });
    bool vertical = arrow == Arrow::Up || arrow == Arrow::Down;
    const bool forward = arrow == Arrow::Down || arrow == Arrow::Right;
    if (vertical && oneRow && !oneColumn) {
        vertical = false;
    } else if (!vertical && oneColumn && !oneRow) {
        vertical = true;
    }
    Control* best = nullptr;
    int bestDistance = 0;
    for (Control* c : set) {
        if (c == &from || !IsFocusable(*c)) {
            continue;
        }
        const bool inLine = vertical ? c->left == from.left : c->top == from.top;
        const int delta = vertical ? c->top - from.top : c->left - from.left;
        if (!inLine || delta == 0 || (delta > 0) != forward) {
            continue;
        }
        if (best == nullptr || std::abs(delta) < bestDistance) {
            best = c;
            bestDistance = std::abs(delta);
        }
    }
    return best;
}

Control* ChooseByArrow(Window& window, const Control& from, Arrow arrow) {
    Control* target = ArrowTarget(window, from, arrow);
    if (target != nullptr) {
        window.Click(*target);
    }
    return target;
}

}  // namespace vorlane::ui
