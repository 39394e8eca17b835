#pragma once

#include <QWidget>
#include <vector>

#include "ui/controls.h"

// What screen readers are told about the mirror widgets beyond Qt's own: radio buttons are
// radio buttons (Qt calls a button without auto-exclusion a check box), pictures have names,
// and the parts drawn in a picture are its children.
namespace vorlane::ui::qt {

// Registers the interfaces with Qt's accessibility; only the first call does anything.
void InstallAccessibility();

// Reports a new text of a label as a change of its whole text.
void AnnounceText(QWidget* label, const QString& oldText);
// Reports that a button was checked or cleared.
void AnnounceChecked(QWidget* button);
// Reports the parts of a picture whose name or state differ between the two lists.
void AnnounceItems(QWidget* picture, const std::vector<AccessibleItem>& before,
                   const std::vector<AccessibleItem>& after);

}  // namespace vorlane::ui::qt
