#include "tests/app/soak.h"

#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <sstream>

#include "app/main_window.h"
#include "settings/chord_list.h"
#include "tests/support/memory_chord_file_system.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_midi_out.h"
#include "tests/support/virtual_event_loop.h"

namespace vorlane::testing {
namespace {

constexpr const char* kGoodPath = "/home/player/chords.txt";
constexpr const char* kMissingFolderPath = "/nowhere/chords.txt";

enum class Act : std::uint32_t {
    ClickAny,
    ClickCommand,  // Remember, Save or Info, which the random control rarely hits
    ChooseInversion,
    RequestClose,
    Advance,
    ScriptDialog,
    FailFiles,
    FailSettings,
    Count
};

enum class Answer { Save, Cancel, MissingFolder };

constexpr std::uint32_t kActKinds = static_cast<std::uint32_t>(Act::Count);
Act KindOf(std::uint32_t a) {
    return static_cast<Act>(a % kActKinds);
}
std::uint32_t ParamOf(std::uint32_t a) {
    return a / kActKinds;
}

struct Dialogs final : ui::Dialogs {
    Answer answer = Answer::Save;
    std::int64_t openForMs = 0;            // virtual time the user keeps each dialog open
    std::function<void()> closeWhileOpen;  // set: the window is asked to close under the dialog
    ui::VirtualEventLoop* loop = nullptr;
    int errors = 0;

    bool RunOpenDialog(ui::OpenDialog&) override { return false; }
    bool RunSaveDialog(ui::SaveDialog& dialog) override {
        WhileOpen();
        switch (answer) {
            case Answer::Cancel:
                return false;
            case Answer::MissingFolder:
                dialog.fileName = kMissingFolderPath;
                break;
            case Answer::Save:
                dialog.fileName = kGoodPath;
                break;
        }
        return true;
    }
    void ShowError(std::string_view, std::string_view) override {
        ++errors;
        WhileOpen();
    }
    void ShowAbout(const ui::AboutInfo&) override { WhileOpen(); }
    void WhileOpen() const {
        if (closeWhileOpen) {
            closeWhileOpen();
        }
        if (openForMs > 0) {
            loop->AdvanceBy(openForMs);
        }
    }
};

// The remembered list as it would be saved now.
std::string ListText(const MainWindow& f) {
    return ChordListText(f.rememberedChords.Chords(), f.LanguageFromButtons());
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = text.find(LineEnd, from);
        if (end == std::string::npos) {
            lines.push_back("<unterminated>" + text.substr(from));
            break;
        }
        lines.push_back(text.substr(from, end - from));
        from = end + LineEnd.size();
    }
    return lines;
}

class Session {
  public:
    Session() {
        files_.AddDirectory(kMemoryHome);
        dialogs_.loop = &loop_;
        Open();
    }

    // Runs one action; the failure found by the checks after it, if any.
    std::optional<std::string> Step(std::uint32_t a) {
        const std::uint32_t p = ParamOf(a);
        const bool noSoundBefore = form_->player.Mode() == SoundMode::NoSound;
        const std::size_t eventsBefore = midi_.Events().size();
        std::optional<std::string> failure;
        switch (KindOf(a)) {
            case Act::ClickAny: {
                const auto& all = form_->window.Controls();
                failure = Click(*all[p % all.size()]);
                break;
            }
            case Act::ClickCommand: {
                ui::Control* const commands[] = {form_->RememberButton, form_->SaveButton,
                                                 form_->InfoButton};
                failure = Click(*commands[p % 3]);
                break;
            }
            case Act::ChooseInversion: {
                ui::Control& list = *form_->InversionSelector;
                if (!list.items.empty()) {
                    form_->window.ChooseItem(list, static_cast<int>(p % list.items.size()));
                }
                break;
            }
            case Act::RequestClose:
                form_->window.RequestClose();
                break;
            case Act::Advance:
                loop_.AdvanceBy(p % 4000);
                break;
            case Act::ScriptDialog:
                dialogs_.answer = static_cast<Answer>(p % 3);
                dialogs_.openForMs = (p / 3) % 2 == 0 ? 0 : 5000;
                dialogs_.closeWhileOpen = nullptr;
                if ((p / 6) % 4 == 0) {
                    dialogs_.closeWhileOpen = [this] { form_->window.RequestClose(); };
                }
                break;
            case Act::FailFiles:
                files_.SetFailWrites(p % 2 == 1);
                break;
            case Act::FailSettings:
                settings_.SetFailWrites(p % 2 == 1);
                break;
            case Act::Count:
                break;
        }
        loop_.AdvanceBy(0);  // what is due now; arpeggios go on in virtual time
        if (!failure) {
            failure = Check(noSoundBefore, eventsBefore);
        }
        if (!failure && form_->window.IsClosed()) {
            Open();  // the user starts the program again on the same stores
        }
        return failure;
    }

