#include "ui/qt/qt_window_view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <optional>

#include "ui/qt/access_support.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/fonts.h"
#include "ui/qt/live_menu.h"
#include "ui/qt/mirror_widgets.h"
#include "ui/qt/text.h"

namespace vorlane::ui::qt {

// What was last copied into a widget, so a push touches only what changed. The checked
// state and the selected item are compared with the widget itself, because the user changes
// those on the widget before the record hears of it.
struct QtWindowView::Mirror {
    Control* record = nullptr;
    QWidget* widget = nullptr;
    bool pushed = false;
    std::string text;
    Font font;
    std::optional<Rgb> textColour;
    std::optional<Rgb> backgroundColour;
    bool enabled = true;
    std::string hint;
    std::vector<std::string> items;
    const ImageList* imageList = nullptr;
    int imageIndex = 0;
    std::vector<Spot> spots;

    // Each step copies one aspect when it differs from what was pushed last (or on the first
    // push) and returns whether the widget may look different now.
    bool PushText(bool first);
    bool PushFont(bool first, const Font& windowFont);
    bool PushLook(bool first);
    void PushHint(bool first);
    bool PushListItems(bool first);
    bool PushChecked();
    bool PushImage(bool first);
    // Returns whether the widget's geometry or visibility changed.
    bool PushGeometry(bool first);
};

namespace {

bool IsButton(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::CheckBox ||
           kind == ControlKind::RadioButton;
}

QColor ToQColor(const Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The font a record shows: its own settings over those of its parent, up to the window's.
Font ResolveFont(const Control* record, const Font& windowFont) {
    if (record == nullptr) {
        return windowFont;
    }
    Font inherited = ResolveFont(record->parent, windowFont);
    if (!record->font) {
        return inherited;
    }
    Font own = *record->font;
    if (own.face.empty()) {
        own.face = inherited.face;
    }
    if (own.height == 0) {
        own.height = inherited.height;
    }
    return own;
}

// A group box greys only its caption when disabled; Qt would disable its children too, but
// the children keep their own enabled state in the records.
void ApplyPalette(QWidget* widget, const Control& record) {
    const bool greyCaption = record.kind == ControlKind::GroupBox && !record.enabled;
    if (!record.textColour && !record.backgroundColour && !greyCaption) {
        widget->setPalette(QPalette());
        widget->setAutoFillBackground(false);
        return;
    }
    QPalette palette = widget->parentWidget() ? widget->parentWidget()->palette() : QPalette();
    if (record.textColour) {
        const QColor colour = ToQColor(*record.textColour);
        for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            palette.setColor(QPalette::Active, role, colour);
            palette.setColor(QPalette::Inactive, role, colour);
        }
    }
    if (greyCaption) {
        palette.setColor(QPalette::WindowText,
                         palette.color(QPalette::Disabled, QPalette::WindowText));
    }
    if (record.backgroundColour) {
        const QColor colour = ToQColor(*record.backgroundColour);
        for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
            palette.setColor(role, colour);
        }
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(record.backgroundColour.has_value());
}

void ApplyText(QWidget* widget, ControlKind kind, const QString& text) {
    switch (kind) {
        case ControlKind::Label:
            static_cast<QLabel*>(widget)->setText(text);
            break;
        case ControlKind::GroupBox:
            static_cast<QGroupBox*>(widget)->setTitle(text);
            break;
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            static_cast<QAbstractButton*>(widget)->setText(text);
            break;
        default:
            break;
    }
}

void ApplyItems(QComboBox* list, const std::vector<std::string>& items) {
    list->clear();
    for (const auto& item : items) {
        list->addItem(ToQString(item));
    }
}

// The half of the overlap of two rectangles that lies nearer the other one's middle, split
// across the overlap's shorter side; empty when they do not overlap.
QRect HalfLostTo(const QRect& own, const QRect& theirs) {
    const QRect overlap = own & theirs;
    if (overlap.isEmpty()) {
        return QRect();
    }
    if (overlap.height() <= overlap.width()) {
        const int middle = overlap.top() + overlap.height() / 2;
        return own.top() <= theirs.top()
                   ? QRect(overlap.left(), middle, overlap.width(), overlap.bottom() - middle + 1)
                   : QRect(overlap.left(), overlap.top(), overlap.width(), middle - overlap.top());
    }
    const int middle = overlap.left() + overlap.width() / 2;
    return own.left() <= theirs.left()
               ? QRect(middle, overlap.top(), overlap.right() - middle + 1, overlap.height())
               : QRect(overlap.left(), overlap.top(), middle - overlap.left(), overlap.height());
}

}  // namespace

QtWindowView::QtWindowView(Window& window, QWidget* parent) : QWidget(parent), window_(window) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint;
    if (window_.maximiseBox && !window_.fixedSize) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    setWindowFlags(flags);
    if (window_.fixedSize) {
        setFixedSize(window_.clientWidth, window_.clientHeight);
    } else {
        resize(window_.clientWidth, window_.clientHeight);
    }
    CreateWidgets();
    InstallAccessibility();
    access_ = new AccessSupport(*this, window_);
    chainedOnClosed_ = std::move(window_.onClosed);
    window_.onClosed = [this] { OnWindowClosed(); };
    Push();
    CentreOnScreen();
}

