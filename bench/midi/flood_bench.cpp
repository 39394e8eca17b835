// A MIDI flood into the real window on a private JACK server: a stand-in keyboard sends
// note-ons and note-offs at RATE messages a second for SECONDS while a click on a chord button
// is posted every 200 ms from another thread; each click's answer time (from posting to its
// handler) and the resident memory are sampled. Targets: every click answered within 100 ms,
// memory back within 5 MB of its start within 2 s after the flood.
//
//   build/dev/bench/midi/bench_midi_flood [RATE [SECONDS]]     (default 20000 60)

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "bench/midi/flood_window.h"
#include "tests/support/jack_server.h"
#include "ui/qt/qt_event_loop.h"
#include "ui/qt/qt_window_view.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double ResidentMiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
        }
    }
    return -1;
}

struct Click {
    double postedAt = 0;  // seconds since the flood started
    double answerMs = -1;
};

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int rate = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    if (!vorlane::testing::JackServer::Installed()) {
        std::printf("jackd is not installed: nothing measured\n");
        return 1;
    }
    vorlane::testing::JackServer server(VORLANE_BENCH_SEED, VORLANE_JACK_KEYBOARD);
    auto keyboard = server.StandIn("flood-keys");
    if (!keyboard) {
        std::printf("the stand-in keyboard did not start\n");
        return 1;
    }
    QApplication application(argc, argv);
    vorlane::bench::FloodWindow app;
    app.view->show();
    (void)QTest::qWaitForWindowExposed(app.view.get());
    keyboard->Say("wait-connected 3000");
    while (keyboard->ReadLine(10ms) != "connected") {
        QApplication::processEvents();
    }

    // Each click on a chord button is recorded by the button's own handler.
    std::mutex mutex;
    std::vector<Click> clicks;
    const Clock::time_point start = Clock::now();
    std::vector<vorlane::ui::Control*> buttons(app.form->VariationButtons.begin(),
                                               app.form->VariationButtons.end());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto handler = buttons[i]->onClick;
        buttons[i]->onClick = [&, handler] {
            handler();
            std::lock_guard lock(mutex);
            for (Click& c : clicks) {
                if (c.answerMs < 0) {
                    c.answerMs = (SecondsSince(start) - c.postedAt) * 1000.0;
                    break;
                }
            }
        };
    }
    std::atomic<bool> clicking{true};
    std::thread clicker([&] {
        for (int n = 0; clicking; ++n) {
            {
                std::lock_guard lock(mutex);
                clicks.push_back({SecondsSince(start)});
            }
            QWidget* widget = app.view->WidgetFor(*buttons[std::size_t(n) % buttons.size()]);
            QMetaObject::invokeMethod(
                widget, [widget] { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(30, 11)); },
                Qt::QueuedConnection);
            std::this_thread::sleep_for(200ms);
        }
    });

    std::vector<std::pair<double, double>> memory;  // (seconds, MiB)
    const double before = ResidentMiB();
    memory.emplace_back(0, before);
    keyboard->Say("flood " + std::to_string(rate) + " " + std::to_string(seconds));
    double floodEnd = -1;
    double nextSample = 1;
    // A consumer that blocks in JACK's cycle slows the whole server down: give up at some point.
    const double giveUp = seconds * 3.0 + 30.0;
    while ((floodEnd < 0 && SecondsSince(start) < giveUp) ||
           (floodEnd >= 0 && SecondsSince(start) < floodEnd + 2.0)) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (floodEnd < 0) {
            if (auto line = keyboard->ReadLine(5ms)) {
                floodEnd = SecondsSince(start);
                std::printf("keyboard: %s after %.1f s\n", line->c_str(), floodEnd);
            }
        }
        if (SecondsSince(start) >= nextSample) {
            memory.emplace_back(SecondsSince(start), ResidentMiB());
            nextSample += 1;
        }
    }
    if (floodEnd < 0) {
        std::printf("the flood did not end within %.0f s: the input held up the server\n", giveUp);
        floodEnd = SecondsSince(start);
    }
    const double after = ResidentMiB();
    memory.emplace_back(SecondsSince(start), after);
    clicking = false;
    // The clicks still waiting are answered by the backlog; give them up to a minute.
    const Clock::time_point waitEnd = Clock::now() + 60s;
    auto allAnswered = [&] {
        std::lock_guard lock(mutex);
        return std::all_of(clicks.begin(), clicks.end(),
                           [](const Click& c) { return c.answerMs >= 0; });
    };
    while (!allAnswered() && Clock::now() < waitEnd) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    clicker.join();
    QApplication::processEvents();

    std::printf("memory (s: MiB):");
    for (const auto& [at, mib] : memory) {
        std::printf(" %.0f:%.1f", at, mib);
    }
    std::printf("\n");
    std::vector<double> during;
    int unanswered = 0;
    for (const Click& c : clicks) {
        if (c.answerMs < 0) {
            ++unanswered;
        } else if (c.postedAt <= floodEnd) {
            during.push_back(c.answerMs);
        }
    }
    std::sort(during.begin(), during.end());
    if (!during.empty()) {
        std::printf(
            "click answer during the flood: median %.1f ms, 95th %.1f ms, max %.1f ms over %zu "
            "clicks (target: all <= 100 ms)\n",
            during[during.size() / 2], during[during.size() * 95 / 100], during.back(),
            during.size());
    }
    std::printf("clicks never answered: %d\n", unanswered);
    std::printf(
        "resident memory: %.1f MiB before, %.1f MiB 2 s after the flood (target: within 5 MB)\n",
        before, after);
    std::printf("live messages sent to the synth: %ld\n", app.Sent());
    return 0;
}
