#include <utility>

#include "app/main_window.h"
#include "i18n/midi_texts.h"
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
    FollowOutputStatus();
}

void MainWindow::RestoreOutput(const std::string& destination) {
    // A stored destination that is absent now plays through the synth until it appears.
    if (services_.output != nullptr) {
        services_.output->Choose(destination);
        WatchOutput();
        FollowOutputStatus();
    }
}

// A server that came back has the chosen destination again: the sound goes back to it at once.
void MainWindow::MidiSystemChanged() {
    if (services_.output != nullptr) {
        services_.output->Recheck();
    }
    FollowOutputStatus();
}

// The output changes on its own (a failed write, an echo, the input's thread): the window
// looks at it after its own sends and on the output's watch, and tells each change once.
void MainWindow::FollowOutputStatus() {
    if (services_.output == nullptr) {
        return;
    }
    const RoutedMidiOut::Status now = services_.output->CurrentStatus();
    const RoutedMidiOut::Status before = std::exchange(outputStatus_, now);
    if (now == before) {
        return;
    }
    if (now.choice != before.choice) {
        midiNotice_ = MidiNotice::None;  // the user chose: nothing to tell
    } else if (now.echoing && !before.echoing) {
        midiNotice_ = MidiNotice::OutputEchoes;
    } else if (before.external && !now.external) {
        midiNotice_ = MidiNotice::OutputGone;
    } else if (!before.external && now.external && midiNotice_ == MidiNotice::OutputGone) {
        midiNotice_ = MidiNotice::OutputBack;
    }
    ShowMidiNotice();
}

void MainWindow::ShowMidiNotice() {
    const MidiTexts& texts = MidiTextsFor(state.language);
    std::string_view text;
    switch (midiNotice_) {
        case MidiNotice::None:
            break;
        case MidiNotice::OutputGone:
            text = texts.outputGone;
            break;
        case MidiNotice::OutputBack:
            text = texts.outputBack;
            break;
        case MidiNotice::OutputEchoes:
            text = texts.outputEchoes;
            break;
    }
    MidiNoticeLabel->text = text.empty() ? std::string{} : WithPort(text, outputStatus_.choice);
    MidiNoticeLabel->hint = MidiNoticeLabel->text;  // the whole line, when two do not hold it
    MidiNoticeLabel->visible = !text.empty();
}

std::string MainWindow::MidiSystemStatus() {
    const MidiTexts& texts = MidiTextsFor(state.language);
    const MidiSystemKind kind =
        services_.inputs != nullptr ? services_.inputs->System() : MidiSystemKind::None;
    std::string_view name = texts.noSystem;
    if (kind == MidiSystemKind::AlsaSequencer) {
        name = texts.alsaSequencer;
    } else if (kind == MidiSystemKind::Jack) {
        name = texts.jack;
    }
    return std::string{texts.systemCaption} + std::string{name};
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
            FollowOutputStatus();
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
    // Says why the inputs may be empty; nothing to choose.
    ui::MenuItem system{.text = MidiSystemStatus(), .onChoose = [] {}, .enabled = false};
    return {outputs, inputs, system};
}

}  // namespace vorlane
