#include "app/cli/listen.h"

#include <pthread.h>
#include <signal.h>

#include <iostream>
#include <thread>

#include "app/cli/identify.h"
#include "app/cli/lookup.h"
#include "app/cli/thread_event_loop.h"
#include "midi/rtmidi/rtmidi_input.h"
#include "practice/played_keys.h"

namespace vorlane::cli {

int RunListen(std::span<const std::string_view> args) {
    const NamingParse parse = ParseNamingArguments(args, false);
    if (parse.help) {
        std::cout << NamingUsageText();
        return kExitSuccess;
    }
    if (!parse.options) {
        std::cerr << parse.error << '\n';
        return kExitUsage;
    }
    const NamingOptions options = *parse.options;

    // The signals are taken by a thread of their own, before any other thread exists so that
    // every thread inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    ThreadEventLoop loop;
    PlayedKeys keys(loop, [&options](const NamedChord& chord) {
        std::cout << NamedChordLine(chord, options.language, options.spelling) << std::endl;
    });
    RtMidiInput input([&loop](std::function<void()> task) { loop.Post(std::move(task)); });
    if (!input.Open([&keys](const MidiMessage& message) { keys.Receive(message); })) {
        std::cerr << "vorlane-cli: no MIDI system: neither the ALSA sequencer nor a running JACK "
                     "server is available\n";
        return kExitNoChord;
    }
    std::thread signals([&loop, stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        loop.Quit();
    });
    loop.Run();
    input.Close();
    signals.join();
    return kExitSuccess;
}

}  // namespace vorlane::cli
