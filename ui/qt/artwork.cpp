#include "ui/qt/artwork.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

#include "keyboard/key_markers.h"

namespace vorlane::ui::qt {

namespace {

constexpr int kWhiteKeyCount = 21;
constexpr int kBlackKeyWidth = 22;
constexpr int kBlackKeyHeight = 104;
constexpr int kBlackKeyBevel = 8;
// A black key stands this far left of its marker, so the marker sits in the middle of it.
constexpr int kBlackKeyMarkerInset = 3;

const QColor kSeparator(72, 72, 76);
const QColor kIvory(250, 249, 243);
const QColor kIvoryShade(222, 220, 212);
const QColor kEbony(20, 20, 23);
const QColor kEbonyFace(34, 34, 38);
const QColor kEbonyGloss(92, 92, 100);

int WhiteKeyLeft(int index) {
    return static_cast<int>(std::lround(index * double(kKeyboardWidth) / kWhiteKeyCount));
}

bool IsBlackKey(int key) {
    const int pc = (key - 1) % 12;
    return pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10;
}

void PaintWhiteKeys(QPainter& painter) {
    painter.fillRect(0, 0, kKeyboardWidth, kKeyboardHeight, kSeparator);
    for (int i = 0; i < kWhiteKeyCount; ++i) {
        const int left = WhiteKeyLeft(i) + 1;
        const int right = std::min(WhiteKeyLeft(i + 1), kKeyboardWidth - 1);
        const QRect key(left, 0, right - left, kKeyboardHeight - 1);
        painter.fillRect(key, kIvory);
        // A soft rounding at the front edge of each key, clear of the marker rows.
        QLinearGradient front(0, kKeyboardHeight - 10, 0, kKeyboardHeight - 1);
        front.setColorAt(0, kIvory);
        front.setColorAt(1, kIvoryShade);
        painter.fillRect(QRect(left, kKeyboardHeight - 10, key.width(), 9), front);
    }
    // The shadow of the key slip along the top.
    QLinearGradient slip(0, 0, 0, 6);
    slip.setColorAt(0, QColor(0, 0, 0, 90));
    slip.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(QRect(0, 0, kKeyboardWidth, 6), slip);
}

void PaintBlackKeys(QPainter& painter) {
    for (int key = kLowestKey; key <= kHighestKey; ++key) {
        if (!IsBlackKey(key)) {
            continue;
        }
        const int left = KeyMarkerPositions[static_cast<std::size_t>(key)].x - kBlackKeyMarkerInset;
        painter.fillRect(left, 0, kBlackKeyWidth, kBlackKeyHeight, kEbony);
        const QRect face(left + 3, 0, kBlackKeyWidth - 6, kBlackKeyHeight - kBlackKeyBevel);
        painter.fillRect(face, kEbonyFace);
        // A gloss line one device pixel wide: it stays a hairline at any pixel ratio.
        painter.save();
        painter.setPen(QPen(kEbonyGloss, 0));
        painter.drawLine(QPointF(face.left() + 0.25, 4),
                         QPointF(face.left() + 0.25, face.bottom() - 4));
        painter.restore();
    }
}

// Frame 0 Dutch, 1 French, 2 English.
constexpr std::array<const char*, kLogoFrameCount> kLogoSubtitles = {
    "Piano-akkoorden", "Accords de piano", "Piano chords"};
constexpr std::array<const char*, kLogoFrameCount> kLogoLanguageTags = {"NL", "FR", "EN"};

QFont LogoFont(int pixelSize, bool bold) {
    QFont font(QGuiApplication::font().family());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void PaintMiniKeyboard(QPainter& painter, const QRect& area) {
    constexpr int kKeys = 10;
    const double keyWidth = double(area.width()) / kKeys;
    painter.fillRect(area, QColor(30, 30, 40));
    for (int i = 0; i < kKeys; ++i) {
        const int left = area.left() + static_cast<int>(std::lround(i * keyWidth)) + 1;
        const int right = area.left() + static_cast<int>(std::lround((i + 1) * keyWidth));
        painter.fillRect(QRect(left, area.top() + 1, right - left, area.height() - 2), kIvory);
    }
    // Black keys after white keys 0, 1, 3, 4, 5 of each octave.
    for (int i = 0; i < kKeys - 1; ++i) {
        const int inOctave = i % 7;
        if (inOctave == 2 || inOctave == 6) {
            continue;
        }
        const int centre = area.left() + static_cast<int>(std::lround((i + 1) * keyWidth));
        const int width = static_cast<int>(keyWidth * 0.6);
        painter.fillRect(QRect(centre - width / 2, area.top() + 1, width, area.height() * 6 / 10),
                         kEbony);
    }
    // A chord marked as the program marks it: three red squares.
    for (int i : {0, 2, 4}) {
        const int left = area.left() + static_cast<int>(std::lround((i + 0.5) * keyWidth)) - 3;
        painter.fillRect(QRect(left, area.bottom() - 8, 6, 6), QColor(255, 0, 0));
    }
}

}  // namespace

QRect KeyboardKeyRect(int key) {
    if (IsBlackKey(key)) {
        const int left = KeyMarkerPositions[static_cast<std::size_t>(key)].x - kBlackKeyMarkerInset;
        return QRect(left, 0, kBlackKeyWidth, kBlackKeyHeight);
    }
    int whiteIndex = 0;
    for (int k = kLowestKey; k < key; ++k) {
        whiteIndex += IsBlackKey(k) ? 0 : 1;
    }
    const int left = WhiteKeyLeft(whiteIndex);
    return QRect(left, 0, WhiteKeyLeft(whiteIndex + 1) - left, kKeyboardHeight);
}

void PaintKeyboard(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintWhiteKeys(painter);
    PaintBlackKeys(painter);
    painter.restore();
}

void PaintLogo(QPainter& painter, int frame) {
    if (frame < 0 || frame >= kLogoFrameCount) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QRectF card(1.5, 1.5, kLogoFrameWidth - 3, kLogoFrameHeight - 3);
    QLinearGradient background(card.topLeft(), card.bottomRight());
    background.setColorAt(0, QColor(28, 52, 110));
    background.setColorAt(1, QColor(86, 38, 120));
    QPainterPath outline;
    outline.addRoundedRect(card, 9, 9);
    painter.fillPath(outline, background);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
    painter.drawPath(outline);

    painter.setPen(QColor(255, 255, 255));
    painter.setFont(LogoFont(25, true));
    painter.drawText(QRect(10, 6, 139, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Vorlane"));
    painter.setPen(QColor(214, 222, 255));
    painter.setFont(LogoFont(11, false));
    painter.drawText(QRect(11, 35, 139, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromUtf8(kLogoSubtitles[static_cast<std::size_t>(frame)]));

    // The language tag in the top-right corner.
    const QRectF tag(124, 10, 24, 14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 48));
    painter.drawRoundedRect(tag, 4, 4);
    painter.setPen(QColor(255, 255, 255));
    painter.setFont(LogoFont(9, true));
    painter.drawText(tag, Qt::AlignCenter,
                     QString::fromUtf8(kLogoLanguageTags[static_cast<std::size_t>(frame)]));

    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintMiniKeyboard(painter, QRect(10, 53, 139, 25));
    painter.restore();
}

QImage RenderPicture(std::string_view resource, int index, qreal devicePixelRatio) {
    QSize size;
    if (resource == kKeyboardResource && index == 0) {
        size = QSize(kKeyboardWidth, kKeyboardHeight);
    } else if (resource == kLogoResource && index >= 0 && index < kLogoFrameCount) {
        size = QSize(kLogoFrameWidth, kLogoFrameHeight);
    } else {
        return {};
    }
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (resource == kKeyboardResource) {
        PaintKeyboard(painter);
    } else {
        PaintLogo(painter, index);
    }
    return image;
}

}  // namespace vorlane::ui::qt
