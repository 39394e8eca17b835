#pragma once

#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QSpinBox;

namespace vorlane {

class ChordListController;
struct ChordListTexts;

// Hearing the list: Play/Stop (the window's action, with its key), tempo, beats per chord,
// loop and smooth voicing.
class PlayBar : public QWidget {
    Q_OBJECT

  public:
    PlayBar(ChordListController& controller, QAction* play, QWidget* parent);
    void ApplyTexts(const ChordListTexts& texts);

  private:
    ChordListController& controller_;
    QLabel* tempoLabel_ = nullptr;
    QSpinBox* tempo_ = nullptr;
    QLabel* beatsLabel_ = nullptr;
    QSpinBox* beats_ = nullptr;
    QCheckBox* loop_ = nullptr;
    QCheckBox* smooth_ = nullptr;
};

}  // namespace vorlane
