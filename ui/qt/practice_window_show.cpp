#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "practice/results_text.h"
#include "theory/notes.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/practice_window.h"
#include "ui/qt/results_chart.h"
#include "ui/qt/text.h"

namespace vorlane::ui::qt {

namespace {

constexpr int kNameColumns = 6;
constexpr std::array<int, 7> kWhiteKeys = {0, 2, 4, 5, 7, 9, 11};

// "C", or "C#/Db" for a black key.
QString RootCaption(int pitchClass) {
    const std::string_view sharp = NoteName(pitchClass + 1, Spelling::Sharp);
    const std::string_view flat = NoteName(pitchClass + 1, Spelling::Flat);
    return sharp == flat ? ToQString(sharp) : ToQString(sharp) + u'/' + ToQString(flat);
}

}  // namespace

void PracticeWindow::ApplyTexts() {
    const PracticeTexts& t = PracticeTextsFor(language_);
    auto set = [](auto* widget, std::string_view text) { widget->setText(ToQString(text)); };
    setWindowTitle(ToQString(t.title));
    drillGroup_->setTitle(ToQString(t.drillGroup));
    set(playIt_, t.playIt);
    set(nameIt_, t.nameIt);
    setGroup_->setTitle(ToQString(t.questionSetGroup));
    set(rootsLabel_, t.rootsLabel);
    set(allRoots_, t.allRoots);
    set(whiteRoots_, t.whiteRoots);
    set(typesLabel_, t.typesLabel);
    set(triads_, t.triads);
    set(sevenths_, t.sevenths);
    set(allTypes_, t.allTypes);
    for (ChordType type : AllChordTypes) {
        set(typeChecks_[static_cast<std::size_t>(NumberOf(type))], TypeWord(type, t));
    }
    set(inversions_, t.inversions);
    set(nameRoot_, t.nameRoot);
    set(check_, t.check);
    set(skip_, t.skip);
    set(show_, t.show);
    set(replay_, t.replay);
    set(reset_, t.resetRecord);
    set(rootsOfAnswer_, t.rootsOfAnswer);
    set(typesOfAnswer_, t.typesOfAnswer);
    question_->setAccessibleDescription(ToQString(t.questionName));
    verdict_->setAccessibleDescription(ToQString(t.verdictName));
    score_->setAccessibleDescription(ToQString(t.scoreName));
    keyboard_->setAccessibleName(ToQString(t.keyboardName));
    chart_->setAccessibleName(ToQString(t.chartName));
    nameButtonsBuilt_ = false;
}

void PracticeWindow::SetText(QLabel* label, const std::string& text, bool announce) {
    const QString now = ToQString(text);
    if (label->text() == now) {
        return;
    }
    const QString before = label->text();
    label->setText(now);
    if (announce) {
        AnnounceText(label, before);
    }
}

void PracticeWindow::Refresh() {
    const PracticeScreen& s = session_.Screen();
    SetText(question_, s.question, true);
    SetText(inversion_, s.inversion, true);
    SetText(verdict_, s.verdict, true);
    SetText(score_, s.score, true);
    SetText(streak_, s.streak, false);
    SetText(median_, s.medianTime, false);
    SetText(notice_, s.notice, true);
    notice_->setVisible(!s.notice.empty());
    keyboard_->SetMarks(s.keys);

    const PracticeTexts& t = PracticeTextsFor(language_);
    std::vector<ChartBar> bars;
    for (const TypeSummary& result : s.results) {
        bars.push_back({ToQString(TypeWord(result.type, t)),
                        static_cast<double>(result.right) / result.attempts});
    }
    chart_->SetBars(std::move(bars), ToQString(s.resultsText));

    const bool play = session_.CurrentDrill() == Drill::PlayIt;
    playIt_->setChecked(play);
    nameIt_->setChecked(!play);
    check_->setVisible(play);
    replay_->setVisible(!play);
    nameRow_->setVisible(!play);
    check_->setEnabled(s.waiting);
    show_->setEnabled(s.waiting && !s.answerShown);
    skip_->setEnabled(session_.Question().has_value());
    replay_->setEnabled(session_.Question().has_value());
    ShowQuestionSet();
    RebuildNameButtons();
    for (QPushButton* b : nameButtons_) {
        b->setEnabled(s.waiting);
    }
    for (const auto& [button, pitchClass] : rootChoices_) {
        button->setChecked(session_.NamedRoot() == pitchClass);
    }
}

void PracticeWindow::ShowQuestionSet() {
    const QuestionSet& set = session_.Set();
    auto show = [](QAbstractButton* b, bool checked) {
        const QSignalBlocker quiet(b);
        b->setChecked(checked);
    };
    show(allRoots_, !set.whiteKeysOnly);
    show(whiteRoots_, set.whiteKeysOnly);
    for (ChordType type : AllChordTypes) {
        const auto n = static_cast<std::size_t>(NumberOf(type));
        show(typeChecks_[n], set.types.test(n));
    }
    show(inversions_, set.inversions);
    show(nameRoot_, set.nameRoot);
}

// A button per root (when the root is to be named) and per chosen type.
void PracticeWindow::RebuildNameButtons() {
    const QuestionSet& set = session_.Set();
    if (nameButtonsBuilt_ && set == namedFor_) {
        return;
    }
    nameButtonsBuilt_ = true;
    namedFor_ = set;
    for (QPushButton* b : nameButtons_) {
        delete b;
    }
    nameButtons_.clear();
    rootChoices_.clear();
    typeChoices_.clear();
    QWidget* previous = replay_;
    auto add = [&](QGridLayout* grid, const QString& caption, const char* objectName) {
        auto* b = new QPushButton(caption, nameRow_);
        b->setObjectName(QString::fromLatin1(objectName) + QString::number(nameButtons_.size()));
        b->setAutoDefault(false);
        const int index = grid->count();
        grid->addWidget(b, index / kNameColumns, index % kNameColumns);
        nameButtons_.push_back(b);
        return b;
    };
    if (set.nameRoot) {
        for (int pc = 0; pc < 12; ++pc) {
            const bool white =
                std::find(kWhiteKeys.begin(), kWhiteKeys.end(), pc) != kWhiteKeys.end();
            if (set.whiteKeysOnly && !white) {
                continue;
            }
            QPushButton* b = add(rootButtons_, RootCaption(pc), "RootAnswer");
            b->setCheckable(true);
            connect(b, &QPushButton::clicked, this, [this, pc] { session_.NameRoot(pc); });
            rootChoices_.emplace_back(b, pc);
        }
    }
    const PracticeTexts& t = PracticeTextsFor(language_);
    for (ChordType type : AllChordTypes) {
        if (set.types.test(static_cast<std::size_t>(NumberOf(type)))) {
            QPushButton* b = add(typeButtons_, ToQString(TypeWord(type, t)), "TypeAnswer");
            connect(b, &QPushButton::clicked, this, [this, type] { session_.NameType(type); });
            typeChoices_.emplace_back(b, type);
        }
    }
    rootsOfAnswer_->setVisible(set.nameRoot);
    // In the tab order straight after the drill they answer.
    for (QPushButton* b : nameButtons_) {
        setTabOrder(previous, b);
        previous = b;
    }
}

}  // namespace vorlane::ui::qt
