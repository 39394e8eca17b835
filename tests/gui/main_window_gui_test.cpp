#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "settings/qt/qt_chord_file_system.h"
#include "tests/gui/form_window_fixture.h"
#include "ui/qt/qt_dialogs.h"

namespace vorlane::testing {
namespace {

TEST_F(FormWindowTest, EveryWidgetStandsWhereItsRecordSays) {
    Open("Engels", "GeenMidi");
    EXPECT_EQ(view->size(), QSize(747, 626));
    EXPECT_EQ(view->minimumSize(), view->maximumSize());
    EXPECT_EQ(view->windowTitle(), "Vorlane v4.1");
    for (const auto& record : form->window.Controls()) {
        SCOPED_TRACE(record->name);
        QWidget* w = W(record.get());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName().toStdString(), record->name);
        EXPECT_EQ(w->parentWidget(), record->parent ? W(record->parent) : view.get());
        EXPECT_EQ(w->pos(), QPoint(record->left, record->top));
        if (!record->autoSize) {
            EXPECT_EQ(w->size(), QSize(record->width, record->height));
        }
        EXPECT_EQ(w->isVisibleTo(view.get()), record->visible);
        EXPECT_EQ(w->isEnabled(), record->enabled);
        EXPECT_EQ(w->toolTip().toStdString(), record->hint);
    }
    EXPECT_EQ(W(form->SaveButton)->toolTip().toStdString(),
              "Click this button to save the memorized chords to a file. Default Folder: "
              "~/PianoChords");
}

TEST_F(FormWindowTest, MouseChoicesShowAndSound) {
    Open("Engels", "Hammond");
    EXPECT_TRUE(midi.NotesOn().empty()) << "start-up is silent";

    ClickOn(form->FlatRootButtons[2]);
    EXPECT_EQ(Text(form->ChordLineLabel), "Chord D:   D - Gb - A");
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{50, 54, 57}));
    EXPECT_EQ(Text(form->VariationButtons[5]), "Dm7");

    midi.Clear();
    ClickOn(form->VariationButtons[5]);
    EXPECT_EQ(Text(form->ChordLineLabel), "Chord Dm7:   D - F - A - C");
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{50, 53, 57, 60}));

    // The user picks the next inversion with the keyboard on the closed list: one refresh.
    midi.Clear();
    auto* list = qobject_cast<QComboBox*>(W(form->InversionSelector));
    ASSERT_NE(list, nullptr);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::qWait(20);  // the choice is reported queued, behind the list's own update
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{53, 57, 60, 62}));

    ClickOn(form->NotesOnPianoCheck);
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(W(form->NotesOnPianoCheck))->isChecked());
    EXPECT_EQ(Text(form->KeyMarkers[0]), "D");

    ClickOn(form->FrenchButton);
    EXPECT_EQ(Text(form->ChordLineLabel), "Accord Dm7:   D - F - A - C");
    EXPECT_EQ(list->currentText(), "Position sol");
    EXPECT_EQ(settings.Values().at("Taal"), "Frans");

    ClickOn(form->RememberButton);
    EXPECT_FALSE(W(form->RememberButton)->isEnabled());
    EXPECT_TRUE(W(form->SaveButton)->isEnabled());
    dialogs.saveAnswers.push_back(std::string{kHome} + "/PianoChords/d.txt");
    ClickOn(form->SaveButton);
    EXPECT_EQ(files.FileContent(std::string{kHome} + "/PianoChords/d.txt"),
              "Accords s\xe9lectionn\xe9s\r\n====================\r\n\r\n"
              "Accord Dm7:   D - F - A - C\r\n");
    EXPECT_FALSE(W(form->SaveButton)->isEnabled());

    ClickOn(form->NoSoundButton);
    EXPECT_EQ(settings.Values().at("Midi"), "GeenMidi");
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(W(form->NoSoundButton))->isChecked());
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(W(form->HammondButton))->isChecked());
}

