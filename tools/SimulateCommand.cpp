// simulate: one attempt of a test folder, run headless on a virtual clock
// through the program's own attempt engine, driven by a script of answers.

#include <algorithm>
#include <csignal>
#include <optional>
#include <cstdio>
#include <filesystem>
#include <string>

#include "Commands.h"
#include "Json.h"
#include "TeacherSending.h"
#include "attempt/AllTaskJudges.h"
#include "attempt/AssembleAttempt.h"
#include "attempt/AttemptEngine.h"
#include "attempt/AttemptJournal.h"
#include "attempt/AttemptLog.h"
#include "attempt/AttemptScript.h"
#include "attempt/RebuildAttempt.h"
#include "attempt/RegionalData.h"
#include "attempt/RegistrationCard.h"
#include "attempt/TypedText.h"
#include "content/ReadTestFolder.h"
#include "platform/Cp1251.h"
#include "platform/ManualScheduler.h"
#include "platform/Paths.h"
#include "presentation/DecorFile.h"
#include "presentation/Sound.h"
#include "results/ResultFilesWriter.h"
#include "shell/OpenTest.h"

namespace ispyt::tool {
namespace {

const char* const kHelp = R"(usage: ispyt-tool simulate TEST_FOLDER SCRIPT [--seed N] [--events]
                         [--teacher HOST:PORT]

Opens TEST_FOLDER (Base/<set>/<test> of a program folder) as the program
does, with its Config.ini, and runs one attempt through the program's attempt
engine on a virtual clock, as the script says.  Prints a JSON summary: the
end message, the attempt's counters, every task's record and the result.
The result files are written as after a real attempt: the report and the
monitoring records in the test folder, the result database in REZULT of the
program folder (a launch-limited test uses up a launch).
A result that cannot be stored is said on standard error, with the file and
why, and kept in Pending of the program folder: the next run writes it out.

When the program folder's Decor/decor.ini switches sending on ("сервер"),
the result message goes to the teacher's computer as the program sends it,
through Outbox of the program folder: what an earlier run left there goes
first, and a message that cannot be delivered waits there for the next run
(said on standard error; the run still succeeds).  --teacher HOST:PORT
sends to that address and port instead, and switches sending on, for this
run only.  The summary's "sending" tells what was delivered and what waits.

The script is UTF-8 text, one line each ('#' starts a comment):
  mode: N          the working mode 0..4 instead of the test's own
  time: MINUTES    the time limit instead of the test's own
  district: NAME   school: NAME   class: N   letter: L   name: FULL NAME
                   the registration card (before the steps); a test that
                   asks for a card needs at least the name
  answer ...       an answer to the task shown, as its type takes it:
                   SingleChoice, MultipleChoice, CountedChoice: the options
                     by their letters in the test file, where the correct
                     ones come first ("answer A", "answer A B");
                   DirectInput: the texts typed into the fields, split by
                     '|' ("answer Говерла", "answer 12 | 7"); "_" leaves a
                     field empty; the fields' key rules hold as for typing;
                   Sequence: the order to leave, by the items' letters in
                     the test file, where A is the first of the correct
                     order ("answer A B C D E"); the items are swapped
                     into it two at a time;
                   Matching: per left item the letter of a right-hand item
                     in the test file, where left item N matches right
                     item N ("answer A B C"; "_" for none); the list is
                     set to the letter "А".."Ж" that item is shown under;
                   Completion: per blank the letter of its variant, where
                     A is the correct one ("answer A A"; "_" for none);
                   Restoration: the characters for the gaps in turn
                     ("answer 2O"; "_" is the space key, "»" Backspace);
                     in mode 0 a wrong one waits for the right one, in
                     mode 3 it completes the task at once.
                   An answer that does not fit the task stops the script
                   at its line, saying why.
  give-up          the mode sign: the task given up (modes 1, 2, 4); a
                   Restoration task stays, its current gap taking a wrong
                   character
  hint             the mode sign in mode 0: the correct answer shown (twice
                   per attempt) and the task moved to a later position
  petal N          a click on petal N of the task wheel
  wait N           N seconds pass
  Вихід            the attempt is broken off
After the last step the clock runs on until the attempt ends; a failed exam
run (mode 3) is repeated by the next answer.  Then the result diagram is
clicked away and the closing animation runs.

--seed N fixes the option shuffle and the attempt code (default 1).
--events adds every screen and sound event to the summary, and every sound
requested ("soundRequests"), in order: its name, whether it is music,
whether its file is in Sound of the program folder, and whether it was
played (the file found and the sound switch of Decor/decor.ini on).
The run keeps the attempt's journal in Journal/ of the program folder, as
the program does.  --crash-after N kills the process after the script's
N-th step, as a power cut would; --resume then rebuilds the attempt of this
test from its journal and goes on with the script's steps after those the
journal holds (the script's settings and card are the journal's then).
Exit status: 0 done, 1 the test or the script could not be run, 2 bad usage,
3 the attempt ran but its result could not be stored.
)";

// The card as the script fills it: shown, then chosen and typed at once.
class ScriptCard : public AttemptCard {
 public:
  // `student` is the workstation's card, as the program's card screen fills it.
  ScriptCard(const AttemptScript& script, StudentCard& student)
      : student(student), script_(script), card_(student) {}

