#pragma once

#include <string>
#include <vector>

#include <QApplication>
#include <QTest>

#include "app/chord_list/chord_list_controller.h"
#include "app/chord_list/chord_list_window.h"
#include "app/chord_list/chord_rows_view.h"
#include "tests/app/main_window_fixture.h"
#include "ui/qt/qt_window_view.h"

namespace vorlane::testing {

// The real main window on virtual time with the chord list's controller linked to it from
// before start-up, as the program has it. Needs a QApplication, but no display.
class ChordListTest : public FormTest {
  protected:
    std::unique_ptr<ChordListController> list;
    ChordFileSystem* listFiles = &files;  // where the list opens and exports

    void StartList(std::string_view language = "Engels", std::string_view sound = "Hammond") {
        list.reset();  // it holds on to the window being replaced
        settings.Set("Taal", language);
        settings.Set("Midi", sound);
        Build();
        list = std::make_unique<ChordListController>(
            *form, ChordListServices{midi, loop, dialogs, *listFiles, kHome, settings});
        form->window.Show();
    }
    // Shows the chord in the main window, silently, and clicks Remember.
    void Remember(const ChordValue& chord) {
        form->SelectChord(chord, PlayPolicy::Silent);
        Click(form->RememberButton);
    }
    void Remember(const std::vector<ChordValue>& chords) {
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

// The list window on the offscreen platform, opened from the main window's view.
class ChordListWindowTest : public ChordListTest {
  protected:
    std::unique_ptr<ui::qt::QtWindowView> view;
    ChordListWindow* window = nullptr;

    void OpenWindow(const std::vector<ChordValue>& chords) {
        view.reset();  // a window opened before goes first, with the list window it holds
        StartList("Engels", "Hammond");
        view = std::make_unique<ui::qt::QtWindowView>(form->window);
        view->SetQuitOnClose(false);
        AttachChordListWindow(*list, *view, [this] { view->Push(); });
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        Remember(chords);
        form->window.PressShortcut("Ctrl+L");
        window = view->findChild<ChordListWindow*>();
        ASSERT_NE(window, nullptr);
        // A window kept above another counts as active with it: wait for the focus itself.
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window; }));
        Rows().setFocus();
        // The last row current, as if remembered with the window open.
        Rows().setCurrentIndex(list->Model().index(list->Model().rowCount() - 1));
    }
    void TearDown() override {
        view.reset();  // the list window goes with it, before the controller
    }
    ChordRowsView& Rows() { return window->Rows(); }
    QPoint Centre(int row) { return Rows().visualRect(list->Model().index(row)).center(); }
    // Keys pressed in the list, where the window's shortcuts reach them too.
    void Press(QKeyCombination keys) {
        QTest::keyClick(&Rows(), keys.key(), keys.keyboardModifiers());
    }
    // The rows chosen (none: none), then the keys pressed one after another.
    void Edit(const std::vector<int>& rows, const std::vector<QKeyCombination>& keys) {
        Rows().selectionModel()->clearSelection();
        for (int row : rows) {
            Rows().selectionModel()->select(list->Model().index(row), QItemSelectionModel::Select);
        }
        for (const QKeyCombination key : keys) {
            Press(key);
        }
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
inline const ChordValue kG7First =
    Chord(8, ChordType::Seventh, Spelling::Flat, Inversion::FirstInversion);
inline const ChordValue kCSharpM7 = Chord(2, ChordType::Minor7, Spelling::Sharp);

}  // namespace vorlane::testing
