#include "shell/SettingsDialogModel.h"

#include <algorithm>

#include "content/DigitOffset.h"
#include "platform/Cp1251.h"
#include "platform/Rounding.h"

namespace ispyt {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number of one or more digits only, as the grid's cells hold.
std::optional<int> cellNumber(const std::string& text) {
  if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), isDigit))
    return std::nullopt;
  return std::stoi(text);
}

}  // namespace

void SettingsDialogModel::fill(const std::string& testName, const SettingsDialogState& state) {
  title_ = testName;
  state_ = state;
  state_.taskCount = std::clamp(state.taskCount, 1, Settings::kMaxTasks);
  Settings& v = state_.values;
  const bool weighted = state.weightsSelected;
  chooseMode(v.mode);
  // The grid shows each task's elements as its points, or its weight.
  gridCells_ = {};
  for (int i = 1; i <= n(); ++i)
    gridCells_[i] =
        std::to_string(v.taskWeights[i] != 0 ? v.taskWeights[i] : state_.elementCounts[i]);
  state_.weightsSelected = weighted;
  total_ = pointsTotal(state_);
  totalShown_ = true;
  scaleText_ = std::to_string(v.gradeScale);
  if (guessingChoice(v.guessingCode) < 0) v.guessingCode = 1;

  table_.clear();
  for (int j = 1; j <= std::clamp(v.intervalCount, 1, Settings::kMaxIntervals); ++j)
    table_.push_back({std::to_string(v.intervals[j].first), std::to_string(v.intervals[j].last)});
  sorting_ = SortingChoice::None;
  tableEnabled_ = false;
  clearLinksEnabled_ = false;
  stripShown_ = true;
  stripPosition_ = 1;
  linkStart_ = 0;
  okEnabled_ = true;
  errorShown_ = false;
  open(false);
}

void SettingsDialogModel::open(bool afterPassword) {
  oldPasswordShown_ = true;
  oldPasswordText_.clear();
  state_.newPasswordEnabled = false;
  state_.newPasswordDigits.clear();
  state_.newPasswordInvalid = false;
  currentPasswordText_ = std::to_string(state_.values.password);
  if (afterPassword) tab_ = SettingsTab::Settings;
  checkTable();
  focus_ = DialogFocus::None;
}

void SettingsDialogModel::changeTab(SettingsTab tab) {
  checkTable();
  if (state_.newPasswordEnabled && state_.newPasswordDigits.empty()) okEnabled_ = false;
  // A new password marked invalid saves as no password: passwordToSave().
  tab_ = tab;
  if (tab == SettingsTab::Sorting) {
    if (errorShown_) {
      sorting_ = SortingChoice::None;
    } else {
      stripPosition_ = 1;
      linkStart_ = 0;
    }
  }
}

std::optional<Settings> SettingsDialogModel::tableIntervals() const {
  Settings s = state_.values;
  s.intervalCount = static_cast<int>(table_.size());
  s.intervals = {};
  for (std::size_t j = 0; j < table_.size(); ++j) {
    auto first = cellNumber(table_[j][0]), last = cellNumber(table_[j][1]);
    if (!first || !last) return std::nullopt;
    s.intervals[j + 1] = {*first, *last};
  }
  if (!intervalsCoverTasks(s, n())) return std::nullopt;
  return s;
}

void SettingsDialogModel::checkTable() {
  const bool valid = tableIntervals().has_value();
  okEnabled_ = valid;
  errorShown_ = !valid;
}

void SettingsDialogModel::chooseMode(int mode) {
  state_.values.mode = std::clamp(mode, 0, 4);
  // Hint and exam have no weights and no guessing: their controls rest.
  const bool unweighted = mode == 0 || mode == 3;
  weightsEnabled_ = !unweighted;
  guessingGreyed_ = unweighted;
  state_.weightsSelected = false;
}

void SettingsDialogModel::setTime(int minutes) {
  state_.values.timeLimitMinutes = std::clamp(minutes, 1, 90);
}