  StudentCard& student;
  std::string fault;  // a card field the card's lists do not hold

  void show() override {
    card_.show();
    if (!script_.district.empty()) {
      const auto& districts = regionDistricts();
      auto it = std::find(districts.begin(), districts.end(), script_.district);
      if (it == districts.end()) {
        fault = "district '" + cp1251ToUtf8(script_.district) + "' is not in the card's list";
        return;
      }
      card_.chooseDistrict(static_cast<int>(it - districts.begin()));
      if (!script_.school.empty()) {
        const auto& schools = card_.schools();
        auto s = std::find(schools.begin(), schools.end(), script_.school);
        if (s == schools.end()) {
          fault = "school '" + cp1251ToUtf8(script_.school) + "' is not in the district's list";
          return;
        }
        card_.chooseSchool(static_cast<int>(s - schools.begin()));
      }
    }
    if (!script_.classNumber.empty()) card_.chooseClassNumber(script_.classNumber);
    if (!script_.classLetter.empty()) card_.chooseClassLetter(script_.classLetter);
    if (!script_.name.empty()) card_.nameEdited(script_.name);
  }
  bool complete() const override { return card_.complete(); }
  bool nameKnown() const override { return card_.nameKnown(); }

 private:
  const AttemptScript& script_;
  RegistrationCard card_;
};

// The sounds as the program would play them, through a player that only
// notes them; every request is kept for the summary.
class SoundTrail : public AttemptSounds {
 public:
  SoundTrail(const Workstation& ws, AttemptLog& log)
      : sound_(player_, ws.programFolder, ws.decor), log_(log) {}

  std::vector<SoundRequest> requests;

  void play(const std::string& name) override {
    log_.play(name);
    requests.push_back(sound_.PlaySound(name));
  }
  void playMusic(const std::string& name, bool start) {
    requests.push_back(sound_.PlayMusic(name, start));
  }

 private:
  RecordingAudio player_;
  Sound sound_;
  AttemptLog& log_;
};

class SilentView : public OpenTestView {
 public:
  explicit SilentView(SoundTrail& sounds) : sounds_(sounds) {}
  std::vector<std::string> messages;
  void resetAttempt() override {}
  void resetAttemptTables() override {}
  void showMessage(const std::string& text) override { messages.push_back(text); }
  void showSettingsDialog(const std::string&, const SettingsDialogState&) override {}
  void showTestSetTitle(const std::string&, int) override {}
  void drawTitleScreen(const Test&) override {}
  void showModeDecor(int) override {}
  void showResultsCaption(const MenuCaptionText&) override {}
  void loadClassLists() override {}
  void startTitleRedraw() override {}
  void clearAttemptCounters() override {}
  void playMusic(const std::string& name, bool start) override { sounds_.playMusic(name, start); }

