#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/chord_list_link.h"
#include "app/chord_player.h"
#include "i18n/language_texts.h"
#include "keyboard/key_markers.h"
#include "midi/midi_in.h"
#include "midi/midi_out.h"
#include "midi/midi_sources.h"
#include "midi/routed_midi_out.h"
#include "midi/sound_mode.h"
#include "practice/played_keys.h"
#include "progression/progression.h"
#include "theory/chord.h"
#include "theory/chord_naming.h"
#include "theory/chord_value.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/event_loop.h"

namespace vorlane {

class SettingsStore;
class ChordFileSystem;
class LiveSound;
class PlayedInput;

// The platform services the main window is built with.
struct Services {
    MidiOut& midi;
    ui::EventLoop& eventLoop;
    ui::Dialogs& dialogs;
    SettingsStore& settings;
    ChordFileSystem& files;
    std::string homeFolder;  // the default chord folder is made in it
    // The same object as midi when sound can go to an external destination; null otherwise.
    RoutedMidiOut* output = nullptr;
    MidiSources* inputs = nullptr;  // null: no MIDI system
};

// The current selection and options. The choices themselves live on the controls; a selection
// reads them once into this record, and everything after it reads the record.
struct AppState {
    Spelling spelling = Spelling::Flat;
    std::optional<ChordType> chordType;
    Inversion inversion = Inversion::RootPosition;
    bool showNoteNames = false;
    std::vector<ShownTone> tones;  // the chord's tones as placed, in chord-table order
    bool octaveHigher = false;
    Language language = Language::Dutch;
    DegreeKeys degreeKeys{};
};

// Whether a selection sounds the chord: a click does; a chord the player is sounding already,
// or the one shown at start-up, does not.
enum class PlayPolicy { Sound, Silent };

inline constexpr int kRootButtonCount = 12;

// The main window: every control as a named record, and every handler of the program.
class MainWindow {
  public:
    explicit MainWindow(Services services);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    ui::Control* VariationButton(ChordType t) const {
        return VariationButtons[static_cast<std::size_t>(NumberOf(t))];
    }

    ui::Window window;

    ui::ImageList pianoImageList;
    ui::ImageList logoImageList;
    ui::AboutInfo aboutInfo;
    ui::SaveDialog saveDialog;

    // Controls, in creation order.
    ui::Control* ChordLineLabel = nullptr;
    ui::Control* CompatibleLineLabel = nullptr;
    ui::Control* ScaleLineLabel = nullptr;
    ui::Control* KeyboardPicture = nullptr;
    ui::Control* PlayMarker = nullptr;
    std::array<ui::Control*, 10> KeyMarkers{};  // in marker order: degrees 1,2,3,4,5,6,7,9,11,13
    ui::Control* ScaleGroup = nullptr;
    ui::Control* FlatHeader = nullptr;
    ui::Control* SharpHeader = nullptr;
    std::array<ui::Control*, kRootButtonCount> FlatRootButtons{};   // by pitch class C..B
    std::array<ui::Control*, kRootButtonCount> SharpRootButtons{};  // by pitch class C..B
    ui::Control* ColumnDivider = nullptr;
    ui::Control* VariationGroup = nullptr;
    ui::Control* InversionLabel = nullptr;
    std::array<ui::Control*, kChordTypeCount> VariationButtons{};  // by chord type
    ui::Control* InversionSelector = nullptr;
    ui::Control* NotesOnPianoCheck = nullptr;
    ui::Control* LanguageGroup = nullptr;
    ui::Control* EnglishButton = nullptr;
    ui::Control* FrenchButton = nullptr;
    ui::Control* DutchButton = nullptr;
    ui::Control* LogoPicture = nullptr;
    ui::Control* InfoButton = nullptr;
    ui::Control* SaveButton = nullptr;
    ui::Control* RememberButton = nullptr;
    ui::Control* SoundGroup = nullptr;
    ui::Control* NoSoundButton = nullptr;
    ui::Control* GuitarArpeggioButton = nullptr;
    ui::Control* HammondButton = nullptr;
    ui::Control* PianoArpeggioButton = nullptr;
    ui::Control* OctaveHigherCheck = nullptr;
    ui::Control* ChordListButton = nullptr;  // opens the chord list window
    ui::Control* PracticeButton = nullptr;
    ui::Control* MidiNoticeLabel = nullptr;  // the chosen output went away, came back, echoes