bool SettingsDialogModel::timeKey(char key) {
  if (!isDigit(key)) return false;
  setTime(key == '0' ? 1 : 10 * (key - '0'));
  return true;
}

std::string SettingsDialogModel::timeCaption() const {
  return std::to_string(state_.values.timeLimitMinutes) + cp1251(" хв.");
}

int SettingsDialogModel::timeCaptionX() const {
  // Above the slider's thumb, and never past the group's end.
  const int m = state_.values.timeLimitMinutes;
  return m < 80 ? roundHalfEven(1.6 * m) + 4 : 128;
}

void SettingsDialogModel::selectWeights() {
  if (!weightsEnabled_) return;
  state_.weightsSelected = true;
}

bool SettingsDialogModel::gridKeyTaken(const std::string& cell, FieldKey key) {
  return key == FieldKey::Backspace || key == FieldKey::Enter ||
         (key == FieldKey::Digit && cell.size() < 2);
}

void SettingsDialogModel::setGridCell(int task, const std::string& text) {
  if (task < 1 || task > n() || !gridEditable()) return;
  gridCells_[task] = text.substr(0, 2);
  recountWeights();
}

void SettingsDialogModel::recountWeights() {
  // Weights count for all tasks or for none.
  bool all = true;
  for (int i = 1; i <= n(); ++i) {
    auto w = cellNumber(gridCells_[i]);
    all = all && w && *w >= 1;
  }
  int sum = 0;
  for (int i = 1; i <= n(); ++i) {
    state_.values.taskWeights[i] = all ? *cellNumber(gridCells_[i]) : 0;
    sum += state_.values.taskWeights[i];
  }
  totalShown_ = all;
  total_ = sum;
}

void SettingsDialogModel::autoSetup() {
  Settings& v = state_.values;
  scaleText_ = "12";
  v.gradeScale = 12;
  state_.weightsSelected = false;
  v.guessingCode = 1;
  v.taskWeights = {};
  for (int i = 1; i <= n(); ++i) gridCells_[i] = std::to_string(state_.elementCounts[i]);
  total_ = pointsTotal(state_);
  totalShown_ = true;
  focus_ = DialogFocus::GuessingList;
}

bool SettingsDialogModel::scaleKeyTaken(const std::string& field, FieldKey key) {
  return key == FieldKey::Backspace || (key == FieldKey::Digit && field.size() < 3);
}

void SettingsDialogModel::setScaleText(const std::string& text) {
  scaleText_ = text.substr(0, 3);
  // An empty field is 0, which saving turns into 12.
  state_.values.gradeScale = cellNumber(scaleText_).value_or(0);
}

void SettingsDialogModel::chooseGuessing(int choice) {
  state_.values.guessingCode = guessingCodeOf(choice);
}

void SettingsDialogModel::chooseLaunches(int launches) {
  state_.values.launchesLeft = std::clamp(launches, 0, 99);
}

void SettingsDialogModel::oldPasswordEdited(const std::string& text) {
  oldPasswordText_ = text.substr(0, 8);
  if (oldPasswordText_ != currentPasswordText_) return;
  oldPasswordText_.clear();
  oldPasswordShown_ = false;
  state_.newPasswordEnabled = true;
  state_.newPasswordDigits.clear();
  state_.newPasswordInvalid = false;
  okEnabled_ = false;
  focus_ = DialogFocus::NewPassword;
}

void SettingsDialogModel::newPasswordKey(FieldKey key, char digit) {
  if (!state_.newPasswordEnabled) return;
  std::string& digits = state_.newPasswordDigits;
  if (key == FieldKey::Backspace) {
    digits.clear();
    okEnabled_ = false;
    return;
  }
  if (key != FieldKey::Digit || !isDigit(digit) || digits.size() >= 5) return;
  digits += digit;
  state_.newPasswordInvalid = digits[0] == '0' || std::stoi(digits) < 1;
}

void SettingsDialogModel::newPasswordClicked() {
  if (!state_.newPasswordEnabled) return;
  state_.newPasswordDigits.clear();
  state_.newPasswordInvalid = true;
}