 private:
  SoundTrail& sounds_;
};

const char* endName(AttemptEnd end) {
  switch (end) {
    case AttemptEnd::None:
      return "none";
    case AttemptEnd::Failed:
      return "failed";
    case AttemptEnd::BrokenOff:
      return "brokenOff";
    case AttemptEnd::Finished:
      return "finished";
    case AttemptEnd::TimeOver:
      return "timeOver";
  }
  return "none";
}

const char* typeName(TaskType type) {
  static const char* const names[] = {"SingleChoice",  "MultipleChoice", "DirectInput",
                                      "Sequence",      "Matching",       "Restoration",
                                      "CountedChoice", "Completion"};
  const auto t = static_cast<unsigned>(type);
  return t < 8 ? names[t] : "unknown";
}

struct StepRecord {
  int line;
  std::string step;    // UTF-8
  std::string result;  // UTF-8
};

class Simulation {
 public:
  Simulation(Workstation& ws, Test& test, Random& random, const AttemptScript& script,
             AttemptLog& log, SoundTrail& sounds, ResultOutlet* outlet)
      : log(log),
        ws_(ws),
        test_(test),
        random_(random),
        script_(script),
        card_(script, ws.student),
        assembly_(random),
        results_(ResultFilesContext{ws.settings, ws.programFolder, ws.openTest, state, test,
                                    card_.student, result_, random, {}, outlet}),
        journal_(ws.programFolder, diskFileSystem()),
        engine_(AttemptContext{ws.settings, ws.openTest, ws.decor, test, state, scheduler_, random,
                               log, log, sounds, judges_, card_, assembly_, results_, ws.student,
                               &journal_}) {}

  AttemptState state;
  AttemptLog& log;
  std::vector<StepRecord> steps;
  std::string failure;  // why the script could not go on
  int failureLine = 0;

  const StudentCard& student() const { return card_.student; }
  const AttemptResult& result() const { return result_; }
  const WriteReportOutcome& stored() const { return results_.outcome(); }
  bool handedOver() const { return engine_.phase() == AttemptPhase::Closed; }

  // `journal`: the attempt is rebuilt from it first, and the script goes
  // on after the steps the journal marks as done.  `crashAfter` > 0: the
  // process is killed after that many steps, as a power cut would stop it.
  bool run(const JournalReading* journal, std::size_t crashAfter) {
    std::size_t from = 0;
    if (journal) {
      // What a step the journal does not mark as done began is taken again
      // whole from the script.
      JournalReading done = *journal;
      auto mark = std::find_if(done.steps.rbegin(), done.steps.rend(), [](const JournalStep& s) {
        return s.kind == JournalStepKind::Mark;
      });
      done.steps.erase(mark.base(), done.steps.end());
      if (!done.steps.empty()) from = static_cast<std::size_t>(done.steps.back().number());
      journal_.adopt(journalFile);
      engine_.resume(done);
    } else {
      engine_.mainButton();
      if (!startRun()) return false;
    }
    for (std::size_t i = from; i < script_.steps.size(); ++i) {
      if (!perform(script_.steps[i])) return false;
      engine_.note(std::to_string(i + 1));
      if (i + 1 == crashAfter) std::raise(SIGKILL);
    }
    finish();
    return true;
  }

  std::filesystem::path journalFile;  // the journal a resumed run goes on writing

 private:
  // Transitions end at once: there is no screen to animate.
  void settle() {
    if (engine_.transitionRunning()) engine_.transitionEnded();
  }

  bool startRun() {
    scheduler_.advance(kStartDelayMs);
    if (engine_.phase() == AttemptPhase::Card) {
      if (!card_.fault.empty()) return stop(0, card_.fault);
      if (!card_.complete())
        return stop(0, "the test asks for a registration card: give 'name:' in the script");
      engine_.mainButton();
    }
    settle();
    return true;
  }

  bool stop(int line, std::string why) {
    failureLine = line;
    failure = std::move(why);
    return false;
  }

  void note(const ScriptStep& step, std::string result) {
    static const char* const words[] = {"answer", "hint", "give-up", "petal", "wait", "Вихід"};
    std::string text = words[static_cast<int>(step.kind)];
    if (step.kind == ScriptStep::Kind::Answer) text += " " + cp1251ToUtf8(step.text);
    if (step.kind == ScriptStep::Kind::Petal || step.kind == ScriptStep::Kind::Wait)
      text += " " + std::to_string(step.number);
    steps.push_back({step.line, text, std::move(result)});
  }

  bool taskShown(const ScriptStep& step) {
    if (engine_.phase() == AttemptPhase::Task && !engine_.transitionRunning()) return true;
    return stop(step.line,
                "no task is shown (" +
                    std::string(state.end == AttemptEnd::None ? "the attempt is busy"
                                                              : "the attempt has ended") +
                    ")");
  }