TEST_F(FormWindowTest, CloseBoxWaitsForTheArpeggioThenTheWindowClosesByItself) {
    Open("Engels", "Guitar");
    ClickOn(form->FlatRootButtons[0]);
    ASSERT_TRUE(form->player.Playing());
    EXPECT_FALSE(W(form->FlatRootButtons[4])->isEnabled());
    EXPECT_TRUE(W(form->InfoButton)->isEnabled());
    EXPECT_FALSE(view->close());
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }, 3000));
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{48, 52, 55}));
    EXPECT_FALSE(midi.IsOpen());
}

TEST_F(FormWindowTest, MarkersAreRedOverTheirKeysAndTheKeyboardIsUntouchedElsewhere) {
    Open("Engels", "GeenMidi");
    ClickOn(form->FlatRootButtons[1]);  // Db major: keys 2, 6, 9 (black, white, black)
    QWidget* keyboard = W(form->KeyboardPicture);
    const QImage marked = keyboard->grab().toImage();
    for (auto* m : form->KeyMarkers) {
        m->visible = false;
    }
    view->Push();
    const QImage bare = keyboard->grab().toImage();
    ASSERT_EQ(marked.size(), bare.size());
    const qreal ratio = marked.devicePixelRatio();

    std::vector<QRect> markerRects;
    for (KeyNumber k : {2, 6, 9}) {
        const MarkerPosition at = KeyMarkerPositions[std::size_t(k)];
        markerRects.emplace_back(QPointF(at.x, at.y).toPoint() * ratio, QSize(16, 16) * ratio);
        const QColor centre = marked.pixelColor(markerRects.back().center());
        EXPECT_EQ(centre, QColor(255, 0, 0)) << "key " << k;
        // Just above the marker lies its own key: dark for black keys, light for white.
        const QColor key = bare.pixelColor(markerRects.back().center().x(),
                                           markerRects.back().top() - int(3 * ratio));
        const bool black = at.y == 80;
        EXPECT_EQ(key.lightness() < 100, black) << "key " << k;
    }
    int differing = 0;
    for (int y = 0; y < bare.height(); ++y) {
        for (int x = 0; x < bare.width(); ++x) {
            const bool inMarker = std::any_of(markerRects.begin(), markerRects.end(),
                                              [&](const QRect& r) { return r.contains(x, y); });
            if (!inMarker && marked.pixel(x, y) != bare.pixel(x, y)) {
                ++differing;
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

// A real save dialog is open when the close refused during an arpeggio comes due: the dialog
// stays, saves the list, and then the window closes by itself.
TEST(FormWindowDialogTest, DeferredCloseWaitsForTheOpenSaveDialog) {
    QTemporaryDir home;
    ui::qt::QtEventLoop loop;
    RecordingMidiOut midi{[&] { return loop.NowMs(); }};
    ui::qt::QtDialogs dialogs;
    MemorySettingsStore settings;
    settings.Set("Taal", "Engels");
    settings.Set("Midi", "Piano");
    QtChordFileSystem files;
    auto form = BuildMainWindow({midi, loop, dialogs, settings, files, home.path().toStdString()});
    ui::qt::QtWindowView view(form->window);
    view.SetQuitOnClose(false);
    loop.SetView(&view);
    dialogs.SetParentWidget(&view);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    form->window.Click(*form->FlatRootButtons[0]);
    ASSERT_TRUE(form->player.Playing());
    form->window.Click(*form->RememberButton);
    EXPECT_FALSE(view.close());
    bool dialogOutlivedTheArpeggio = false;
    QTimer::singleShot(4000, [&] {
        auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        dialogOutlivedTheArpeggio = box != nullptr && !form->player.Playing() && view.isVisible();
        if (box != nullptr) {
            box->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(u"kept"_qs);
            static_cast<QDialog*>(box)->accept();
        }
    });
    form->window.Click(*form->SaveButton);
    EXPECT_TRUE(dialogOutlivedTheArpeggio);
    QFile saved(home.filePath(QStringLiteral("PianoChords/kept.txt")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().endsWith("\r\n"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->window.IsClosed(); }, 3000));
    EXPECT_FALSE(view.isVisible());
}

}  // namespace
}  // namespace vorlane::testing