    AppState state;

    // Shared caption strings, empty until a language is first applied.
    std::string productName;
    std::string scaleCaption;
    std::string compatibleCaption;
    std::string chordCaption;
    std::string saveDialogTitle;
    std::string saveErrorText;

    // Playback state.
    ChordPlayer player;
    std::optional<KeyNumber> playMarkerKey;  // while the play marker shows
    bool closeRequested = false;
    int openDialogs = 0;    // modal dialogs open right now, nested ones included
    bool closeDue = false;  // the deferred close waits for the open dialog

    // Start-up and remembered chords. The list changes only through the chord list link
    // when there is one, so that every change shows there and can be undone.
    bool startupDone = false;
    Progression rememberedChords;
    std::string lastSaveFolder;
    void LinkChordList(ChordListLink* link) { chordList_ = link; }
    // The list changed outside the window's own handlers: Save follows it.
    void ChordListChanged();

    // Selection and refresh. Every chord is chosen through SelectChord: a click (read from the
    // controls by HandleSelection), a chord played on a MIDI keyboard, a row of the chord list.
    // It checks the chord's buttons and refreshes from the value, never reading them back.
    // While an arpeggio locks the controls or a modal dialog is open, the last chord asked for
    // waits for the lock's end or the dialog's close.
    // A voicing (tones in chord-table order) shows the chord on those keys instead of where
    // its inversion places it.
    void HandleSelection();
    void SelectFromControls(PlayPolicy play);
    void SelectChord(const ChordValue& chord, PlayPolicy play,
                     std::span<const PlacedTone> voicing = {});
    // The chord on show; none before a root and a type are chosen.
    std::optional<ChordValue> CurrentChord() const;
    void Refresh(KeyNumber root, Spelling spelling, PlayPolicy play);
    void RelabelVariations(const std::string& rootName);
    void ShowChord();
    void UpdateInversionAvailability(bool allow);

    // Keyboard markers.
    void HideKeyMarkers();
    void BlankKeyMarkers();
    // The key a visible marker (or the play marker) stands on.
    std::optional<KeyNumber> MarkerKey(const ui::Control& marker) const;
    void ShowPlayMarker(const ShownTone& tone);
    void HidePlayMarker();

    // Playback.
    void PlayCurrentChord();
    void SetPlaybackLock(bool lock);
    void ApplySoundMode();
    void ApplyOctave();

    // Language, settings, remembered chords.
    void ApplyLanguage();
    void ChangeLanguage();
    void LoadSettings();
    void ResetRememberedChords();
    void RememberChord();
    void SaveChords();
    void OpenChordList();

    // Keyboard and screen-reader access: focus order, shortcuts, copy, the keys as items.
    void SetUpAccess();
    void ApplyAccessTexts(const LanguageTexts& texts);
    std::vector<ui::AccessibleItem> KeyboardKeys() const;
    // Chords played on a MIDI keyboard: each note sounds at once on a channel of its own, and
    // the keys held are shown as the chord they name, as if its buttons had been clicked. The
    // window stops listening when it is destroyed: the input must outlive it.
    bool ListenTo(MidiIn& midiIn);  // false when there is no MIDI system
    void StopListening();
    void OnPlayedKeysSettled(const PlayedKeys::Settled& keys);
    void ShowPlayedChord(const NamedChord& chord);

