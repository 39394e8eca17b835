#pragma once

#include "app/practice_session.h"
#include "tests/support/memory_record_files.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_midi_out.h"
#include "tests/support/virtual_event_loop.h"

namespace vorlane::testing {

inline constexpr const char* kRecordPath = "/home/player/.local/share/Vorlane/practice-record.txt";

// Everything a practice session is built with, in memory and on virtual time.
struct PracticeStandIns {
    ui::VirtualEventLoop loop;
    RecordingMidiOut midi{[this] { return loop.NowMs(); }};
    MemorySettingsStore settings;
    MemoryRecordFiles files;
    SoundMode soundMode = SoundMode::NoSound;

    PracticeStandIns() { midi.Open(); }

    PracticeServices Services(std::uint32_t seed = 5) {
        return {midi, loop, settings, files, kRecordPath, [this] { return soundMode; }, seed};
    }
};

}  // namespace vorlane::testing
