#pragma once
// Reading the folder of a test picked in the menu, as one value: the test,
// its settings, a fresh attempt code and its stored results.  Applying it
// to the workstation and its screen is the opening's other half.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "content/ConfigFile.h"
#include "content/LoadTest.h"
#include "content/Test.h"
#include "content/TestSets.h"
#include "platform/Random.h"

namespace ispyt {

struct TestFolderReading {
  Test test;
  LoadResult load;  // a refused file: loadMessage(load.status) tells the user
  // Read only when the test has tasks; the element counts of its dialog
  // state are the test's.
  ConfigReading config;
  // Drawn only after the settings were read (the mode names its letter);
  // nothing when every code the mode allows is taken.
  std::optional<std::string> attemptCode;
  StoredResults results;  // counted only once a code was drawn
  // The generator as the test file was read: set to it, reading the file
  // again gives the same option order.  And the file's check.
  std::string shuffleState;
  std::uint64_t fileCheck = 0;

  bool hasTasks() const { return load.value > 1; }
  bool opened() const { return hasTasks() && attemptCode.has_value(); }
};

// The settings of a loaded test as its dialog is filled: "Config.ini" read
// for the test's tasks, the dialog's points grid holding their element
// counts.
ConfigReading readTestSettings(const std::filesystem::path& testFolder, const Test& test,
                               int taskCount, int launchesLeft);

// Makes the folder's files writable (a test copied from a CD or a
// read-only share would refuse the results written beside it) and removes
// what interrupted saves left there, then reads it.  `launchesLeft` is
// carried over when "Config.ini" gives none.
TestFolderReading ReadTestFolder(const std::filesystem::path& testFolder, char monitoringLetter,
                                 int launchesLeft, Random& random);

// A check of the test file's bytes (0 when it cannot be read): an attempt
// begun on one file is never rebuilt on another.
std::uint64_t testFileCheck(const std::filesystem::path& testFolder);

}  // namespace ispyt
