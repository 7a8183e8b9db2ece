#pragma once

#include <filesystem>
#include <string>

namespace torvalet {

class Sound;
class UserInterface;
struct Settings;

// The cue files in the folder "Sounds" of the application folder.
namespace cues {
inline constexpr const char* Ringing = "ringing.wav";
inline constexpr const char* BigBen = "bigben.wav";
inline constexpr const char* Recycle = "recycle.wav";
inline constexpr const char* Prepare = "prepare.wav";
inline constexpr const char* AtWork = "atwork.wav";
inline constexpr const char* Mute = "mute.wav";
inline constexpr const char* Done = "done.wav";
inline constexpr const char* Undone = "undone.wav";
inline constexpr const char* Delegated = "delegated.wav";
}  // namespace cues

// Plays the short sound cues, each cutting off the one still sounding. Nothing plays while the
// sound switches of the settings are off, nor for a cue file that is missing; a player error is
// shown in a message box and goes no further.
class SoundCues {
public:
    SoundCues(Sound& sound, UserInterface& ui, std::filesystem::path soundsFolder, const Settings& settings);

    // `cue` is a file name of the cues namespace.
    void playSoundCue(const std::string& cue);

private:
    Sound& sound_;
    UserInterface& ui_;
    std::filesystem::path folder_;
    const Settings& settings_;
};

}  // namespace torvalet
