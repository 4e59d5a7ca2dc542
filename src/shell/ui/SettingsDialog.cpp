#include "shell/ui/SettingsDialog.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "content/ConfigFile.h"
#include "platform/Cp1251.h"
#include "platform/qt/PixelFont.h"
#include "platform/qt/QtColour.h"
#include "platform/qt/QtGeometry.h"
#include "platform/qt/QtText.h"
#include "shell/SettingsDialogLayout.h"
#include "shell/SettingsHelpPage.h"

namespace ispyt {
namespace {

namespace sl = settingsLayout;

const char* const kTabNames[kSettingsTabCount] = {"Установки", "Оцінювання", "Сортування",
                                                  "Довідка"};
const char* const kModeNames[5] = {"Підказка", "Тренінг", "Контрольна робота", "Залік",
                                   "Моніторинг"};
const int kLaunchChoices[] = {1, 2, 3, 5, 8, 13, 21, 34, 55};
const QColor kGreyText(128, 128, 128);

FieldKey fieldKey(const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Backspace:
      return FieldKey::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return FieldKey::Enter;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
      return FieldKey::Navigation;
    default:
      break;
  }
  const QString t = e->text();
  return t.size() == 1 && t[0] >= '0' && t[0] <= '9' ? FieldKey::Digit : FieldKey::Other;
}

void setTextKeepingCursor(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}

void setTextColour(QWidget* w, QColor colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::Text, colour);
  p.setColor(QPalette::WindowText, colour);
  w->setPalette(p);
}

}  // namespace

SettingsDialog::SettingsDialog(const WindowParts& parts, Host host)
    : QDialog(parts.window), parts_(parts), scale_(parts.ws.scale), host_(std::move(host)) {
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setFont(pixelFont("DejaVu Sans", scale_.font(8)));
  setFixedSize(scale_.x(sl::kWindow.width), scale_.y(sl::kWindow.height));
  build();
  formatHelpPage();
  refresh();
}

void SettingsDialog::build() {
  tabArea_ = new QFrame(this);
  tabArea_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  tabArea_->setGeometry(parts_.rect(sl::kTabArea).adjusted(0, scale_.y(20), 0, 0));
  tabs_ = new QTabBar(this);
  for (const char* name : kTabNames) tabs_->addTab(ui(name));
  tabs_->setDrawBase(false);
  tabs_->move(scale_.x(sl::kTabArea.x), scale_.y(sl::kTabArea.y));
  // The tabs share the tab area's width.
  tabs_->setExpanding(true);
  tabs_->setUsesScrollButtons(false);
  tabs_->setElideMode(Qt::ElideNone);
  tabs_->resize(scale_.x(sl::kTabArea.width), scale_.y(21));
  connect(tabs_, &QTabBar::currentChanged, this, [this](int i) {
    if (refreshing_) return;
    model_.changeTab(static_cast<SettingsTab>(i));
    refresh();
  });
  buildSettingsTab();
  buildGradingTab();
  buildSortingTab();
  help_ = new QTextEdit(this);
  help_->setReadOnly(true);
  help_->setLineWrapMode(QTextEdit::NoWrap);
  help_->setGeometry(parts_.rect(sl::kHelpPage));
}

