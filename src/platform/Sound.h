#pragma once

#include <functional>
#include <optional>
#include <string>

namespace torvalet {

// A media error: the player's numeric code and its text.
struct SoundError {
    int code = 0;
    std::string text;
};

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing the wav file without waiting, cutting off the cue still sounding.
    // Silent where the machine has no audio device. Returns the error of a failed open or play.
    virtual std::optional<SoundError> play(const std::string& path) = 0;
    virtual void stop() = 0;
    // Where a player that learns of an error only after play has returned reports it.
    virtual void setErrorHandler(std::function<void(const SoundError&)>) {}
};

}  // namespace torvalet
