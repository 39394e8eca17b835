#include "ui/qt/live_menu.h"

#include <memory>

#include "ui/qt/text.h"

namespace vorlane::ui::qt {

namespace {

void AddItems(QMenu& menu, const std::vector<MenuItem>& items,
              const std::shared_ptr<std::function<void()>>& afterChoice) {
    for (const MenuItem& item : items) {
        if (!item.submenu.empty() || !item.onChoose) {
            QMenu* sub = menu.addMenu(ToQString(item.text));
            sub->setEnabled(item.enabled && !item.submenu.empty());
            AddItems(*sub, item.submenu, afterChoice);
            continue;
        }
        QAction* action = menu.addAction(ToQString(item.text));
        action->setCheckable(item.checkable);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
        QObject::connect(action, &QAction::triggered, &menu, [choose = item.onChoose, afterChoice] {
            choose();
            if (*afterChoice) {
                (*afterChoice)();
            }
        });
    }
}

}  // namespace

QMenu* PopUpMenu(QWidget* parent, std::vector<MenuItem> items, const QPoint& at,
                 std::function<void()> afterChoice) {
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    AddItems(*menu, items, std::make_shared<std::function<void()>>(std::move(afterChoice)));
    // Not exec(): the window's own event loop keeps running while the menu is open.
    menu->popup(at);
    return menu;
}

}  // namespace vorlane::ui::qt