void SettingsDialog::buildSettingsTab() {
  auto place = [this](QWidget* w, const Rect& design) { w->setGeometry(parts_.rect(design)); };
  modeGroup_ = new QGroupBox(ui("Режим роботи"), this);
  place(modeGroup_, sl::kModeGroup);
  auto* modes = new QButtonGroup(this);
  for (int m = 0; m < 5; ++m) {
    auto* b = new QRadioButton(ui(kModeNames[m]), modeGroup_);
    place(b, {10, 22 + 24 * m, 150, 20});
    modes->addButton(b, m);
    modes_[static_cast<std::size_t>(m)] = b;
  }
  connect(modes, &QButtonGroup::idClicked, this, [this](int m) {
    model_.chooseMode(m);
    refresh();
  });

  controlGroup_ = new QGroupBox(ui("Контроль"), this);
  place(controlGroup_, sl::kControlGroup);
  struct Check {
    QCheckBox*& box;
    const char* text;
    const char* hint;
    bool Settings::*flag;
  } checks[] = {
      {showGrade_, "Оцінка", nullptr, &Settings::showGrade},
      {percent_, "Результати  %", nullptr, &Settings::resultsInPercent},
      {personalise_, "Персоніфікація", nullptr, &Settings::personalise},
      {delay_, "Затримка", nullptr, &Settings::delay},
      {noFreeMoves_, "Заборона  ПТЗ", "перегляд завдань", &Settings::forbidFreeNavigation},
      {reviewInOrder_, "Перегляд за УТ", "за укладеним", &Settings::reviewInComposedOrder},
  };
  int row = 0;
  for (Check& c : checks) {
    c.box = new QCheckBox(ui(c.text), controlGroup_);
    place(c.box, {8, 20 + 21 * row++, 140, 20});
    if (c.hint) c.box->setToolTip(ui(c.hint));
    bool Settings::*flag = c.flag;
    connect(c.box, &QCheckBox::toggled, this, [this, flag](bool on) {
      if (!refreshing_) model_.values().*flag = on;
    });
  }

  timeGroup_ = new QGroupBox(ui("Час"), this);
  place(timeGroup_, sl::kTimeGroup);
  timeCaption_ = new QLabel(timeGroup_);
  timeCaption_->setFont(pixelFont("DejaVu Sans", scale_.font(8), true));
  time_ = new QSlider(Qt::Horizontal, timeGroup_);
  place(time_, {4, 32, 158, 22});
  time_->setRange(1, 90);
  time_->setPageStep(4);
  time_->setTickInterval(3);
  time_->setTickPosition(QSlider::TicksAbove);
  time_->installEventFilter(this);
  connect(time_, &QSlider::valueChanged, this, [this](int v) {
    if (refreshing_) return;
    model_.setTime(v);
    refresh();
  });

  ok_ = new QPushButton(ui("Ок"), this);
  ok_->setFont(pixelFont("DejaVu Sans", scale_.font(9), true));
  place(ok_, sl::kOkButton);
  connect(ok_, &QPushButton::clicked, this, &SettingsDialog::save);
}

