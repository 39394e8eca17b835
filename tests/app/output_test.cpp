#include <cstdio>
#include <functional>

#include "settings/settings_rules.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/fake_midi_sources.h"
#include "tests/support/recording_midi_out_port.h"

namespace vorlane::testing {
namespace {

using Lines = std::vector<std::string>;

// The window sounding through an output port with two instruments attached.
class OutputTest : public FormTest {
  protected:
    RecordingMidiOutPort port{[this] { return loop.NowMs(); }};
    RoutedMidiOut routed{midi, &port};

    void SetUp() override {
        port.present = {"Stage Piano:in", "Synth:in"};
        output = &routed;
    }
    void StartRouted(std::string_view sound, std::string_view destination) {
        settings.Set(OutputValueName, destination);
        StartWith("Engels", sound, "Laag");
    }
    // What reached a destination, one "time: bytes" line per message, times from start.
    Lines At(const std::string& destination, std::int64_t start) const {
        Lines lines;
        for (const auto& d : port.To(destination)) {
            char line[32];
            const MidiMessage& m = d.message;
            std::snprintf(line, sizeof line, "%lld: %02X %d",
                          static_cast<long long>(d.timeMs - start), m.status, m.data1);
            lines.emplace_back(m.Kind() != kProgramChangeStatus
                                   ? std::string(line) + " " + std::to_string(m.data2)
                                   : std::string(line));
        }
        return lines;
    }
    // A submenu's items, "[x] " before the checked ones.
    static Lines Shown(const ui::MenuItem& menu) {
        Lines lines;
        for (const ui::MenuItem& item : menu.submenu) {
            lines.push_back((item.checked ? "[x] " : "[ ] ") + item.text);
        }
        return lines;
    }
};

TEST_F(OutputTest, EverySoundModeReachesTheDestinationWithItsTimingAndEndsCleanly) {
    StartRouted("Hammond", "Stage Piano:in");
    EXPECT_EQ(port.Connected(), "Stage Piano:in");
    Click(Flat(2));  // D major
    EXPECT_EQ(At("Stage Piano:in", 0),
              (Lines{"0: C0 16", "0: 90 50 127", "0: 90 54 127", "0: 90 57 127"}));

    port.deliveries.clear();
    const std::int64_t start = loop.NowMs();
    Click(form->PianoArpeggioButton);
    loop.AdvanceBy(2500);
    const Lines offs = {"2000: 80 50 0", "2000: 80 54 0", "2000: 80 57 0", "2000: B0 123 0"};
    Lines piano = {"0: 80 50 0",  "0: 80 54 0", "0: 80 57 0",   "0: B0 123 0",    "0: C0 0",
                   "0: B0 123 0", "0: C0 0",    "0: 90 50 127", "400: 90 54 127", "800: 90 57 127"};
    piano.insert(piano.end(), offs.begin(), offs.end());
    piano.push_back("2000: C0 0");
    EXPECT_EQ(At("Stage Piano:in", start), piano);

    port.deliveries.clear();
    Click(form->GuitarArpeggioButton);
    loop.AdvanceBy(1500);
    const Lines guitar = At("Stage Piano:in", loop.NowMs() - 1500);
    ASSERT_EQ(guitar.size(), 12u);
    EXPECT_EQ(Lines(guitar.begin() + 4, guitar.begin() + 7),
              (Lines{"0: 90 50 127", "100: 90 54 127", "200: 90 57 127"}));
    EXPECT_EQ(guitar[10], "1100: B0 123 0");

    EXPECT_TRUE(NoteOns().empty()) << "the built-in synth stays silent";

    // An organ chord left sounding is ended when the window closes.
    Click(form->HammondButton);
    port.deliveries.clear();
    EXPECT_TRUE(form->window.RequestClose());
    EXPECT_EQ(At("Stage Piano:in", loop.NowMs()),
              (Lines{"0: 80 50 0", "0: 80 54 0", "0: 80 57 0", "0: B0 123 0"}));
}

TEST_F(OutputTest, SwitchingMidArpeggioSilencesTheOldOutputAndTheRestPlaysOnTheNew) {
    StartRouted("Piano", "Stage Piano:in");
    const std::int64_t start = loop.NowMs();
    Click(Flat(2));
    loop.AdvanceBy(500);  // two notes sound
    midi.Clear();
    port.deliveries.clear();
    form->ChooseOutput("Synth:in");
    EXPECT_EQ(settings.Values().at("MidiUit"), "Synth:in");
    EXPECT_EQ(At("Stage Piano:in", start),
              (Lines{"500: 80 50 0", "500: 80 54 0", "500: B0 123 0"}));
    loop.AdvanceBy(1000);
    EXPECT_EQ(At("Synth:in", start), (Lines{"500: C0 0", "800: 90 57 127"}));

    form->ChooseOutput("");
    EXPECT_EQ(At("Synth:in", start).back(), "1500: B0 123 0");
    EXPECT_EQ(port.Connected(), "");
    loop.RunUntilIdle();  // nothing is watched for the built-in synth
    EXPECT_EQ(settings.Values().at("MidiUit"), "");
    EXPECT_EQ(Programs(), (std::vector<int>{0, 0})) << "the synth takes over the instrument";
    EXPECT_EQ(AllNotesOffTimes(), (std::vector<std::int64_t>{start + 2000}));
}

TEST_F(OutputTest, AbsentOrVanishingDestinationFallsBackAndReturnsWithinTwoSeconds) {
    port.present = {"Synth:in"};
    StartRouted("Hammond", "Stage Piano:in");
    EXPECT_EQ(port.Connected(), "");
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(settings.Writes(),
              (std::vector<std::pair<std::string, std::string>>{{"Midi", "Hammond"}}));
    EXPECT_EQ(form->SoundModeButton(SoundMode::HammondOrgan)->checked, true);
    Click(Flat(2));
    EXPECT_EQ(NoteOns().size(), 3u) << "the synth plays meanwhile";

    port.present.push_back("Stage Piano:in");
    loop.AdvanceBy(2000);
    EXPECT_EQ(port.Connected(), "Stage Piano:in");
    EXPECT_EQ(At("Stage Piano:in", 0), (Lines{"1000: C0 16"}));
    EXPECT_EQ(AllNotesOffTimes().back(), 1000)
        << "the synth's chord ends when the instrument returns";

    // Unplugged while chosen: the very next message goes to the synth.
    Click(Flat(4));
    port.present = {"Synth:in"};
    midi.Clear();
    Click(Flat(5));
    EXPECT_EQ(Programs(), (std::vector<int>{16, 16}));
    EXPECT_EQ(NoteOns(),
              (std::vector<std::pair<std::int64_t, int>>{{2000, 53}, {2000, 57}, {2000, 60}}));
    port.present.push_back("Stage Piano:in");
    loop.AdvanceBy(1000);
    EXPECT_EQ(port.Connected(), "Stage Piano:in");
    EXPECT_EQ(settings.Values().at("MidiUit"), "Stage Piano:in");
}

TEST_F(OutputTest, LiveNotesFollowTheChoiceAndAHeldPedalIsLiftedWhenTheyLeave) {
    StartRouted("GeenMidi", "Synth:in");
    port.deliveries.clear();
    routed.Send(ProgramChangeMessage(1, 0));
    routed.Send(ControlChangeMessage(1, kSustainController, 127));
    routed.Send(NoteOnMessage(1, 60, 90));
    midi.Clear();
    form->ChooseOutput("");
    EXPECT_EQ(At("Synth:in", 0), (Lines{"0: C1 0", "0: B1 64 127", "0: 91 60 90", "0: B1 64 0",
                                        "0: 81 60 0", "0: B1 123 0"}));
    ASSERT_EQ(midi.Events().size(), 1u) << "the synth gets the live instrument back";
    EXPECT_EQ(midi.Events()[0].message, (RecordingMidiOut::Message{0xC1, 0, 0}));
}

TEST_F(OutputTest, SoundMenuListsChecksAndSwitchesOutputsAndInputsInEveryLanguage) {
    FakeMidiSources sources;
    sources.present = {"Keys:out", "Pads:out"};
    sources.connected = {"Keys:out"};
    inputs = &sources;
    StartRouted("Hammond", "");
    std::vector<ui::MenuItem> menu = form->window.contextMenu();
    ASSERT_EQ(menu.size(), 3u);
    EXPECT_EQ(menu[0].text, "Sound output");
    EXPECT_EQ(Shown(menu[0]), (Lines{"[x] Built-in synth", "[ ] Stage Piano:in", "[ ] Synth:in"}));
    EXPECT_EQ(menu[1].text, "MIDI input");
    EXPECT_EQ(Shown(menu[1]), (Lines{"[x] Keys:out", "[ ] Pads:out"}));
    EXPECT_EQ(menu[2].text, "MIDI system: JACK");
    EXPECT_FALSE(menu[2].enabled);
    menu[0].submenu[2].onChoose();
    menu[1].submenu[0].onChoose();
    menu[1].submenu[1].onChoose();
    EXPECT_EQ(port.Connected(), "Synth:in");
    EXPECT_EQ(sources.connected, (Lines{"Pads:out"}));

    Click(form->FrenchButton);
    menu = form->SoundGroup->liveMenu();
    EXPECT_EQ(menu[0].text, "Sortie du son");
    EXPECT_EQ(Shown(menu[0]), (Lines{"[ ] Synthé intégré", "[ ] Stage Piano:in", "[x] Synth:in"}));
    EXPECT_EQ(menu[1].text, "Entrée MIDI");
    sources.system = MidiSystemKind::AlsaSequencer;
    EXPECT_EQ(form->SoundMenu()[2].text, "Système MIDI : séquenceur ALSA");
    menu[0].submenu[0].onChoose();
    EXPECT_EQ(port.Connected(), "");

    Click(form->DutchButton);
    sources.present.clear();
    menu = form->window.contextMenu();
    EXPECT_EQ(menu[0].text, "Geluidsuitvoer");
    EXPECT_EQ(Shown(menu[0]).front(), "[x] Ingebouwde synth");
    EXPECT_EQ(menu[1].text, "MIDI-invoer");
    EXPECT_FALSE(menu[1].enabled) << "no source to list";
    sources.system = MidiSystemKind::None;
    EXPECT_EQ(form->SoundMenu()[2].text, "MIDI-systeem: geen: geen MIDI-systeem gevonden");
}

// What becomes of the chosen output is told once in the notice line, in the window's language:
// gone (the synth plays), back and playing again, echoing; a new choice clears it.
TEST_F(OutputTest, TheNoticeLineTellsWhatBecameOfTheChosenOutput) {
    struct Step {
        const char* what;
        std::function<void()> happen;
        std::string notice;  // empty: the line is hidden
    };
    const std::vector<Step> steps = {
        {"chosen and playing", [] {}, ""},
        {"unplugged: the next chord finds it gone",
         [this] {
             port.present = {"Synth:in"};
             Click(Flat(2));
         },
         "Stage Piano:in is gone; playing on the built-in synth"},
        {"still gone, more chords", [this] { Click(Flat(4)); },
         "Stage Piano:in is gone; playing on the built-in synth"},
        {"plugged in again: the watch finds it",
         [this] {
             port.present.push_back("Stage Piano:in");
             loop.AdvanceBy(1000);
         },
         "Stage Piano:in is back; playing on it"},
        {"in French", [this] { Click(form->FrenchButton); },
         "Stage Piano:in est de retour ; il joue de nouveau"},
        {"it echoes what it gets",
         [this] {
             Click(Flat(5));  // F major, back from the instrument's own thru
             for (int note : {53, 57, 60}) {
                 routed.TakeEcho(NoteOnMessage(0, std::uint8_t(note), 127));
             }
             loop.AdvanceBy(1000);
         },
         "Stage Piano:in renvoie ce qu'il reçoit ; vos notes jouent sur le synthé intégré"},
        {"another output chosen", [this] { form->ChooseOutput("Synth:in"); }, ""},
    };
    StartRouted("Hammond", "Stage Piano:in");
    for (const Step& step : steps) {
        step.happen();
        EXPECT_EQ(form->MidiNoticeLabel->visible, !step.notice.empty()) << step.what;
        EXPECT_EQ(form->MidiNoticeLabel->text, step.notice) << step.what;
    }
    // The about box tells the MIDI system on a line of its own under the notice as it was.
    Click(form->InfoButton);
    ASSERT_EQ(dialogs.abouts.size(), 1u);
    EXPECT_EQ(dialogs.abouts[0].notice,
              form->aboutInfo.notice + "\nSystème MIDI : aucun : pas de système MIDI trouvé");
}

}  // namespace
}  // namespace vorlane::testing
