#include <string_view>
#include <utility>

#include "app/main_window.h"
#include "app/main_window_layout.h"
#include "i18n/chord_list_texts.h"
#include "i18n/practice_texts.h"
#include "midi/live_sound.h"
#include "practice/played_input.h"

namespace vorlane {

using ui::ControlKind;

namespace {

constexpr ui::Rgb kWhite{255, 255, 255};
constexpr ui::Rgb kMarkerRed{255, 0, 0};
constexpr ui::Rgb kPlayGreen{0, 128, 0};
constexpr int kDefaultHeight = 22;

// A variation's caption before any root is chosen: its suffix after an X standing for the
// root, and a word for the plain major chord.
std::string PlaceholderCaption(ChordType t) {
    return t == ChordType::Major ? std::string{"Basis"} : std::string{"X"}.append(RowOf(t).suffix);
}

}  // namespace

MainWindow::MainWindow(Services services)
    : player(services.midi, services.eventLoop),
      services_(std::move(services)),
      self_(std::make_shared<MainWindow*>(this)) {}

MainWindow::~MainWindow() {
    StopListening();
}

void MainWindow::RunLater(std::int64_t delayMs, std::function<void()> task) {
    std::weak_ptr<MainWindow*> alive = self_;
    services_.eventLoop.RunAfter(delayMs, [alive, task = std::move(task)] {
        if (!alive.expired()) {
            task();
        }
    });
}

void MainWindow::CreateControls() {
    ui::Window& w = window;
    auto label = [&](std::string name, ui::Control* parent, int left, int top, int width,
                     int height, std::string text) -> ui::Control* {
        return &w.Add(ControlKind::Label, std::move(name), parent, left, top, width, height,
                      std::move(text));
    };
    auto group = [&](std::string name, int left, int top, int width, int height,
                     std::string text) -> ui::Control* {
        return &w.Add(ControlKind::GroupBox, std::move(name), nullptr, left, top, width, height,
                      std::move(text));
    };
    auto radio = [&](std::string name, ui::Control* parent, int left, int top, int width,
                     std::string text) -> ui::Control* {
        return &w.Add(ControlKind::RadioButton, std::move(name), parent, left, top, width,
                      kDefaultHeight, std::move(text));
    };
    auto marker = [&](std::string name, int left, int top, ui::Rgb background) {
        ui::Control* m = label(std::move(name), KeyboardPicture, left, top, 16, 16, "");
        m->textColour = kWhite;
        m->backgroundColour = background;
        m->visible = false;
        return m;
    };

    ChordLineLabel = label("ChordLineLabel", nullptr, 22, 376, 553, 22, "Akkoord: ");
    CompatibleLineLabel = label("CompatibleLineLabel", nullptr, 22, 352, 553, 22, "Circle: ");
    ScaleLineLabel = label("ScaleLineLabel", nullptr, 22, 328, 553, 22, "Toonladder:");
    KeyboardPicture = &w.Add(ControlKind::Picture, "KeyboardPicture", nullptr, 15, 402, 717, 159);
    KeyboardPicture->imageList = &pianoImageList;

    PlayMarker = marker("PlayMarker", 487, 128, kPlayGreen);
    for (const MarkerCreation& m : kMarkerCreation) {
        KeyMarkers[static_cast<std::size_t>(*MarkerSlotOfDegree(m.degree))] =
            marker("KeyMarker" + std::to_string(m.degree), m.left, m.top, kMarkerRed);
    }

    ScaleGroup = group("ScaleGroup", 16, 16, 161, 304, "Kies Toonladder");
    const ui::Font headerFont{"", 16, true};
    FlatHeader = label("FlatHeader", ScaleGroup, 16, 32, 49, kDefaultHeight, "Bes");
    FlatHeader->font = headerFont;
    SharpHeader = label("SharpHeader", ScaleGroup, 96, 32, 57, kDefaultHeight, "Kruis");
    SharpHeader->font = headerFont;
    auto rootButtons = [&](std::array<ui::Control*, kRootButtonCount>& buttons,
                           const NoteNameTable& names, const std::array<int, 12>& order,
                           std::string_view prefix, int left) {
        for (int p : order) {
            std::string caption{names[static_cast<std::size_t>(p + 1)]};
            ui::Control* b = radio(std::string{prefix} + caption, ScaleGroup, left,
                                   kRootButtonTop + kRootButtonStep * p, 0, caption);
            b->autoSize = true;
            buttons[static_cast<std::size_t>(p)] = b;
        }
    };
    rootButtons(FlatRootButtons, FlatNoteNames, kFlatRootCreation, "FlatRootButton", 16);
    rootButtons(SharpRootButtons, SharpNoteNames, kSharpRootCreation, "SharpRootButton", 96);
    ColumnDivider = &w.Add(ControlKind::FrameBar, "ColumnDivider", ScaleGroup, 72, 32, 5, 249);

    VariationGroup = group("VariationGroup", 192, 16, 384, 304, "Variaties");
    InversionLabel =
        label("InversionLabel", VariationGroup, 160, 266, 55, kDefaultHeight, "Ligging:");
    for (ChordType t : kVariationCreation) {
        const int number = NumberOf(t);
        const bool secondColumn = number >= 12;
        VariationButtons[static_cast<std::size_t>(number)] =
            radio("VariationButton" + std::to_string(number), VariationGroup,
                  secondColumn ? 160 : 16, kVariationTop + kVariationStep * (number % 12),
                  VariationButtonWidth(t), PlaceholderCaption(t));
    }
    InversionSelector = &w.Add(ControlKind::DropDownList, "InversionSelector", VariationGroup, 216,
                               262, 156, kDefaultHeight);
    ui::Window::SetItems(*InversionSelector, {"Grondligging", "1ste omkering", "2de omkering"});
    NotesOnPianoCheck = &w.Add(ControlKind::CheckBox, "NotesOnPianoCheck", VariationGroup, 16, 264,
                               145, kDefaultHeight, "Noten op Piano");

    LanguageGroup = group("LanguageGroup", 588, 104, 149, 89, "Taal");
    EnglishButton = radio("EnglishButton", LanguageGroup, 16, 18, 113, "Engels");
    FrenchButton = radio("FrenchButton", LanguageGroup, 16, 38, 113, "Frans");
    DutchButton = radio("DutchButton", LanguageGroup, 16, 58, 113, "Nederlands");
    LogoPicture = &w.Add(ControlKind::Picture, "LogoPicture", nullptr, 584, 16, 159, 86);
    LogoPicture->imageList = &logoImageList;

    auto pushButton = [&](std::string name, int top, std::string text, std::string hint) {
        ui::Control* b = &w.Add(ControlKind::PushButton, std::move(name), nullptr, 588, top, 149,
                                26, std::move(text));
        b->hint = std::move(hint);
        return b;
    };
    InfoButton = pushButton("InfoButton", 200, "Info", std::string{kInfoHint});
    SaveButton = pushButton("SaveButton", 360, "Bewaar Akkoorden", std::string{kSaveHint});
    RememberButton =
        pushButton("RememberButton", 328, "Onthoud Akkoord", std::string{kRememberHint});

    SoundGroup = group("SoundGroup", 16, 568, 713, 49, "Midi Geluiden");
    NoSoundButton = radio("NoSoundButton", SoundGroup, 8, 20, 110, "Geen Geluid");
    GuitarArpeggioButton =
        radio("GuitarArpeggioButton", SoundGroup, 424, 20, 145, "Guitar Arpeggio");
    HammondButton = radio("HammondButton", SoundGroup, 120, 20, 150, "Hammond Orgel");
    PianoArpeggioButton = radio("PianoArpeggioButton", SoundGroup, 272, 20, 150, "Piano Arpeggio");
    OctaveHigherCheck = &w.Add(ControlKind::CheckBox, "OctaveHigherCheck", SoundGroup, 570, 20, 139,
                               kDefaultHeight, "1 Octaaf Hoger");

    // In the empty band above Remember, and like it.
    const ChordListTexts& list = ChordListTextsFor(Language::Dutch);
    ChordListButton = pushButton("ChordListButton", 296, std::string{list.windowTitle},
                                 std::string{list.buttonHint});
    PracticeButton = pushButton("PracticeButton", 264, std::string{DutchPracticeTexts.title},
                                std::string{kPracticeHint});

    // Between Info and Practice: what became of the chosen MIDI output, in two short lines.
    MidiNoticeLabel = label("MidiNoticeLabel", nullptr, 588, 230, 149, 32, "");
    MidiNoticeLabel->font = ui::Font{"", -9, false};
    MidiNoticeLabel->wordWrap = true;
    MidiNoticeLabel->visible = false;
    MidiNoticeLabel->announceChanges = true;
}

void MainWindow::AttachHandlers() {
    auto on = [](ui::Control* c, void (MainWindow::*handler)(), MainWindow* self) {
        c->onClick = [self, handler] { (self->*handler)(); };
    };
    on(EnglishButton, &MainWindow::ChangeLanguage, this);
    on(FrenchButton, &MainWindow::ChangeLanguage, this);
    on(NoSoundButton, &MainWindow::ApplySoundMode, this);
    on(GuitarArpeggioButton, &MainWindow::ApplySoundMode, this);
    on(HammondButton, &MainWindow::ApplySoundMode, this);
    on(DutchButton, &MainWindow::ChangeLanguage, this);
    on(PianoArpeggioButton, &MainWindow::ApplySoundMode, this);
    // Selecting flat C and the major chord while wiring runs the selection twice: once
    // before any variation has a handler (and none is selected), once with the major chord.
    for (int p : kFlatRootCreation) {
        ui::Control* b = FlatRootButtons[static_cast<std::size_t>(p)];
        on(b, &MainWindow::HandleSelection, this);
        if (p == 0) {
            window.SelectButton(*b);
        }
    }
    for (int p : kSharpRootCreation) {
        on(SharpRootButtons[static_cast<std::size_t>(p)], &MainWindow::HandleSelection, this);
    }
    for (ChordType t : kVariationCreation) {
        ui::Control* b = VariationButton(t);
        on(b, &MainWindow::HandleSelection, this);
        if (t == ChordType::Major) {
            window.SelectButton(*b);
        }
    }
    player.onArpeggioStart = [this] { SetPlaybackLock(true); };
    player.onArpeggioTone = [this](const ShownTone& tone) { ShowPlayMarker(tone); };
    player.onArpeggioEnd = [this] { FinishArpeggio(); };
    on(OctaveHigherCheck, &MainWindow::ApplyOctave, this);
    InversionSelector->onChange = [this] { HandleSelection(); };
    on(NotesOnPianoCheck, &MainWindow::HandleSelection, this);
    on(InfoButton, &MainWindow::ShowAbout, this);
    on(SaveButton, &MainWindow::SaveChords, this);
    on(RememberButton, &MainWindow::RememberChord, this);
    on(ChordListButton, &MainWindow::OpenChordList, this);
    on(PracticeButton, &MainWindow::OpenPractice, this);
}

std::unique_ptr<MainWindow> BuildMainWindow(Services services) {
    auto form = std::make_unique<MainWindow>(std::move(services));
    ui::Window& w = form->window;
    w.caption = "Vorlane";
    w.left = 474;
    w.top = 200;
    w.maximiseBox = false;
    w.clientWidth = 747;
    w.clientHeight = 626;
    w.font = ui::Font{"System", -11, false};
    w.icon = "vorlane";
    w.onCloseRequest = [f = form.get()] { return f->OnCloseRequest(); };
    w.onShow = [f = form.get()] { f->OnFirstShow(); };

    form->pianoImageList = {"piano", 717, 159, kWhite};
    form->aboutInfo.title = "Vorlane";
    form->aboutInfo.notice = std::string{kAboutNotice};
    form->aboutInfo.description = std::string{TextsFor(Language::Dutch).aboutText};
    form->aboutInfo.iconChoice = ui::AboutIcon::Application;
    form->logoImageList = {"pianologo", 159, 86, kWhite};
    form->saveDialog.filter = "Piano Chords|*.txt";
    form->saveDialog.defaultExtension = "txt";

    form->CreateControls();
    form->AttachHandlers();
    form->SetUpAccess();
    form->SetUpSoundMenu();
    w.fixedSize = true;  // centred on the screen by the view when it is shown
    return form;
}

}  // namespace vorlane
