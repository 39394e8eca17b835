#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "tests/gui/qt_printers.h"
#include "tests/support/sample_window.h"
#include "ui/qt/qt_event_loop.h"
#include "ui/qt/qt_window_view.h"

namespace vorlane::ui::qt {
namespace {

class ViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        view.SetQuitOnClose(false);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    QWidget* Widget(std::string_view name) { return view.WidgetFor(sample[name]); }

    // A real click through the window, so Qt picks the widget under the point.
    void ClickAt(QWidget* widget, QPoint local) {
        QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, widget->mapTo(&view, local));
    }
    void Click(std::string_view name) {
        QWidget* widget = Widget(name);
        ClickAt(widget, QPoint(widget->width() / 2, widget->height() / 2));
    }

    test::SampleWindow sample;
    QtWindowView view{sample.window};
};

TEST_F(ViewTest, EveryWidgetHasItsRecordsGeometryParentAndName) {
    for (const auto& record : sample.window.Controls()) {
        SCOPED_TRACE(record->name);
        QWidget* widget = view.WidgetFor(*record);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName().toStdString(), record->name);
        QWidget* parent = record->parent ? view.WidgetFor(*record->parent) : &view;
        EXPECT_EQ(widget->parentWidget(), parent);
        EXPECT_EQ(widget->pos(), QPoint(record->left, record->top));
        if (record->autoSize) {
            EXPECT_EQ(widget->width(), widget->sizeHint().width());
            EXPECT_GE(widget->width(), 30) << "caption and indicator fit";
            EXPECT_EQ(widget->height(), record->height);
        } else {
            EXPECT_EQ(widget->size(), QSize(record->width, record->height));
        }
        EXPECT_EQ(widget->isHidden(), !record->visible);
        EXPECT_EQ(widget->toolTip().toStdString(), record->hint);
    }
    EXPECT_FALSE(Widget("InfoButton")->toolTip().isEmpty());
    EXPECT_EQ(view.size(), QSize(747, 626));
    EXPECT_EQ(view.minimumSize(), view.maximumSize()) << "fixed size";
    EXPECT_FALSE(view.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(view.windowTitle(), "Vorlane");
    EXPECT_FALSE(view.windowIcon().isNull());
    const QRect screen = view.screen()->geometry();
    EXPECT_LE((view.frameGeometry().center() - screen.center()).manhattanLength(), 2);
}

TEST_F(ViewTest, FontsFollowTheRecords) {
    const QFont window = Widget("ChordLineLabel")->font();
    EXPECT_EQ(window.pixelSize(), 11);
    EXPECT_EQ(window.family(), QApplication::font().family()) << "System becomes the desktop font";
    EXPECT_FALSE(window.bold());
    const QFont header = Widget("FlatHeader")->font();
    EXPECT_TRUE(header.bold());
    EXPECT_NEAR(QFontMetrics(header).height(), 16, 1) << "positive height = line height";
    EXPECT_EQ(Widget("Variation7")->font(), window) << "group children take the window font";
}

TEST_F(ViewTest, ClicksBecomeRecordClicksWithTheirKindsBehaviour) {
    Click("SharpC#");
    EXPECT_EQ(sample.fired, std::vector<std::string>{"SharpC#"});
    EXPECT_TRUE(sample.sharpRoots[1]->checked);
    EXPECT_FALSE(sample.flatRoots[0]->checked) << "the two columns are one set";
    EXPECT_TRUE(static_cast<QRadioButton*>(Widget("SharpC#"))->isChecked());
    EXPECT_FALSE(static_cast<QRadioButton*>(Widget("FlatC"))->isChecked());

    Click("SharpC#");  // selected already: fires again and stays selected
    EXPECT_EQ(sample.fired.size(), 2u);
    EXPECT_TRUE(static_cast<QRadioButton*>(Widget("SharpC#"))->isChecked());
    EXPECT_TRUE(sample.variations[0]->checked) << "another parent's set is untouched";

    Click("NotesOnPianoCheck");
    EXPECT_TRUE(sample.notesCheck->checked);
    EXPECT_TRUE(static_cast<QAbstractButton*>(Widget("NotesOnPianoCheck"))->isChecked());
    Click("NotesOnPianoCheck");
    EXPECT_FALSE(sample.notesCheck->checked);
    EXPECT_FALSE(static_cast<QAbstractButton*>(Widget("NotesOnPianoCheck"))->isChecked());

    Click("RememberButton");
    Click("HammondButton");
    EXPECT_EQ(sample.fired.back(), "HammondButton");
    EXPECT_EQ(sample.fired[sample.fired.size() - 2], "RememberButton");

    sample["SaveButton"].enabled = false;
    view.Push();
    const auto before = sample.fired.size();
    Click("SaveButton");
    Click("KeyboardPicture");
    EXPECT_EQ(sample.fired.size(), before) << "disabled buttons and pictures fire nothing";
}

