#pragma once

#include "i18n/language_texts.h"
#include "theory/chord_value.h"

namespace vorlane {

// The chord list window as the main window sees it. The main window owns its remembered
// chords but changes them only through the link, so that the window can show each change and
// keep it for undo. Without a link the main window changes its list itself.
class ChordListLink {
  public:
    virtual ~ChordListLink() = default;

    // The two changes the main window makes: Remember appends; start-up, a language change
    // and a successful save start the list afresh.
    virtual void Append(const ChordValue& chord) = 0;
    virtual void StartAfresh() = 0;

    virtual void Open() = 0;  // the Chord List button, Ctrl+L
    virtual void Undo() = 0;  // Ctrl+Z in the main window
    virtual void Redo() = 0;  // Ctrl+Shift+Z
    // A click in the main window chose or sounded a chord of its own.
    virtual void MainWindowChoice() = 0;
    virtual void LanguageApplied(Language language) = 0;
};

}  // namespace vorlane