std::string SettingsDialogModel::newPasswordText() const {
  return std::string(state_.newPasswordDigits.size(), '=');
}

void SettingsDialogModel::chooseIntervals() {
  sorting_ = SortingChoice::Intervals;
  tableEnabled_ = true;
  clearLinksEnabled_ = false;
  stripShown_ = false;
  linkStart_ = 0;
  if (!errorShown_) state_.values.taskLinks = {};
  errorShown_ = false;
}

void SettingsDialogModel::setIntervalCount(int count) {
  if (!tableEnabled_) return;
  count = std::clamp(count, 1, Settings::kMaxIntervals);
  table_.assign(static_cast<std::size_t>(count), Row{});
  table_.front()[0] = "1";
  table_.back()[1] = std::to_string(n());
}

void SettingsDialogModel::setIntervalCell(int row, int column, const std::string& text) {
  if (!tableEnabled_ || row < 1 || row > static_cast<int>(table_.size()) || column < 0 ||
      column > 1)
    return;
  table_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)] = text;
}

void SettingsDialogModel::chooseLinks() {
  tableEnabled_ = false;
  linkStart_ = 0;
  if (!tableIntervals()) {
    stripShown_ = false;
    sorting_ = SortingChoice::None;
    errorShown_ = true;
    clearLinksEnabled_ = false;
    return;
  }
  sorting_ = SortingChoice::Links;
  state_.values.taskLinks = {};
  stripPosition_ = 1;
  stripShown_ = true;
  clearLinksEnabled_ = true;
}

void SettingsDialogModel::linkClick(int cell) {
  if (sorting_ != SortingChoice::Links || cell < 0 || cell >= kLinkStripCells) return;
  const int task = stripPosition_ + cell;
  Settings& v = state_.values;
  if (task > n() || v.taskLinks[task] != 0) return;  // only unlinked tasks take clicks
  if (linkStart_ == 0) {
    linkStart_ = task;
    return;
  }
  // A run may not take in a chain already made: its digits would break.
  auto intervals = tableIntervals();
  if (intervals && linkRunFault(*intervals, n(), linkStart_, task) == LinkFault::None)
    linkRun(v, linkStart_, task);
  linkStart_ = 0;
}

void SettingsDialogModel::clearLinks() {
  state_.values.taskLinks = {};
  stripPosition_ = 1;
  linkStart_ = 0;
}

void SettingsDialogModel::scrollStrip(int position) {
  stripPosition_ = std::clamp(position, 1, stripEnd());
  linkStart_ = 0;
}

std::array<LinkCell, kLinkStripCells> SettingsDialogModel::stripCells() const {
  std::array<bool, Settings::kMaxTasks + 2> ends{};
  for (const Row& row : table_)
    if (auto last = cellNumber(row[1]); last && *last >= 1 && *last <= n()) ends[*last] = true;
  const auto& links = state_.values.taskLinks;
  std::array<LinkCell, kLinkStripCells> cells{};
  for (int k = 0; k < kLinkStripCells; ++k) {
    const int task = stripPosition_ + k;
    if (task > n()) break;
    LinkCell& c = cells[static_cast<std::size_t>(k)];
    c.task = task;
    c.fill = task == linkStart_ ? kLinkStart : links[task] != 0 ? kLinkedTask : kUnlinkedTask;
    c.barToNext = links[task] != 0 && task < n() && links[task + 1] > links[task];
    c.intervalEnd = ends[task];
  }
  return cells;
}

DialogFocus SettingsDialogModel::takeFocus() {
  DialogFocus f = focus_;
  focus_ = DialogFocus::None;
  return f;
}

std::optional<SettingsDialogState> SettingsDialogModel::stateToSave() const {
  if (!okEnabled_) return std::nullopt;
  auto intervals = tableIntervals();
  if (!intervals) return std::nullopt;
  SettingsDialogState s = state_;
  s.values.intervalCount = intervals->intervalCount;
  s.values.intervals = intervals->intervals;
  return s;
}

}  // namespace ispyt
