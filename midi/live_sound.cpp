#include "midi/live_sound.h"

namespace vorlane {

void LiveSound::Play(const MidiMessage& played) {
    const std::uint8_t data1 = played.data1 & kDataMask;
    const std::uint8_t data2 = played.data2 & kDataMask;
    if (played.IsNoteOn()) {
        const int program = program_.load();
        if (program != sentProgram_) {
            out_.SendLive(ProgramChangeMessage(kLiveChannel, std::uint8_t(program)));
            sentProgram_ = program;
        }
        out_.SendLive(NoteOnMessage(kLiveChannel, data1, data2));
    } else if (played.IsNoteOff()) {
        out_.SendLive(NoteOffMessage(kLiveChannel, data1));
    } else if (played.Kind() == kControlChangeStatus &&
               (data1 == kSustainController || data1 == kAllNotesOffController ||
                data1 == kAllSoundOffController)) {
        out_.SendLive(ControlChangeMessage(kLiveChannel, data1, data2));
    }
}

}  // namespace vorlane