    // Where sound goes: the built-in synth (empty) or a MIDI destination.
    void ChooseOutput(const std::string& destination);
    void RestoreOutput(const std::string& destination);
    // The MIDI system opened, went away or came back.
    void MidiSystemChanged();
    // Tells in the notice line what became of the chosen output since it was last looked at.
    void FollowOutputStatus();
    void ShowMidiNotice();
    // "MIDI system: JACK", in the current language.
    std::string MidiSystemStatus();
    // Played keys that name no chord, shown on the keyboard picture until they are let go.
    void ShowPlayedKeys(const std::vector<int>& notes);
    // The context menu of the window and the sound group, as it is when it opens.
    std::vector<ui::MenuItem> SoundMenu();

    // The practice window lives in the toolkit: the program entry says how to open it, and
    // hears of each language the window applies so that it follows.
    std::function<void()> onOpenPractice;
    std::function<void(Language)> onLanguageApplied;
    // Notes played on a MIDI keyboard once settled go here first; while it takes them (a
    // practice question waits for its answer) they do not change the chord on show.
    std::function<bool(const std::vector<int>& notes)> takePlayedNotes;
    void OpenPractice();

    // Window lifecycle.
    void OnFirstShow();
    bool OnCloseRequest();  // answers whether the window may close now
    void ShowAbout();

    // What the controls say right now.
    Inversion SelectedInversion() const;
    SoundMode SoundModeFromButtons() const;
    Language LanguageFromButtons() const;
    ui::Control* LanguageButton(Language language) const;
    ui::Control* SoundModeButton(SoundMode mode) const;

  private:
    friend std::unique_ptr<MainWindow> BuildMainWindow(Services services);

    void CreateControls();
    void AttachHandlers();
    void FinishArpeggio();
    void SelectDeferredChord();
    // Closes the device and asks the window to close once the current event is handled.
    void CloseDeferred();
    // A modal dialog is open for its lifetime: a close that comes due meanwhile waits for it,
    // since closing the window underneath would destroy the dialog and what it was saving.
    struct ModalDialog {
        explicit ModalDialog(MainWindow& w) : owner(w) { ++owner.openDialogs; }
        ModalDialog(const ModalDialog&) = delete;
        ModalDialog& operator=(const ModalDialog&) = delete;
        ~ModalDialog();
        MainWindow& owner;
    };
    // Runs the task after delayMs unless this window is gone by then.
    void RunLater(std::int64_t delayMs, std::function<void()> task);
    void WatchOutput();
    void SetUpSoundMenu();

    bool outputWatched_ = false;
    enum class MidiNotice { None, OutputGone, OutputBack, OutputEchoes };
    MidiNotice midiNotice_ = MidiNotice::None;
    RoutedMidiOut::Status outputStatus_;  // as last looked at
    std::vector<int> spottedKeys_;        // played keys on show, MIDI notes

    Services services_;
    std::unique_ptr<PlayedKeys> playedKeys_;
    std::unique_ptr<LiveSound> liveSound_;
    std::unique_ptr<PlayedInput> playedInput_;
    MidiIn* midiIn_ = nullptr;
    // Asked for while an arpeggio held the lock.
    struct DeferredChord {
        ChordValue chord;
        PlayPolicy play;
        std::vector<PlacedTone> voicing;
    };
    std::optional<DeferredChord> deferredChord_;
    std::vector<PlacedTone> voicing_;  // where the chord on show stands, when given
    ChordListLink* chordList_ = nullptr;
    void TellChordListOfChoice();
    bool startingUp_ = false;            // the start-up sequence is running: nothing is played
    std::shared_ptr<MainWindow*> self_;  // scheduled tasks hold a weak reference to this
};

// Builds the main window: creates every control, attaches the handlers and selects the flat
// "C" root and the major chord as if clicked. The window is not shown yet.
std::unique_ptr<MainWindow> BuildMainWindow(Services services);

}  // namespace vorlane
