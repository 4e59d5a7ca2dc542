// The workstation's sounds through a player that notes its calls: where the
// files are found, the sound switch, the music flag, one player for all.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "presentation/Sound.h"

namespace ispyt {
namespace {

namespace fs = std::filesystem;
using Calls = std::vector<std::string>;

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(root);
    // Names as a school's copy may hold them: the case is not the program's.
    fs::create_directories(root / "sOUND" / "Dia.wav");  // a folder, not a sound
    for (const char* name : {"next.WAV", "Home.wav", "START.mid"})
      std::ofstream(root / "sOUND" / name) << "RIFF";
    decor.sound = true;
  }
  void TearDown() override { fs::remove_all(root); }

  fs::path root = fs::temp_directory_path() / ("ispyt-sound-" + std::to_string(getpid()));
  DecorSettings decor;
  RecordingAudio player;
  Sound sound{player, root, decor};
};

TEST_F(SoundTest, ASoundIsFoundIgnoringCaseAndPlayed) {
  const SoundRequest r = sound.PlaySound("Next");
  EXPECT_TRUE(r.found);
  EXPECT_TRUE(r.played);
  EXPECT_FALSE(r.music);
  EXPECT_EQ(player.calls(), (Calls{"open next.WAV", "play"}));
  EXPECT_TRUE(player.playing());
}

TEST_F(SoundTest, MissingFilesPlayNothing) {
  for (const char* name : {"time", "Dia", "Next.wav", ""}) {
    const SoundRequest r = sound.PlaySound(name);
    EXPECT_FALSE(r.found) << name;
    EXPECT_FALSE(r.played) << name;
  }
  EXPECT_FALSE(sound.PlayMusic("Home", true).found);  // a wave file is no music
  EXPECT_TRUE(player.calls().empty());
  EXPECT_FALSE(sound.musicPlaying());
}

TEST_F(SoundTest, WithTheSwitchOffNothingSoundsButTheMusicIsOpenedAndStopped) {
  decor.sound = false;
  const SoundRequest effect = sound.PlaySound("Home");
  EXPECT_TRUE(effect.found);
  EXPECT_FALSE(effect.played);
  EXPECT_TRUE(player.calls().empty());

  const SoundRequest music = sound.PlayMusic("Start", true);
  EXPECT_TRUE(music.found);
  EXPECT_FALSE(music.played);
  EXPECT_EQ(player.calls(), (Calls{"open START.mid", "stop"}));
  EXPECT_FALSE(sound.musicPlaying());
}

TEST_F(SoundTest, TheMusicStartsAndIsStopped) {
  EXPECT_TRUE(sound.PlayMusic("Start", true).played);
  EXPECT_TRUE(sound.musicPlaying());
  EXPECT_TRUE(player.playing());
  EXPECT_FALSE(sound.PlayMusic("Start", false).played);
  EXPECT_FALSE(sound.musicPlaying());
  EXPECT_FALSE(player.playing());
  EXPECT_EQ(player.calls(), (Calls{"open START.mid", "play", "open START.mid", "stop"}));
}

TEST_F(SoundTest, ASoundReplacesTheMusicInTheOnePlayer) {
  sound.PlayMusic("Start", true);
  sound.PlaySound("Home");
  EXPECT_EQ(player.file().filename(), "Home.wav");
  EXPECT_TRUE(player.playing());
  EXPECT_EQ(player.calls(), (Calls{"open START.mid", "play", "open Home.wav", "play"}));
  // Only the music's own calls change its flag.
  EXPECT_TRUE(sound.musicPlaying());
}

TEST_F(SoundTest, WithoutASoundFolderEveryCallDoesNothing) {
  fs::remove_all(root / "sOUND");
  sound.PlayMusic("Start", true);
  sound.PlaySound("Next");
  sound.PlayMusic("Start", false);
  sound.ResumeMusic("Start");
  EXPECT_TRUE(player.calls().empty());
  EXPECT_FALSE(sound.musicPlaying());

  // Nor does it once the music flag is set: the flag stays.
  fs::create_directories(root / "Sound");
  std::ofstream(root / "Sound" / "Start.Mid") << "";
  sound.PlayMusic("Start", true);
  fs::remove_all(root / "Sound");
  sound.PlayMusic("Start", false);
  EXPECT_TRUE(sound.musicPlaying());
  EXPECT_EQ(player.calls(), (Calls{"open Start.Mid", "play"}));
}

struct Resume {
  const char* name;
  bool switchOn;
  bool musicStarted;  // by an earlier start with the switch on
  Calls calls;        // after the earlier ones
  bool flagAfter;
};

// The main screen drawn anew after the appearance dialog.
TEST_F(SoundTest, TheMusicResumesUnlessItWasStartedWithTheSoundOn) {
  const Resume rows[] = {
      {"on and started: it goes on", true, true, {}, true},
      {"on, not started: it starts", true, false, {"open START.mid", "play"}, true},
      {"switched off since: it stops", false, true, {"open START.mid", "stop"}, false},
      {"off: opened and stopped", false, false, {"open START.mid", "stop"}, false},
  };
  for (const Resume& row : rows) {
    RecordingAudio audio;
    DecorSettings d;
    Sound s(audio, root, d);
    d.sound = row.musicStarted;
    s.PlayMusic("Start", true);
    const std::size_t before = audio.calls().size();
    d.sound = row.switchOn;
    s.ResumeMusic("Start");
    EXPECT_EQ(Calls(audio.calls().begin() + static_cast<long>(before), audio.calls().end()),
              row.calls)
        << row.name;
    EXPECT_EQ(s.musicPlaying(), row.flagAfter) << row.name;
  }
}

}  // namespace
}  // namespace ispyt
