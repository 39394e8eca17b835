#include "tests/support/recording_midi_out_port.h"

#include <algorithm>

namespace vorlane {

bool RecordingMidiOutPort::IsPresent(const std::string& destination) const {
    return std::find(present.begin(), present.end(), destination) != present.end();
}

bool RecordingMidiOutPort::Connect(const std::string& destination) {
    if (!IsPresent(destination)) {
        return false;
    }
    connected_ = destination;
    return true;
}

bool RecordingMidiOutPort::Send(const MidiMessage& message) {
    if (connected_.empty() || !IsPresent(connected_)) {
        return false;
    }
    deliveries.push_back({connected_, clock_ ? clock_() : 0, message});
    return true;
}

std::vector<RecordingMidiOutPort::Delivery> RecordingMidiOutPort::To(
    const std::string& destination) const {
    std::vector<Delivery> result;
    for (const Delivery& d : deliveries) {
        if (d.destination == destination) {
            result.push_back(d);
        }
    }
    return result;
}

}  // namespace vorlane