  bool perform(const ScriptStep& step) {
    using Kind = ScriptStep::Kind;
    // A failed exam run is repeated before the next answer.
    if (engine_.phase() == AttemptPhase::Ended && state.end == AttemptEnd::Failed &&
        step.kind != Kind::Wait && step.kind != Kind::Exit) {
      engine_.mainButton();
      if (!startRun()) return false;
      note(step, "exam run repeated, pass " + std::to_string(state.pass));
    }
    switch (step.kind) {
      case Kind::Answer:
        return answer(step);
      case Kind::Hint: {
        if (!taskShown(step)) return false;
        if (state.mode != kModeHint) return stop(step.line, "hints are given in mode 0 only");
        const int k = state.currentTask;
        const int file = state.displayOrder[k];
        engine_.modeSign();
        if (engine_.phase() != AttemptPhase::Hint) {
          note(step, "refused");
          return true;
        }
        int moved = k;
        for (int i = 1; i <= state.taskCount; ++i)
          if (state.displayOrder[i] == file) moved = i;
        engine_.mainButton();
        settle();
        note(step, "answer of task " + std::to_string(k) + " shown, the task moved to " +
                       std::to_string(moved));
        return true;
      }
      case Kind::GiveUp: {
        if (!taskShown(step)) return false;
        if (state.mode == kModeHint)
          return stop(step.line, "in mode 0 the mode sign gives a hint, not a give-up");
        const int k = state.currentTask;
        const int gap = engine_.currentGap();
        engine_.modeSign();
        settle();
        // A Restoration task stays: its current gap took a wrong character.
        if (!state.task(k).done && gap != 0 && engine_.currentGap() != gap)
          note(step,
               "task " + std::to_string(k) + ": a wrong character into gap " + std::to_string(gap));
        else
          note(step, state.task(k).done ? "task " + std::to_string(k) + " given up" : "refused");
        return true;
      }
      case Kind::Petal: {
        const int before = state.currentTask;
        engine_.petalClicked(step.number);
        settle();
        note(step, state.currentTask != before || state.reviewing
                       ? "task " + std::to_string(state.currentTask) + " shown"
                       : "refused");
        return true;
      }
      case Kind::Wait:
        scheduler_.advance(step.number * 1000LL);
        settle();
        note(step, "elapsed " + std::to_string(state.elapsed));
        return true;
      case Kind::Exit:
        note(step, engine_.breakOff() ? "broken off" : "no attempt under way");
        settle();
        return true;
    }
    return true;
  }

  bool answer(const ScriptStep& step) {
    if (!taskShown(step)) return false;
    const int k = state.currentTask;
    const Task& task = test_.task(k);
    std::string fault;
    switch (task.type) {
      case TaskType::SingleChoice:
      case TaskType::MultipleChoice:
      case TaskType::CountedChoice:
        fault = chooseOptions(task, step.text);
        break;
      case TaskType::DirectInput:
        fault = typeFields(task, step.text);
        break;
      case TaskType::Sequence:
        fault = arrange(task, step.text);
        break;
      case TaskType::Matching:
        fault = chooseLetters(task, step.text);
        break;
      case TaskType::Completion:
        fault = chooseVariants(task, step.text);
        break;
      case TaskType::Restoration:
        fault = enterCharacters(task, step.text);
        break;
    }
    // A block of a type code above 7 has no answer controls.
    if (!judges_.handles(task.type)) fault = "cannot be answered";
    if (!fault.empty())
      return stop(step.line,
                  "task " + std::to_string(k) + " (" + typeName(task.type) + ") " + fault);
    // In mode 3 a wrong Restoration character completes the task at once.
    const bool completed = state.task(k).done;
    if (!completed) {
      if (!state.answerReady) return stop(step.line, "the answer is not complete");
      engine_.mainButton();
      scheduler_.advance(kSubmitDelayMs);
    }
    std::string result =
        "task " + std::to_string(k) + ": " + std::to_string(state.task(k).wrongCount) + " wrong";
    if (completed) result += ", completed by a wrong character";
    if (engine_.phase() == AttemptPhase::Feedback) {
      result += ", correct answer shown";
      engine_.mainButton();
    }
    settle();
    note(step, result);
    return true;
  }