  private:
    void Open() {
        form_.reset();
        closes_ = 0;
        form_ = BuildMainWindow({midi_, loop_, dialogs_, settings_, files_, kMemoryHome});
        form_->window.onClosed = [this] {
            ++closes_;
            closedWhilePlaying_ = form_->player.Playing();
            closedUnderDialog_ = form_->openDialogs > 0;
        };
        form_->window.Show();
        loop_.AdvanceBy(0);  // what is due now; arpeggios go on in virtual time
    }

    std::optional<std::string> Click(ui::Control& c) {
        MainWindow& f = *form_;
        if (!c.enabled || !c.visible) {
            const std::string line = f.ChordLineLabel->text;
            const std::string list = ListText(f);
            const std::size_t events = midi_.Events().size();
            f.window.Click(c);
            if (line != f.ChordLineLabel->text || list != ListText(f) ||
                events != midi_.Events().size() || f.window.IsClosed()) {
                return "a click on the disabled " + c.name + " did something";
            }
            return std::nullopt;
        }
        if (&c == f.RememberButton) {
            const std::string line = f.ChordLineLabel->text;
            const std::size_t count = f.rememberedChords.Size();
            f.window.Click(c);
            const std::vector<std::string> lines = Lines(ListText(f));
            if (f.rememberedChords.Size() != count + 1 || lines.empty() || lines.back() != line) {
                return "Remember did not append the chord line \"" + line + "\"";
            }
            return std::nullopt;
        }
        if (&c == f.SaveButton) {
            const std::string bytes =
                ChordListFileBytes(f.rememberedChords.Chords(), f.LanguageFromButtons());
            const std::optional<std::string> before = files_.FileContent(kGoodPath);
            const int errors = dialogs_.errors;
            const Answer answer = dialogs_.answer;
            f.window.Click(c);
            const std::optional<std::string> after = files_.FileContent(kGoodPath);
            const bool reportedError = dialogs_.errors != errors;
            if (answer == Answer::Save && !reportedError && after != bytes) {
                return "a save reported success without writing the list's exact bytes";
            }
            if (answer != Answer::Save && after != before) {
                return "a cancelled or misdirected save changed the file";
            }
            if (answer == Answer::MissingFolder && !reportedError) {
                return "a save into a missing folder reported success";
            }
            if (reportedError && after != before) {
                return "a failed save changed the existing file";
            }
            return std::nullopt;
        }
        f.window.Click(c);
        return std::nullopt;
    }

