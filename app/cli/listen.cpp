#include "app/cli/listen.h"

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <iostream>
#include <mutex>
#include <thread>

#include "app/cli/identify.h"
#include "app/cli/lookup.h"
#include "app/cli/thread_event_loop.h"
#include "i18n/midi_texts.h"
#include "midi/rtmidi/midi_connection.h"
#include "practice/played_input.h"
#include "practice/played_keys.h"

namespace vorlane::cli {

namespace {

std::string SystemName(MidiSystemKind kind) {
    const MidiTexts& texts = MidiTextsFor(Language::English);
    switch (kind) {
        case MidiSystemKind::AlsaSequencer:
            return std::string{texts.alsaSequencer};
        case MidiSystemKind::Jack:
            return std::string{texts.jack};
        case MidiSystemKind::None:
            break;
    }
    return std::string{texts.noSystem};
}

// Tells on standard error what the input is connected to, each time that changes.
class ConnectionReport {
  public:
    void Tell(MidiConnection& connection) {
        const MidiSystemKind kind = connection.System();
        const std::vector<std::string> sources = connection.ConnectedSources();
        const std::lock_guard lock(mutex_);
        if (told_ && kind == kind_ && sources == sources_) {
            return;
        }
        if (kind == MidiSystemKind::None) {
            std::cerr << "vorlane-cli: the MIDI system went away; waiting for it to come back\n";
        } else {
            std::cerr << "vorlane-cli: listening on " << SystemName(kind) << " as "
                      << connection.InputPort() << "; ";
            if (sources.empty()) {
                std::cerr << "no source connected yet";
            } else {
                std::cerr << "connected to";
                for (const std::string& source : sources) {
                    std::cerr << ' ' << source;
                }
            }
            std::cerr << '\n';
        }
        told_ = true;
        kind_ = kind;
        sources_ = sources;
    }

  private:
    std::mutex mutex_;
    bool told_ = false;
    MidiSystemKind kind_ = MidiSystemKind::None;
    std::vector<std::string> sources_;
};

}  // namespace

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
    PlayedKeys keys(loop, [&options](const PlayedKeys::Settled& settled) {
        if (settled.chord) {
            std::cout << NamedChordLine(*settled.chord, options.language, options.spelling)
                      << std::endl;
        }
    });
    PlayedInput played(loop, {.onUpdate = [&keys](const PlayedInput::Update& update) {
                           keys.Update(update.held, update.pressed, update.changedAtMs);
                       }});
    ConnectionReport report;
    std::atomic<MidiConnection*> reported{nullptr};
    MidiConnection input([&report, &reported] {
        if (MidiConnection* connection = reported.load()) {
            report.Tell(*connection);
        }
    });
    for (const std::string& source : options.connect) {
        input.SetConnected(source, true);  // connected as soon as it is there
    }
    if (!input.StartNow() || !input.Open(played)) {
        std::cerr << "vorlane-cli: no MIDI system: neither the ALSA sequencer nor a running JACK "
                     "server is available\n";
        return kExitNoChord;
    }
    reported = &input;
    report.Tell(input);
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
