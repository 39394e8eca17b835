#pragma once

#include <span>
#include <string>
#include <string_view>

#include "settings/chord_file_system.h"
#include "settings/chord_list.h"

namespace vorlane {

// The folder part of a path: everything up to and including its last "/"; empty without one.
std::string FolderPart(std::string_view path);

// The user's home folder from $HOME; "/" when it is unset or empty.
std::string HomeFolder();

// Where the save dialog opens first: "PianoChords" in the home folder.
std::string DefaultChordFolder(std::string_view homeFolder);

// Where the save dialog opens when the default folder cannot be made: the home folder itself.
std::string FallbackChordFolder(std::string_view homeFolder);

// Makes sure the folder exists, creating missing parents first. An empty path fails; one
// trailing "/" is ignored; the root and existing directories succeed as they are.
bool CreateFolderWithParents(ChordFileSystem& fileSystem, std::string_view path);

// Writes the chords as a saved list in the language, replacing any file at the path.
bool WriteChordFile(ChordFileSystem& fileSystem, std::string_view path,
                    std::span<const ChordValue> chords, Language language);

}  // namespace vorlane
