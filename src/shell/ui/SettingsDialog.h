#pragma once
// The settings dialog of the open test: four tabs ("Установки",
// "Оцінювання", "Сортування", "Довідка") over one compact window, the
// widgets showing SettingsDialogModel and handing it every click and key.
// Created with the main window and hidden; test opening fills it, the
// "Установки" caption opens it, "Ок" saves "Config.ini" into the open
// test's folder.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTextEdit>
#include <array>
#include <functional>
#include <vector>

#include "shell/SettingsDialogModel.h"
#include "shell/ui/LinkStrip.h"
#include "shell/ui/WindowParts.h"

namespace ispyt {

class SettingsDialog : public QDialog {
  Q_OBJECT
 public:
  struct Host {
    std::function<void()> saved;   // "Установки" and "Результат" turn grey
    std::function<void()> closed;  // by any means: "Установки" transparent
  };

  SettingsDialog(const WindowParts& parts, Host host);

  // Test opening: the settings read; the controls show them from the next
  // opening of the dialog on (at once when it is open).
  void fill(const std::string& testName, const SettingsDialogState& state);
  // Shows it modally at its place over the main window.
  void openOver(bool afterPassword);

  SettingsDialogModel& model() { return model_; }
  // The controls, for the tests that drive them.
  QTabBar* tabs() const { return tabs_; }
  QPushButton* okButton() const { return ok_; }
  QLabel* errorMark() const { return error_; }
  QRadioButton* modeButton(int mode) const { return modes_[static_cast<std::size_t>(mode)]; }
  QSlider* timeSlider() const { return time_; }
  QLabel* timeCaption() const { return timeCaption_; }
  QRadioButton* weightsButton() const { return weights_; }
  QTableWidget* grid() const { return grid_; }
  QLineEdit* gridCell(int task) const { return gridCells_[static_cast<std::size_t>(task - 1)]; }
  QPushButton* autoSetupButton() const { return autoSetup_; }
  QLabel* total() const { return total_; }
  QLineEdit* scaleField() const { return scaleField_; }
  QLineEdit* oldPassword() const { return oldPassword_; }
  QLineEdit* newPassword() const { return newPassword_; }
  QRadioButton* intervalsButton() const { return intervalsButton_; }
  QSpinBox* intervalCounter() const { return counter_; }
  QTableWidget* intervalTable() const { return table_; }
  QRadioButton* linksButton() const { return linksButton_; }
  LinkStrip* linkStrip() const { return strip_; }
  QScrollBar* stripBar() const { return stripBar_; }
  QTextEdit* helpPage() const { return help_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  void build();
  void buildSettingsTab();
  void buildGradingTab();
  void buildSortingTab();
  void layOutGrid();
  void formatHelpPage();
  // The model's state onto the widgets.
  void refresh();
  void refreshTable();
  void save();

  WindowParts parts_;
  const ScreenScale& scale_;
  Host host_;
  SettingsDialogModel model_;
  bool refreshing_ = false;

  QTabBar* tabs_ = nullptr;
  QFrame* tabArea_ = nullptr;
  // "Установки"
  QGroupBox* modeGroup_ = nullptr;
  std::array<QRadioButton*, 5> modes_{};
  QGroupBox* controlGroup_ = nullptr;
  QCheckBox* showGrade_ = nullptr;
  QCheckBox* percent_ = nullptr;
  QCheckBox* personalise_ = nullptr;
  QCheckBox* delay_ = nullptr;
  QCheckBox* noFreeMoves_ = nullptr;
  QCheckBox* reviewInOrder_ = nullptr;
  QGroupBox* timeGroup_ = nullptr;
  QSlider* time_ = nullptr;
  QLabel* timeCaption_ = nullptr;
  QPushButton* ok_ = nullptr;
  // "Оцінювання"
  QGroupBox* gradingGroup_ = nullptr;
  QRadioButton* weights_ = nullptr;
  QTableWidget* grid_ = nullptr;
  std::vector<QLineEdit*> gridCells_;
  bool gridStale_ = false;  // the grid is laid out anew at the next refresh
  QComboBox* guessing_ = nullptr;
  QLineEdit* scaleField_ = nullptr;
  QPushButton* autoSetup_ = nullptr;
  QLabel* totalCaption_ = nullptr;
  QLabel* total_ = nullptr;
  QFrame* passwordPanel_ = nullptr;
  QComboBox* launches_ = nullptr;
  QLineEdit* oldPassword_ = nullptr;
  QLineEdit* newPassword_ = nullptr;
  // "Сортування"
  QFrame* sortingPanel_ = nullptr;
  QCheckBox* shuffle_ = nullptr;
  QRadioButton* intervalsButton_ = nullptr;
  QSpinBox* counter_ = nullptr;
  QTableWidget* table_ = nullptr;
  QRadioButton* linksButton_ = nullptr;
  LinkStrip* strip_ = nullptr;
  QScrollBar* stripBar_ = nullptr;
  QPushButton* clearLinks_ = nullptr;
  QLabel* error_ = nullptr;
  // "Довідка"
  QTextEdit* help_ = nullptr;
};

}  // namespace ispyt
