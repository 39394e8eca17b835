#include "app/main_window.h"
#include "settings/settings_rules.h"

namespace vorlane {

namespace {

// How often a chosen destination is looked for; a destination that comes back is playing again
// within twice this.
constexpr std::int64_t kOutputWatchMs = 1000;

}  // namespace

void MainWindow::ChooseOutput(const std::string& destination) {
    if (services_.output == nullptr) {
        return;
    }
    services_.output->Choose(destination);
    StoreOutput(services_.settings, destination);
    WatchOutput();
}

void MainWindow::RestoreOutput(const std::string& destination) {
    // A stored destination that is absent now plays through the synth until it appears.
    if (services_.output != nullptr) {
        services_.output->Choose(destination);
        WatchOutput();
    }
}

void MainWindow::WatchOutput() {
    if (outputWatched_ || services_.output->Choice().empty()) {
        return;
    }
    outputWatched_ = true;
    RunLater(kOutputWatchMs, [this] {
        outputWatched_ = false;
        if (!window.IsClosed()) {
            services_.output->Recheck();
            WatchOutput();
        }
    });
}

}  // namespace vorlane