  // Each input below returns what does not fit the task, or nothing.

  std::string chooseOptions(const Task& task, const std::string& text) {
    const TaskRecord& record = state.task(state.currentTask);
    for (char letter : answerLetters(text)) {
      int option = 0;
      for (int j = 1; j <= task.itemCount; ++j)
        if (task.itemLetters[j] == letter) option = j;
      if (option == 0) return "has no option " + utf8Of(letter);
      if (record.chosen[option]) return "has option " + utf8Of(letter) + " given twice";
      engine_.optionClicked(option);
      if (!record.chosen[option])
        return task.type == TaskType::SingleChoice
                   ? "takes one option only"
                   : "takes " + std::to_string(task.correctCount) + " options only";
    }
    return {};
  }

  // Typed key by key, so that the field's key rules hold as for a testee.
  std::string typeFields(const Task& task, const std::string& text) {
    const std::vector<std::string> fields = answerFields(text);
    if (static_cast<int>(fields.size()) > task.elementCount)
      return "has " + std::to_string(task.elementCount) + " field(s), not " +
             std::to_string(fields.size());
    for (int f = 1; f <= static_cast<int>(fields.size()); ++f) {
      std::string typed;
      for (char key : fields[f - 1]) {
        if (!acceptsTypedKey(typed, key, false))
          return "field " + std::to_string(f) + " refuses '" + utf8Of(key) + "' after \"" +
                 cp1251ToUtf8(typed) + "\"";
        typed += key;
        engine_.fieldEdited(f, typed);
      }
    }
    return {};
  }

  // Swaps items into the order given, as a testee does: a click picks an
  // item, a click on another swaps the two.
  std::string arrange(const Task& task, const std::string& text) {
    const std::vector<char> order = answerLetters(text);
    const int n = task.itemCount;
    std::vector<std::string> target;
    for (char letter : order)
      for (int j = 1; j <= n; ++j)
        if (task.itemLetters[j] == letter) target.push_back(task.items[j]);
    std::string sorted(order.begin(), order.end()), letters;
    std::sort(sorted.begin(), sorted.end());
    for (int j = 1; j <= n; ++j) letters += task.itemLetters[j];
    std::sort(letters.begin(), letters.end());
    if (sorted != letters || static_cast<int>(target.size()) != n)
      return "takes an order of its letters " + cp1251ToUtf8(letters) + ", each once";
    const TaskRecord& record = state.task(state.currentTask);
    for (int j = 1; j <= n; ++j) {
      int at = j;
      while (at <= n && record.given[at] != target[j - 1]) ++at;
      if (at > n || at == j) continue;
      engine_.optionClicked(at);
      engine_.optionClicked(j);
    }
    return {};
  }

  // The right-hand items are shown shuffled under the letters "А".."Ж": each
  // list is set to the letter under which the item named is shown.
  std::string chooseLetters(const Task& task, const std::string& text) {
    const std::vector<char> chosen = answerLetters(text);
    const int left = task.itemCount - 1;
    const int shown = std::clamp(task.hasEmptyRightItem ? task.itemCount - 1 : task.itemCount, 0,
                                 static_cast<int>(MatchingJudge::letters().size()));
    if (static_cast<int>(chosen.size()) != left)
      return "takes one right-hand item's letter (or _) for each of its " + std::to_string(left) +
             " left items";
    const TaskRecord& record = state.task(state.currentTask);
    for (int p = 1; p <= left; ++p) {
      const char letter = chosen[p - 1];
      std::string panel;
      for (int j = 1; j <= shown; ++j)
        if (task.rightLetters[j] == letter) panel = MatchingJudge::letters().substr(j - 1, 1);
      if (letter != '_' && panel.empty()) return "shows no right-hand item " + utf8Of(letter);
      engine_.letterChosen(p, panel);
      if (record.given[p] != panel)
        return "has right-hand item " + utf8Of(letter) + " chosen for another item already";
    }
    return {};
  }

