#include "ui/qt/practice_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/qt/accessibility.h"
#include "ui/qt/mirror_widgets.h"
#include "ui/qt/results_chart.h"
#include "ui/qt/text.h"

namespace vorlane::ui::qt {

namespace {

constexpr int kTypeColumns = 4;

QLabel* NamedLabel(const char* objectName, QWidget* parent) {
    auto* label = new MirrorLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::TabFocus);  // a screen reader user can stop on it
    return label;
}

QPushButton* Button(const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

PracticeWindow::PracticeWindow(PracticeSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    InstallAccessibility();
    setObjectName(QStringLiteral("PracticeWindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    confirmReset = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    Build();
    ApplyTexts();
    session_.onChange = [this] { Refresh(); };
    Refresh();
}

PracticeWindow::~PracticeWindow() {
    session_.onChange = nullptr;
}

void PracticeWindow::Build() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildDrills(), 0, Qt::AlignTop);
    top->addWidget(BuildQuestionSet(), 1);
    layout->addLayout(top);

    question_ = NamedLabel("QuestionLabel", this);
    QFont big = question_->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    question_->setFont(big);
    inversion_ = NamedLabel("InversionLabel", this);
    verdict_ = NamedLabel("VerdictLabel", this);
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    layout->addWidget(question_);
    layout->addWidget(inversion_);
    layout->addWidget(verdict_);

    keyboard_ = new PracticeKeyboard(this);
    keyboard_->setObjectName(QStringLiteral("PracticeKeyboard"));
    keyboard_->SetHandler(this);
    layout->addWidget(keyboard_, 0, Qt::AlignHCenter);

    BuildAnswerButtons();
    auto* answers = new QHBoxLayout;
    for (QPushButton* b : {check_, skip_, show_, replay_}) {
        answers->addWidget(b);
    }
    answers->addStretch(1);
    layout->addLayout(answers);

    nameRow_ = new QWidget(this);
    auto* nameLayout = new QGridLayout(nameRow_);
    nameLayout->setContentsMargins(0, 0, 0, 0);
    rootsOfAnswer_ = new QLabel(nameRow_);
    typesOfAnswer_ = new QLabel(nameRow_);
    rootButtons_ = new QGridLayout;
    typeButtons_ = new QGridLayout;
    nameLayout->addWidget(rootsOfAnswer_, 0, 0, Qt::AlignTop);
    nameLayout->addLayout(rootButtons_, 0, 1);
    nameLayout->addWidget(typesOfAnswer_, 1, 0, Qt::AlignTop);
    nameLayout->addLayout(typeButtons_, 1, 1);
    nameLayout->setColumnStretch(1, 1);
    layout->addWidget(nameRow_);

    auto* scores = new QHBoxLayout;
    score_ = NamedLabel("ScoreLabel", this);
    streak_ = NamedLabel("StreakLabel", this);
    median_ = NamedLabel("MedianTimeLabel", this);
    for (QLabel* l : {score_, streak_, median_}) {
        scores->addWidget(l);
    }
    scores->addStretch(1);
    layout->addLayout(scores);

    auto* results = new QHBoxLayout;
    chart_ = new ResultsChart(this);
    chart_->setObjectName(QStringLiteral("ResultsChart"));
    reset_ = Button("ResetRecordButton", this);
    connect(reset_, &QPushButton::clicked, this, [this] { AskToReset(); });
    results->addWidget(chart_, 1);
    results->addWidget(reset_, 0, Qt::AlignBottom);
    layout->addLayout(results);

    notice_ = NamedLabel("NoticeLabel", this);
    notice_->setWordWrap(true);
    layout->addWidget(notice_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* PracticeWindow::BuildDrills() {
    drillGroup_ = new QGroupBox(this);
    auto* layout = new QVBoxLayout(drillGroup_);
    playIt_ = new QRadioButton(drillGroup_);
    playIt_->setObjectName(QStringLiteral("PlayItButton"));
    nameIt_ = new QRadioButton(drillGroup_);
    nameIt_->setObjectName(QStringLiteral("NameItButton"));
    layout->addWidget(playIt_);
    layout->addWidget(nameIt_);
    connect(playIt_, &QRadioButton::clicked, this, [this] { session_.ChooseDrill(Drill::PlayIt); });
    connect(nameIt_, &QRadioButton::clicked, this, [this] { session_.ChooseDrill(Drill::NameIt); });
    return drillGroup_;
}

QGroupBox* PracticeWindow::BuildQuestionSet() {
    setGroup_ = new QGroupBox(this);
    auto* layout = new QVBoxLayout(setGroup_);

    auto* roots = new QHBoxLayout;
    rootsLabel_ = new QLabel(setGroup_);
    allRoots_ = new QRadioButton(setGroup_);
    whiteRoots_ = new QRadioButton(setGroup_);
    whiteRoots_->setObjectName(QStringLiteral("WhiteRootsButton"));
    for (QWidget* w : std::initializer_list<QWidget*>{rootsLabel_, allRoots_, whiteRoots_}) {
        roots->addWidget(w);
    }
    roots->addStretch(1);
    layout->addLayout(roots);
    connect(allRoots_, &QRadioButton::clicked, this,
            [this] { ChangeSet([](QuestionSet& s) { s.whiteKeysOnly = false; }); });
    connect(whiteRoots_, &QRadioButton::clicked, this,
            [this] { ChangeSet([](QuestionSet& s) { s.whiteKeysOnly = true; }); });

    auto* quick = new QHBoxLayout;
    typesLabel_ = new QLabel(setGroup_);
    quick->addWidget(typesLabel_);
    const std::pair<QPushButton**, TypeChoice> choices[] = {
        {&triads_, TypeChoice::Triads},
        {&sevenths_, TypeChoice::Sevenths},
        {&allTypes_, TypeChoice::All},
    };
    for (const auto& [button, choice] : choices) {
        *button = Button("", setGroup_);
        quick->addWidget(*button);
        connect(*button, &QPushButton::clicked, this, [this, choice = choice] {
            ChangeSet([choice](QuestionSet& s) { s.types = TypesOf(choice); });
        });
    }
    quick->addStretch(1);
    layout->addLayout(quick);

    auto* types = new QGridLayout;
    for (ChordType t : AllChordTypes) {
        const int n = NumberOf(t);
        auto* check = new QCheckBox(setGroup_);
        check->setObjectName(QStringLiteral("TypeCheck%1").arg(n));
        types->addWidget(check, n / kTypeColumns, n % kTypeColumns);
        connect(check, &QCheckBox::clicked, this, [this, n](bool on) {
            ChangeSet([n, on](QuestionSet& s) { s.types.set(static_cast<std::size_t>(n), on); });
        });
        typeChecks_[static_cast<std::size_t>(n)] = check;
    }
    layout->addLayout(types);

    auto* options = new QHBoxLayout;
    inversions_ = new QCheckBox(setGroup_);
    inversions_->setObjectName(QStringLiteral("InversionsCheck"));
    nameRoot_ = new QCheckBox(setGroup_);
    nameRoot_->setObjectName(QStringLiteral("NameRootCheck"));
    options->addWidget(inversions_);
    options->addWidget(nameRoot_);
    options->addStretch(1);
    layout->addLayout(options);
    connect(inversions_, &QCheckBox::clicked, this,
            [this](bool on) { ChangeSet([on](QuestionSet& s) { s.inversions = on; }); });
    connect(nameRoot_, &QCheckBox::clicked, this,
            [this](bool on) { ChangeSet([on](QuestionSet& s) { s.nameRoot = on; }); });
    return setGroup_;
}

void PracticeWindow::BuildAnswerButtons() {
    check_ = Button("CheckButton", this);
    skip_ = Button("SkipButton", this);
    show_ = Button("ShowButton", this);
    replay_ = Button("ReplayButton", this);
    connect(check_, &QPushButton::clicked, this, [this] { session_.Check(); });
    connect(skip_, &QPushButton::clicked, this, [this] { session_.Skip(); });
    connect(show_, &QPushButton::clicked, this, [this] { session_.Show(); });
    connect(replay_, &QPushButton::clicked, this, [this] { session_.Replay(); });
    // The letters stay the same in every language.
    const std::pair<QKeySequence, QPushButton*> keys[] = {
        {QKeySequence(Qt::Key_Return), check_}, {QKeySequence(Qt::Key_Enter), check_},
        {QKeySequence(Qt::Key_S), skip_},       {QKeySequence(Qt::Key_H), show_},
        {QKeySequence(Qt::Key_R), replay_},
    };
    for (const auto& [sequence, button] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, button, [button = button] {
            if (button->isVisible() && button->isEnabled()) {
                button->click();
            }
        });
    }
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void PracticeWindow::ChangeSet(const std::function<void(QuestionSet&)>& change) {
    QuestionSet set = session_.Set();
    change(set);
    session_.ChangeSet(set);
}

void PracticeWindow::AskToReset() {
    if (confirmReset && confirmReset(ToQString(PracticeTextsFor(language_).resetQuestion))) {
        session_.ResetRecord();
    }
}

void PracticeWindow::KeyPressed(int note) {
    session_.ToggleKey(note);
}

void PracticeWindow::KeyReleased(int) {}

void PracticeWindow::showEvent(QShowEvent* event) {
    session_.Open(language_);
    QWidget::showEvent(event);
}

void PracticeWindow::closeEvent(QCloseEvent* event) {
    session_.Close();
    QWidget::closeEvent(event);
}

void PracticeWindow::SetLanguage(Language language) {
    language_ = language;
    ApplyTexts();
    session_.SetLanguage(language);
}

}  // namespace vorlane::ui::qt
