// The player on SDL2_mixer, with SDL's dummy device (SDL_AUDIODRIVER=dummy):
// the sounds the demo folder is made with open and play.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "platform/sdl/SdlAudio.h"

namespace ispyt {
namespace {

namespace fs = std::filesystem;

class SdlAudioTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new fs::path(fs::temp_directory_path() / ("ispyt-sounds-" + std::to_string(getpid())));
    fs::remove_all(*folder);
    const std::string command =
        std::string("'") + ISPYT_DEMO_SOUNDS + "' '" + folder->string() + "'";
    made = std::system(command.c_str()) == 0;
    audio = openSystemAudio().release();
  }
  static void TearDownTestSuite() {
    delete audio;
    fs::remove_all(*folder);
    delete folder;
  }

  SdlAudio& player() {
    auto* p = dynamic_cast<SdlAudio*>(audio);
    if (!p) ADD_FAILURE() << "no audio device: is SDL_AUDIODRIVER=dummy set?";
    return *p;
  }

  static fs::path* folder;
  static bool made;
  static Audio* audio;
};

fs::path* SdlAudioTest::folder = nullptr;
bool SdlAudioTest::made = false;
Audio* SdlAudioTest::audio = nullptr;

TEST_F(SdlAudioTest, EveryDemoSoundOpensAndPlays) {
  ASSERT_TRUE(made);
  ASSERT_NE(dynamic_cast<SdlAudio*>(audio), nullptr) << "no audio device";
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(*folder)) {
    const fs::path& file = entry.path();
    names.insert(file.filename().string());
    EXPECT_EQ(player().open(file), "") << file;
    EXPECT_EQ(player().play(), "") << file;
    EXPECT_TRUE(player().playing()) << file;
  }
  std::set<std::string> expected = {"Start.Mid",  "see.wav",   "test.wav", "Home.wav",
                                    "Return.wav", "Break.wav", "time.wav", "end.wav",
                                    "Dia.wav",    "Next.wav",  "Last.wav"};
  for (int n = 1; n <= 12; ++n) expected.insert(std::to_string(n) + ".wav");
  EXPECT_EQ(names, expected);
}

TEST_F(SdlAudioTest, ANewFileStopsTheOneBefore) {
  ASSERT_TRUE(made);
  SdlAudio& p = player();
  ASSERT_EQ(p.open(*folder / "Start.Mid"), "");
  ASSERT_EQ(p.play(), "");
  ASSERT_EQ(p.open(*folder / "Next.wav"), "");
  EXPECT_FALSE(p.playing());  // opened, not yet played
  ASSERT_EQ(p.play(), "");
  EXPECT_TRUE(p.playing());
  p.stop();
  EXPECT_FALSE(p.playing());
  // The melody kept loaded plays again.
  ASSERT_EQ(p.open(*folder / "Start.Mid"), "");
  EXPECT_EQ(p.play(), "");
  EXPECT_TRUE(p.playing());
}

TEST_F(SdlAudioTest, AFileThatIsNoSoundIsRefusedWithItsReason) {
  ASSERT_TRUE(made);
  SdlAudio& p = player();
  const fs::path bad = *folder / "bad.wav";
  std::ofstream(bad, std::ios::binary) << "RIFF\x10\0\0\0WAVEjunk";
  EXPECT_NE(p.open(bad), "");
  EXPECT_NE(p.play(), "");  // nothing is open
  EXPECT_FALSE(p.playing());
  EXPECT_NE(p.open(*folder / "none.wav"), "");
  fs::remove(bad);

  // The melody kept loaded is not played once its file is gone.
  const fs::path melody = *folder / "copy.Mid";
  fs::copy_file(*folder / "Start.Mid", melody);
  ASSERT_EQ(p.open(melody), "");
  fs::remove(melody);
  EXPECT_NE(p.open(melody), "");
}

}  // namespace
}  // namespace ispyt
