#pragma once

#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QToolButton;

namespace vorlane {

class ChordListController;
struct ChordListTexts;

// The list's key (tonic and mode) and the ways to transpose the list: a semitone down or up
// (the window's actions, with their keys) or to another tonic.
class KeyBar : public QWidget {
    Q_OBJECT

  public:
    KeyBar(ChordListController& controller, QAction* down, QAction* up, QWidget* parent);
    void ApplyTexts(const ChordListTexts& texts);

  private:
    void ShowKey();
    void FillTransposeMenu();

    ChordListController& controller_;
    QLabel* keyLabel_ = nullptr;
    QComboBox* tonic_ = nullptr;
    QComboBox* mode_ = nullptr;
    QLabel* transposeLabel_ = nullptr;
    QToolButton* transposeTo_ = nullptr;
    QMenu* transposeMenu_ = nullptr;
};

}  // namespace vorlane
