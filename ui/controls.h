#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane::ui {

enum class ControlKind {
    Label,
    GroupBox,
    PushButton,
    CheckBox,
    RadioButton,
    DropDownList,
    Picture,
    FrameBar,
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A font as the window asks for it: a negative height is a character height in pixels, a
// positive one a cell height; an empty face means the parent's.
struct Font {
    std::string face;
    int height = 0;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// A strip of equally sized images, referred to by a picture control.
struct ImageList {
    std::string resource;  // name of the picture in resources/
    int width = 0;
    int height = 0;
    Rgb transparent{255, 255, 255};
};

// A part drawn inside a control that a screen reader still tells apart (a key of the keyboard
// picture); its place is in the control's own coordinates.
struct AccessibleItem {
    std::string name;
    bool selected = false;
    bool current = false;  // the part the program is acting on right now
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const AccessibleItem&, const AccessibleItem&) = default;
};

// A round mark drawn over a picture, in the picture's coordinates (a key played on a MIDI
// keyboard, over the keyboard picture).
struct Spot {
    int left = 0;
    int top = 0;
    int size = 0;
    Rgb colour;
    friend bool operator==(const Spot&, const Spot&) = default;
};

struct MenuItem {
    std::string text{};
    std::function<void()> onChoose{};
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
    std::vector<MenuItem> submenu{};  // not empty: the item opens this submenu
};

// A context menu whose items depend on the moment it opens.
using MenuBuilder = std::function<std::vector<MenuItem>()>;

// One control of a window: everything the program logic reads or writes, and nothing of any
// toolkit. A view mirrors these records on screen.
struct Control {
    ControlKind kind = ControlKind::Label;
    std::string name;           // the control's role, e.g. "ChordLineLabel"
    Control* parent = nullptr;  // nullptr: the window's client area
    std::string text;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool autoSize = false;  // sized to fit its caption by the toolkit
    bool visible = true;
    bool enabled = true;
    bool checked = false;  // check boxes and radio buttons
    std::vector<std::string> items;
    int selectedItem = -1;  // drop-down lists; -1: none
    std::optional<Rgb> textColour;
    std::optional<Rgb> backgroundColour;
    std::optional<Font> font;  // none: the window's font
    std::string hint;          // tooltip
    const ImageList* imageList = nullptr;
    int imageIndex = 0;
    std::vector<Spot> spots;  // pictures: drawn over the image
    bool wordWrap = false;    // labels: a long text breaks into lines

    // For screen readers: the name of a picture, and the parts drawn in it (read at each push).
    std::string accessibleName;
    std::function<std::vector<AccessibleItem>()> accessibleItems;
    bool announceChanges = false;  // a screen reader is told each new text of this label
    std::vector<MenuItem> contextMenu;
    MenuBuilder liveMenu;  // when set, built at each right click on the control or inside it

    std::function<void()> onClick;   // buttons, check boxes, radio buttons
    std::function<void()> onChange;  // drop-down list: the user chose another item

    bool IsRadioButton() const { return kind == ControlKind::RadioButton; }
};

// A key combination in portable form ("Ctrl+S", "F1") and what it does.
struct Shortcut {
    std::string keys;
    std::function<void()> action;
};

// A top-level window: its own properties and its controls in creation order.
class Window {
  public:
    std::string caption;
    int left = 0;
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    bool maximiseBox = true;
    bool fixedSize = false;
    Font font;
    std::string icon;  // resource name of the window icon

    // Creates a control at the end of the creation order.
    Control& Add(ControlKind kind, std::string name, Control* parent, int left, int top, int width,
                 int height, std::string text = {});

    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    Control* Find(std::string_view name) const;
    std::vector<Control*> ChildrenOf(const Control* parent) const;
    // Every control below the group, at any depth.
    std::vector<Control*> DescendantsOf(const Control* group) const;

    // A user's click, as the kind behaves: a check box toggles itself and then fires; a radio
    // button clears the other radio buttons of its parent, selects itself and then fires (also
    // when it was selected already); a push button fires. Disabled or hidden controls ignore it.
    void Click(Control& control);
    // Selects a radio button as a click would, whatever its state, and fires its handler.
    void SelectButton(Control& radio);
    // Checks or clears a radio button or check box without firing anything; checking a radio
    // button clears the others of its parent.
    void SetChecked(Control& control, bool checked);
    // The user chose an item of a drop-down list: fires onChange when the item changed.
    void ChooseItem(Control& list, int index);

    // Replaces the items of a list; the first item added to an empty list becomes selected.
    static void SetItems(Control& list, std::vector<std::string> items);

    // The order of keyboard focus. A radio button stands for its set: Tab enters a set on its
    // chosen button, and the arrow keys move the choice (ui/focus.h).
    std::vector<Control*> focusOrder;
    std::vector<Shortcut> shortcuts;
    // Runs the shortcut with these keys; false when there is none.
    bool PressShortcut(std::string_view keys);

    // Puts a text on the clipboard, through the view (or a test).
    std::function<void(const std::string&)> onCopy;
    void Copy(const std::string& text);

    // The context menu of the window's own surface, where no control is.
    MenuBuilder contextMenu;

    // Lifecycle, driven by the view (or a test).
    std::function<bool()> onCloseRequest;  // answers whether the window may close
    std::function<void()> onShow;          // every time the window becomes visible
    std::function<void()> onClosed;        // the view hides the window and ends the loop

    void Show();
    bool RequestClose();  // returns whether the window closed
    bool IsShown() const { return shown_; }
    bool IsClosed() const { return closed_; }

  private:
    std::vector<std::unique_ptr<Control>> controls_;
    bool shown_ = false;
    bool closed_ = false;
};

}  // namespace vorlane::ui
