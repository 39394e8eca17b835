#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTest>

#include "keyboard/key_markers.h"
#include "tests/support/sample_window.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/artwork.h"
#include "ui/qt/qt_window_view.h"

namespace vorlane::ui::qt {
namespace {

bool IsBlack(int key) {
    const int pc = (key - 1) % 12;
    return pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10;
}
bool Light(QColor c) {
    return qGray(c.rgb()) > 180;
}
bool Dark(QColor c) {
    return qGray(c.rgb()) < 110;
}

// Runs of pixels on one logical row for which `inside` holds, counted from x0 to x1.
int Runs(const QImage& image, qreal ratio, int y, int x0, int x1, bool (*inside)(QColor)) {
    int runs = 0;
    bool in = false;
    for (int x = int(x0 * ratio); x < int(x1 * ratio); ++x) {
        const bool now = inside(image.pixelColor(x, int(y * ratio)));
        runs += now && !in;
        in = now;
    }
    return runs;
}

// One red marker on each of the 36 keys, as the window places them, grabbed from the screen.
class KeyboardGrabTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.clientWidth = 747;
        window.clientHeight = 200;
        window.font = Font{"System", -11, false};
        keyboard = &window.Add(ControlKind::Picture, "KeyboardPicture", nullptr, 15, 20, 717, 159);
        keyboard->imageList = &piano;
        for (int key = 1; key <= 36; ++key) {
            const auto [x, y] = KeyMarkerPositions[static_cast<std::size_t>(key)];
            Control& marker = window.Add(ControlKind::Label, "Marker" + std::to_string(key),
                                         keyboard, x, y, 16, 16);
            marker.textColour = Rgb{255, 255, 255};
            marker.backgroundColour = Rgb{255, 0, 0};
            marker.visible = false;
        }
    }

    QImage Grab(bool markers) {
        for (const auto& c : window.ChildrenOf(keyboard)) {
            c->visible = markers;
        }
        view->Push();
        return view->WidgetFor(*keyboard)->grab().toImage();
    }

    Window window;
    ImageList piano{"piano", 717, 159};
    Control* keyboard = nullptr;
    std::unique_ptr<QtWindowView> view;
};

TEST_F(KeyboardGrabTest, EachMarkerStandsRedOnItsOwnKeyAndNothingElseChanges) {
    view = std::make_unique<QtWindowView>(window);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    const QImage plain = Grab(false);
    const QImage marked = Grab(true);
    const qreal r = view->devicePixelRatioF();
    ASSERT_EQ(plain.size(), QSize(717, 159) * r);

    // The keyboard itself: 21 white keys below the black ones, 15 black keys above.
    EXPECT_EQ(Runs(plain, r, 140, 0, 717, Light), 21);
    EXPECT_EQ(Runs(plain, r, 40, 0, 717, Dark), 15 + 5 + 2)
        << "black keys, E-F and B-C joints, ends";

    QImage expected = plain;
    for (int key = 1; key <= 36; ++key) {
        SCOPED_TRACE(key);
        const auto [x, y] = KeyMarkerPositions[static_cast<std::size_t>(key)];
        const QRect marker(QPoint(x, y) * r, QSize(16, 16) * r);
        EXPECT_EQ(marked.pixelColor(marker.center()), QColor(255, 0, 0));
        // Two pixels around the marker: still the same key, light or dark as the key is.
        const QRect ring = QRect(x - 2, y - 2, 20, 20);
        for (int i = 0; i < 20; ++i) {
            for (QPoint p :
                 {QPoint(ring.left() + i, ring.top()), QPoint(ring.left() + i, ring.bottom()),
                  QPoint(ring.left(), ring.top() + i), QPoint(ring.right(), ring.top() + i)}) {
                const QColor c = marked.pixelColor(p * r);
                EXPECT_TRUE(IsBlack(key) ? Dark(c) : Light(c)) << p.x() << "," << p.y();
            }
        }
        for (int py = marker.top(); py <= marker.bottom(); ++py) {
            for (int px = marker.left(); px <= marker.right(); ++px) {
                expected.setPixelColor(px, py, marked.pixelColor(px, py));
            }
        }
    }
    EXPECT_EQ(marked, expected) << "outside the markers the keyboard is unchanged";

    // Neighbouring markers stand on different keys: one joint between white neighbours, a
    // white key between black neighbours.
    for (int key = 1; key < 36; ++key) {
        const int next = IsBlack(key + 1) ? key + 2 : key + 1;
        if (next > 36 || IsBlack(key)) {
            continue;
        }
        const int x0 = KeyMarkerPositions[key].x + 16, x1 = KeyMarkerPositions[next].x;
        EXPECT_EQ(Runs(plain, r, 136, x0, x1, Dark), 1) << "white " << key << " to " << next;
    }
    for (int key = 2; key < 36; ++key) {
        const int next = key + (key % 12 == 4 || key % 12 == 11 ? 3 : 2);
        if (!IsBlack(key) || next > 36) {
            continue;
        }
        const int x0 = KeyMarkerPositions[key].x + 16, x1 = KeyMarkerPositions[next].x;
        EXPECT_GE(Runs(plain, r, 88, x0, x1, Light), 1) << "black " << key << " to " << next;
    }
}

