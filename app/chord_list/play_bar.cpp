#include "app/chord_list/play_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/chord_list/chord_list_commands.h"
#include "app/chord_list/chord_list_controller.h"

namespace vorlane {

using chord_list::ToQString;

PlayBar::PlayBar(ChordListController& controller, QAction* play, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    auto* playButton = new QToolButton(this);
    playButton->setObjectName(QStringLiteral("PlayButton"));
    playButton->setDefaultAction(play);
    playButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tempoLabel_ = new QLabel(this);
    tempo_ = new QSpinBox(this);
    tempo_->setObjectName(QStringLiteral("TempoBox"));
    tempo_->setRange(kLowestTempo, kHighestTempo);
    tempo_->setValue(controller_.Tempo());
    tempoLabel_->setBuddy(tempo_);
    beatsLabel_ = new QLabel(this);
    beats_ = new QSpinBox(this);
    beats_->setObjectName(QStringLiteral("BeatsBox"));
    beats_->setRange(kFewestBeatsPerChord, kMostBeatsPerChord);
    beats_->setValue(controller_.BeatsPerChord());
    beatsLabel_->setBuddy(beats_);
    loop_ = new QCheckBox(this);
    loop_->setObjectName(QStringLiteral("LoopCheck"));
    smooth_ = new QCheckBox(this);
    smooth_->setObjectName(QStringLiteral("SmoothVoicingCheck"));
    loop_->setChecked(controller_.Looping());
    smooth_->setChecked(controller_.SmoothVoicing());

    // Two rows, for the same narrow window as the key bar's.
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(playButton);
    timeRow->addSpacing(8);
    timeRow->addWidget(tempoLabel_);
    timeRow->addWidget(tempo_);
    timeRow->addWidget(beatsLabel_);
    timeRow->addWidget(beats_);
    timeRow->addStretch();
    auto* wayRow = new QHBoxLayout;
    wayRow->addWidget(loop_);
    wayRow->addWidget(smooth_);
    wayRow->addStretch();
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(timeRow);
    rows->addLayout(wayRow);

    connect(tempo_, &QSpinBox::valueChanged, this, [this](int bpm) { controller_.SetTempo(bpm); });
    connect(beats_, &QSpinBox::valueChanged, this,
            [this](int beats) { controller_.SetBeatsPerChord(beats); });
    connect(loop_, &QCheckBox::toggled, this, [this](bool on) { controller_.SetLooping(on); });
    connect(smooth_, &QCheckBox::toggled, this,
            [this](bool on) { controller_.SetSmoothVoicing(on); });
}

void PlayBar::ApplyTexts(const ChordListTexts& texts) {
    tempoLabel_->setText(ToQString(texts.tempo));
    tempo_->setSuffix(ToQString(texts.bpmSuffix));
    beatsLabel_->setText(ToQString(texts.beatsPerChord));
    loop_->setText(ToQString(texts.loop));
    smooth_->setText(ToQString(texts.smoothVoicing));
}

}  // namespace vorlane