  std::string chooseVariants(const Task& task, const std::string& text) {
    const std::vector<char> chosen = answerLetters(text);
    const int blanks = task.elementCount;
    if (static_cast<int>(chosen.size()) != blanks)
      return "takes one variant letter (or _) for each of its " + std::to_string(blanks) +
             " blanks";
    for (int j = 1; j <= blanks; ++j) {
      const char letter = chosen[j - 1];
      std::string variant;
      for (int v = 1; v <= std::min(task.variantCount, kMaxItems); ++v)
        if (task.variantLetters[j][v] == letter && !task.variants[j][v].empty())
          variant = task.variants[j][v];
      if (letter != '_' && variant.empty())
        return "has no variant " + utf8Of(letter) + " in blank " + std::to_string(j);
      engine_.blankChosen(j, variant);
    }
    return {};
  }

  std::string enterCharacters(const Task&, const std::string& text) {
    const std::string chars = gapCharacters(text);
    const int k = state.currentTask;
    for (std::size_t i = 0; i < chars.size(); ++i) {
      if (state.task(k).done)
        return "was completed by a wrong character; " + std::to_string(chars.size() - i) +
               " character(s) left over";
      const std::size_t before = state.task(k).gapAnswers.size();
      engine_.gapCharacter(chars[i]);
      if (state.task(k).gapAnswers.size() == before)
        return "has no gap left for '" + utf8Of(chars[i]) + "'";
    }
    return {};
  }

  static std::string utf8Of(char c) { return cp1251ToUtf8(std::string(1, c)); }

  // The testee stops answering: the clock ends what is still open, then the
  // result diagram is clicked away and the closing animation runs.
  void finish() {
    const long long limit = (state.timeLimit * 60LL + 10) * 1000;
    for (long long t = 0; t < limit && engine_.phase() != AttemptPhase::Ended; t += 1000)
      scheduler_.advance(1000);
    while (engine_.phase() == AttemptPhase::Ended && state.end == AttemptEnd::Failed &&
           engine_.clockRunning())
      scheduler_.advance(1000);
    if (engine_.phase() != AttemptPhase::Ended) return;
    while (!engine_.diagramPromptShown()) scheduler_.advance(kDiagramMs);
    engine_.bandClicked();
    scheduler_.advance(kClosingSteps * kClosingMs);
  }

