#pragma once
// The settings dialog's rules as plain data: what each control holds and
// shows, and what each click and key does to them.  Test opening fills it,
// the widgets show it and hand it their events, and "Ок" saves what
// stateToSave() gives.  It never reads or writes a file.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "content/SettingsDialogState.h"
#include "platform/Canvas.h"

namespace ispyt {

enum class SettingsTab { Settings, Grading, Sorting, Help };
inline constexpr int kSettingsTabCount = 4;

enum class SortingChoice { None, Intervals, Links };

// A key as an edit field of the dialog sees it.
enum class FieldKey { Digit, Backspace, Enter, Navigation, Other };

// A control the dialog asks to take the focus.
enum class DialogFocus { None, GuessingList, NewPassword };

inline constexpr int kLinkStripCells = 8;
inline constexpr Rgb kLinkedTask{128, 255, 128};
inline constexpr Rgb kUnlinkedTask{255, 255, 200};
inline constexpr Rgb kLinkStart{255, 128, 128};

struct LinkCell {
  int task = 0;  // 0: past the last task, an empty place
  Rgb fill = kUnlinkedTask;
  bool barToNext = false;    // the next task continues its chain
  bool intervalEnd = false;  // an interval ends with this task
};

class SettingsDialogModel {
 public:
  using Row = std::array<std::string, 2>;  // first task, last task

  // Test opening: every control from the settings read, the caption from
  // the test's name; the tab stays as it was.
  void fill(const std::string& testName, const SettingsDialogState& state);
  // Showing it: the password fields start again; after the password prompt
  // it shows its first tab.  Either way "Ок" is enabled only for an
  // interval table that passes the check, so that no save writes one the
  // dialog has found wrong.
  void open(bool afterPassword);
  void changeTab(SettingsTab tab);

  // "Установки".
  void chooseMode(int mode);
  Settings& values() { return state_.values; }  // the check boxes write here
  void setTime(int minutes);
  // A key on the slider: "0" sets 1 minute, a digit d 10·d; false when the
  // key is not taken.
  bool timeKey(char key);
  std::string timeCaption() const;  // "N хв." (Windows-1251)
  int timeCaptionX() const;         // in the design units of the "Час" group

  // "Оцінювання".
  void selectWeights();
  static bool gridKeyTaken(const std::string& cell, FieldKey key);
  // A cell after a key was released in the grid.
  void setGridCell(int task, const std::string& text);
  void autoSetup();
  static bool scaleKeyTaken(const std::string& field, FieldKey key);
  void setScaleText(const std::string& text);
  void chooseGuessing(int choice);
  void chooseLaunches(int launches);
  void oldPasswordEdited(const std::string& text);
  void newPasswordKey(FieldKey key, char digit);
  void newPasswordClicked();

  // "Сортування".
  void setShuffle(bool on) { state_.values.shuffle = on; }
  void chooseIntervals();
  void setIntervalCount(int count);
  void setIntervalCell(int row, int column, const std::string& text);
  void chooseLinks();
  void linkClick(int cell);  // 0..7
  void clearLinks();
  void scrollStrip(int position);

  // What the controls show.
  const std::string& title() const { return title_; }
  const SettingsDialogState& state() const { return state_; }
  SettingsTab tab() const { return tab_; }
  bool okEnabled() const { return okEnabled_; }
  bool errorShown() const { return errorShown_; }
  bool weightsEnabled() const { return weightsEnabled_; }
  bool gridEditable() const { return weightsEnabled_ && state_.weightsSelected; }
  bool gridBlack() const { return state_.weightsSelected; }  // else grey
  bool guessingGreyed() const { return guessingGreyed_; }    // window-face colour
  const std::string& gridCell(int task) const { return gridCells_[task]; }
  bool totalShown() const { return totalShown_; }
  int total() const { return total_; }
  const std::string& scaleText() const { return scaleText_; }
  bool oldPasswordShown() const { return oldPasswordShown_; }
  const std::string& oldPasswordText() const { return oldPasswordText_; }
  bool newPasswordShown() const { return state_.newPasswordEnabled; }
  std::string newPasswordText() const;  // a "=" per digit
  const std::string& currentPasswordText() const { return currentPasswordText_; }
  SortingChoice sorting() const { return sorting_; }
  bool tableEnabled() const { return tableEnabled_; }  // the counter too
  const std::vector<Row>& table() const { return table_; }
  bool clearLinksEnabled() const { return clearLinksEnabled_; }
  bool stripShown() const { return stripShown_; }
  int stripPosition() const { return stripPosition_; }
  int stripEnd() const { return state_.taskCount + 1; }
  int linkStart() const { return linkStart_; }
  std::array<LinkCell, kLinkStripCells> stripCells() const;
  // The focus asked for by the last event, taken once.
  DialogFocus takeFocus();

  // What "Ок" saves; nothing while "Ок" is disabled.
  std::optional<SettingsDialogState> stateToSave() const;

 private:
  int n() const { return state_.taskCount; }
  // The table as intervals, when it passes the check.
  std::optional<Settings> tableIntervals() const;
  void checkTable();
  void recountWeights();

  std::string title_;
  SettingsDialogState state_;
  SettingsTab tab_ = SettingsTab::Settings;
  bool okEnabled_ = true;
  bool errorShown_ = false;
  bool weightsEnabled_ = true;
  bool guessingGreyed_ = false;
  std::array<std::string, Settings::kMaxTasks + 1> gridCells_;
  bool totalShown_ = true;
  int total_ = 0;
  std::string scaleText_ = "12";
  bool oldPasswordShown_ = true;
  std::string oldPasswordText_;
  std::string currentPasswordText_;
  SortingChoice sorting_ = SortingChoice::None;
  bool tableEnabled_ = false;
  std::vector<Row> table_;
  bool clearLinksEnabled_ = false;
  bool stripShown_ = true;
  int stripPosition_ = 1;
  int linkStart_ = 0;
  DialogFocus focus_ = DialogFocus::None;
};

}  // namespace ispyt
