#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "tests/support/memory_chord_file_system.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_midi_out.h"
#include "tests/support/virtual_event_loop.h"

namespace vorlane::testing {

// Dialogs that answer from a script instead of asking a user.
class ScriptedDialogs final : public ui::Dialogs {
  public:
    // The next save dialog confirms this path, or is cancelled when it is none.
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<ui::SaveDialog> shownSaveDialogs;        // as each was when it opened
    std::deque<std::optional<std::string>> openAnswers;  // the same for open dialogs
    std::vector<ui::OpenDialog> shownOpenDialogs;
    std::vector<std::pair<std::string, std::string>> errors;
    std::vector<ui::AboutInfo> abouts;
    // Runs while each dialog is open, as the user takes their time (a nested event loop).
    std::function<void()> whileOpen;

    bool RunSaveDialog(ui::SaveDialog& dialog) override {
        shownSaveDialogs.push_back(dialog);
        WhileOpen();
        std::optional<std::string> answer;
        if (!saveAnswers.empty()) {
            answer = saveAnswers.front();
            saveAnswers.pop_front();
        }
        dialog.fileName = answer.value_or("");
        return answer.has_value();
    }
    bool RunOpenDialog(ui::OpenDialog& dialog) override {
        shownOpenDialogs.push_back(dialog);
        WhileOpen();
        std::optional<std::string> answer;
        if (!openAnswers.empty()) {
            answer = openAnswers.front();
            openAnswers.pop_front();
        }
        dialog.fileName = answer.value_or("");
        return answer.has_value();
    }
    void ShowError(std::string_view title, std::string_view text) override {
        errors.emplace_back(title, text);
        WhileOpen();
    }
    void ShowAbout(const ui::AboutInfo& about) override {
        abouts.push_back(about);
        WhileOpen();
    }

  private:
    void WhileOpen() const {
        if (whileOpen) {
            whileOpen();
        }
    }
};

inline constexpr const char* kHome = kMemoryHome;

// A real MainWindow on virtual time, with recording MIDI, scripted dialogs and in-memory stores.
class FormTest : public ::testing::Test {
  protected:
    ui::VirtualEventLoop loop;
    RecordingMidiOut midi{[this] { return loop.NowMs(); }};
    ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    MemoryChordFileSystem files;
    std::unique_ptr<MainWindow> form;
    RoutedMidiOut* output = nullptr;  // set before Build to route the sound
    MidiSources* inputs = nullptr;

    void Build() {
        files.AddDirectory(kHome);
        MidiOut& out = output != nullptr ? static_cast<MidiOut&>(*output) : midi;
        form = BuildMainWindow({out, loop, dialogs, settings, files, kHome, output, inputs});
    }
    // Builds the window and shows it, which runs the start-up sequence.
    void Start() {
        Build();
        form->window.Show();
    }
    void StartWith(std::string_view language, std::string_view sound, std::string_view octave) {
        settings.Set("Taal", language);
        settings.Set("Midi", sound);
        settings.Set("Octaaf", octave);
        Start();
    }

    void Click(ui::Control* control) { form->window.Click(*control); }
    ui::Control* Flat(int pitchClass) { return form->FlatRootButtons[std::size_t(pitchClass)]; }
    ui::Control* Sharp(int pitchClass) { return form->SharpRootButtons[std::size_t(pitchClass)]; }
    ui::Control* Variation(ChordType t) { return form->VariationButton(t); }

    // Keys under the visible markers, in marker order, found by where each marker stands
    // (0: on no key's spot).
    std::vector<KeyNumber> MarkedKeys() const {
        std::vector<KeyNumber> keys;
        for (const ui::Control* m : form->KeyMarkers) {
            if (m->visible) {
                keys.push_back(KeyUnder(*m));
            }
        }
        return keys;
    }
    static KeyNumber KeyUnder(const ui::Control& marker) {
        for (KeyNumber k = kLowestKey; k <= kHighestKey; ++k) {
            const MarkerPosition& at = KeyMarkerPositions[std::size_t(k)];
            if (at.x == marker.left && at.y == marker.top) {
                return k;
            }
        }
        return 0;
    }
    std::vector<std::string> MarkerTexts() const {
        std::vector<std::string> texts;
        for (const ui::Control* m : form->KeyMarkers) {
            if (m->visible) {
                texts.push_back(m->text);
            }
        }
        return texts;
    }
    // Note-on messages as (time, note).
    std::vector<std::pair<std::int64_t, int>> NoteOns() const {
        std::vector<std::pair<std::int64_t, int>> out;
        for (const auto& e : midi.Events()) {
            if (e.IsNoteOn()) {
                out.emplace_back(e.timeMs, e.message.data1);
            }
        }
        return out;
    }
    std::vector<std::int64_t> AllNotesOffTimes() const {
        std::vector<std::int64_t> out;
        for (const auto& e : midi.Events()) {
            if (e.kind == RecordingMidiOut::Kind::AllNotesOff) {
                out.push_back(e.timeMs);
            }
        }
        return out;
    }
    // The program numbers sent, in order.
    std::vector<int> Programs() const {
        std::vector<int> out;
        for (const auto& e : midi.Events()) {
            if (e.IsProgramChange()) {
                out.push_back(e.message.data1);
            }
        }
        return out;
    }
};

}  // namespace vorlane::testing
