#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "model/Settings.h"
#include "model/SoundCues.h"

namespace torvalet {
namespace {

TEST(SoundCues, PlayOnlyExistingCuesWithBothSwitchesOn) {
    testing::TempDir dir;
    testing::FakeServices fakes;
    testing::writeText(dir / cues::Done, "RIFF");
    Settings settings;
    SoundCues player(fakes.sound, fakes.ui, dir.path(), settings);

    player.playSoundCue(cues::Done);
    player.playSoundCue(cues::Mute);  // no such file: silent
    settings.soundsEnabled = false;
    player.playSoundCue(cues::Done);
    settings.soundsEnabled = true;
    settings.startUpSound = false;
    player.playSoundCue(cues::Done);
    EXPECT_EQ(fakes.sound.played, std::vector<std::string>{(dir / cues::Done).string()});

    settings.startUpSound = true;
    fakes.sound.failure = SoundError{263, "The specified device is not open."};
    player.playSoundCue(cues::Done);
    EXPECT_EQ(fakes.ui.messages, std::vector<std::string>{"ErrorCode: 263\r\nThe specified device is not open."});
}

// A player error is shown once, whether play returns it or the player learns of it later.
TEST(SoundCues, EachPlayerErrorIsShownOnce) {
    testing::TempDir dir;
    testing::FakeServices fakes;
    testing::writeText(dir / cues::Ringing, "RIFF");
    Settings settings;
    SoundCues player(fakes.sound, fakes.ui, dir.path(), settings);
    fakes.sound.failure = SoundError{263, "The specified device is not open."};
    for (int i = 0; i < 3; ++i) player.playSoundCue(cues::Ringing);
    fakes.sound.failure.reset();
    ASSERT_TRUE(fakes.sound.errorHandler);
    fakes.sound.errorHandler(SoundError{1, "ringing.wav could not be decoded"});
    fakes.sound.errorHandler(SoundError{1, "ringing.wav could not be decoded"});
    EXPECT_EQ(fakes.ui.messages, (std::vector<std::string>{"ErrorCode: 263\r\nThe specified device is not open.",
                                                           "ErrorCode: 1\r\nringing.wav could not be decoded"}));
    EXPECT_EQ(fakes.sound.played.size(), 3u);
}

}  // namespace
}  // namespace torvalet
