#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "reminders/SoundCues.h"
#include "shell/Settings.h"

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
    settings.fEnableSounds = false;
    player.playSoundCue(cues::Done);
    settings.fEnableSounds = true;
    settings.fStartUpSnd = false;
    player.playSoundCue(cues::Done);
    EXPECT_EQ(fakes.sound.played, std::vector<std::string>{(dir / cues::Done).string()});

    settings.fStartUpSnd = true;
    fakes.sound.failure = SoundError{263, "The specified device is not open."};
    player.playSoundCue(cues::Done);
    EXPECT_EQ(fakes.ui.messages, std::vector<std::string>{"ErrorCode: 263\r\nThe specified device is not open."});
}

}  // namespace
}  // namespace torvalet