  Workstation& ws_;
  Test& test_;
  Random& random_;
  const AttemptScript& script_;
  ManualScheduler scheduler_;
  AllTaskJudges judges_;
  ScriptCard card_;
  AttemptAssembler assembly_;
  AttemptResult result_;
  ResultFilesWriter results_;
  FileJournal journal_;
  AttemptEngine engine_;
};

void printSummary(const Simulation& sim, const Workstation& ws, const Test& test,
                  const SoundTrail* sounds, const TeacherSending& sending) {
  const AttemptState& s = sim.state;
  Json json;
  json.beginObject();
  json.key("test").text(test.title);
  json.key("attemptCode").text(ws.openTest.attemptCode);
  json.key("mode").number(static_cast<std::int64_t>(s.mode));
  json.key("end").text(endMessage(s.end));
  json.key("endKind").utf8(endName(s.end));
  json.key("card").beginObject();
  json.key("district").text(sim.student().district);
  json.key("school").text(sim.student().school);
  json.key("cardCode").text(sim.student().cardCode);
  json.key("classGroup").text(sim.student().classGroup);
  json.key("fullName").text(sim.student().fullName);
  json.endObject();
  json.key("state").beginObject();
  json.key("timeLimit").number(static_cast<std::int64_t>(s.timeLimit));
  json.key("elapsed").number(static_cast<std::int64_t>(s.elapsed));
  json.key("taskCount").number(static_cast<std::int64_t>(s.taskCount));
  json.key("currentTask").number(static_cast<std::int64_t>(s.currentTask));
  json.key("elementsJudged").number(static_cast<std::int64_t>(s.elementsJudged));
  json.key("wrongElements").number(static_cast<std::int64_t>(s.wrongElements));
  json.key("tasksDone").number(static_cast<std::int64_t>(s.tasksDone));
  json.key("bestInExam").number(static_cast<std::int64_t>(s.bestInExam));
  json.key("pass").number(static_cast<std::int64_t>(s.pass));
  json.key("timeOver").boolean(s.timeOver);
  json.endObject();
  json.key("tasks").beginArray();
  for (int k = 1; k <= s.taskCount; ++k) {
    const TaskRecord& r = s.task(k);
    json.beginObject();
    json.key("position").number(static_cast<std::int64_t>(k));
    json.key("fileNumber").number(static_cast<std::int64_t>(s.displayOrder[k]));
    json.key("type").utf8(typeName(test.task(k).type));
    json.key("elementCount").number(static_cast<std::int64_t>(test.task(k).elementCount));
    json.key("done").boolean(r.done);
    json.key("wrongCount").number(static_cast<std::int64_t>(r.wrongCount));
    json.key("missCount").number(static_cast<std::int64_t>(r.missCount));
    json.key("judgedElements").number(static_cast<std::int64_t>(r.judgedElements));
    json.key("answerText").text(r.answerText);
    json.key("optionMarks").text(r.optionMarks);
    json.endObject();
  }
  json.endArray();
  json.key("steps").beginArray();
  for (const StepRecord& st : sim.steps) {
    json.beginObject();
    json.key("line").number(static_cast<std::int64_t>(st.line));
    json.key("step").utf8(st.step);
    json.key("result").utf8(st.result);
    json.endObject();
  }
  json.endArray();
  json.key("result").beginObject();
  const WriteReportOutcome& stored = sim.stored();
  json.key("written").boolean(sim.handedOver() && stored.stored());
  json.key("result120").number(static_cast<std::int64_t>(sim.result().result120));
  json.key("grade").number(static_cast<std::int64_t>(stored.grade.grade));
  json.key("gradeShown").boolean(stored.grade.shown);
  json.key("percent").number(static_cast<std::int64_t>(sim.result().percent));
  json.key("files").beginArray();
  for (const auto* file : {&stored.reportFile, &stored.monitorFile, &stored.resultDb})
    if (!file->empty()) json.text(cp1251FromPath(*file));
  json.endArray();
  json.key("launchCounted").boolean(stored.launchCounted);
  if (stored.error) {
    json.key("error").utf8(stored.error.message());
    json.key("failedFile").text(cp1251FromPath(stored.failedFile));
    json.key("keptFile").text(cp1251FromPath(stored.keptFile));
  }
  json.endObject();
  json.key("sounds").beginArray();
  for (const std::string& sound : sim.log.sounds) json.text(sound);
  json.endArray();
  sending.writeJson(json);
  if (sounds) {
    json.key("events").beginArray();
    for (const std::string& e : sim.log.events) json.text(e);
    json.endArray();
    json.key("soundRequests").beginArray();
    for (const SoundRequest& r : sounds->requests) {
      json.beginObject();
      json.key("name").text(r.name);
      json.key("music").boolean(r.music);
      json.key("found").boolean(r.found);
      json.key("played").boolean(r.played);
      json.endObject();
    }
    json.endArray();
  }
  json.endObject();
  std::fputs(json.str().c_str(), stdout);
}

}  // namespace

