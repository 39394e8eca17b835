#pragma once

#include <string>
#include <vector>

#include "app/chord_list/chord_list_controller.h"
#include "tests/app/main_window_fixture.h"

namespace vorlane::testing {

// The real main window on virtual time with the chord list's controller linked to it from
// before start-up, as the program has it. Needs no display.
class ChordListTest : public FormTest {
  protected:
    std::unique_ptr<ChordListController> list;

    void StartList(std::string_view language = "Engels", std::string_view sound = "Hammond") {
        list.reset();  // it holds on to the window being replaced
        settings.Set("Taal", language);
        settings.Set("Midi", sound);
        Build();
        list = std::make_unique<ChordListController>(*form, midi, loop);
        form->window.Show();
    }
    // Shows the chord in the main window, silently, and clicks Remember.
    void Remember(const ChordValue& chord) {
        form->SelectChord(chord, PlayPolicy::Silent);
        Click(form->RememberButton);
    }
    void Remember(std::initializer_list<ChordValue> chords) {
        for (const ChordValue& chord : chords) {
            Remember(chord);
        }
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const ChordValue& chord : form->rememberedChords.Chords()) {
            names.push_back(ChordName(chord));
        }
        return names;
    }
    std::string Row(int row) const {
        return list->Model().index(row).data().toString().toStdString();
    }
};

// Chords by name for tables: flat spelling, root position unless given.
inline ChordValue Chord(KeyNumber root, ChordType type, Spelling spelling = Spelling::Flat,
                        Inversion inversion = Inversion::RootPosition) {
    return {root, spelling, type, inversion};
}
inline const ChordValue kC = Chord(1, ChordType::Major);
inline const ChordValue kDm7 = Chord(3, ChordType::Minor7);
inline const ChordValue kG7 = Chord(8, ChordType::Seventh);
inline const ChordValue kF = Chord(6, ChordType::Major);
inline const ChordValue kAm = Chord(10, ChordType::Minor);

}  // namespace vorlane::testing
