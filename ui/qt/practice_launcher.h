#pragma once

#include <memory>

#include "app/main_window.h"
#include "app/practice_session.h"
#include "ui/qt/practice_window.h"

namespace vorlane::ui::qt {

// Opens the practice window from the main window's button (and Ctrl+P), keeps it in the main
// window's language and hands it the notes played on a MIDI keyboard while a question waits. The
// session and its window are made at the first opening, so the record is read only once practice
// starts; later openings bring the same window back. The chords heard follow the main window's
// sound mode.
class PracticeLauncher {
  public:
    PracticeLauncher(MainWindow& form, PracticeServices services);
    PracticeLauncher(const PracticeLauncher&) = delete;
    PracticeLauncher& operator=(const PracticeLauncher&) = delete;
    ~PracticeLauncher();

    void Open();
    PracticeSession* Session() const { return session_.get(); }
    PracticeWindow* Window() const { return window_.get(); }

  private:
    MainWindow& form_;
    PracticeServices services_;
    std::unique_ptr<PracticeSession> session_;
    std::unique_ptr<PracticeWindow> window_;
};

}  // namespace vorlane::ui::qt