int runSimulate(const Args& args) {
  std::string folderArg, scriptArg;
  std::uint64_t seed = 1;
  bool events = false;
  bool resume = false;
  std::size_t crashAfter = 0;
  std::optional<TeacherAddress> teacher;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (a == "--events") {
      events = true;
    } else if (a == "--resume") {
      resume = true;
    } else if (a == "--crash-after" && i + 1 < args.size()) {
      crashAfter = std::strtoul(args[++i].c_str(), nullptr, 10);
      if (crashAfter == 0) {
        std::fprintf(stderr, "simulate: --crash-after takes a number of steps from 1\n");
        return 2;
      }
    } else if (a == "--teacher" && i + 1 < args.size()) {
      teacher = parseTeacherAddress(args[++i]);
      if (!teacher) {
        std::fprintf(stderr, "simulate: --teacher takes HOST:PORT\n");
        return 2;
      }
    } else if (a == "--seed" && i + 1 < args.size()) {
      try {
        seed = std::stoull(args[++i]);
      } catch (...) {
        std::fprintf(stderr, "simulate: --seed takes a number\n");
        return 2;
      }
    } else if (folderArg.empty()) {
      folderArg = a;
    } else if (scriptArg.empty()) {
      scriptArg = a;
    } else {
      std::fputs(kHelp, stderr);
      return 2;
    }
  }
  if (scriptArg.empty()) {
    std::fputs(kHelp, stderr);
    return 2;
  }

  auto bytes = readFileBytes(scriptArg, kMaxScriptBytes + 1);
  if (!bytes) {
    std::fprintf(stderr, "simulate: cannot read %s\n", scriptArg.c_str());
    return 1;
  }
  ScriptReading reading = readAttemptScript(*bytes);
  if (!reading.ok()) {
    std::fprintf(stderr, "simulate: %s:%d: %s\n", scriptArg.c_str(), reading.errorLine,
                 reading.error.c_str());
    return 1;
  }

  // Base/<set>/<test>: the program folder lies two levels above the base.
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::weakly_canonical(folderArg, ec);
  Workstation ws;
  ws.programFolder = folder.parent_path().parent_path().parent_path();
  ws.baseFolderName = cp1251FromPath(folder.parent_path().parent_path().filename());
  ws.testSet = cp1251FromPath(folder.parent_path().filename());
  Test& test = ws.test;
  // Of the workstation's options only the sound switch and sending's: the
  // rest stays at its start-up values, so that a script gives the same
  // summary everywhere.
  DecorSettings decor;
  ReadDecor(ws.programFolder, ws.baseFolderName, decor, false);
  ws.decor.sound = decor.sound;
  ws.decor.sendResults = decor.sendResults;
  ws.decor.address = decor.address;
  ws.decor.teacherPort = decor.teacherPort;
  Random random(seed);
  RecordingSystemShell shell;
  AttemptLog log;
  SoundTrail sounds(ws, log);
  SilentView view(sounds);
  // A resumed run reads the test as the attempt's opening did.
  std::optional<JournalReading> journal;
  std::filesystem::path journalFile;
  if (resume) {
    for (const std::filesystem::path& file : waitingJournals(ws.programFolder)) {
      JournalReading j = ReadJournal(readFileBytes(file).value_or(""));
      if (j.ok() && std::filesystem::equivalent(j.start.testFolder, folder, ec)) {
        journal = std::move(j);
        journalFile = file;
      }
    }
    if (!journal) {
      std::fprintf(stderr, "simulate: no attempt of this test waits to be resumed\n");
      return 1;
    }
    if (testFileCheck(folder) != journal->start.fileCheck) {
      const auto aside = setJournalAside(journalFile, "changed");
      std::fprintf(stderr, "simulate: %s; its journal is kept as %s\n",
                   cp1251ToUtf8(testChangedText()).c_str(), aside.string().c_str());
      return 1;
    }
  }
  if (OpenTest(cp1251FromPath(folder.filename()), ws, random, shell, view,
               journal ? &journal->start.shuffleState : nullptr) == 0) {
    std::fprintf(stderr, "simulate: the test cannot be opened: %s\n",
                 view.messages.empty() ? "no test" : cp1251ToUtf8(view.messages.back()).c_str());
    return 1;
  }

  if (reading.script.mode >= 0) ws.settings.mode = reading.script.mode;
  if (reading.script.timeLimit > 0) ws.settings.timeLimitMinutes = reading.script.timeLimit;
  TeacherSending sending(ws, teacher);
  // As at the workstation's start: what waits goes first.
  sending.deliver();
  Simulation sim(ws, test, random, reading.script, log, sounds, sending.outlet());
  sim.journalFile = journalFile;
  const bool ran = sim.run(journal ? &*journal : nullptr, crashAfter);
  sending.deliver();
  sending.reportWaiting();
  printSummary(sim, ws, test, events ? &sounds : nullptr, sending);
  if (!ran) {
    std::fprintf(stderr, "simulate: %s:%d: %s\n", scriptArg.c_str(), sim.failureLine,
                 sim.failure.c_str());
    return 1;
  }
  const WriteReportOutcome& stored = sim.stored();
  if (sim.handedOver() && !stored.stored()) {
    std::fprintf(stderr, "simulate: the result is not stored: %s: %s; its answers are %s\n",
                 cp1251ToUtf8(cp1251FromPath(stored.failedFile)).c_str(),
                 stored.error.message().c_str(),
                 stored.keptFile.empty()
                     ? "not kept on disk either"
                     : ("kept in " + cp1251ToUtf8(cp1251FromPath(stored.keptFile)) +
                        " and written out at the next attempt")
                           .c_str());
    return 3;
  }
  return 0;
}

}  // namespace ispyt::tool