TEST_F(ViewTest, OverlappingVariationButtonsEachTakeTheirOwnHalf) {
    for (int t = 0; t < 23; ++t) {
        if (t == 11) {
            continue;  // the columns do not touch
        }
        SCOPED_TRACE(t);
        QWidget* upper = view.WidgetFor(*sample.variations[t]);
        QWidget* lower = view.WidgetFor(*sample.variations[t + 1]);
        ASSERT_EQ(lower->y() - upper->y(), 18);
        const int x = 40;  // on the caption
        struct Case {
            QWidget* widget;
            int y;
            int expected;
        };
        for (auto [widget, y, expected] :
             {Case{upper, 11, t}, Case{upper, 19, t}, Case{upper, 20, t + 1},
              Case{lower, 11, t + 1}, Case{lower, 1, t}}) {
            sample.fired.clear();
            ClickAt(widget, QPoint(x, y));
            EXPECT_EQ(sample.fired,
                      std::vector<std::string>{"Variation" + std::to_string(expected)})
                << "y " << y;
            EXPECT_TRUE(sample.variations[expected]->checked);
        }
    }
    // Past the end of the caption the button still answers, as a native one does.
    sample.fired.clear();
    QWidget* wide = view.WidgetFor(*sample.variations[5]);
    ClickAt(wide, QPoint(wide->width() - 3, 11));
    EXPECT_EQ(sample.fired, std::vector<std::string>{"Variation5"});
}

TEST_F(ViewTest, DropDownChoiceFiresOnceAfterTheListShowsIt) {
    auto* list = static_cast<QComboBox*>(Widget("InversionSelector"));
    int shownDuringHandler = -1;
    sample.inversion->onChange = [&] {
        sample.fired.push_back("InversionSelector");
        shownDuringHandler = list->currentIndex();
    };
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_TRUE(sample.fired.empty()) << "queued behind the list's own update";
    QTRY_COMPARE(sample.fired.size(), 1u);
    EXPECT_EQ(sample.inversion->selectedItem, 1);
    EXPECT_EQ(shownDuringHandler, 1);

    // Through the popup with the mouse; choosing the shown item again changes nothing.
    for (int choice : {2, 2}) {
        list->showPopup();
        QAbstractItemView* popup = list->view();
        QTRY_VERIFY(popup->isVisible());
        const QRect item = popup->visualRect(popup->model()->index(choice, 0));
        QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, item.center());
        QTest::qWait(20);
    }
    EXPECT_EQ(sample.fired, (std::vector<std::string>{"InversionSelector", "InversionSelector"}));
    EXPECT_EQ(sample.inversion->selectedItem, 2);
    EXPECT_EQ(list->currentIndex(), 2);
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(1), "1ste omkering");
}