// A played key's spot, as the window places one above where the key's marker would stand, is
// drawn in its own colour on that key alone.
TEST_F(KeyboardGrabTest, SpotsAreDrawnRoundOnTheirOwnKeys) {
    view = std::make_unique<QtWindowView>(window);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    const Rgb blue{0, 90, 255};
    for (int key = 1; key <= 36; ++key) {
        const auto [x, y] = KeyMarkerPositions[static_cast<std::size_t>(key)];
        keyboard->spots.push_back({x + 2, y - 14, 12, blue});
    }
    const QImage spotted = Grab(false);
    const qreal r = view->devicePixelRatioF();
    for (int key = 1; key <= 36; ++key) {
        SCOPED_TRACE(key);
        const auto [x, y] = KeyMarkerPositions[static_cast<std::size_t>(key)];
        const QRect spot(x + 2, y - 14, 12, 12);
        EXPECT_EQ(spotted.pixelColor(spot.center() * r), QColor(0, 90, 255));
        EXPECT_NE(spotted.pixelColor(spot.topLeft() * r), QColor(0, 90, 255)) << "round";
        for (int i = 0; i < 12; ++i) {
            const QColor left = spotted.pixelColor(QPoint(spot.left() - 2, spot.top() + i) * r);
            const QColor right = spotted.pixelColor(QPoint(spot.right() + 2, spot.top() + i) * r);
            EXPECT_TRUE(IsBlack(key) ? Dark(left) && Dark(right) : Light(left) && Light(right));
        }
    }
    keyboard->spots.clear();
}

TEST(ArtworkTest, KeyboardIsDrawnSharplyAtPixelRatioTwo) {
    const QImage one = RenderPicture(kKeyboardResource, 0, 1.0);
    const QImage two = RenderPicture(kKeyboardResource, 0, 2.0);
    ASSERT_EQ(one.size(), QSize(717, 159));
    ASSERT_EQ(two.size(), QSize(1434, 318));
    // The white-key zone has only two colours at both ratios: no blur at any key edge.
    for (const QImage* image : {&one, &two}) {
        const int y = image->height() * 140 / 159;
        QSet<QRgb> colours;
        for (int x = 1; x < image->width() - 1; ++x) {
            colours.insert(image->pixel(x, y));
        }
        EXPECT_EQ(colours.size(), 2);
    }
    // The gloss line on a black key is one device pixel wide at either ratio, so the larger
    // picture is drawn afresh rather than enlarged.
    auto glossWidth = [](const QImage& image, qreal ratio) {
        const int y = int(40 * ratio);
        int widest = 0, run = 0;
        for (int x = int(29 * ratio); x < int(51 * ratio); ++x) {
            run = qGray(image.pixel(x, y)) > 70 && qGray(image.pixel(x, y)) < 140 ? run + 1 : 0;
            widest = std::max(widest, run);
        }
        return widest;
    };
    EXPECT_EQ(glossWidth(one, 1), 1);
    EXPECT_EQ(glossWidth(two, 2), 1);
    EXPECT_EQ(two.devicePixelRatio(), 2.0);
}

TEST(ArtworkTest, LogoHasThreeDistinctFramesAndTheIconIsBuiltIn) {
    std::vector<QImage> frames;
    for (int i = 0; i < 3; ++i) {
        frames.push_back(RenderPicture(kLogoResource, i, 1.0));
        ASSERT_EQ(frames.back().size(), QSize(159, 86));
        EXPECT_EQ(qAlpha(frames.back().pixel(0, 0)), 0) << "rounded corner lets the window show";
        EXPECT_EQ(qAlpha(frames.back().pixel(80, 43)), 255);
    }
    EXPECT_NE(frames[0], frames[1]);
    EXPECT_NE(frames[1], frames[2]);
    EXPECT_NE(frames[0], frames[2]);
    EXPECT_TRUE(RenderPicture(kLogoResource, 3, 1.0).isNull());
    EXPECT_TRUE(RenderPicture("missing", 0, 1.0).isNull());

    const QIcon icon = IconForResource(kAppId);
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 32, 48, 128}) {
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size));
    }
    EXPECT_EQ(icon.cacheKey(), AppIcon().cacheKey()) << "the pictures are decoded once";
    EXPECT_TRUE(QFile::exists(":/vorlane/hicolor/256x256/apps/org.vorlane.Vorlane.png"));
    EXPECT_TRUE(IconForResource("nothing").isNull());
}

}  // namespace
}  // namespace vorlane::ui::qt
