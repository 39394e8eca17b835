#pragma once

#include <string>
#include <string_view>

#include "ui/controls.h"

namespace vorlane::ui {

// The save-file dialog's settings; running the dialog updates fileName.
struct SaveDialog {
    std::string filter;            // "Description|*.pattern"
    std::string defaultExtension;  // appended when the user types a name without one
    std::string initialFolder;
    std::string fileName;  // offered when the dialog opens; the chosen path, or empty on cancel
    std::string title;
    bool overwritePrompt = true;
    bool pathMustExist = true;
};

// The open-file dialog's settings; running the dialog updates fileName.
struct OpenDialog {
    std::string filter;  // "Description|*.pattern"
    std::string initialFolder;
    std::string fileName;  // the chosen path, or empty on cancel
    std::string title;
};

enum class AboutIcon { None, Application };

// What the about box shows.
struct AboutInfo {
    std::string title;
    std::string notice;
    std::string description;
    AboutIcon iconChoice = AboutIcon::Application;
};

// Modal dialogs. Each returns when the user has closed the dialog.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Returns whether the user confirmed a file name; sets dialog.fileName to the chosen path,
    // or to the empty text when the user cancelled.
    virtual bool RunSaveDialog(SaveDialog& dialog) = 0;
    // Returns whether the user chose an existing file; sets dialog.fileName to its path, or to
    // the empty text when the user cancelled.
    virtual bool RunOpenDialog(OpenDialog& dialog) = 0;
    virtual void ShowError(std::string_view title, std::string_view text) = 0;
    virtual void ShowAbout(const AboutInfo& about) = 0;
};

}  // namespace vorlane::ui
