#include "app/chord_list/key_bar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/chord_list/chord_list_commands.h"
#include "app/chord_list/chord_list_controller.h"

namespace vorlane {

using chord_list::ToQString;

namespace {

constexpr int kTonics = 12;

QToolButton* ActionButton(QAction* action, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setDefaultAction(action);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

}  // namespace

KeyBar::KeyBar(ChordListController& controller, QAction* down, QAction* up, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    keyLabel_ = new QLabel(this);
    tonic_ = new QComboBox(this);
    tonic_->setObjectName(QStringLiteral("KeyTonic"));
    for (int i = 0; i < kTonics; ++i) {
        tonic_->addItem(QString());
    }
    mode_ = new QComboBox(this);
    mode_->setObjectName(QStringLiteral("KeyMode"));
    mode_->addItems({QString(), QString()});
    keyLabel_->setBuddy(tonic_);
    transposeLabel_ = new QLabel(this);
    transposeTo_ = new QToolButton(this);
    transposeTo_->setObjectName(QStringLiteral("TransposeToButton"));
    transposeTo_->setPopupMode(QToolButton::InstantPopup);
    transposeMenu_ = new QMenu(transposeTo_);
    transposeTo_->setMenu(transposeMenu_);

    // Two rows, so that the window stays narrow enough to stand beside the main one in every
    // language.
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(keyLabel_);
    keyRow->addWidget(tonic_);
    keyRow->addWidget(mode_);
    keyRow->addStretch();
    auto* transposeRow = new QHBoxLayout;
    transposeRow->addWidget(transposeLabel_);
    transposeRow->addWidget(ActionButton(down, this));
    transposeRow->addWidget(ActionButton(up, this));
    transposeRow->addWidget(transposeTo_);
    transposeRow->addStretch();
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(keyRow);
    rows->addLayout(transposeRow);

    auto choose = [this] {
        controller_.ChooseKey({tonic_->currentIndex() + 1, mode_->currentIndex() == 1});
    };
    connect(tonic_, &QComboBox::activated, this, choose);
    connect(mode_, &QComboBox::activated, this, choose);
    connect(transposeMenu_, &QMenu::aboutToShow, this, [this] { FillTransposeMenu(); });
    connect(&controller_, &ChordListController::KeyChanged, this, [this] { ShowKey(); });
    ShowKey();
}

void KeyBar::ApplyTexts(const ChordListTexts& texts) {
    keyLabel_->setText(ToQString(texts.keyLabel));
    transposeLabel_->setText(ToQString(texts.transposeLabel));
    transposeTo_->setText(ToQString(texts.transposeTo));
    mode_->setItemText(0, ToQString(texts.majorItem));
    mode_->setItemText(1, ToQString(texts.minorItem));
    tonic_->setAccessibleName(ToQString(texts.keyLabel));
    mode_->setAccessibleName(ToQString(texts.majorItem) + QStringLiteral(" / ") +
                             ToQString(texts.minorItem));
}

void KeyBar::ShowKey() {
    const MusicalKey key = controller_.Key();
    const QSignalBlocker blockTonic(tonic_);
    const QSignalBlocker blockMode(mode_);
    // Each tonic named as its key in this mode writes it.
    for (int i = 0; i < kTonics; ++i) {
        tonic_->setItemText(i, ToQString(TonicName({i + 1, key.minor})));
    }
    tonic_->setCurrentIndex(key.tonic - 1);
    mode_->setCurrentIndex(key.minor ? 1 : 0);
}

void KeyBar::FillTransposeMenu() {
    transposeMenu_->clear();
    const MusicalKey key = controller_.Key();
    const QString mode = mode_->itemText(key.minor ? 1 : 0);
    for (KeyNumber tonic = 1; tonic <= kTonics; ++tonic) {
        QAction* to = transposeMenu_->addAction(
            ToQString(TonicName({tonic, key.minor})) + QLatin1Char(' ') + mode,
            [this, tonic] { controller_.TransposeTo(tonic); });
        to->setCheckable(true);
        to->setChecked(tonic == key.tonic);
    }
}

}  // namespace vorlane
