#include "ui/qt/practice_launcher.h"

namespace vorlane::ui::qt {

PracticeLauncher::PracticeLauncher(MainWindow& form, PracticeServices services)
    : form_(form), services_(std::move(services)) {
    services_.soundMode = [&form] { return form.player.Mode(); };
    form_.onOpenPractice = [this] { Open(); };
    form_.onLanguageApplied = [this](Language language) {
        if (window_) {
            window_->SetLanguage(language);
        }
    };
    form_.takePlayedNotes = [this](const std::vector<int>& notes) {
        return session_ && session_->TakePlayedNotes(notes);
    };
}

PracticeLauncher::~PracticeLauncher() {
    form_.onOpenPractice = nullptr;
    form_.onLanguageApplied = nullptr;
    form_.takePlayedNotes = nullptr;
}

void PracticeLauncher::Open() {
    if (!window_) {
        session_ = std::make_unique<PracticeSession>(services_);
        window_ = std::make_unique<PracticeWindow>(*session_);
        window_->SetLanguage(form_.state.language);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace vorlane::ui::qt
