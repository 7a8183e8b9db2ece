#pragma once

#include <memory>

#include "platform/Sound.h"

class QSoundEffect;

namespace torvalet::ui {

// Plays cues with the toolkit's event-sound player; silent where the machine has no audio device.
class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    std::optional<SoundError> play(const std::string& path) override;
    void stop() override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace torvalet::ui
