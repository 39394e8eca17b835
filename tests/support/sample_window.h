#pragma once

#include <array>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace vorlane::ui::test {

// A window laid out like the program's main window, with every kind of control, handlers that
// only log what fired, and no program logic behind it.
struct SampleWindow {
    SampleWindow();

    Window window;
    ImageList piano{"piano", 717, 159};
    ImageList logo{"pianologo", 159, 86};
    std::vector<std::string> fired;  // names of the controls whose handler ran, in order
    Control* keyboard = nullptr;
    Control* playMarker = nullptr;
    std::array<Control*, 10> keyMarkers{};
    std::array<Control*, 24> variations{};  // by chord type
    std::array<Control*, 12> flatRoots{};   // by pitch class
    std::array<Control*, 12> sharpRoots{};
    Control* inversion = nullptr;
    Control* notesCheck = nullptr;
    Control* variationGroup = nullptr;

    Control& operator[](std::string_view name) const { return *window.Find(name); }
};

}  // namespace vorlane::ui::test
