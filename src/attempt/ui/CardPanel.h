#pragma once
// The registration card on the main screen: district/town, school, class
// number and letter, the name field with its pupil list, the e-mail entry
// and the keyboard-layout indicator, inside a rounded frame over the card
// area.  The card's rules live in RegistrationCard and the input models;
// this panel shows their state and forwards every choice and key.

#include <QWidget>
#include <functional>

#include "attempt/AttemptCard.h"
#include "attempt/RegistrationCard.h"
#include "platform/SystemShell.h"
#include "presentation/ScreenScale.h"

class QLabel;

namespace ispyt {

class CardDropDown;
class EmailEntry;
class NameEdit;

class CardPanel : public QWidget, public AttemptCard {
  Q_OBJECT

 public:
  // `student` is the workstation's card, `classLists` its class lists (the
  // pupils offered by list); `shell` switches the keyboard layout.  `ready`
  // hears whether the main button may be marked ready: exactly while the
  // name has at least 4 characters.
  CardPanel(StudentCard& student, const ClassLists& classLists, SystemShell& shell,
            std::function<void(bool ready)> ready, QWidget* parent);

  // Over the card area of the main screen, scaled.
  void place(const ScreenScale& scale);
  // With names picked by list, the name field's arrow offers the pupils of
  // the class chosen on the card.
  void setNamesByList(bool byList);
  // The class a test opens with when names are picked by list: its number
  // and letter go onto the card and its pupils are offered.
  void presetClass(std::string_view number, std::string_view letter);

  // AttemptCard: shows the card screen (this widget), incomplete until the
  // name is edited.
  void show() override;
  bool complete() const override { return card_.complete(); }
  bool nameKnown() const override { return card_.nameKnown(); }

  std::string email() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void districtChosen(int row);
  void schoolChosen(int row);
  void classChosen();
  void offerPupils();
  void nameEdited(const QString& text);
  void pupilChosen(int row);
  void switchLayout(std::string_view code);
  // Every box shows what the card holds.
  void sync();
  void placeName();

  const ClassLists& classLists_;
  SystemShell& shell_;
  std::function<void(bool)> ready_;
  RegistrationCard card_;
  bool byList_ = false;
  ScreenScale scale_;

  QLabel* districtLabel_;
  QLabel* schoolLabel_;
  QLabel* classLabel_;
  QLabel* nameLabel_;
  QLabel* emailLabel_;
  CardDropDown* district_;
  CardDropDown* school_;
  CardDropDown* classNumber_;
  CardDropDown* classLetter_;
  CardDropDown* layout_;
  NameEdit* name_;
  CardDropDown* pupils_;
  EmailEntry* email_;
};

}  // namespace ispyt
