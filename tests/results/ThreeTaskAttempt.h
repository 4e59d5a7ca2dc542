#pragma once
// A finished attempt of three tasks, shown shuffled (position 1 shows file
// task 3, position 2 task 1, position 3 task 2), and the message it gives.

#include <filesystem>
#include <string>

#include "attempt/AttemptState.h"
#include "attempt/StudentCard.h"
#include "content/OpenTestState.h"
#include "content/Settings.h"
#include "content/Test.h"
#include "platform/Cp1251.h"
#include "results/AttemptResult.h"

namespace ispyt::results_test {

inline constexpr PerTask kThreeOrder = {0, 3, 1, 2};

inline ispyt::Test threeTaskTest() {
  ispyt::Test t;
  t.title = cp1251("Алгебра");
  t.taskCount = 3;
  const TaskType types[] = {TaskType::DirectInput, TaskType::SingleChoice,
                            TaskType::MultipleChoice};
  const int elements[] = {2, 1, 4};  // by position
  for (int k = 1; k <= 3; ++k) {
    Task& task = t.task(k);
    task.type = types[k - 1];
    task.question = cp1251("Питання ") + std::to_string(kThreeOrder[k]);
    task.elementCount = elements[k - 1];
    task.itemCount = std::max(elements[k - 1], 2);
  }
  return t;
}

// File task 1: 1 element, right ("12"); task 2: 3 of 4 wrong ("В Г");
// task 3: 1 of 2 wrong ("Б").  T = 7, TE = 4.
inline AttemptState threeTaskAttempt(int mode) {
  AttemptState a;
  a.mode = mode;
  a.taskCount = 3;
  a.elapsed = 754;
  a.tasksDone = 3;
  a.displayOrder = kThreeOrder;
  const int judged[] = {2, 1, 4}, wrong[] = {1, 0, 3};
  const char* answers[] = {"Б", "12", "В Г"};
  for (int k = 1; k <= 3; ++k) {
    TaskRecord& r = a.task(k);
    r.done = true;
    r.judgedElements = judged[k - 1];
    r.wrongCount = wrong[k - 1];
    r.missCount = mode == kModeExam ? -1 : 0;
    r.answerText = cp1251(answers[k - 1]);
    r.optionMarks = std::string(kMaxItems, '0');
    a.elementsJudged += judged[k - 1];
    a.wrongElements += wrong[k - 1];
  }
  if (mode == kModeExam) {
    a.pass = 1;
    a.wrongElements = 0;
    for (int k = 1; k <= 3; ++k) a.task(k).wrongCount = 0;
  }
  return a;
}

inline StudentCard threeTaskCard() {
  StudentCard card;
  card.cardCode = "A07";
  card.fullName = cp1251("Іваненко Петро");
  return card;  // no class
}

// Lines 1 to 20 of the message, line 13 (the 0..120 result) given.
inline std::string threeTaskMessage(const std::string& code, const std::string& cardCode, int mode,
                                    const std::string& result120, const std::string& atEnd = "1") {
  return cp1251(code + "\r\n" + cardCode + "\r\n754\r\n09:04:07\r\n" + std::to_string(mode) +
                "\r\n1\r\n" + atEnd + "\r\nІваненко Петро\r\n -\r\n05.12.26\r\nАлгебра\r\n43\r\n" +
                result120 + "\r\n3\r\n100\r\n25\r\n50\r\n12\r\nВ Г\r\nБ\r\n");
}

}  // namespace ispyt::results_test
