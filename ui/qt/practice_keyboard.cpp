#include "ui/qt/practice_keyboard.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <utility>

#include "keyboard/key_markers.h"
#include "theory/notes.h"
#include "ui/qt/artwork.h"

namespace vorlane::ui::qt {

namespace {

constexpr int kMarkSize = 18;
constexpr int kLowestOctave = 3;

int KeyOf(int note) {
    return note - PracticeKeyboard::kLowestNote + kLowestKey;
}

int InRange(int note) {
    while (note < PracticeKeyboard::kLowestNote) {
        note += 12;
    }
    while (note >= PracticeKeyboard::kLowestNote + PracticeKeyboard::kKeyCount) {
        note -= 12;
    }
    return note;
}

QColor MarkColour(KeyMark mark) {
    switch (mark) {
        case KeyMark::Held:
            return {40, 96, 200};
        case KeyMark::Right:
            return {0, 140, 60};
        case KeyMark::Wrong:
            return {210, 30, 30};
        case KeyMark::Missing:
            break;
    }
    return {230, 130, 0};
}

// Each mark has a shape of its own as well as a colour, for players who tell the colours
// apart badly: a dot, a tick, a cross, a ring.
void PaintMark(QPainter& painter, const QRectF& box, KeyMark mark) {
    const QColor colour = MarkColour(mark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(box, 4, 4);
    const QRectF inner = box.adjusted(4, 4, -4, -4);
    painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    switch (mark) {
        case KeyMark::Held:
            painter.setBrush(Qt::white);
            painter.drawEllipse(inner.adjusted(2, 2, -2, -2));
            break;
        case KeyMark::Right: {
            QPainterPath tick;
            tick.moveTo(inner.left(), inner.center().y());
            tick.lineTo(inner.left() + inner.width() * 0.4, inner.bottom());
            tick.lineTo(inner.right(), inner.top());
            painter.drawPath(tick);
            break;
        }
        case KeyMark::Wrong:
            painter.drawLine(inner.topLeft(), inner.bottomRight());
            painter.drawLine(inner.topRight(), inner.bottomLeft());
            break;
        case KeyMark::Missing:
            painter.drawEllipse(inner);
            break;
    }
}

}  // namespace

PracticeKeyboard::PracticeKeyboard(QWidget* parent) : PictureWidget(parent) {
    setFixedSize(kKeyboardWidth, kKeyboardHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    UpdateAccessibleKeys();
}

QSize PracticeKeyboard::sizeHint() const {
    return {kKeyboardWidth, kKeyboardHeight};
}

void PracticeKeyboard::SetMarks(const KeyMarks& marks) {
    KeyMarks folded;
    for (const auto& [note, mark] : marks) {
        folded[InRange(note)] = mark;
    }
    if (folded == marks_) {
        return;
    }
    marks_ = std::move(folded);
    UpdateAccessibleKeys();
    update();
}

int PracticeKeyboard::NoteAt(const QPoint& point) const {
    // Black keys lie over the white ones: they are found first.
    for (bool black : {true, false}) {
        for (int key = kLowestKey; key <= kHighestKey; ++key) {
            const bool isBlack = KeyMarkerPositions[static_cast<std::size_t>(key)].y < 100;
            if (isBlack == black && KeyboardKeyRect(key).contains(point)) {
                return kLowestNote + key - kLowestKey;
            }
        }
    }
    return -1;
}

QRect PracticeKeyboard::MarkRect(int note) const {
    const MarkerPosition& at = KeyMarkerPositions[static_cast<std::size_t>(KeyOf(InRange(note)))];
    const int inset = (kMarkSize - 16) / 2;
    return QRect(at.x - inset, at.y - inset, kMarkSize, kMarkSize);
}

void PracticeKeyboard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintKeyboard(painter);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const auto& [note, mark] : marks_) {
        PaintMark(painter, MarkRect(note), mark);
    }
    if (hasFocus()) {
        const QRect key = KeyboardKeyRect(KeyOf(cursor_));
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(key).adjusted(2, key.height() - 30, -2, -3));
    }
}

void PracticeKeyboard::mousePressEvent(QMouseEvent* event) {
    const int note = NoteAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || note < 0) {
        PictureWidget::mousePressEvent(event);
        return;
    }
    pressed_ = note;
    cursor_ = note;
    update();
    if (handler_ != nullptr) {
        handler_->KeyPressed(note);
    }
}

void PracticeKeyboard::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressed_ >= 0) {
        const int note = std::exchange(pressed_, -1);
        if (handler_ != nullptr) {
            handler_->KeyReleased(note);
        }
        return;
    }
    PictureWidget::mouseReleaseEvent(event);
}

void PracticeKeyboard::keyPressEvent(QKeyEvent* event) {
    const int last = kLowestNote + kKeyCount - 1;
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            cursor_ =
                std::clamp(cursor_ + (event->key() == Qt::Key_Left ? -1 : 1), kLowestNote, last);
            UpdateAccessibleKeys();
            update();
            return;
        case Qt::Key_Space:
            if (!event->isAutoRepeat() && handler_ != nullptr) {
                handler_->KeyPressed(cursor_);
            }
            return;
        default:
            PictureWidget::keyPressEvent(event);
    }
}

void PracticeKeyboard::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && handler_ != nullptr) {
        handler_->KeyReleased(cursor_);
        return;
    }
    PictureWidget::keyReleaseEvent(event);
}

void PracticeKeyboard::UpdateAccessibleKeys() {
    std::vector<AccessibleItem> keys;
    for (int note = kLowestNote; note < kLowestNote + kKeyCount; ++note) {
        const int key = KeyOf(note);
        AccessibleItem item;
        item.name = std::string{NoteName(key, Spelling::Flat)} +
                    std::to_string(kLowestOctave + (key - kLowestKey) / 12);
        const QRect at = MarkRect(note);
        item.left = at.left();
        item.top = at.top();
        item.width = at.width();
        item.height = at.height();
        item.selected = marks_.contains(note);
        item.current = note == cursor_;
        keys.push_back(std::move(item));
    }
    SetAccessibleItems(std::move(keys));
}

}  // namespace vorlane::ui::qt
