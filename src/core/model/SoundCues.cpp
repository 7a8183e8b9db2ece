#include "model/SoundCues.h"

#include "model/Settings.h"
#include "platform/Sound.h"
#include "platform/UserInterface.h"

namespace torvalet {

SoundCues::SoundCues(Sound& sound, UserInterface& ui, std::filesystem::path soundsFolder, const Settings& settings)
    : sound_(sound), ui_(ui), folder_(std::move(soundsFolder)), settings_(settings) {
    sound_.setErrorHandler([this](const SoundError& error) { showError(error); });
}

SoundCues::~SoundCues() { sound_.setErrorHandler(nullptr); }

void SoundCues::playSoundCue(const std::string& cue) {
    // Both switches must be on; with startUpSound off the cues stay silent as well.
    if (!settings_.soundsEnabled || !settings_.startUpSound || cue.empty()) return;
    const std::filesystem::path file = folder_ / cue;
    std::error_code ignored;
    if (!std::filesystem::exists(file, ignored)) return;
    if (const auto error = sound_.play(file.string())) showError(*error);
}

void SoundCues::showError(const SoundError& error) {
    const std::string message = "ErrorCode: " + std::to_string(error.code) + "\r\n" + error.text;
    if (shownErrors_.insert(message).second) ui_.showMessage(message);
}

}  // namespace torvalet
