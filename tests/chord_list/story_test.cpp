#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "settings/qt/qt_chord_file_system.h"
#include "tests/support/chord_list_fixture.h"

namespace vorlane::testing {
namespace {

// A user's afternoon with the list, in the program's own windows, the list's files on disk.
class ChordListStoryTest : public ChordListWindowTest {
  protected:
    QTemporaryDir disk;
    QtChordFileSystem realFiles;
    std::string OnDisk(const char* name) const {
        return disk.filePath(QString::fromLatin1(name)).toStdString();
    }
    // What an independent reader makes of a MIDI file; none when the reader is missing.
    static std::optional<QString> ReadWithMido(const std::string& path) {
        QProcess reader;
        reader.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral(VORLANE_READ_MIDI_SCRIPT), QString::fromStdString(path)});
        if (!reader.waitForFinished(20'000) || reader.exitCode() == kSkipped) {
            return std::nullopt;
        }
        return QString::fromUtf8(reader.readAllStandardOutput() + reader.readAllStandardError());
    }
    static constexpr int kSkipped = 77;
};

TEST_F(ChordListStoryTest, RememberChooseExportChangeLanguageUndoSaveUndoAndOpen) {
    listFiles = &realFiles;
    OpenWindow({});
    // Remembered in the main window: three rows.
    for (auto [root, type] : {std::pair{0, ChordType::Major}, std::pair{2, ChordType::Minor7},
                              std::pair{7, ChordType::Seventh}}) {
        Click(Flat(root));
        Click(Variation(type));
        Click(form->RememberButton);
    }
    ASSERT_EQ(list->Model().rowCount(), 3);
    EXPECT_EQ(Row(0).substr(0, 2), "C:");
    EXPECT_EQ(Row(1).substr(0, 4), "Dm7:");
    EXPECT_EQ(Row(2).substr(0, 3), "G7:");

    // The second row chosen: Dm7 on the main keyboard.
    QTest::mouseClick(Rows().viewport(), Qt::LeftButton, {}, Centre(1));
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{3, 6, 10, 13}));
    EXPECT_EQ(form->ChordLineLabel->text, "Chord Dm7:   D - F - A - C");

    // Ctrl+E: a file an independent reader sees as those three chords.
    dialogs.saveAnswers.push_back(OnDisk("song.mid"));
    Press(Qt::CTRL | Qt::Key_E);
    const std::optional<QString> read = ReadWithMido(OnDisk("song.mid"));
    if (read) {
        EXPECT_EQ(*read, "C: 48 52 55\nDm7: 50 53 57 60\nG7: 55 59 62 65\n");
    }

    // A language change empties the list; Ctrl+Z in the main window brings it back, and Save
    // writes all three in the new language.
    Click(form->FrenchButton);
    EXPECT_EQ(list->Model().rowCount(), 0);
    form->window.PressShortcut("Ctrl+Z");
    ASSERT_EQ(list->Model().rowCount(), 3);
    const std::string saved = std::string{kHome} + "/PianoChords/accords.txt";
    dialogs.saveAnswers.push_back(saved);
    form->window.PressShortcut("Ctrl+S");
    EXPECT_EQ(files.FileContent(saved),
              "Accords s\xe9lectionn\xe9s\r\n====================\r\n\r\n"
              "Accord C:   C - E - G\r\nAccord Dm7:   D - F - A - C\r\n"
              "Accord G7:   G - B - D - F\r\n");
    EXPECT_EQ(list->Model().rowCount(), 0);
    EXPECT_FALSE(form->SaveButton->enabled);
    // After the save, Ctrl+Z in the list brings the list back again.
    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(Names(), (std::vector<std::string>{"C", "Dm7", "G7"}));
    EXPECT_TRUE(form->SaveButton->enabled);
    form->window.PressShortcut("Ctrl+Shift+Z");
    EXPECT_EQ(list->Model().rowCount(), 0) << "redone from the main window";

    // Ctrl+O reopens a Dutch list; a junk file, or one not there, gives a message and changes
    // nothing, leaving nothing to undo; nor does a cancelled dialog.
    ASSERT_TRUE(realFiles.ReplaceFile(OnDisk("nl.txt"),
                                      "Geselecteerde Akkoorden\r\n=======================\r\n\r\n"
                                      "Akkoord Am:   A - C - E\r\nAkkoord F:   F - A - C\r\n"));
    ASSERT_TRUE(realFiles.ReplaceFile(OnDisk("junk.txt"), "not a chord list\r\n"));
    dialogs.openAnswers = {OnDisk("nl.txt"), OnDisk("junk.txt"), OnDisk("gone.txt"), std::nullopt};
    Press(Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Am", "F"}));
    EXPECT_TRUE(dialogs.errors.empty());
    const int edits = list->History().count();
    for (int i = 0; i < 3; ++i) {
        Press(Qt::CTRL | Qt::Key_O);
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"Am", "F"}));
    EXPECT_EQ(list->History().count(), edits);
    EXPECT_EQ(dialogs.errors,
              (std::vector<std::pair<std::string, std::string>>{
                  {"Vorlane v4.1",
                   "\xc2\xab junk.txt \xc2\xbb n'est pas une liste d'accords : la ligne 1 n'est "
                   "pas une ligne d'accord. La liste n'a pas \xc3\xa9t\xc3\xa9 modifi\xc3\xa9"
                   "e."},
                  {"Vorlane v4.1",
                   "\xc2\xab gone.txt \xc2\xbb n'a pas pu \xc3\xaatre lu. La liste n'a pas "
                   "\xc3\xa9t\xc3\xa9 modifi\xc3\xa9"
                   "e."}}));
    const ui::OpenDialog& shown = dialogs.shownOpenDialogs.at(0);
    EXPECT_EQ(shown.initialFolder, saved.substr(0, saved.rfind('/') + 1)) << "where Save went";
    EXPECT_EQ(shown.filter, "Piano Chords|*.txt");
    EXPECT_EQ(shown.title, "Ouvrir une liste d'accords");
    if (!read) {
        GTEST_SKIP() << "the export was not read back: python3-mido is missing";
    }
}

}  // namespace
}  // namespace vorlane::testing
