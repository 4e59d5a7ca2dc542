#pragma once
// The registration card as the main window shows it: the district, school
// and class lists (which take no typing), the name field, and the gate that
// keeps a personalised attempt from starting before the testee has touched
// the name.  The widgets forward each choice and edit here and show what
// this holds; the values go into the workstation's StudentCard.

#include <string>
#include <string_view>
#include <vector>

#include "attempt/CardGate.h"
#include "attempt/ClassLists.h"
#include "attempt/StudentCard.h"

namespace ispyt {

// What the keyboard-layout indicator shows for a layout code (" UK",
// " EN", " RU"), and the choices its drop-down offers.
std::string layoutIndicator(std::string_view layoutCode);
const std::vector<std::string>& layoutChoices();           // "UK", "EN", "RU"
std::string_view layoutOfChoice(std::string_view choice);  // a code, or empty

class RegistrationCard {
 public:
  explicit RegistrationCard(StudentCard& card) : card_(card) {}

  // The card screen is shown (a personalised test): the card is incomplete
  // until the name is touched, and the class text is taken from the boxes.
  // The code follows the district and school the card still shows, even
  // when opening a test has marked it since.
  void show();
  // The next press of the main button may start the attempt.
  bool complete() const { return !incomplete_; }
  // The result may be sent under the testee's name.
  bool nameKnown() const { return !card_.fullName.empty(); }

  // Index into regionDistricts(): sets the code's letter, clears the school
  // and offers the district's schools.
  void chooseDistrict(int index);
  // Index into schools(): sets the code's digits and opens the name field
  // and the name list.
  void chooseSchool(int index);
  void chooseClassNumber(std::string_view number);
  void chooseClassLetter(std::string_view letter);

  // The name field's text after an edit that passed its rules; completes
  // the card.
  void nameEdited(std::string_view text);
  // A name picked from the class list ("За списком"); completes the card.
  void pickName(std::string_view pupil);
  // With names picked by list: the class's pupils are offered and its
  // number and letter go onto the card.
  void offerClassList(const ClassLists& lists, std::string_view number, std::string_view letter);

  const StudentCard& card() const { return card_; }
  const std::vector<std::string>& schools() const { return schools_; }
  int schoolIndex() const { return schoolIndex_; }  // -1 before a school is chosen
  bool schoolListOpen() const { return !schools_.empty(); }
  bool nameOpen() const { return schoolIndex_ >= 0; }  // the field and the name list
  const std::vector<std::string>& pupils() const { return pupils_; }
  // The letter panel: a chosen blank shows nothing.
  std::string letterPanel() const;
  // The main button is marked ready while the name has 4 characters or more.
  bool nameReady() const { return card_.fullName.size() >= 4; }

 private:
  StudentCard& card_;
  std::vector<std::string> schools_;
  std::vector<std::string> pupils_;
  std::string code_;  // what the choices on the card made; empty before any
  int schoolIndex_ = -1;
  bool incomplete_ = false;
};

}  // namespace ispyt
