#pragma once

#include <QWidget>

#include "ui/key_marks.h"
#include "ui/qt/mirror_widgets.h"

namespace vorlane::ui::qt {

// What a drawn keyboard tells about its keys: pressed and released, by MIDI note.
class KeyboardHandler {
  public:
    virtual ~KeyboardHandler() = default;
    virtual void KeyPressed(int note) = 0;
    virtual void KeyReleased(int note) = 0;
};

// A three-octave keyboard, C3 to B5, that shows the marks it is given and reports presses of
// the mouse or of the space bar on the key under the keyboard cursor (moved with the arrow
// keys). It knows nothing of MIDI or of practice. Notes outside its range are marked an
// octave or more in, so that every note held shows. A screen reader hears a list of its keys
// with the marked ones selected.
class PracticeKeyboard : public PictureWidget {
  public:
    static constexpr int kLowestNote = 48;
    static constexpr int kKeyCount = 36;

    explicit PracticeKeyboard(QWidget* parent = nullptr);

    void SetHandler(KeyboardHandler* handler) { handler_ = handler; }
    void SetMarks(const KeyMarks& marks);
    const KeyMarks& Marks() const { return marks_; }
    // The note under the point, or -1.
    int NoteAt(const QPoint& point) const;
    // Where the note's mark is drawn, for tests and the screen reader.
    QRect MarkRect(int note) const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void UpdateAccessibleKeys();

    KeyboardHandler* handler_ = nullptr;
    KeyMarks marks_;
    int pressed_ = -1;
    int cursor_ = kLowestNote + 12;  // middle C
};

}  // namespace vorlane::ui::qt
