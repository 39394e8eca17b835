#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "app/practice_session.h"
#include "ui/qt/practice_keyboard.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vorlane::ui::qt {

class ResultsChart;

// The practice window: a face on a PracticeSession. It turns clicks, keys and keyboard presses
// into the session's calls and shows the session's screen after each of them. Not modal; it
// follows the language it is given.
class PracticeWindow : public QWidget, private KeyboardHandler {
  public:
    explicit PracticeWindow(PracticeSession& session, QWidget* parent = nullptr);
    ~PracticeWindow() override;

    void SetLanguage(Language language);
    // Shows what the session says now; the session calls it after each change.
    void Refresh();

    // Asks before the record is deleted; a test may answer instead of a player.
    std::function<bool(const QString& question)> confirmReset;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void KeyPressed(int note) override;
    void KeyReleased(int note) override;

    void Build();
    QGroupBox* BuildDrills();
    QGroupBox* BuildQuestionSet();
    void BuildAnswerButtons();
    void ApplyTexts();
    void ShowQuestionSet();
    void RebuildNameButtons();
    void ChangeSet(const std::function<void(QuestionSet&)>& change);
    void AskToReset();
    void SetText(QLabel* label, const std::string& text, bool announce);

    PracticeSession& session_;
    Language language_ = Language::English;

    QGroupBox* drillGroup_ = nullptr;
    QRadioButton* playIt_ = nullptr;
    QRadioButton* nameIt_ = nullptr;
    QGroupBox* setGroup_ = nullptr;
    QLabel* rootsLabel_ = nullptr;
    QRadioButton* allRoots_ = nullptr;
    QRadioButton* whiteRoots_ = nullptr;
    QLabel* typesLabel_ = nullptr;
    QPushButton* triads_ = nullptr;
    QPushButton* sevenths_ = nullptr;
    QPushButton* allTypes_ = nullptr;
    std::array<QCheckBox*, kChordTypeCount> typeChecks_{};
    QCheckBox* inversions_ = nullptr;
    QCheckBox* nameRoot_ = nullptr;

    QLabel* question_ = nullptr;
    QLabel* inversion_ = nullptr;
    QLabel* verdict_ = nullptr;
    PracticeKeyboard* keyboard_ = nullptr;
    QPushButton* check_ = nullptr;
    QPushButton* skip_ = nullptr;
    QPushButton* show_ = nullptr;
    QPushButton* replay_ = nullptr;
    QWidget* nameRow_ = nullptr;
    QLabel* rootsOfAnswer_ = nullptr;
    QLabel* typesOfAnswer_ = nullptr;
    QGridLayout* rootButtons_ = nullptr;
    QGridLayout* typeButtons_ = nullptr;
    std::vector<QPushButton*> nameButtons_;
    std::vector<std::pair<QPushButton*, int>> rootChoices_;
    std::vector<std::pair<QPushButton*, ChordType>> typeChoices_;
    QuestionSet namedFor_;
    bool nameButtonsBuilt_ = false;
    QLabel* score_ = nullptr;
    QLabel* streak_ = nullptr;
    QLabel* median_ = nullptr;
    ResultsChart* chart_ = nullptr;
    QPushButton* reset_ = nullptr;
    QLabel* notice_ = nullptr;
};

}  // namespace vorlane::ui::qt
