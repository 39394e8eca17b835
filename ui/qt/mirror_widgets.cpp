#include "ui/qt/mirror_widgets.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>

#include "ui/qt/accessibility.h"
#include "ui/qt/artwork.h"

namespace vorlane::ui::qt {

void PictureWidget::SetImage(const ImageList* list, int index) {
    if (list == list_ && index == index_) {
        return;
    }
    list_ = list;
    index_ = index;
    cache_ = QPixmap();
    update();
}

void PictureWidget::SetSpots(std::vector<Spot> spots) {
    if (spots == spots_) {
        return;
    }
    spots_ = std::move(spots);
    update();
}

void PictureWidget::SetAccessibleItems(std::vector<AccessibleItem> items) {
    if (items == items_) {
        return;
    }
    std::swap(items, items_);
    AnnounceItems(this, items, items_);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    if (list_ == nullptr) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (cache_.isNull() || cacheRatio_ != ratio) {
        cache_ = QPixmap::fromImage(RenderPicture(list_->resource, index_, ratio));
        cacheRatio_ = ratio;
    }
    QPainter painter(this);
    if (!cache_.isNull()) {
        painter.drawPixmap(0, 0, cache_);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const Spot& spot : spots_) {
        painter.setBrush(QColor(spot.colour.red, spot.colour.green, spot.colour.blue));
        painter.drawEllipse(QRectF(spot.left, spot.top, spot.size, spot.size));
    }
}

QWidget* CreateMirrorWidget(const Control& record, QWidget* parent) {
    switch (record.kind) {
        case ControlKind::Label: {
            auto* label = new MirrorLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(record.wordWrap);
            // Coloured squares carry a short name in their middle; text lines read from the left.
            label->setAlignment(record.backgroundColour ? Qt::AlignCenter
                                                        : Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
        case ControlKind::GroupBox:
            return new QGroupBox(parent);
        case ControlKind::PushButton: {
            auto* button = new MirrorPushButton(parent);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::CheckBox:
            return new MirrorCheckBox(parent);
        case ControlKind::RadioButton: {
            auto* radio = new MirrorRadioButton(parent);
            radio->setAutoExclusive(false);  // the records keep one button of a set selected
            return radio;
        }
        case ControlKind::DropDownList: {
            auto* list = new QComboBox(parent);
            list->setEditable(false);
            return list;
        }
        case ControlKind::Picture: {
            auto* picture = new PictureWidget(parent);
            picture->setAttribute(Qt::WA_TransparentForMouseEvents);  // output only
            return picture;
        }
        case ControlKind::FrameBar: {
            auto* frame = new QFrame(parent);
            frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            return frame;
        }
    }
    return new QWidget(parent);
}

}  // namespace vorlane::ui::qt
