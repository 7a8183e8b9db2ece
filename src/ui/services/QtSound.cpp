#include "ui/services/QtSound.h"

#include <QSoundEffect>
#include <QUrl>

namespace torvalet::ui {

QtSound::QtSound() : effect_(std::make_unique<QSoundEffect>()) {}
QtSound::~QtSound() = default;

std::optional<SoundError> QtSound::play(const std::string& path) {
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    effect_->play();
    if (effect_->status() == QSoundEffect::Error) return SoundError{1, "The sound cue could not be played: " + path};
    return std::nullopt;
}

void QtSound::stop() { effect_->stop(); }

}  // namespace torvalet::ui
