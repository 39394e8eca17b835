#pragma once

#include <QMenu>
#include <QPoint>
#include <functional>
#include <vector>

#include "ui/controls.h"

namespace vorlane::ui::qt {

// Pops up a menu built from the records at a global position, without waiting for it: a choice
// runs the item's handler and then afterChoice. The menu deletes itself when it closes.
QMenu* PopUpMenu(QWidget* parent, std::vector<MenuItem> items, const QPoint& at,
                 std::function<void()> afterChoice);

}  // namespace vorlane::ui::qt
