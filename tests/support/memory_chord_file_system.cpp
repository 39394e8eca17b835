#include "tests/support/memory_chord_file_system.h"

namespace vorlane {

namespace {

// "/a/b/" and "/a/b" name the same directory.
std::string_view WithoutTrailingSlash(std::string_view path) {
    if (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    return path;
}

// The directory a path lies in, or empty for a name without any "/".
std::string_view ParentOf(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    return slash == 0 ? std::string_view("/") : path.substr(0, slash);
}

}  // namespace

MemoryChordFileSystem::MemoryChordFileSystem() {
    directories_.insert("/");
}

bool MemoryChordFileSystem::IsDirectory(std::string_view path) {
    return directories_.contains(WithoutTrailingSlash(path));
}

bool MemoryChordFileSystem::CreateDirectory(std::string_view path) {
    calls_.push_back("mkdir " + std::string(path));
    path = WithoutTrailingSlash(path);
    if (path.empty() || directories_.contains(path) || files_.contains(path) ||
        !directories_.contains(ParentOf(path))) {
        return false;
    }
    directories_.insert(std::string(path));
    return true;
}

bool MemoryChordFileSystem::ReplaceFile(std::string_view path, std::string_view bytes) {
    calls_.push_back("write " + std::string(path));
    if (failWrites_ || path.empty() || path.back() == '/' || directories_.contains(path) ||
        !directories_.contains(ParentOf(path))) {
        return false;
    }
    files_.insert_or_assign(std::string(path), std::string(bytes));
    return true;
}

void MemoryChordFileSystem::AddDirectory(std::string_view path) {
    path = WithoutTrailingSlash(path);
    if (path.empty() || directories_.contains(path)) {
        return;
    }
    AddDirectory(ParentOf(path));
    directories_.insert(std::string(path));
}

void MemoryChordFileSystem::AddFile(std::string_view path, std::string_view bytes) {
    AddDirectory(ParentOf(path));
    files_.insert_or_assign(std::string(path), std::string(bytes));
}

std::optional<std::string> MemoryChordFileSystem::FileContent(std::string_view path) const {
    const auto found = files_.find(path);
    if (found == files_.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace vorlane