void SettingsDialog::buildGradingTab() {
  auto place = [this](QWidget* w, const Rect& design) { w->setGeometry(parts_.rect(design)); };
  gradingGroup_ = new QGroupBox(this);
  place(gradingGroup_, sl::kGradingGroup);
  weights_ = new QRadioButton(ui("Вага ТЗ"), gradingGroup_);
  weights_->setAutoExclusive(false);
  place(weights_, {8, 6, 96, 20});
  connect(weights_, &QRadioButton::clicked, this, [this] {
    model_.selectWeights();
    refresh();
  });
  grid_ = new QTableWidget(0, 2, gradingGroup_);
  place(grid_, {8, 28, 100, 150});
  grid_->setHorizontalHeaderLabels({ui("№"), ui("Бал")});
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setMinimumSectionSize(1);
  grid_->setColumnWidth(0, scale_.x(30));
  grid_->setColumnWidth(1, scale_.x(40));
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);

  auto* guessingLabel = new QLabel(ui("Ймовірність вгадування"), gradingGroup_);
  place(guessingLabel, {118, 6, 200, 18});
  guessing_ = new QComboBox(gradingGroup_);
  for (int c = 0; c < kGuessingChoiceCount; ++c)
    guessing_->addItem(fromCp1251(guessingChoiceName(c)));
  place(guessing_, {118, 26, 150, 24});
  guessing_->installEventFilter(this);
  connect(guessing_, &QComboBox::activated, this, [this](int c) {
    model_.chooseGuessing(c);
    refresh();
  });

  auto* system = new QLabel(ui("Система"), gradingGroup_);
  place(system, {118, 60, 80, 16});
  auto* grading = new QLabel(ui("оцінювання"), gradingGroup_);
  place(grading, {118, 76, 80, 16});
  scaleField_ = new QLineEdit(gradingGroup_);
  scaleField_->setFont(pixelFont("DejaVu Sans", scale_.font(10), true));
  setTextColour(scaleField_, QColor(0, 0, 128));
  scaleField_->setContextMenuPolicy(Qt::NoContextMenu);
  place(scaleField_, {204, 62, 44, 26});
  scaleField_->installEventFilter(this);
  connect(scaleField_, &QLineEdit::textEdited, this,
          [this](const QString& t) { model_.setScaleText(toCp1251(t)); });

  autoSetup_ = new QPushButton(ui("Автонастройка"), gradingGroup_);
  autoSetup_->setToolTip(ui("Оцінювання комп'ютером"));
  place(autoSetup_, {118, 104, 130, 26});
  connect(autoSetup_, &QPushButton::clicked, this, [this] {
    model_.autoSetup();
    refresh();
  });
  totalCaption_ = new QLabel(ui("Сума балів ="), gradingGroup_);
  place(totalCaption_, {118, 152, 96, 20});
  total_ = new QLabel(gradingGroup_);
  total_->setFont(pixelFont("DejaVu Sans", scale_.font(10), true));
  place(total_, {214, 152, 50, 20});

  passwordPanel_ = new QFrame(this);
  passwordPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  place(passwordPanel_, sl::kPasswordPanel);
  auto* launchesLabel = new QLabel(ui("Запусків:"), passwordPanel_);
  place(launchesLabel, {8, 12, 62, 18});
  launches_ = new QComboBox(passwordPanel_);
  launches_->setFont(pixelFont("DejaVu Sans", scale_.font(8), true));
  setTextColour(launches_, QColor(128, 0, 0));
  place(launches_, {70, 9, 56, 24});
  launches_->installEventFilter(this);
  connect(launches_, &QComboBox::activated, this, [this](int i) {
    model_.chooseLaunches(launches_->itemData(i).toInt());
    refresh();
  });
  auto* passwordLabel = new QLabel(ui("Пароль:"), passwordPanel_);
  place(passwordLabel, {136, 12, 52, 18});
  oldPassword_ = new QLineEdit(passwordPanel_);
  oldPassword_->setMaxLength(8);
  oldPassword_->setContextMenuPolicy(Qt::NoContextMenu);
  place(oldPassword_, {190, 9, 60, 24});
  connect(oldPassword_, &QLineEdit::textEdited, this, [this](const QString& t) {
    model_.oldPasswordEdited(toCp1251(t));
    refresh();
  });
  newPassword_ = new QLineEdit(passwordPanel_);
  newPassword_->setContextMenuPolicy(Qt::NoContextMenu);
  newPassword_->setStyleSheet("background: #00FF00;");
  place(newPassword_, {sl::kNewPasswordX, 9, 58, 24});
  newPassword_->installEventFilter(this);
}