QtWindowView::~QtWindowView() {
    window_.onClosed = std::move(chainedOnClosed_);
}

void QtWindowView::CreateWidgets() {
    for (const auto& record : window_.Controls()) {
        QWidget* parent = this;
        if (record->parent != nullptr) {
            if (QWidget* parentWidget = WidgetFor(*record->parent)) {
                parent = parentWidget;
            }
        }
        auto mirror = std::make_unique<Mirror>();
        mirror->record = record.get();
        mirror->widget = CreateMirrorWidget(*record, parent);
        mirror->widget->setObjectName(ToQString(record->name));
        Connect(*mirror);
        mirrors_.push_back(std::move(mirror));
    }
}

void QtWindowView::Connect(Mirror& mirror) {
    Control* record = mirror.record;
    if (IsButton(record->kind)) {
        // Qt has toggled the widget already; the record decides, and the push that follows
        // puts the widget right (a selected radio button clicked again stays selected).
        connect(static_cast<QAbstractButton*>(mirror.widget), &QAbstractButton::clicked, this,
                [this, record] {
                    window_.Click(*record);
                    Push();
                });
    } else if (record->kind == ControlKind::DropDownList) {
        // Queued, so the handler runs after the list has finished showing the new item.
        connect(static_cast<QComboBox*>(mirror.widget), &QComboBox::activated, this,
                [this, record](int index) {
                    QMetaObject::invokeMethod(
                        this,
                        [this, record, index] {
                            window_.ChooseItem(*record, index);
                            Push();
                        },
                        Qt::QueuedConnection);
                });
    }
}

QWidget* QtWindowView::WidgetFor(const Control& record) const {
    for (const auto& mirror : mirrors_) {
        if (mirror->record == &record) {
            return mirror->widget;
        }
    }
    return nullptr;
}

void QtWindowView::Push() {
    if (pushing_) {
        return;
    }
    pushing_ = true;
    access_->BeforePush();
    PushWindow();
    bool buttonsMoved = false;
    for (auto& mirror : mirrors_) {
        if (PushControl(*mirror) && IsButton(mirror->record->kind)) {
            buttonsMoved = true;
        }
    }
    if (buttonsMoved) {
        UpdateHitMasks();
    }
    access_->AfterPush();
    pushedOnce_ = true;
    pushing_ = false;
}

void QtWindowView::RepaintChanges() {
    if (!dirty_.isEmpty() && isVisible()) {
        repaint(dirty_);
    }
    dirty_ = QRegion();
}

void QtWindowView::PushWindow() {
    if (!pushedOnce_ || pushedCaption_ != window_.caption) {
        setWindowTitle(ToQString(window_.caption));
        pushedCaption_ = window_.caption;
    }
    if (!pushedOnce_ || pushedIcon_ != window_.icon) {
        setWindowIcon(IconForResource(window_.icon));
        pushedIcon_ = window_.icon;
    }
}

bool QtWindowView::Mirror::PushText(bool first) {
    if (!first && text == record->text) {
        return false;
    }
    ApplyText(widget, record->kind, ToQString(record->text));
    text = record->text;
    return true;
}

