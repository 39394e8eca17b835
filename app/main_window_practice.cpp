#include "app/main_window.h"

namespace vorlane {

void MainWindow::OpenPractice() {
    if (onOpenPractice) {
        onOpenPractice();
    }
}

}  // namespace vorlane
