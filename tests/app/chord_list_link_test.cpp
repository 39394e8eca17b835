#include "tests/app/main_window_fixture.h"

namespace vorlane::testing {
namespace {

// Records what the main window asks of the chord list, and applies the two list changes.
class RecordingLink final : public ChordListLink {
  public:
    explicit RecordingLink(Progression& list) : list_(list) {}
    std::vector<std::string> calls;

    void Append(const ChordValue& chord) override {
        calls.push_back("append " + ChordName(chord));
        list_.Append(chord);
    }
    void StartAfresh() override {
        calls.push_back("afresh");
        list_.Clear();
    }
    void Open() override { calls.push_back("open"); }
    void Undo() override { calls.push_back("undo"); }
    void Redo() override { calls.push_back("redo"); }
    void MainWindowChoice() override { calls.push_back("choice"); }
    void LanguageApplied(Language language) override {
        calls.push_back(std::string{"language "}.append(LanguageInfo(language).cliCode));
    }

  private:
    Progression& list_;
};

class LinkTest : public FormTest {
  protected:
    std::unique_ptr<RecordingLink> link;
    void StartLinked() {
        settings.Set("Taal", "Engels");
        Build();
        link = std::make_unique<RecordingLink>(form->rememberedChords);
        form->LinkChordList(link.get());
        form->window.Show();
        link->calls.clear();
    }
};

TEST_F(LinkTest, TheMainWindowChangesItsListAndReachesTheListWindowOnlyThroughTheLink) {
    StartLinked();
    const std::string saved = std::string{kHome} + "/list.txt";
    struct Case {
        const char* what;
        std::function<void()> act;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"button", [&] { Click(form->ChordListButton); }, {"open"}},
        {"Ctrl+L", [&] { form->window.PressShortcut("Ctrl+L"); }, {"open"}},
        {"Ctrl+Z", [&] { form->window.PressShortcut("Ctrl+Z"); }, {"undo"}},
        {"Ctrl+Shift+Z", [&] { form->window.PressShortcut("Ctrl+Shift+Z"); }, {"redo"}},
        {"remember", [&] { Click(form->RememberButton); }, {"append C"}},
        {"a root", [&] { Click(Flat(2)); }, {"choice"}},
        {"octave", [&] { Click(form->OctaveHigherCheck); }, {"choice"}},
        {"sound", [&] { Click(form->HammondButton); }, {"choice"}},
        {"language", [&] { Click(form->DutchButton); }, {"language nl", "choice", "afresh"}},
        {"save",
         [&] {
             Click(form->RememberButton);
             dialogs.saveAnswers.push_back(saved);
             Click(form->SaveButton);
         },
         {"append D", "afresh"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        link->calls.clear();
        c.act();
        EXPECT_EQ(link->calls, c.calls);
    }
    ASSERT_TRUE(files.FileContent(saved).has_value());
    EXPECT_EQ(
        *files.FileContent(saved),
        "Geselecteerde Akkoorden\r\n=======================\r\n\r\nAkkoord D:   D - Gb - A\r\n");
}

TEST_F(LinkTest, TheButtonSpeaksTheLanguage) {
    StartLinked();
    for (auto [button, caption] : {std::pair{form->FrenchButton, "Liste d'accords"},
                                   std::pair{form->DutchButton, "Akkoordenlijst"},
                                   std::pair{form->EnglishButton, "Chord List"}}) {
        Click(button);
        EXPECT_EQ(form->ChordListButton->text, caption);
        EXPECT_FALSE(form->ChordListButton->hint.empty());
    }
}

TEST_F(FormTest, AGivenVoicingIsShownAndSoundedWhereItStandsAndWaitsForAnArpeggio) {
    StartWith("Engels", "Hammond", "Laag");
    const ChordValue g7{8, Spelling::Flat, ChordType::Seventh, Inversion::RootPosition};
    // G7 with its third and fifth below the root, the seventh on top: B2 D3 G3 F4 as keys.
    const std::vector<PlacedTone> voicing = {{1, 20}, {3, 12}, {5, 15}, {7, 30}};
    midi.Clear();
    form->SelectChord(g7, PlayPolicy::Sound, voicing);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{20, 12, 15, 30}));
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{59, 62, 67, 77}));
    EXPECT_EQ(form->ChordLineLabel->text, "Chord G7:   G - B - D - F");

    // Off the keyboard it cannot be shown: the chord stands where its inversion puts it.
    form->SelectChord(g7, PlayPolicy::Silent, std::vector<PlacedTone>{{1, 8}, {3, 40}});
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{8, 12, 15, 18}));

    // A click places the chord afresh.
    Click(Variation(ChordType::Seventh));
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{8, 12, 15, 18}));

    // While an arpeggio locks the window the voicing waits with its chord.
    Click(form->GuitarArpeggioButton);
    Click(Flat(0));
    ASSERT_TRUE(form->player.Playing());
    form->SelectChord(g7, PlayPolicy::Silent, voicing);
    loop.RunUntilIdle();
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{20, 12, 15, 30}));
}

}  // namespace
}  // namespace vorlane::testing