void SettingsDialog::buildSortingTab() {
  auto place = [this](QWidget* w, const Rect& design) { w->setGeometry(parts_.rect(design)); };
  sortingPanel_ = new QFrame(this);
  place(sortingPanel_, sl::kSortingPanel);
  shuffle_ = new QCheckBox(ui("Сортування"), sortingPanel_);
  place(shuffle_, {8, 2, 150, 20});
  connect(shuffle_, &QCheckBox::toggled, this, [this](bool on) {
    if (!refreshing_) model_.setShuffle(on);
  });

  intervalsButton_ = new QRadioButton(ui("вказати проміжки"), sortingPanel_);
  intervalsButton_->setAutoExclusive(false);
  place(intervalsButton_, {8, 26, 160, 20});
  connect(intervalsButton_, &QRadioButton::clicked, this, [this] {
    model_.chooseIntervals();
    refresh();
  });
  counter_ = new QSpinBox(sortingPanel_);
  counter_->setRange(1, Settings::kMaxIntervals);
  counter_->findChild<QLineEdit*>()->setReadOnly(true);
  place(counter_, {172, 24, 50, 24});
  connect(counter_, &QSpinBox::valueChanged, this, [this](int k) {
    if (refreshing_) return;
    model_.setIntervalCount(k);
    refresh();
  });
  table_ = new QTableWidget(0, 3, sortingPanel_);
  place(table_, {8, 50, 194, 98});
  table_->setHorizontalHeaderLabels({ui("№"), ui("Від"), ui("До")});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setMinimumSectionSize(1);
  table_->verticalHeader()->setMinimumSectionSize(1);
  table_->verticalHeader()->setDefaultSectionSize(scale_.y(13));
  table_->horizontalHeader()->setFixedHeight(scale_.y(18));
  table_->setColumnWidth(0, scale_.x(30));
  table_->setColumnWidth(1, scale_.x(70));
  table_->setColumnWidth(2, scale_.x(70));
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  connect(table_, &QTableWidget::cellChanged, this, [this](int row, int column) {
    if (refreshing_ || column == 0) return;
    model_.setIntervalCell(row + 1, column - 1, toCp1251(table_->item(row, column)->text()));
  });
  error_ = new QLabel(ui("Помилка!"), sortingPanel_);
  error_->setFont(pixelFont("DejaVu Sans", scale_.font(10), true));
  setTextColour(error_, Qt::red);
  place(error_, {212, 90, 100, 20});

  linksButton_ = new QRadioButton(ui("зв`язати завдання"), sortingPanel_);
  linksButton_->setAutoExclusive(false);
  place(linksButton_, {8, 152, 160, 20});
  connect(linksButton_, &QRadioButton::clicked, this, [this] {
    model_.chooseLinks();
    refresh();
  });
  clearLinks_ = new QPushButton(ui("Розв`язати"), sortingPanel_);
  clearLinks_->setToolTip(ui("Зняти всі зв`язки"));
  place(clearLinks_, {200, 150, 110, 24});
  connect(clearLinks_, &QPushButton::clicked, this, [this] {
    model_.clearLinks();
    refresh();
  });
  strip_ = new LinkStrip(scale_, sortingPanel_);
  place(strip_, {8, 174, 290, 30});
  connect(strip_, &LinkStrip::cellClicked, this, [this](int k) {
    model_.linkClick(k);
    refresh();
  });
  stripBar_ = new QScrollBar(Qt::Horizontal, sortingPanel_);
  stripBar_->setPageStep(kLinkStripCells);
  place(stripBar_, {8, 204, 290, 14});
  connect(stripBar_, &QScrollBar::valueChanged, this, [this](int position) {
    if (refreshing_) return;
    model_.scrollStrip(position);
    refresh();
  });
}

void SettingsDialog::layOutGrid() {
  const int n = model_.state().taskCount;
  grid_->setRowCount(n);
  for (QLineEdit* cell : gridCells_) cell->deleteLater();
  gridCells_.clear();
  for (int i = 1; i <= n; ++i) {
    auto* number = new QTableWidgetItem(QString::number(i));
    number->setFlags(Qt::ItemIsEnabled);
    grid_->setItem(i - 1, 0, number);
    grid_->setRowHeight(i - 1, scale_.y(16));
    // Cells are edited in place, their editors always shown.
    auto* cell = new QLineEdit(grid_);
    cell->setFrame(false);
    cell->setContextMenuPolicy(Qt::NoContextMenu);
    cell->installEventFilter(this);
    grid_->setCellWidget(i - 1, 1, cell);
    gridCells_.push_back(cell);
  }
}

void SettingsDialog::formatHelpPage() {
  // Written anew each time in the plain format, so that no format of the
  // last opening carries over.
  QStringList lines;
  for (const std::string& line : settingsHelpLines()) lines << fromCp1251(line);
  QTextDocument* doc = help_->document();
  doc->clear();
  doc->setDefaultFont(font());
  QTextCursor(doc).insertText(lines.join('\n'), QTextCharFormat());
  for (const HelpLineStyle& style : kSettingsHelpStyles) {
    QTextCursor c(doc->findBlockByNumber(style.line - 1));
    c.select(QTextCursor::BlockUnderCursor);
    c.movePosition(QTextCursor::StartOfBlock);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setForeground(qcolor(style.colour));
    f.setFontWeight(QFont::Bold);
    f.setFontUnderline(style.underline);
    f.setFontPointSize(12);
    c.mergeCharFormat(f);
  }
  help_->moveCursor(QTextCursor::Start);
}

void SettingsDialog::fill(const std::string& testName, const SettingsDialogState& state) {
  model_.fill(testName, state);
  // A test is opened far more often than the dialog: its sixty cells are
  // made when it is next shown.
  gridStale_ = true;
  if (isVisible()) refresh();
}

