#pragma once

#include <QObject>

#include <functional>
#include <memory>

#include "platform/Sound.h"

class QSoundEffect;

namespace torvalet::ui {

// Plays cues with the toolkit's event-sound player, one at a time: a new cue cuts off the one
// still sounding. Silent where the machine has no audio output. The player loads a file after
// play has returned, so a file it cannot play is reported through the error handler.
class QtSound : public QObject, public Sound {
    Q_OBJECT
public:
    QtSound();
    ~QtSound() override;
    std::optional<SoundError> play(const std::string& path) override;
    void stop() override;
    void setErrorHandler(std::function<void(const SoundError&)> handler) override { handler_ = std::move(handler); }

private:
    void statusChanged();

    std::unique_ptr<QSoundEffect> effect_;
    std::function<void(const SoundError&)> handler_;
};

}  // namespace torvalet::ui