bool QtWindowView::Mirror::PushFont(bool first, const Font& windowFont) {
    const Font resolved = ResolveFont(record, windowFont);
    if (!first && font == resolved) {
        return false;
    }
    widget->setFont(ToQFont(resolved, windowFont));
    font = resolved;
    return true;
}

// Colours and the enabled state together: a disabled group box greys its caption by palette.
bool QtWindowView::Mirror::PushLook(bool first) {
    if (!first && textColour == record->textColour &&
        backgroundColour == record->backgroundColour && enabled == record->enabled) {
        return false;
    }
    ApplyPalette(widget, *record);
    textColour = record->textColour;
    backgroundColour = record->backgroundColour;
    if (first || enabled != record->enabled) {
        if (record->kind != ControlKind::GroupBox) {
            widget->setEnabled(record->enabled);
        }
        enabled = record->enabled;
    }
    return true;
}

void QtWindowView::Mirror::PushHint(bool first) {
    if (first || hint != record->hint) {
        widget->setToolTip(ToQString(record->hint));
        hint = record->hint;
    }
}

bool QtWindowView::Mirror::PushListItems(bool first) {
    if (record->kind != ControlKind::DropDownList) {
        return false;
    }
    auto* list = static_cast<QComboBox*>(widget);
    if (first || items != record->items) {
        ApplyItems(list, record->items);
        items = record->items;
    }
    if (list->currentIndex() == record->selectedItem) {
        return false;
    }
    list->setCurrentIndex(record->selectedItem);
    return true;
}

bool QtWindowView::Mirror::PushChecked() {
    if (record->kind != ControlKind::CheckBox && record->kind != ControlKind::RadioButton) {
        return false;
    }
    auto* button = static_cast<QAbstractButton*>(widget);
    if (button->isChecked() == record->checked) {
        return false;
    }
    button->setChecked(record->checked);
    return true;
}

bool QtWindowView::Mirror::PushImage(bool first) {
    if (record->kind != ControlKind::Picture) {
        return false;
    }
    auto* picture = static_cast<PictureWidget*>(widget);
    bool changed = false;
    if (first || spots != record->spots) {
        picture->SetSpots(record->spots);
        spots = record->spots;
        changed = true;
    }
    if (first || imageList != record->imageList || imageIndex != record->imageIndex) {
        picture->SetImage(record->imageList, record->imageIndex);
        imageList = record->imageList;
        imageIndex = record->imageIndex;
        changed = true;
    }
    return changed;
}

bool QtWindowView::Mirror::PushGeometry(bool first) {
    QSize size(record->width, record->height);
    if (record->autoSize) {
        const QSize sizeHint = widget->sizeHint();
        size = QSize(sizeHint.width(), record->height > 0 ? record->height : sizeHint.height());
    }
    const QRect geometry(record->left, record->top, size.width(), size.height());
    bool changed = false;
    bool raise = false;
    if (first || widget->geometry() != geometry) {
        widget->setGeometry(geometry);
        changed = true;
        raise = true;
    }
    if (first || widget->isHidden() == record->visible) {
        widget->setVisible(record->visible);
        changed = true;
        raise = raise || record->visible;
    }
    // A label just moved or shown is drawn over its siblings, as the last one painted would
    // be: the marker that walks over the keys stays visible on top of the chord's markers.
    if (raise && !first && record->kind == ControlKind::Label) {
        widget->raise();
    }
    return changed;
}

// Returns whether the widget's geometry or visibility changed.
bool QtWindowView::PushControl(Mirror& mirror) {
    QWidget* widget = mirror.widget;
    const QSignalBlocker blocker(widget);
    const bool first = !mirror.pushed;
    const QRect before = widget->isHidden() ? QRect() : widget->geometry();
    mirror.pushed = true;

    bool touched = mirror.PushText(first);
    touched = mirror.PushFont(first, window_.font) || touched;
    touched = mirror.PushLook(first) || touched;
    mirror.PushHint(first);
    touched = mirror.PushListItems(first) || touched;
    touched = mirror.PushChecked() || touched;
    touched = mirror.PushImage(first) || touched;
    const bool changed = mirror.PushGeometry(first);
    if (first || touched || changed) {
        MarkDirty(*widget, before);
    }
    return changed;
}

