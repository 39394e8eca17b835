#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <vector>

#include "ui/controls.h"

namespace vorlane::ui::qt {

// Buttons answer a press anywhere on their visible area, as native buttons do, not only on
// the caption and indicator; where neighbours overlap, the view's masks decide who gets it.
template <typename Button>
class MirrorButton : public Button {
  public:
    using Button::Button;

  protected:
    bool hitButton(const QPoint& pos) const override {
        return this->rect().contains(pos) && (this->mask().isEmpty() || this->mask().contains(pos));
    }
};

// A label of the window (screen readers can read its text as text).
class MirrorLabel : public QLabel {
  public:
    using QLabel::QLabel;
};

using MirrorPushButton = MirrorButton<QPushButton>;
using MirrorCheckBox = MirrorButton<QCheckBox>;
using MirrorRadioButton = MirrorButton<QRadioButton>;

// Shows one image of an image list at its full size, rendered at the screen's pixel ratio.
class PictureWidget : public QWidget {
  public:
    explicit PictureWidget(QWidget* parent) : QWidget(parent) {}
    void SetImage(const ImageList* list, int index);
    void SetSpots(std::vector<Spot> spots);
    // The parts a screen reader tells apart; changes are reported to it.
    void SetAccessibleItems(std::vector<AccessibleItem> items);
    const std::vector<AccessibleItem>& AccessibleItems() const { return items_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const ImageList* list_ = nullptr;
    int index_ = 0;
    QPixmap cache_;
    qreal cacheRatio_ = 0;
    std::vector<AccessibleItem> items_;
    std::vector<Spot> spots_;
};

// A new widget of the record's kind, not yet filled in.
QWidget* CreateMirrorWidget(const Control& record, QWidget* parent);

}  // namespace vorlane::ui::qt
