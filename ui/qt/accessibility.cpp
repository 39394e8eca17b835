#include "ui/qt/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

#include "ui/qt/mirror_widgets.h"
#include "ui/qt/text.h"

namespace vorlane::ui::qt {

namespace {

void Send(QAccessibleEvent&& event) {
    QAccessible::updateAccessibility(&event);
}

// Qt names a checkable button without auto-exclusion a check box; ours keep their set in
// the records, but a listener must hear a radio button and its place in a group.
class RadioButtonAccessible final : public QAccessibleWidget {
  public:
    explicit RadioButtonAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return Button()->text();
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = Button()->isChecked();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction() || name == toggleAction()) {
            Button()->click();  // a disabled button ignores it, as it ignores the mouse
            return;
        }
        QAccessibleWidget::doAction(name);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A label whose text a reader can also take as text, so a change of it can be reported as
// the text it now holds.
class LabelAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return Text();
        }
        return QAccessibleWidget::text(t);
    }

    QString text(int start, int end) const override { return Text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Text().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        (void)offset;
        return {};
    }

  private:
    QString Text() const { return static_cast<QLabel*>(widget())->text(); }
};

class KeyAccessible;

// A picture is an image with a name; one with drawn parts is a list of them, so a reader can
// step through the parts and hear which are selected.
class PictureAccessible final : public QAccessibleWidget {
  public:
    explicit PictureAccessible(PictureWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}
    ~PictureAccessible() override {
        for (QAccessible::Id id : ids_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    QAccessible::Role role() const override {
        return Items().empty() ? QAccessible::Graphic : QAccessible::List;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    int childCount() const override { return static_cast<int>(Items().size()); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < ids_.size(); ++i) {
            if (ids_[i] != 0 && QAccessible::accessibleInterface(ids_[i]) == child) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
        const auto& items = Items();
        for (std::size_t i = 0; i < items.size(); ++i) {
            const AccessibleItem& item = items[i];
            if (QRect(item.left, item.top, item.width, item.height).contains(at)) {
                return child(static_cast<int>(i));
            }
        }
        return nullptr;
    }

    const std::vector<AccessibleItem>& Items() const {
        return static_cast<PictureWidget*>(widget())->AccessibleItems();
    }

  private:
    mutable std::vector<QAccessible::Id> ids_;
};

class KeyAccessible final : public QAccessibleInterface {
  public:
    KeyAccessible(QWidget* picture, int index) : picture_(picture), index_(index) {}

    bool isValid() const override { return picture_ && index_ < static_cast<int>(Items().size()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return picture_ ? picture_->window()->windowHandle() : nullptr;
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return picture_ ? QAccessible::queryAccessibleInterface(picture_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? ToQString(Item().name) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const AccessibleItem& item = Item();
        return QRect(picture_->mapToGlobal(QPoint(item.left, item.top)),
                     QSize(item.width, item.height));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.selectable = true;
        s.selected = Item().selected;
        s.focused = Item().current;
        s.invisible = !picture_->isVisible();
        return s;
    }

  private:
    const std::vector<AccessibleItem>& Items() const {
        return static_cast<PictureWidget*>(picture_.data())->AccessibleItems();
    }
    const AccessibleItem& Item() const { return Items()[static_cast<std::size_t>(index_)]; }

    QPointer<QWidget> picture_;
    int index_;
};

QAccessibleInterface* PictureAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    const auto i = static_cast<std::size_t>(index);
    if (ids_.size() <= i) {
        ids_.resize(i + 1, 0);
    }
    if (ids_[i] == 0) {
        ids_[i] = QAccessible::registerAccessibleInterface(new KeyAccessible(widget(), index));
    }
    return QAccessible::accessibleInterface(ids_[i]);
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* radio = dynamic_cast<MirrorRadioButton*>(object)) {
        return new RadioButtonAccessible(radio);
    }
    if (auto* picture = dynamic_cast<PictureWidget*>(object)) {
        return new PictureAccessible(picture);
    }
    if (auto* label = dynamic_cast<MirrorLabel*>(object)) {
        return new LabelAccessible(label);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void AnnounceText(QWidget* label, const QString& oldText) {
    // The label reports its new name itself; the text event carries the new line.
    Send(QAccessibleTextUpdateEvent(label, 0, oldText, static_cast<QLabel*>(label)->text()));
}

void AnnounceChecked(QWidget* button) {
    QAccessible::State changed;
    changed.checked = true;
    Send(QAccessibleStateChangeEvent(button, changed));
}

void AnnounceItems(QWidget* picture, const std::vector<AccessibleItem>& before,
                   const std::vector<AccessibleItem>& after) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(picture);
    if (list == nullptr || before.size() != after.size()) {
        return;
    }
    for (std::size_t i = 0; i < after.size(); ++i) {
        QAccessibleInterface* item = list->child(static_cast<int>(i));
        if (item == nullptr) {
            continue;
        }
        if (before[i].name != after[i].name) {
            Send(QAccessibleEvent(item, QAccessible::NameChanged));
        }
        QAccessible::State changed;
        changed.selected = before[i].selected != after[i].selected;
        changed.focused = before[i].current != after[i].current;
        if (changed.selected || changed.focused) {
            Send(QAccessibleStateChangeEvent(item, changed));
        }
    }
}

}  // namespace vorlane::ui::qt
