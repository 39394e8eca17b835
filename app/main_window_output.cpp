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

// A server that came back has the chosen destination again: the sound goes back to it at once.
void MainWindow::MidiSystemChanged() {
    if (services_.output != nullptr) {
        services_.output->Recheck();
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

void MainWindow::SetUpSoundMenu() {
    window.contextMenu = [this] { return SoundMenu(); };
    SoundGroup->liveMenu = [this] { return SoundMenu(); };
}

std::vector<ui::MenuItem> MainWindow::SoundMenu() {
    const LanguageTexts& texts = TextsFor(state.language);
    RoutedMidiOut* output = services_.output;
    const bool toDestination = output != nullptr && output->SendsToDestination();
    ui::MenuItem outputs{.text = std::string{texts.soundOutputMenu}};
    outputs.submenu.push_back({.text = std::string{texts.builtInSynthItem},
                               .onChoose = [this] { ChooseOutput(""); },
                               .checkable = true,
                               .checked = !toDestination});
    if (output != nullptr) {
        for (std::string& name : output->Destinations()) {
            const bool current = toDestination && name == output->Choice();
            outputs.submenu.push_back({.text = name,
                                       .onChoose = [this, name] { ChooseOutput(name); },
                                       .checkable = true,
                                       .checked = current});
        }
    }
    ui::MenuItem inputs{.text = std::string{texts.midiInputMenu}};
    if (MidiSources* sources = services_.inputs) {
        for (std::string& name : sources->Sources()) {
            const bool connected = sources->IsConnected(name);
            inputs.submenu.push_back(
                {.text = name,
                 .onChoose = [sources, name,
                              connected] { sources->SetConnected(name, !connected); },
                 .checkable = true,
                 .checked = connected});
        }
    }
    inputs.enabled = !inputs.submenu.empty();
    return {outputs, inputs};
}

}  // namespace vorlane
