#pragma once
// The workstation's appearance and options, as "decor.ini" stores them.
// These are the start-up values; the file, when present, overrides each
// key it holds.  Texts are Windows-1251.

#include <array>
#include <string>

#include "platform/Cp1251.h"

namespace ispyt {

// The teacher's computer listens on this port unless decor.ini names another.
inline constexpr int kDefaultTeacherPort = 62;

struct DecorSettings {
  std::string testSet;  // empty: the last set the scan finds
  std::string programBackground = cp1251("Накат");
  std::string questionBackground = cp1251("Пергамент");
  std::string answerBackground = cp1251("Пергамент");
  std::string colourScheme = cp1251("Гарбуз");
  bool clockBackground = false;  // the clock on its textured face
  bool clockColour = false;      // the second hand's colour without the face
  std::string effect = cp1251("Відрив");
  bool sound = false;
  int pointerSpeed = 1;  // 0 jumps, 1 fast .. 3 slowest
  bool keyboard = false;  // "Клавіатура": Restoration gaps take typed characters
  int questionColour = 0;  // index into the text colour table, 0..7
  int answerColour = 0;
  std::string resultDatabase;  // a name in "REZULT" without ".Db"
  bool fullScreen = true;      // "На весь екран"
  bool proportional = false;   // "Пропорційно"
  bool questionBold = false;
  bool answerBold = false;
  std::array<std::string, 4> address;  // the teacher's computer, four parts of up to 3 digits
  bool sendResults = false;
  int teacherPort = kDefaultTeacherPort;  // [порт] Port=, written only when not 62
  bool byList = false;  // names on the card are picked from a class list
  std::string listClass;  // the class list's number, letter and sub-group entry
  std::string listLetter;
  std::string listGroup;

  bool operator==(const DecorSettings&) const = default;
};

}  // namespace ispyt