// Both the old and the new place of a widget need painting.
void QtWindowView::MarkDirty(const QWidget& widget, const QRect& before) {
    const QPoint offset = widget.parentWidget()->mapTo(this, QPoint(0, 0));
    dirty_ += before.translated(offset);
    if (!widget.isHidden()) {
        dirty_ += widget.geometry().translated(offset);
    }
}

// Neighbouring buttons may overlap (22 px high, 18 px apart). Each button's mask gives it its
// own half of every overlap, so a press lands on the button whose middle is nearer.
void QtWindowView::UpdateHitMasks() {
    for (const auto& mirror : mirrors_) {
        if (IsButton(mirror->record->kind)) {
            ApplyMask(*mirror->widget, HitRegion(*mirror));
        }
    }
}

// The part of a button's own rectangle (in its coordinates) that no nearer neighbour claims.
QRegion QtWindowView::HitRegion(const Mirror& mirror) const {
    const QWidget* widget = mirror.widget;
    QRegion region(widget->rect());
    if (widget->isHidden()) {
        return region;
    }
    const QRect own = widget->geometry();
    for (const auto& other : mirrors_) {
        const QWidget* otherWidget = other->widget;
        if (other.get() == &mirror || !IsButton(other->record->kind) || otherWidget->isHidden() ||
            otherWidget->parentWidget() != widget->parentWidget()) {
            continue;
        }
        region -= HalfLostTo(own, otherWidget->geometry()).translated(-own.topLeft());
    }
    return region;
}

void QtWindowView::ApplyMask(QWidget& widget, const QRegion& region) {
    if (region == QRegion(widget.rect())) {
        if (!widget.mask().isEmpty()) {
            widget.clearMask();
        }
    } else if (widget.mask() != region) {
        widget.setMask(region);
    }
}

void QtWindowView::CentreOnScreen() {
    const QScreen* target = screen();
    if (target == nullptr) {
        return;
    }
    const QRect area = target->geometry();
    const QSize outer = frameGeometry().size();
    move(area.left() + (area.width() - outer.width()) / 2,
         area.top() + (area.height() - outer.height()) / 2);
}

void QtWindowView::contextMenuEvent(QContextMenuEvent* event) {
    // Reached by right clicks that no control took: on the window's own surface, or on a
    // control inside a record that builds a menu of its own.
    const Control* record = nullptr;
    for (QWidget* w = childAt(event->pos()); w != nullptr && record == nullptr;
         w = w->parentWidget()) {
        for (const auto& mirror : mirrors_) {
            if (mirror->widget == w) {
                record = mirror->record;
            }
        }
    }
    MenuBuilder build = window_.contextMenu;
    if (record != nullptr) {
        build = nullptr;
        for (const Control* c = record; c != nullptr && !build; c = c->parent) {
            build = c->liveMenu;
        }
    }
    if (!build) {
        event->ignore();
        return;
    }
    PopUpMenu(this, build(), event->globalPos(), [this] { Push(); });
    event->accept();
}

void QtWindowView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownOnce_ || event->spontaneous()) {
        return;
    }
    shownOnce_ = true;
    // The window manager's frame is known only now: centre the outer window once more.
    QTimer::singleShot(0, this, [this] {
        if (frameGeometry().size() != size()) {
            CentreOnScreen();
        }
    });
    if (!window_.IsShown()) {
        window_.Show();
    }
    Push();
}

void QtWindowView::closeEvent(QCloseEvent* event) {
    if (window_.IsClosed()) {
        event->accept();
        return;
    }
    inCloseEvent_ = true;
    const bool allowed = window_.RequestClose();
    inCloseEvent_ = false;
    if (allowed) {
        event->accept();
    } else {
        event->ignore();
        Push();
    }
}

void QtWindowView::OnWindowClosed() {
    if (chainedOnClosed_) {
        chainedOnClosed_();
    }
    if (!inCloseEvent_) {
        close();  // closeEvent accepts: the record is closed already
    }
    Q_EMIT Closed();
    if (quitOnClose_) {
        // Posted, so the loop ends after this event; without a running loop it does nothing.
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
}

}  // namespace vorlane::ui::qt
