#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace torvalet {

class Sound;
struct SoundError;
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
// shown in a message box and goes no further, and the same error is shown once only.
class SoundCues {
public:
    SoundCues(Sound& sound, UserInterface& ui, std::filesystem::path soundsFolder, const Settings& settings);
    ~SoundCues();
    SoundCues(const SoundCues&) = delete;
    SoundCues& operator=(const SoundCues&) = delete;

    // `cue` is a file name of the cues namespace.
    void playSoundCue(const std::string& cue);

private:
    void showError(const SoundError& error);

    Sound& sound_;
    UserInterface& ui_;
    std::filesystem::path folder_;
    const Settings& settings_;
    std::set<std::string> shownErrors_;
};

}  // namespace torvalet
