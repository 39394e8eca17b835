#include "app/chord_list/chord_list_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QPointer>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/chord_list/chord_list_commands.h"
#include "app/chord_list/chord_list_controller.h"
#include "app/chord_list/chord_rows_view.h"
#include "app/chord_list/key_bar.h"
#include "app/chord_list/play_bar.h"

namespace vorlane {

using chord_list::ToQString;

namespace {

constexpr int kGapToMainWindow = 8;
constexpr int kInitialWidth = 520;

}  // namespace

// Each action carries its text, its keys and whether it can be used; the buttons show them.
struct ChordListWindow::Actions {
    QAction* moveUp = nullptr;
    QAction* moveDown = nullptr;
    QAction* duplicate = nullptr;
    QAction* remove = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* transposeDown = nullptr;
    QAction* transposeUp = nullptr;
    QAction* play = nullptr;  // Play, or Stop while the list plays
    QAction* open = nullptr;
    QAction* exportMidi = nullptr;
};

ChordListWindow::ChordListWindow(ChordListController& controller, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      controller_(controller),
      actions_(std::make_unique<Actions>()) {
    setObjectName(QStringLiteral("ChordListWindow"));
    rows_ = new ChordRowsView(this);
    rows_->setObjectName(QStringLiteral("ChordRows"));
    rows_->setModel(&controller_.Model());
    BuildActions();
    BuildLayout();
    ApplyTexts();
    UpdateEnabled();

    connect(rows_, &ChordRowsView::RowChosen, this,
            [this](int row) { controller_.Choose(static_cast<std::size_t>(row)); });
    connect(rows_, &ChordRowsView::RowsDropped, this,
            [this](const std::vector<std::size_t>& rows, std::size_t before) {
                controller_.MoveRows(rows, before);
            });
    // Rows put in (remembered, duplicated, brought back) are shown chosen.
    connect(&controller_.Model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { rows_->ShowRows(first, last); });
    connect(rows_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateEnabled(); });
    connect(&controller_.Model(), &QAbstractItemModel::modelReset, this,
            [this] { UpdateEnabled(); });
    connect(&controller_.History(), &QUndoStack::indexChanged, this, [this] { UpdateEnabled(); });
    connect(&controller_, &ChordListController::LanguageChanged, this, [this] { ApplyTexts(); });
    connect(&controller_, &ChordListController::PlayingChanged, this, [this] {
        ShowPlaying();
        UpdateEnabled();
    });
    // The row playing stays in sight.
    connect(&controller_, &ChordListController::PlayingRowChanged, this,
            [this](int row) { rows_->scrollTo(controller_.Model().index(row)); });
}

ChordListWindow::~ChordListWindow() = default;

void ChordListWindow::BuildActions() {
    auto action = [this](QKeySequence keys, auto run) {
        auto* a = new QAction(this);
        a->setShortcut(keys);
        addAction(a);
        connect(a, &QAction::triggered, this, run);
        return a;
    };
    Actions& a = *actions_;
    a.moveUp = action(QKeySequence(Qt::ALT | Qt::Key_Up),
                      [this] { controller_.StepRows(rows_->SelectedRows(), true); });
    a.moveDown = action(QKeySequence(Qt::ALT | Qt::Key_Down),
                        [this] { controller_.StepRows(rows_->SelectedRows(), false); });
    a.duplicate = action(QKeySequence(Qt::CTRL | Qt::Key_D),
                         [this] { controller_.DuplicateRows(rows_->SelectedRows()); });
    a.remove = action(QKeySequence(QKeySequence::Delete),
                      [this] { controller_.RemoveRows(rows_->SelectedRows()); });
    a.undo = action(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { controller_.Undo(); });
    a.redo = action(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { controller_.Redo(); });
    a.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    a.transposeDown = action(QKeySequence(Qt::CTRL | Qt::Key_Down),
                             [this] { controller_.Transpose(rows_->SelectedRows(), -1); });
    a.transposeUp = action(QKeySequence(Qt::CTRL | Qt::Key_Up),
                           [this] { controller_.Transpose(rows_->SelectedRows(), 1); });
    a.open = action(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { controller_.OpenFile(); });
    a.exportMidi = action(QKeySequence(Qt::CTRL | Qt::Key_E), [this] { controller_.ExportMidi(); });
    a.play = action(QKeySequence(Qt::Key_Space), [this] {
        if (controller_.Playing()) {
            controller_.Stop();
        } else {
            controller_.Play();
        }
    });
    // Space plays from the list; elsewhere it keeps pressing buttons and ticking boxes.
    removeAction(a.play);
    rows_->addAction(a.play);
    a.play->setShortcutContext(Qt::WidgetShortcut);
}

void ChordListWindow::BuildLayout() {
    auto button = [this](QAction* action, const char* name) {
        auto* b = new QToolButton(this);
        b->setDefaultAction(action);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return b;
    };
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(button(actions_->open, "OpenButton"));
    fileRow->addWidget(button(actions_->exportMidi, "ExportButton"));
    fileRow->addStretch();
    fileRow->addWidget(button(actions_->undo, "UndoButton"));
    fileRow->addWidget(button(actions_->redo, "RedoButton"));
    auto* editRow = new QHBoxLayout;
    editRow->addWidget(button(actions_->moveUp, "MoveUpButton"));
    editRow->addWidget(button(actions_->moveDown, "MoveDownButton"));
    editRow->addWidget(button(actions_->duplicate, "DuplicateButton"));
    editRow->addWidget(button(actions_->remove, "RemoveButton"));
    editRow->addStretch();

    keyBar_ = new KeyBar(controller_, actions_->transposeDown, actions_->transposeUp, this);
    playBar_ = new PlayBar(controller_, actions_->play, this);

    auto* column = new QVBoxLayout(this);
    column->addLayout(fileRow);
    column->addLayout(editRow);
    column->addWidget(rows_, 1);
    column->addWidget(keyBar_);
    column->addWidget(playBar_);
}

void ChordListWindow::ApplyTexts() {
    const ChordListTexts& t = controller_.Texts();
    setWindowTitle(ToQString(t.windowTitle));
    rows_->setAccessibleName(ToQString(t.listName));
    auto text = [](QAction* a, std::string_view caption) {
        a->setText(ToQString(caption));
        // The keys in the tooltip, where a mouse user finds them.
        a->setToolTip(a->text() + QStringLiteral(" (") +
                      a->shortcut().toString(QKeySequence::NativeText) + QStringLiteral(")"));
    };
    text(actions_->moveUp, t.moveUp);
    text(actions_->moveDown, t.moveDown);
    text(actions_->duplicate, t.duplicate);
    text(actions_->remove, t.remove);
    text(actions_->undo, t.undo);
    text(actions_->redo, t.redo);
    text(actions_->open, t.open);
    text(actions_->exportMidi, t.exportMidi);
    text(actions_->transposeDown, t.transposeDown);
    text(actions_->transposeUp, t.transposeUp);
    keyBar_->ApplyTexts(t);
    playBar_->ApplyTexts(t);
    ShowPlaying();
}

void ChordListWindow::ShowPlaying() {
    const ChordListTexts& t = controller_.Texts();
    actions_->play->setText(ToQString(controller_.Playing() ? t.stop : t.play));
    actions_->play->setToolTip(actions_->play->text() + QStringLiteral(" (") +
                               actions_->play->shortcut().toString(QKeySequence::NativeText) +
                               QStringLiteral(")"));
}

void ChordListWindow::UpdateEnabled() {
    const bool chosen =
        rows_->selectionModel() != nullptr && rows_->selectionModel()->hasSelection();
    for (QAction* a :
         {actions_->moveUp, actions_->moveDown, actions_->duplicate, actions_->remove}) {
        a->setEnabled(chosen);
    }
    actions_->exportMidi->setEnabled(!controller_.Chords().Empty());
    actions_->transposeDown->setEnabled(!controller_.Chords().Empty());
    actions_->transposeUp->setEnabled(!controller_.Chords().Empty());
    actions_->play->setEnabled(controller_.Playing() || !controller_.Chords().Empty());
    actions_->undo->setEnabled(controller_.History().canUndo());
    actions_->redo->setEnabled(controller_.History().canRedo());
}

void ChordListWindow::closeEvent(QCloseEvent* event) {
    controller_.Stop();
    QWidget::closeEvent(event);
}

void ChordListWindow::ShowBeside(const QWidget& mainWindow) {
    if (!placed_) {
        placed_ = true;
        // Its own texts may ask for more than the usual width; place it at the size it gets.
        ensurePolished();
        resize(std::max(kInitialWidth, minimumSizeHint().width()), mainWindow.height());
        const QScreen* screen = mainWindow.screen();
        move(PlaceBeside(mainWindow.frameGeometry(), frameGeometry().size(),
                         screen != nullptr ? screen->availableGeometry() : QRect()));
    }
    show();
    raise();
    activateWindow();
}

QPoint PlaceBeside(const QRect& main, const QSize& own, const QRect& screen) {
    const int right = main.right() + 1 + kGapToMainWindow;
    const int left = main.left() - kGapToMainWindow - own.width();
    if (screen.isEmpty() || right + own.width() <= screen.right() + 1) {
        return {right, main.top()};
    }
    if (left >= screen.left()) {
        return {left, main.top()};
    }
    // No room on either side: as far right as the screen allows, over the main window.
    return {std::max(screen.left(), screen.right() + 1 - own.width()), main.top()};
}

}  // namespace vorlane

namespace vorlane {

void AttachChordListWindow(ChordListController& controller, QWidget& mainView,
                           std::function<void()> pushMainView, std::function<void(QWidget&)> made) {
    auto window = std::make_shared<QPointer<ChordListWindow>>();
    controller.onOpen = [&controller, &mainView, window, made = std::move(made)] {
        if (window->isNull()) {
            *window = new ChordListWindow(controller, &mainView);
            if (made) {
                made(**window);
            }
        }
        (*window)->ShowBeside(mainView);
    };
    controller.onMainWindowChanged = std::move(pushMainView);
}

}  // namespace vorlane
