#include "settings/chord_folders.h"

#include <cstdlib>

namespace vorlane {

std::string FolderPart(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(0, slash + 1));
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return "/";
    }
    return home;
}

std::string DefaultChordFolder(std::string_view homeFolder) {
    std::string folder(homeFolder);
    if (folder.empty() || folder.back() != '/') {
        folder.push_back('/');
    }
    return folder + "PianoChords";
}

std::string FallbackChordFolder(std::string_view homeFolder) {
    return std::string(homeFolder);
}

bool CreateFolderWithParents(ChordFileSystem& fileSystem, std::string_view path) {
    if (path.empty()) {
        return false;
    }
    if (path.back() == '/') {
        path.remove_suffix(1);
    }
    // What is left of "/" is the root, which always exists.
    if (path.empty() || fileSystem.IsDirectory(path) || path == FolderPart(path)) {
        return true;
    }
    return CreateFolderWithParents(fileSystem, FolderPart(path)) &&
           fileSystem.CreateDirectory(path);
}

bool WriteChordFile(ChordFileSystem& fileSystem, std::string_view path,
                    std::span<const ChordValue> chords, Language language) {
    return fileSystem.ReplaceFile(path, ChordListFileBytes(chords, language));
}

}  // namespace vorlane