void SettingsDialog::openOver(bool afterPassword) {
  model_.open(afterPassword);
  formatHelpPage();
  refresh();
  const QRect w = parts_.window->geometry();
  Point at =
      sl::openingPosition({w.x(), w.y(), w.width(), w.height()}, scale_, {width(), height()});
  move(at.x, at.y);
  show();
  raise();
  activateWindow();
}

void SettingsDialog::refresh() {
  if (gridStale_) {
    gridStale_ = false;
    layOutGrid();
  }
  refreshing_ = true;
  const SettingsDialogModel& m = model_;
  const Settings& v = m.state().values;
  setWindowTitle(fromCp1251(m.title()));
  const SettingsTab tab = m.tab();
  tabs_->setCurrentIndex(static_cast<int>(tab));
  for (QWidget* w : {static_cast<QWidget*>(modeGroup_), static_cast<QWidget*>(controlGroup_),
                     static_cast<QWidget*>(timeGroup_), static_cast<QWidget*>(ok_)})
    w->setVisible(tab == SettingsTab::Settings);
  gradingGroup_->setVisible(tab == SettingsTab::Grading);
  passwordPanel_->setVisible(tab == SettingsTab::Grading);
  sortingPanel_->setVisible(tab == SettingsTab::Sorting);
  help_->setVisible(tab == SettingsTab::Help);
  ok_->setEnabled(m.okEnabled());

  // "Установки"
  modes_[static_cast<std::size_t>(std::clamp(v.mode, 0, 4))]->setChecked(true);
  showGrade_->setChecked(v.showGrade);
  percent_->setChecked(v.resultsInPercent);
  personalise_->setChecked(v.personalise);
  delay_->setChecked(v.delay);
  noFreeMoves_->setChecked(v.forbidFreeNavigation);
  reviewInOrder_->setChecked(v.reviewInComposedOrder);
  time_->setValue(v.timeLimitMinutes);
  timeCaption_->setText(fromCp1251(m.timeCaption()));
  timeCaption_->adjustSize();
  timeCaption_->move(scale_.x(m.timeCaptionX()), scale_.y(14));

  // "Оцінювання"
  weights_->setEnabled(m.weightsEnabled());
  weights_->setChecked(m.state().weightsSelected);
  const QColor gridText = m.gridBlack() ? QColor(Qt::black) : kGreyText;
  for (int i = 1; i <= static_cast<int>(gridCells_.size()); ++i) {
    QLineEdit* cell = gridCell(i);
    setTextKeepingCursor(cell, fromCp1251(m.gridCell(i)));
    cell->setReadOnly(!m.gridEditable());
    setTextColour(cell, gridText);
  }
  guessing_->setCurrentIndex(std::max(0, guessingChoice(v.guessingCode)));
  QPalette gp = guessing_->palette();
  const QColor ground = m.guessingGreyed() ? palette().color(QPalette::Window) : QColor(Qt::white);
  gp.setColor(QPalette::Button, ground);
  gp.setColor(QPalette::Base, ground);
  guessing_->setPalette(gp);
  setTextKeepingCursor(scaleField_, fromCp1251(m.scaleText()));
  setTextColour(totalCaption_, m.gridBlack() ? QColor(Qt::black) : QColor(0, 128, 128));
  setTextColour(total_, m.gridBlack() ? QColor(Qt::black) : QColor(0, 128, 128));
  total_->setVisible(m.totalShown());
  total_->setText(QString::number(m.total()));
  launches_->clear();
  for (int l : kLaunchChoices) launches_->addItem(QString::number(l), l);
  if (launches_->findData(v.launchesLeft) < 0)
    launches_->addItem(QString::number(v.launchesLeft), v.launchesLeft);
  launches_->setCurrentIndex(launches_->findData(v.launchesLeft));
  oldPassword_->setVisible(m.oldPasswordShown());
  oldPassword_->setEnabled(m.oldPasswordShown());
  setTextKeepingCursor(oldPassword_, fromCp1251(m.oldPasswordText()));
  newPassword_->setVisible(m.newPasswordShown());
  newPassword_->setEnabled(m.newPasswordShown());
  setTextKeepingCursor(newPassword_, QString::fromLatin1(m.newPasswordText().c_str()));

  // "Сортування"
  shuffle_->setChecked(v.shuffle);
  intervalsButton_->setChecked(m.sorting() == SortingChoice::Intervals);
  linksButton_->setChecked(m.sorting() == SortingChoice::Links);
  counter_->setValue(static_cast<int>(m.table().size()));
  counter_->setEnabled(m.tableEnabled());
  refreshTable();
  clearLinks_->setEnabled(m.clearLinksEnabled());
  strip_->setVisible(m.stripShown());
  stripBar_->setVisible(m.stripShown());
  stripBar_->setRange(1, m.stripEnd());
  stripBar_->setValue(m.stripPosition());
  strip_->setCells(m.stripCells());
  error_->setVisible(m.errorShown());
  refreshing_ = false;

  switch (model_.takeFocus()) {
    case DialogFocus::GuessingList:
      guessing_->setFocus();
      break;
    case DialogFocus::NewPassword:
      newPassword_->setFocus();
      break;
    case DialogFocus::None:
      break;
  }
}

