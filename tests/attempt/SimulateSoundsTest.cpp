// The sounds of simulated attempts, as `ispyt-tool simulate --events` lists
// them: every event's sound in order for each end, the grade sounds on
// scales of 12, 10 and 5, the sound switch off, no sound folder.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Cp1251.h"

namespace ispyt {
namespace {

namespace fs = std::filesystem;
using Heard = std::vector<std::string>;

const char* const kSoundFiles[] = {"Start.Mid", "see.wav",  "test.wav", "Home.wav", "Return.wav",
                                   "Break.wav", "time.wav", "end.wav",  "Dia.wav",  "Next.wav",
                                   "Last.wav",  "1.wav",    "2.wav",    "3.wav",    "4.wav",
                                   "5.wav",     "6.wav",    "7.wav",    "8.wav",    "9.wav",
                                   "10.wav",    "11.wav",   "12.wav"};

std::string quoted(const std::string& s) { return "'" + s + "'"; }

std::string output(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  return out;
}

// The value after `"key": ` from `at` on.
std::string valueOf(const std::string& json, const std::string& key, std::size_t at) {
  const std::size_t k = json.find("\"" + key + "\": ", at);
  if (k == std::string::npos) return {};
  const std::size_t v = k + key.size() + 4;
  return json.substr(v, json.find_first_of(",\n", v) - v);
}

// Each request of the summary as "name", with " music", " found" and
// " played" as they hold.
Heard requestsOf(const std::string& json) {
  Heard heard;
  std::size_t at = json.find("\"soundRequests\"");
  while (at != std::string::npos && (at = json.find("\"name\": ", at)) != std::string::npos) {
    std::string r = valueOf(json, "name", at);
    r = r.substr(1, r.size() - 2);
    for (const char* flag : {"music", "found", "played"})
      if (valueOf(json, flag, at) == "true") r += std::string(" ") + flag;
    heard.push_back(r);
    ++at;
  }
  return heard;
}

// A program folder with a three-task test that asks for a card, a sound
// for every name, and the sound switched on.
class SimulateSounds : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(program);
    fs::create_directories(program / "Sound");
    for (const char* name : kSoundFiles) std::ofstream(program / "Sound" / name) << "";
    switchSound(true);
  }
  void TearDown() override { fs::remove_all(program); }

  void switchSound(bool on) {
    fs::create_directories(program / "Decor");
    std::ofstream(program / "Decor" / "decor.ini", std::ios::binary)
        << cp1251("[звук]\r\nCheckBox1=") << (on ? "1" : "0") << "\r\n";
  }

  void makeTest(int scale) {
    const fs::path source = program / "source.txt";
    std::ofstream(source) << "title: Звуки\nmode: training\ntime: 1\nscale: " << scale << "\n";
    for (const char* sum : {"2", "6", "4"})
      std::ofstream(source, std::ios::app)
          << "\n== single\n? Скільки?\n+ " << sum << "\n- 5\n- 9\n";
    const std::string made = output(quoted(ISPYT_TOOL) + " make-test " + quoted(source.string()) +
                                    " -o " + quoted(test.string()) + " --seed 1 2>&1");
    ASSERT_NE(made.find("3 tasks"), std::string::npos) << made;
  }

  Heard simulate(const std::string& steps) {
    const fs::path script = program / "s.script";
    std::ofstream(script) << "name: Тест Тестович\n" << steps;
    return requestsOf(output(quoted(ISPYT_TOOL) + " simulate " + quoted(test.string()) + " " +
                             quoted(script.string()) + " --events"));
  }

  fs::path program =
      fs::temp_directory_path() / ("ispyt-simulate-sounds-" + std::to_string(getpid()));
  fs::path test = program / "Base" / "Set" / "Sounds";
};

struct EndCase {
  const char* end;
  const char* steps;
  Heard after;  // what follows the card and the first task
};

TEST_F(SimulateSounds, EachEndIsHeardWithEveryEventOfTheAttempt) {
  makeTest(12);
  const EndCase cases[] = {
      {"finished",
       "answer A\nanswer A\nanswer A\n",
       {"Next found played", "Next found played", "Next found played", "test found played",
        "Dia found played", "12 found played"}},
      {"broken off",
       "answer A\nВихід\n",
       {"Next found played", "Break found played", "Dia found played", "4 found played"}},
      {"time over",
       "answer A\nwait 70\n",
       {"Next found played", "time found played", "Dia found played", "4 found played"}},
      // The failed exam run waits for a repeat until its time is over.
      {"failed exam run",
       "mode: 3\nanswer B\n",
       {"Next found played", "Return found played", "Dia found played", "time found played",
        "Dia found played", "Last found played"}},
  };
  for (const EndCase& c : cases) {
    Heard expected = {"Start music found", "see found played", "Home found played"};
    expected.insert(expected.end(), c.after.begin(), c.after.end());
    EXPECT_EQ(simulate(c.steps), expected) << c.end;
  }
}

struct GradeCase {
  int scale;
  const char* steps;
  const char* sound;
};

// The grade names its sound on the 12-point set: grade x 12 / the top.
TEST_F(SimulateSounds, TheGradeSoundIsOfTheTwelvePointSetOnEveryScale) {
  const GradeCase cases[] = {
      {12, "answer A\nanswer A\nanswer A\n", "12"},  {12, "answer A\nanswer A\nanswer B\n", "8"},
      {12, "answer A\nanswer B\nanswer B\n", "4"},   {12, "answer B\nanswer B\nanswer B\n", "Last"},
      {10, "answer A\nanswer A\nanswer A\n", "12"},  // 10 of 10
      {10, "answer A\nanswer A\nanswer B\n", "8"},   // 7 of 10
      {10, "answer A\nanswer B\nanswer B\n", "3"},   // 3 of 10
      {5, "answer A\nanswer A\nanswer A\n", "12"},   // 5 of 5
      {5, "answer A\nanswer A\nanswer B\n", "7"},    // 3 of 5
      {5, "answer A\nanswer B\nanswer B\n", "4"},    // 2 of 5
      {5, "answer B\nanswer B\nanswer B\n", "Last"},
  };
  int made = 0;
  for (const GradeCase& c : cases) {
    if (made != c.scale) {
      fs::remove_all(test);
      makeTest(c.scale);
      made = c.scale;
    }
    const Heard heard = simulate(c.steps);
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back(), std::string(c.sound) + " found played") << c.scale << " " << c.steps;
  }
}

TEST_F(SimulateSounds, WithTheSwitchOffEveryFileIsFoundAndNonePlayed) {
  makeTest(12);
  switchSound(false);
  const Heard heard = simulate("answer A\nВихід\n");
  EXPECT_EQ(heard, (Heard{"Start music found", "see found", "Home found", "Next found",
                          "Break found", "Dia found", "4 found"}));
}

TEST_F(SimulateSounds, WithoutASoundFolderNothingIsFound) {
  makeTest(12);
  fs::remove_all(program / "Sound");
  EXPECT_EQ(simulate("answer A\nВихід\n"),
            (Heard{"Start music", "see", "Home", "Next", "Break", "Dia", "4"}));
}

}  // namespace
}  // namespace ispyt