TEST_F(ViewTest, PushMirrorsEveryChangeOfTheRecords) {
    QtEventLoop loop;
    loop.SetView(&view);
    sample["ChordLineLabel"].text = "Akkoord Dbm:   Db - E - Ab";
    sample["InversionLabel"].visible = false;
    sample["VariationGroup"].enabled = false;
    sample["HammondButton"].checked = true;
    sample.inversion->selectedItem = 2;
    Window::SetItems(sample["InversionSelector"], {"Root position", "First inversion"});
    sample["LogoPicture"].imageIndex = 2;
    sample.window.caption = "Piano Chords v4.1";
    sample["SaveButton"].hint = "Save them";
    loop.RepaintChangesNow();

    EXPECT_EQ(static_cast<QLabel*>(Widget("ChordLineLabel"))->text(), "Akkoord Dbm:   Db - E - Ab");
    EXPECT_TRUE(Widget("InversionLabel")->isHidden());
    EXPECT_TRUE(Widget("Variation3")->isEnabled()) << "a disabled group leaves its children be";
    EXPECT_TRUE(static_cast<QAbstractButton*>(Widget("HammondButton"))->isChecked());
    auto* list = static_cast<QComboBox*>(Widget("InversionSelector"));
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentIndex(), 0) << "new items select the first";
    EXPECT_EQ(view.windowTitle(), "Piano Chords v4.1");
    EXPECT_EQ(Widget("SaveButton")->toolTip(), "Save them");

    sample["Variation3"].enabled = false;
    loop.RepaintChangesNow();
    EXPECT_FALSE(Widget("Variation3")->isEnabled());
}

TEST_F(ViewTest, WalkingMarkerIsDrawnOverTheChordMarker) {
    QWidget* keyboard = view.WidgetFor(*sample.keyboard);
    auto colourAt = [&](QPoint p) {
        return keyboard->grab().toImage().pixelColor(p * keyboard->devicePixelRatioF());
    };
    const QPoint onC(14 + 8, 128 + 8);
    EXPECT_EQ(colourAt(onC), QColor(255, 0, 0));
    sample.playMarker->left = 14;
    sample.playMarker->visible = true;
    view.Push();
    EXPECT_EQ(colourAt(onC), QColor(0, 128, 0));
    sample.playMarker->visible = false;
    view.Push();
    EXPECT_EQ(colourAt(onC), QColor(255, 0, 0));
}

TEST(ViewLifecycleTest, FirstShowAndCloseGoThroughTheRecord) {
    test::SampleWindow sample;
    int shows = 0;
    bool allow = false;
    int asked = 0;
    sample.window.onShow = [&] { ++shows; };
    sample.window.onCloseRequest = [&] {
        ++asked;
        return allow;
    };
    QtWindowView view(sample.window);
    view.SetQuitOnClose(false);
    QSignalSpy closed(&view, &QtWindowView::Closed);
    EXPECT_EQ(shows, 0);
    view.show();
    view.hide();
    view.show();
    EXPECT_EQ(shows, 1);

    view.windowHandle()->close();  // what the close box does
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(view.isVisible()) << "refused";
    EXPECT_FALSE(sample.window.IsClosed());

    // The logic closes the window later by itself (a deferred close).
    allow = true;
    EXPECT_TRUE(sample.window.RequestClose());
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(asked, 2);

    test::SampleWindow second;
    QtWindowView other(second.window);
    other.SetQuitOnClose(false);
    other.show();
    other.windowHandle()->close();
    EXPECT_FALSE(other.isVisible()) << "allowed at once";
    EXPECT_TRUE(second.window.IsClosed());
}

TEST(ViewLifecycleTest, ApplicationLoopEndsWhenTheWindowClosesAfterARefusal) {
    test::SampleWindow sample;
    bool playing = true;
    sample.window.onCloseRequest = [&] { return !playing; };
    QtWindowView view(sample.window);
    view.show();
    QTimer::singleShot(20, &view, [&] { view.windowHandle()->close(); });
    QTimer::singleShot(60, &view, [&] {
        EXPECT_TRUE(view.isVisible());
        playing = false;
        sample.window.RequestClose();  // the arpeggio's end closes it
    });
    bool timedOut = false;
    QTimer::singleShot(5000, &view, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
    EXPECT_FALSE(view.isVisible());
}

}  // namespace
}  // namespace vorlane::ui::qt
