#pragma once
// The appearance and options dialog ("Оформлення"): three painted tabs
// with the workstation's look, its options and the class lists.  It shows
// a DecorSettings and gives back the one its controls make; the rules of
// its boxes live in presentation/AppearanceDialogRules.h, the class lists'
// in attempt/ClassListEditor.h.  Apply and OK stay disabled until the
// unlock key (Ctrl+Shift+F12) is typed into the pupil list.

#include <QDialog>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "attempt/ClassListEditor.h"
#include "platform/Scheduler.h"
#include "platform/SystemShell.h"
#include "presentation/AppearanceDialogRules.h"
#include "presentation/ColourSchemes.h"
#include "presentation/DecorSettings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTabWidget;

namespace ispyt {

class AppearancePage;
class ColourSwatchBox;

class AppearanceDialog : public QDialog {
  Q_OBJECT

 public:
  // What the lists offer, from the folders (Windows-1251 names).
  struct Choices {
    std::vector<std::string> programBackgrounds;
    std::vector<std::string> cardBackgrounds;
    std::vector<std::string> testSets;
    std::vector<std::string> resultDatabases;
    int unsentResults = 0;  // messages waiting for the teacher's computer
  };

  AppearanceDialog(Scheduler& scheduler, SystemShell& shell, ClassListEditor& classLists,
                   const ClassLists& lists, QWidget* parent);
  ~AppearanceDialog() override;

  // Every control from `decor`; apply and OK disabled; the options tab
  // shown.  A screen that leaves fewer window options disables them.
  void fill(const DecorSettings& decor, const Choices& choices, WindowOptionsAvailable available);
  // The settings the controls make.
  DecorSettings chosen() const;
  // The card-window option ("Робочій стіл"), which has no key in the file.
  bool desktopMode() const;
  // The class-list boxes show this class and the memo its pupils.
  void showClassList(const std::string& number, const std::string& letter,
                     const std::string& group);
  // The sub-group list again, after the class lists were read anew.
  void refreshClassLists();
  // "За списком" off and the class boxes blank: the chosen class has no
  // pupils.
  void dropClassList();
  void removeDatabase(const std::string& name);
  // A line under the buttons: why the last step failed, or nothing.
  void showProblem(const QString& text);
  QString problem() const;

  // The dialog's painting follows the scheme confirmed last.
  void setSchemeNumber(int number);
  int schemeNumber() const { return schemeNumber_; }
  bool unlocked() const;

  // The controls, for the tests and the screenshots.
  QTabWidget* tabs() const { return tabs_; }
  QLineEdit* addressBox(int i) const { return address_[static_cast<std::size_t>(i)]; }
  QComboBox* schemeBox() const { return scheme_; }
  QComboBox* programBackgroundBox() const { return programBackground_; }
  QComboBox* databaseBox() const { return database_; }
  QComboBox* classNumberBox() const { return classNumber_; }
  QComboBox* classLetterBox() const { return classLetter_; }
  QPlainTextEdit* pupilMemo() const { return memo_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* applyButton() const { return apply_; }
  QPushButton* cleanButton() const { return clean_; }
  QCheckBox* byListBox() const { return byList_; }
  QLabel* unsentLabel() const { return unsent_; }
  AppearancePage* page(AppearanceTab tab) const { return pages_[static_cast<std::size_t>(tab)]; }

 signals:
  // Apply (false) or OK (true) was pressed.
  void confirmed(bool closing);
  // "Очистка файлу" for the database name in the box.
  void cleanRequested(const std::string& name);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  void buildAppearanceTab();
  void buildOptionsTab();
  void buildListsTab();
  void tabChanged(int index);
  void captionStep();
  void classChosen();
  void saveClassList();
  void deleteClassList();
  void syncInterlocks();
  bool addressKeyPressed(int box, QKeyEvent* event);
  bool databaseKeyPressed(QKeyEvent* event);
  bool memoKeyPressed(QKeyEvent* event);

  Scheduler& scheduler_;
  SystemShell& shell_;
  ClassListEditor& editor_;
  const ClassLists& lists_;
  WindowOptionsAvailable available_;
  int schemeNumber_ = kFirstDialogScheme;
  std::unique_ptr<Timer> captionTimer_;
  std::string captionText_;
  int captionStep_ = 0;
  QString windowTitle_;  // the main window's, given back at the end

  QTabWidget* tabs_ = nullptr;
  std::array<AppearancePage*, kAppearanceTabCount> pages_{};
  // "Оформлення"
  QComboBox* programBackground_ = nullptr;
  QComboBox* questionBackground_ = nullptr;
  QComboBox* answerBackground_ = nullptr;
  QComboBox* effect_ = nullptr;
  QComboBox* scheme_ = nullptr;
  ColourSwatchBox* questionColour_ = nullptr;
  ColourSwatchBox* answerColour_ = nullptr;
  QPushButton* questionStyle_ = nullptr;
  QPushButton* answerStyle_ = nullptr;
  QCheckBox* clockBackground_ = nullptr;
  QCheckBox* clockColour_ = nullptr;
  // "Налаштування"
  QComboBox* testSet_ = nullptr;
  QComboBox* database_ = nullptr;
  QPushButton* clean_ = nullptr;
  QCheckBox* server_ = nullptr;
  std::array<QLineEdit*, 4> address_{};
  QLabel* unsent_ = nullptr;
  int teacherPort_ = kDefaultTeacherPort;  // set by hand in the file, kept
  QCheckBox* sound_ = nullptr;
  QCheckBox* keyboard_ = nullptr;
  QCheckBox* byList_ = nullptr;
  QCheckBox* fullScreen_ = nullptr;
  QCheckBox* proportional_ = nullptr;
  QCheckBox* desktop_ = nullptr;
  QSlider* pointer_ = nullptr;
  // "Списки"
  QComboBox* classNumber_ = nullptr;
  QComboBox* classLetter_ = nullptr;
  QComboBox* group_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* saveList_ = nullptr;
  QPushButton* deleteList_ = nullptr;

  QPushButton* ok_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* close_ = nullptr;
  QLabel* problem_ = nullptr;
};

}  // namespace ispyt