    std::optional<std::string> Check(bool noSoundBefore, std::size_t eventsBefore) {
        if (closes_ > 1) {
            return "the window closed twice";
        }
        if (closes_ == 1 && (closedWhilePlaying_ || closedUnderDialog_)) {
            return "the window closed while an arpeggio played or a dialog was open";
        }
        const MainWindow& f = *form_;
        if (closes_ == 0 && f.closeRequested && !f.player.Playing() && f.openDialogs == 0) {
            return "a requested close never happened";
        }
        const auto& events = midi_.Events();
        if (noSoundBefore && f.player.Mode() == SoundMode::NoSound) {
            for (std::size_t i = eventsBefore; i < events.size(); ++i) {
                if (events[i].IsNoteOn()) {
                    return "a note-on went out with no sound chosen";
                }
            }
        }
        // The markers show exactly the chord's tones as placed.
        for (std::size_t slot = 0; slot < f.KeyMarkers.size(); ++slot) {
            const ui::Control& marker = *f.KeyMarkers[slot];
            const ShownTone* tone = nullptr;
            for (const ShownTone& t : f.state.tones) {
                if (t.slot == static_cast<int>(slot)) {
                    tone = &t;
                }
            }
            if (marker.visible != (tone != nullptr)) {
                return "marker " + std::to_string(slot) +
                       " visible=" + std::to_string(marker.visible) +
                       " disagrees with the chord's tones";
            }
            if (tone != nullptr && f.MarkerKey(marker) != tone->key) {
                return "marker " + std::to_string(slot) + " stands off its tone's key";
            }
        }
        // The groups are locked exactly while an arpeggio plays.
        for (const ui::Control* group :
             {f.ScaleGroup, f.VariationGroup, f.SoundGroup, f.LanguageGroup}) {
            for (const ui::Control* c : f.window.DescendantsOf(group)) {
                const bool lockable =
                    c->kind == ui::ControlKind::RadioButton || c->kind == ui::ControlKind::CheckBox;
                if (lockable && c->enabled == f.player.Playing()) {
                    return c->name + (f.player.Playing() ? " is enabled during an arpeggio"
                                                         : " stays disabled with no arpeggio");
                }
            }
        }
        // The remembered list reads back as header, underline, empty line and its entries.
        const std::vector<std::string> lines = Lines(ListText(f));
        if (lines.size() < 3 || lines[1] != ChordListUnderline(lines[0]) || !lines[2].empty() ||
            lines.size() - 3 != f.rememberedChords.Size()) {
            return "the remembered list does not parse back to its entries";
        }
        for (std::size_t i = 3; i < lines.size(); ++i) {
            if (lines[i].empty() || lines[i].find('\r') != std::string::npos) {
                return "remembered entry " + std::to_string(i - 3) + " is malformed";
            }
        }
        return std::nullopt;
    }

    ui::VirtualEventLoop loop_;
    RecordingMidiOut midi_{[this] { return loop_.NowMs(); }};
    Dialogs dialogs_;
    MemorySettingsStore settings_;
    MemoryChordFileSystem files_;
    std::unique_ptr<MainWindow> form_;
    int closes_ = 0;
    bool closedWhilePlaying_ = false;
    bool closedUnderDialog_ = false;
};

}  // namespace

std::vector<std::uint32_t> SoakActions(std::uint64_t seed, std::size_t count) {
    std::mt19937_64 random(seed);
    std::vector<std::uint32_t> actions(count);
    for (std::uint32_t& a : actions) {
        a = static_cast<std::uint32_t>(random());
    }
    return actions;
}

std::vector<SoakFailure> RunSoak(const std::vector<std::uint32_t>& actions) {
    Session session;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (std::optional<std::string> failure = session.Step(actions[i])) {
            return {{i, *failure}};
        }
    }
    return {};
}

std::string DescribeSoakAction(std::uint32_t a) {
    static constexpr const char* kNames[] = {
        "click control", "click command",  "choose inversion", "request close",
        "advance time",  "script dialogs", "fail file writes", "fail settings writes"};
    std::ostringstream out;
    out << kNames[a % kActKinds] << " #" << ParamOf(a);
    return out.str();
}

std::vector<std::uint32_t> ShrinkSoak(std::vector<std::uint32_t> actions) {
    std::vector<SoakFailure> failure = RunSoak(actions);
    if (failure.empty()) {
        return {};
    }
    actions.resize(failure[0].action + 1);
    for (std::size_t i = actions.size(); i-- > 0;) {
        std::vector<std::uint32_t> fewer = actions;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
        if (!RunSoak(fewer).empty()) {
            actions = std::move(fewer);
        }
    }
    return actions;
}

}  // namespace vorlane::testing
