#include "tests/support/sample_window.h"

namespace vorlane::ui::test {

namespace {

constexpr std::array<const char*, 12> kFlat = {"C",  "Db", "D",  "Eb", "E",  "F",
                                               "Gb", "G",  "Ab", "A",  "Bb", "B"};
constexpr std::array<const char*, 12> kSharp = {"C",  "C#", "D",  "D#", "E",  "F",
                                                "F#", "G",  "G#", "A",  "A#", "B"};
constexpr std::array<const char*, 24> kVariations = {
    "C",          "Cm",          "C7",        "C+ (AUG)",    "C° (DIM)", "Cm7",
    "CM7 (MAJ)",  "Cm/M7 (MAJ)", "C7-5 (b5)", "C7+5 (#5)",   "C6",       "Cm6",
    "C6/9",       "C9",          "Cm9",       "Cm/M9 (MAJ)", "C11",      "Cm11",
    "CM11 (MAJ)", "C13",         "Cm13",      "CM13 (MAJ)",  "Csus2",    "Csus4"};
constexpr std::array<std::array<int, 2>, 10> kMarkerStart = {{{607, 80},
                                                              {586, 128},
                                                              {620, 128},
                                                              {638, 80},
                                                              {654, 128},
                                                              {669, 80},
                                                              {688, 128},
                                                              {519, 128},
                                                              {534, 80},
                                                              {552, 128}}};

}  // namespace

SampleWindow::SampleWindow() {
    window.caption = "Vorlane";
    window.clientWidth = 747;
    window.clientHeight = 626;
    window.maximiseBox = false;
    window.fixedSize = true;
    window.font = Font{"System", -11, false};
    window.icon = "vorlane";

    auto logged = [this](Control& c) {
        Control* control = &c;
        c.onClick = [this, control] { fired.push_back(control->name); };
        return &c;
    };
    window.Add(ControlKind::Label, "ChordLineLabel", nullptr, 22, 376, 553, 22,
               "Akkoord C:   C - E - G");
    window.Add(ControlKind::Label, "CompatibleLineLabel", nullptr, 22, 352, 553, 22,
               "Circle: C, F, G, Dm, Am, Em, B° (DIM)");
    window.Add(ControlKind::Label, "ScaleLineLabel", nullptr, 22, 328, 553, 22,
               "Toonladder C:   C - D - E - F - G - A - B - C");

    keyboard = &window.Add(ControlKind::Picture, "KeyboardPicture", nullptr, 15, 402, 717, 159);
    keyboard->imageList = &piano;
    playMarker = &window.Add(ControlKind::Label, "PlayMarker", keyboard, 487, 128, 16, 16);
    playMarker->textColour = Rgb{255, 255, 255};
    playMarker->backgroundColour = Rgb{0, 128, 0};
    playMarker->visible = false;
    for (std::size_t i = 0; i < keyMarkers.size(); ++i) {
        keyMarkers[i] = &window.Add(ControlKind::Label, "KeyMarker" + std::to_string(i), keyboard,
                                    kMarkerStart[i][0], kMarkerStart[i][1], 16, 16);
        keyMarkers[i]->textColour = Rgb{255, 255, 255};
        keyMarkers[i]->backgroundColour = Rgb{255, 0, 0};
        keyMarkers[i]->visible = false;
    }

    Control* scale = &window.Add(ControlKind::GroupBox, "ScaleGroup", nullptr, 16, 16, 161, 304,
                                 "Kies Toonladder");
    for (auto [name, left, width, text] :
         {std::tuple{"FlatHeader", 16, 49, "Bes"}, std::tuple{"SharpHeader", 96, 57, "Kruis"}}) {
        Control& header = window.Add(ControlKind::Label, name, scale, left, 32, width, 22, text);
        header.font = Font{"", 16, true};
    }
    for (int p = 0; p < 12; ++p) {
        for (auto [column, left, captions] :
             {std::tuple{&flatRoots, 16, &kFlat}, std::tuple{&sharpRoots, 96, &kSharp}}) {
            const std::string prefix = left == 16 ? "Flat" : "Sharp";
            Control& root = *logged(window.Add(ControlKind::RadioButton, prefix + (*captions)[p],
                                               scale, left, 64 + 18 * p, 0, 22, (*captions)[p]));
            root.autoSize = true;
            (*column)[p] = &root;
        }
    }
    window.Add(ControlKind::FrameBar, "ColumnDivider", scale, 72, 32, 5, 249);

    variationGroup = &window.Add(ControlKind::GroupBox, "VariationGroup", nullptr, 192, 16, 384,
                                 304, "Variaties");
    window.Add(ControlKind::Label, "InversionLabel", variationGroup, 160, 266, 55, 22, "Ligging:");
    for (int t = 0; t < 24; ++t) {
        const int width = (t == 2 || t == 8 || t == 9 || t == 13) ? 105 : 113;
        variations[t] = logged(window.Add(ControlKind::RadioButton, "Variation" + std::to_string(t),
                                          variationGroup, t < 12 ? 16 : 160, 32 + 18 * (t % 12),
                                          width, 22, kVariations[t]));
    }
    inversion = &window.Add(ControlKind::DropDownList, "InversionSelector", variationGroup, 216,
                            262, 156, 22);
    Window::SetItems(*inversion, {"Grondligging", "1ste omkering", "2de omkering"});
    inversion->onChange = [this] { fired.push_back("InversionSelector"); };
    notesCheck = logged(window.Add(ControlKind::CheckBox, "NotesOnPianoCheck", variationGroup, 16,
                                   264, 145, 22, "Noten op Piano"));

    Control* language =
        &window.Add(ControlKind::GroupBox, "LanguageGroup", nullptr, 588, 104, 149, 89, "Taal");
    logged(
        window.Add(ControlKind::RadioButton, "EnglishButton", language, 16, 18, 113, 22, "Engels"));
    logged(
        window.Add(ControlKind::RadioButton, "FrenchButton", language, 16, 38, 113, 22, "Frans"));
    logged(window.Add(ControlKind::RadioButton, "DutchButton", language, 16, 58, 113, 22,
                      "Nederlands"));
    Control& logoPicture =
        window.Add(ControlKind::Picture, "LogoPicture", nullptr, 584, 16, 159, 86);
    logoPicture.imageList = &logo;
    logged(window.Add(ControlKind::PushButton, "InfoButton", nullptr, 588, 200, 149, 26, "Info"))
        ->hint = "Click this button for more info on the 'Vorlane' program.";
    logged(window.Add(ControlKind::PushButton, "SaveButton", nullptr, 588, 360, 149, 26,
                      "Bewaar Akkoorden"))
        ->hint =
        "Click this button to save the memorized chords to a file. Default Folder: C:\\PianoChords";
    logged(window.Add(ControlKind::PushButton, "RememberButton", nullptr, 588, 328, 149, 26,
                      "Onthoud Akkoord"))
        ->hint = "Click this button to remember the current chord.";

    Control* sound = &window.Add(ControlKind::GroupBox, "SoundGroup", nullptr, 16, 568, 713, 49,
                                 "Midi Geluiden");
    logged(window.Add(ControlKind::RadioButton, "NoSoundButton", sound, 8, 20, 110, 22,
                      "Geen Geluid"));
    logged(window.Add(ControlKind::RadioButton, "GuitarArpeggioButton", sound, 424, 20, 145, 22,
                      "Guitar Arpeggio"));
    logged(window.Add(ControlKind::RadioButton, "HammondButton", sound, 120, 20, 150, 22,
                      "Hammond Orgel"));
    logged(window.Add(ControlKind::RadioButton, "PianoArpeggioButton", sound, 272, 20, 150, 22,
                      "Piano Arpeggio"));
    logged(window.Add(ControlKind::CheckBox, "OctaveHigherCheck", sound, 570, 20, 139, 22,
                      "1 Octaaf Hoger"));

    // The chord the program opens with: C major, flat C and the first variation selected.
    window.SetChecked(*flatRoots[0], true);
    window.SetChecked(*variations[0], true);
    for (int i : {0, 2, 4}) {
        static constexpr std::array<std::array<int, 2>, 5> kCMajor = {
            {{14, 128}, {}, {80, 128}, {}, {148, 128}}};
        keyMarkers[i]->left = kCMajor[i][0];
        keyMarkers[i]->top = kCMajor[i][1];
        keyMarkers[i]->visible = true;
    }
}

}  // namespace vorlane::ui::test
