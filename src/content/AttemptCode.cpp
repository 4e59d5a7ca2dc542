#include "content/AttemptCode.h"

#include "content/TestSets.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

constexpr int kLowest = 100;
constexpr int kCodes = 899;          // 100..998
constexpr int kStudentLetters = 23;  // 'a'..'w'
// A free code is usually found at the first draw; past this many the
// folder is nearly full and the free codes are counted out instead.
constexpr int kDraws = 64;

std::string code(char letter, int number) { return letter + std::to_string(number); }

}  // namespace

std::optional<std::string> drawAttemptCode(int mode, char monitoringLetter,
                                           const std::filesystem::path& testFolder,
                                           Random& random) {
  const bool drawnLetter = mode == 2;
  auto letterFor = [&]() -> char {
    switch (mode) {
      case 0:
        return 'X';
      case 1:
        return 'Y';
      case 2:
        return static_cast<char>('a' + random.random(kStudentLetters));
      case 3:
        return 'Z';
      default:
        return monitoringLetter;
    }
  };
  // The folder does not change while drawing: its names are read once.
  const std::set<std::string> taken = baseNamesInUse(testFolder);
  auto isFree = [&](const std::string& c) { return !taken.contains(cp1251Upper(c)); };
  for (int i = 0; i < kDraws; ++i) {
    char letter = letterFor();
    std::string c = code(letter, kLowest + random.random(kCodes));
    if (isFree(c)) return c;
  }
  // Every free code stays equally likely.
  std::vector<std::string> candidates;
  for (int l = 0; l < (drawnLetter ? kStudentLetters : 1); ++l) {
    char letter = drawnLetter ? static_cast<char>('a' + l) : letterFor();
    for (int n = kLowest; n < kLowest + kCodes; ++n) candidates.push_back(code(letter, n));
  }
  std::erase_if(candidates, [&](const std::string& c) { return !isFree(c); });
  if (candidates.empty()) return std::nullopt;
  return candidates[random.random(static_cast<int>(candidates.size()))];
}

std::string noFreeAttemptCodeText() {
  return cp1251("Усі коди спроб цього тесту зайняті. Очистіть результати тесту.");
}

}  // namespace ispyt
