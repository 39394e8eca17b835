#include "ui/qt/qt_window_view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <optional>

#include "ui/qt/app_icon.h"
#include "ui/qt/fonts.h"
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

// Returns whether the widget's geometry or visibility changed.
bool QtWindowView::PushControl(Mirror& mirror) {
    const Control& record = *mirror.record;
    QWidget* widget = mirror.widget;
    const QSignalBlocker blocker(widget);
    const bool first = !mirror.pushed;
    const QRect before = widget->isHidden() ? QRect() : widget->geometry();
    bool touched = first;
    mirror.pushed = true;

    if (first || mirror.text != record.text) {
        touched = true;
        ApplyText(widget, record.kind, ToQString(record.text));
        mirror.text = record.text;
    }
    const Font font = ResolveFont(&record, window_.font);
    if (first || !(mirror.font == font)) {
        touched = true;
        widget->setFont(ToQFont(font, window_.font));
        mirror.font = font;
    }
    if (first || mirror.textColour != record.textColour ||
        mirror.backgroundColour != record.backgroundColour || mirror.enabled != record.enabled) {
        ApplyPalette(widget, record);
        touched = true;
        mirror.textColour = record.textColour;
        mirror.backgroundColour = record.backgroundColour;
    }
    if (first || mirror.enabled != record.enabled) {
        if (record.kind != ControlKind::GroupBox) {
            widget->setEnabled(record.enabled);
        }
        mirror.enabled = record.enabled;
    }
    if (first || mirror.hint != record.hint) {
        widget->setToolTip(ToQString(record.hint));
        mirror.hint = record.hint;
    }
    if (record.kind == ControlKind::DropDownList) {
        auto* list = static_cast<QComboBox*>(widget);
        if (first || mirror.items != record.items) {
            ApplyItems(list, record.items);
            mirror.items = record.items;
        }
        if (list->currentIndex() != record.selectedItem) {
            touched = true;
            list->setCurrentIndex(record.selectedItem);
        }
    }
    if (record.kind == ControlKind::CheckBox || record.kind == ControlKind::RadioButton) {
        auto* button = static_cast<QAbstractButton*>(widget);
        if (button->isChecked() != record.checked) {
            touched = true;
            button->setChecked(record.checked);
        }
    }
    if (record.kind == ControlKind::Picture &&
        (first || mirror.imageList != record.imageList || mirror.imageIndex != record.imageIndex)) {
        touched = true;
        static_cast<PictureWidget*>(widget)->SetImage(record.imageList, record.imageIndex);
        mirror.imageList = record.imageList;
        mirror.imageIndex = record.imageIndex;
    }

    QSize size(record.width, record.height);
    if (record.autoSize) {
        const QSize hint = widget->sizeHint();
        size = QSize(hint.width(), record.height > 0 ? record.height : hint.height());
    }
    const QRect geometry(record.left, record.top, size.width(), size.height());
    bool changed = false;
    bool raise = false;
    if (first || widget->geometry() != geometry) {
        widget->setGeometry(geometry);
        changed = true;
        raise = true;
    }
    if (first || widget->isHidden() == record.visible) {
        widget->setVisible(record.visible);
        changed = true;
        raise = raise || record.visible;
    }
    // A label just moved or shown is drawn over its siblings, as the last one painted would
    // be: the marker that walks over the keys stays visible on top of the chord's markers.
    if (raise && !first && record.kind == ControlKind::Label) {
        widget->raise();
    }
    if (touched || changed) {
        const QPoint offset = widget->parentWidget()->mapTo(this, QPoint(0, 0));
        dirty_ += before.translated(offset);
        if (!widget->isHidden()) {
            dirty_ += widget->geometry().translated(offset);
        }
    }
    return changed;
}

// Neighbouring buttons may overlap (22 px high, 18 px apart). Each button's mask gives it its
// own half of every overlap, so a press lands on the button whose middle is nearer.
void QtWindowView::UpdateHitMasks() {
    for (const auto& mirror : mirrors_) {
        if (!IsButton(mirror->record->kind)) {
            continue;
        }
        QWidget* widget = mirror->widget;
        const QRect own = widget->geometry();
        QRegion region(widget->rect());
        if (!widget->isHidden()) {
            for (const auto& other : mirrors_) {
                QWidget* otherWidget = other->widget;
                if (other == mirror || !IsButton(other->record->kind) || otherWidget->isHidden() ||
                    otherWidget->parentWidget() != widget->parentWidget()) {
                    continue;
                }
                const QRect theirs = otherWidget->geometry();
                const QRect overlap = own & theirs;
                if (overlap.isEmpty()) {
                    continue;
                }
                QRect lost;
                if (overlap.height() <= overlap.width()) {
                    const int middle = overlap.top() + overlap.height() / 2;
                    lost = own.top() <= theirs.top()
                               ? QRect(overlap.left(), middle, overlap.width(),
                                       overlap.bottom() - middle + 1)
                               : QRect(overlap.left(), overlap.top(), overlap.width(),
                                       middle - overlap.top());
                } else {
                    const int middle = overlap.left() + overlap.width() / 2;
                    lost = own.left() <= theirs.left()
                               ? QRect(middle, overlap.top(), overlap.right() - middle + 1,
                                       overlap.height())
                               : QRect(overlap.left(), overlap.top(), middle - overlap.left(),
                                       overlap.height());
                }
                region -= lost.translated(-own.topLeft());
            }
        }
        if (region == QRegion(widget->rect())) {
            if (!widget->mask().isEmpty()) {
                widget->clearMask();
            }
        } else if (widget->mask() != region) {
            widget->setMask(region);
        }
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