void SettingsDialog::refreshTable() {
  const auto& rows = model_.table();
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    for (int c = 0; c < 3; ++c) {
      QString text =
          c == 0 ? QString::number(r + 1) : fromCp1251(rows[static_cast<std::size_t>(r)][c - 1]);
      QTableWidgetItem* item = table_->item(r, c);
      if (!item) {
        item = new QTableWidgetItem;
        table_->setItem(r, c, item);
      }
      if (item->text() != text) item->setText(text);
      item->setFlags(c == 0 ? Qt::ItemIsEnabled
                            : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    }
  }
  table_->setEnabled(model_.tableEnabled());
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::KeyPress;
  auto* key = static_cast<QKeyEvent*>(event);
  if (watched == guessing_ || watched == launches_) {
    // Chosen with the mouse only.
    return press || event->type() == QEvent::KeyRelease;
  }
  if (watched == time_ && press) {
    if (fieldKey(key) == FieldKey::Navigation) return false;
    if (!key->text().isEmpty()) {
      if (model_.timeKey(key->text().toLatin1().at(0))) refresh();
      return true;
    }
    return false;
  }
  if (watched == scaleField_ && press) {
    FieldKey k = fieldKey(key);
    return k != FieldKey::Navigation &&
           !SettingsDialogModel::scaleKeyTaken(toCp1251(scaleField_->text()), k);
  }
  if (watched == newPassword_) {
    if (event->type() == QEvent::MouseButtonPress) {
      model_.newPasswordClicked();
      refresh();
      return true;
    }
    if (press) {
      QString t = key->text();
      model_.newPasswordKey(fieldKey(key), t.isEmpty() ? '\0' : t.toLatin1().at(0));
      refresh();
      return true;
    }
    return false;
  }
  auto cell = std::find(gridCells_.begin(), gridCells_.end(), watched);
  if (cell != gridCells_.end()) {
    const int task = static_cast<int>(cell - gridCells_.begin()) + 1;
    if (press) {
      FieldKey k = fieldKey(key);
      if (k == FieldKey::Navigation) return false;
      if ((*cell)->isReadOnly()) return k != FieldKey::Enter;
      if (k == FieldKey::Enter) {
        if (task < static_cast<int>(gridCells_.size())) {
          gridCell(task + 1)->setFocus();
          grid_->scrollToItem(grid_->item(task, 0));
        }
        return true;
      }
      return !SettingsDialogModel::gridKeyTaken(toCp1251((*cell)->text()), k);
    }
    if (event->type() == QEvent::KeyRelease && !(*cell)->isReadOnly()) {
      model_.setGridCell(task, toCp1251((*cell)->text()));
      refresh();
    }
  }
  return QDialog::eventFilter(watched, event);
}

void SettingsDialog::save() {
  auto state = model_.stateToSave();
  if (!state) return;
  const OpenTestState& open = parts_.ws.openTest;
  std::error_code error = open.open() ? saveConfig(open.testFolder, *state)
                                      : std::make_error_code(std::errc::no_such_file_or_directory);
  if (error) {
    // The edits stay: the teacher may free the folder and press "Ок" again.
    parts_.showMessage(fromCp1251(configSaveErrorText(error)));
    return;
  }
  host_.saved();
  accept();
}

void SettingsDialog::done(int result) {
  QDialog::done(result);
  host_.closed();
}

}  // namespace ispyt
