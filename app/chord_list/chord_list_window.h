#pragma once

#include <QWidget>
#include <functional>
#include <memory>

namespace vorlane {

class ChordListController;
class ChordRowsView;
class KeyBar;
class PlayBar;

// The chord list window: the rows, and the buttons and keys that change and play them. It
// only shows the controller's state and hands the user's actions to it. A window of its own,
// kept above the main window, which it is given as its parent.
class ChordListWindow : public QWidget {
    Q_OBJECT

  public:
    ChordListWindow(ChordListController& controller, QWidget* mainWindow);
    ~ChordListWindow() override;

    // Shows the window and brings it forward; the first time beside the main window.
    void ShowBeside(const QWidget& mainWindow);

    ChordRowsView& Rows() { return *rows_; }

  protected:
    // The list stops playing with its window closed: nothing shows what plays.
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Actions;

    void BuildActions();
    void BuildLayout();
    void ApplyTexts();
    void UpdateEnabled();
    void ShowPlaying();

    ChordListController& controller_;
    ChordRowsView* rows_ = nullptr;
    KeyBar* keyBar_ = nullptr;
    PlayBar* playBar_ = nullptr;
    std::unique_ptr<Actions> actions_;
    bool placed_ = false;
};

// Where a window of the size goes first: right of the main window with a small gap, else
// left of it, else as far right as the screen allows; level with the main window's top.
QPoint PlaceBeside(const QRect& main, const QSize& own, const QRect& screen);

// Gives the controller its window: made the first time it is asked for (then told to made),
// owned by the main window's view, and shown beside it. Changes made from the list reach the
// main window's view through pushMainView.
void AttachChordListWindow(ChordListController& controller, QWidget& mainView,
                           std::function<void()> pushMainView,
                           std::function<void(QWidget&)> made = {});

}  // namespace vorlane
