#include "ui/services/QtSound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace torvalet::ui {

namespace {

// The code a cue that cannot be played is reported with.
constexpr int kCannotPlay = 1;

}  // namespace

QtSound::QtSound() : effect_(std::make_unique<QSoundEffect>()) {
    connect(effect_.get(), &QSoundEffect::statusChanged, this, &QtSound::statusChanged);
}

QtSound::~QtSound() = default;

std::optional<SoundError> QtSound::play(const std::string& path) {
    if (QMediaDevices::audioOutputs().isEmpty()) return std::nullopt;
    effect_->stop();
    const QUrl source = QUrl::fromLocalFile(QString::fromStdString(path));
    if (effect_->source() != source) effect_->setSource(source);
    effect_->play();
    return std::nullopt;
}

void QtSound::stop() { effect_->stop(); }

void QtSound::statusChanged() {
    if (effect_->status() != QSoundEffect::Error || !handler_) return;
    handler_({kCannotPlay, "The sound cue \"" + effect_->source().toLocalFile().toStdString() +
                               "\" cannot be played: it is no wave file the player can read."});
}

}  // namespace torvalet::ui
