#include "shell/ui/AppearanceDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

#include "attempt/StudentCard.h"
#include "platform/Cp1251.h"
#include "platform/qt/PixelFont.h"
#include "platform/qt/QtText.h"
#include "shell/ui/AppearancePage.h"
#include "shell/ui/ColourSwatchBox.h"

namespace ispyt {
namespace {

constexpr int kPageHeight = 272;
constexpr int kBoxHeight = 22;
const char* const kFamily = "DejaVu Sans";

// A drop-down of names: chosen with the mouse, never typed into.
class NamesBox : public QComboBox {
 public:
  explicit NamesBox(QWidget* parent) : QComboBox(parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override { event->accept(); }
};

QComboBox* namesBox(QWidget* page, QRect at) {
  auto* box = new NamesBox(page);
  box->setGeometry(at);
  return box;
}

QCheckBox* checkBox(QWidget* page, QPoint at) {
  auto* box = new QCheckBox(page);
  box->setGeometry(at.x(), at.y(), 18, 18);
  return box;
}

void setItems(QComboBox* box, const std::vector<std::string>& items) {
  box->clear();
  for (const std::string& item : items) box->addItem(fromCp1251(item));
}

// Shows `value`; a value the list lacks is added, so that it is kept.
void choose(QComboBox* box, const std::string& value) {
  const QString text = fromCp1251(value);
  int i = box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  if (i < 0 && !value.empty()) {
    box->addItem(text);
    i = box->count() - 1;
  }
  box->setCurrentIndex(i);
}

std::string chosenText(const QComboBox* box) { return toCp1251(box->currentText()); }

bool isUnlockKey(const QKeyEvent* event) {
  return event->key() == Qt::Key_F12 &&
         (event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) ==
             (Qt::ControlModifier | Qt::ShiftModifier);
}

// The character a key types, as Windows-1251, or 0 for a key that types
// none (arrows, Delete, Tab).
char typedCharacter(const QKeyEvent* event) {
  if (event->key() == Qt::Key_Backspace) return 8;
  const std::string text = toCp1251(event->text());
  if (text.size() != 1 || static_cast<unsigned char>(text[0]) == 127) return 0;
  return static_cast<unsigned char>(text[0]) < 32 ? 0 : text[0];
}

}  // namespace

AppearanceDialog::AppearanceDialog(Scheduler& scheduler, SystemShell& shell,
                                   ClassListEditor& classLists, const ClassLists& lists,
                                   QWidget* parent)
    : QDialog(parent), scheduler_(scheduler), shell_(shell), editor_(classLists), lists_(lists) {
  setModal(true);
  setFont(pixelFont(kFamily, 9));
  tabs_ = new QTabWidget(this);
  tabs_->setGeometry(3, 3, kAppearanceDialogWidth - 6, kPageHeight + 26);
  for (int i = 0; i < kAppearanceTabCount; ++i) {
    pages_[static_cast<std::size_t>(i)] = new AppearancePage;
    tabs_->addTab(pages_[static_cast<std::size_t>(i)],
                  fromCp1251(tabTitle(static_cast<AppearanceTab>(i))));
  }
  buildAppearanceTab();
  buildOptionsTab();
  buildListsTab();

  const int buttonsY = tabs_->geometry().bottom() + 8;
  ok_ = new QPushButton(ui("Ок"), this);
  apply_ = new QPushButton(ui("Застосувати"), this);
  close_ = new QPushButton(ui("Закрити"), this);
  ok_->setGeometry(8, buttonsY, 86, 26);
  apply_->setGeometry(104, buttonsY, 94, 26);
  close_->setGeometry(208, buttonsY, 86, 26);
  problem_ = new QLabel(this);
  problem_->setGeometry(8, buttonsY + 28, kAppearanceDialogWidth - 16, 28);
  problem_->setWordWrap(true);
  problem_->setStyleSheet("color: #800000;");
  setFixedSize(kAppearanceDialogWidth, buttonsY + 58);
  connect(ok_, &QPushButton::clicked, this, [this] { emit confirmed(true); });
  connect(apply_, &QPushButton::clicked, this, [this] { emit confirmed(false); });
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);

  captionTimer_ = scheduler_.createTimer([this] { captionStep(); });
  connect(tabs_, &QTabWidget::currentChanged, this, &AppearanceDialog::tabChanged);
  setSchemeNumber(schemeNumber_);
}

AppearanceDialog::~AppearanceDialog() = default;

void AppearanceDialog::buildAppearanceTab() {
  AppearancePage* page = pages_[0];
  const std::pair<const char*, QPoint> labels[] = {
      {"Фон програми", {10, 6}},       {"Фон діаграми", {150, 6}},
      {"Фон питання", {10, 56}},       {"Колір питання", {150, 56}},
      {"Фон вiдповідей", {10, 106}},   {"Колір вiдповідей", {150, 106}},
      {"Ефект переходу", {10, 156}},   {"Фон годинника", {174, 174}},
      {"Колір годинника", {174, 200}},
  };
  for (const auto& [text, at] : labels) page->addLabel(ui(text), at);
  programBackground_ = namesBox(page, {10, 24, 130, kBoxHeight});
  scheme_ = namesBox(page, {150, 24, 133, kBoxHeight});
  questionBackground_ = namesBox(page, {10, 74, 130, kBoxHeight});
  answerBackground_ = namesBox(page, {10, 124, 130, kBoxHeight});
  effect_ = namesBox(page, {10, 174, 130, kBoxHeight});
  setItems(scheme_, colourSchemeNames());
  setItems(effect_, effectNames());

  questionColour_ = new ColourSwatchBox(page);
  questionColour_->setGeometry(150, 74, 95, kBoxHeight);
  answerColour_ = new ColourSwatchBox(page);
  answerColour_->setGeometry(150, 124, 95, kBoxHeight);
  auto styleToggle = [page](QRect at) {
    auto* b = new QPushButton(page);
    b->setGeometry(at);
    b->setFont(pixelFont(kFamily, 10, true));
    // The caption is the state: "Ж" bold, empty plain.
    connect(b, &QPushButton::clicked, b, [b] { b->setText(b->text().isEmpty() ? ui("Ж") : ""); });
    return b;
  };
  questionStyle_ = styleToggle({251, 74, 32, kBoxHeight});
  answerStyle_ = styleToggle({251, 124, 32, kBoxHeight});

  clockBackground_ = checkBox(page, {150, 173});
  clockColour_ = checkBox(page, {150, 199});
  connect(clockBackground_, &QCheckBox::toggled, this, &AppearanceDialog::syncInterlocks);
}

void AppearanceDialog::buildOptionsTab() {
  AppearancePage* page = pages_[1];
  page->addLabel(ui("Набір тестів"), {10, 4}, 10);
  testSet_ = namesBox(page, {10, 24, 273, kBoxHeight});

  page->addLabel(ui("Файл результатів"), {10, 54}, 10);
  page->addLabel(ui("Очистити"), {188, 58}, 8);
  database_ = new QComboBox(page);
  database_->setEditable(true);
  database_->setInsertPolicy(QComboBox::NoInsert);
  database_->setGeometry(10, 74, 170, kBoxHeight);
  database_->lineEdit()->setMaxLength(static_cast<int>(kMaxDatabaseName));
  database_->lineEdit()->installEventFilter(this);
  clean_ = new QPushButton(ui("Очистка файлу"), page);
  clean_->setGeometry(186, 74, 97, kBoxHeight);
  clean_->setFont(pixelFont(kFamily, 8));
  connect(clean_, &QPushButton::clicked, this,
          [this] { emit cleanRequested(chosenText(database_)); });

  page->addLabel(ui("Сервер"), {30, 108});
  server_ = checkBox(page, {10, 107});
  for (int i = 0; i < 4; ++i) {
    auto* box = new QLineEdit(page);
    box->setGeometry(100 + i * 46, 106, 38, kBoxHeight);
    box->setMaxLength(3);
    box->setAlignment(Qt::AlignCenter);
    box->installEventFilter(this);
    address_[static_cast<std::size_t>(i)] = box;
    if (i > 0) page->addLabel(".", {100 + i * 46 - 6, 110});
  }
  unsent_ = new QLabel(page);
  unsent_->setGeometry(100, 127, 184, 12);
  unsent_->setFont(pixelFont(kFamily, 8));

  const std::tuple<QCheckBox**, const char*, QPoint, int> boxes[] = {
      {&sound_, "Звук", {10, 138}, 9},
      {&keyboard_, "Клавіатура", {100, 138}, 9},
      {&fullScreen_, "На весь екран", {10, 166}, 9},
      {&proportional_, "Пропорційно", {150, 166}, 9},
      {&desktop_, "Робочій стіл", {10, 194}, 9},
      {&byList_, "За списком", {150, 193}, 10},
  };
  for (const auto& [box, text, at, points] : boxes) {
    *box = checkBox(page, at);
    page->addLabel(ui(text), at + QPoint(20, 1), points);
  }
  connect(fullScreen_, &QCheckBox::toggled, this, &AppearanceDialog::syncInterlocks);

  page->addLabel(ui("Додаткові параметри"), {10, 224}, 8);
  page->addLabel("-", {12, 236}, 14);
  page->addLabel("+", {264, 236}, 14);
  pointer_ = new QSlider(Qt::Horizontal, page);
  pointer_->setGeometry(30, 242, 228, 20);
  pointer_->setRange(0, 3);
  pointer_->setPageStep(1);
  pointer_->setTickPosition(QSlider::TicksBelow);
  // "-" slower at the left, "+" faster at the right: 3 is the slowest.
  pointer_->setInvertedAppearance(true);
  pointer_->setToolTip(ui("Швидкість вказівника"));
}

void AppearanceDialog::buildListsTab() {
  AppearancePage* page = pages_[2];
  page->addLabel(ui("Клас"), {10, 4}, 10);
  classNumber_ = namesBox(page, {10, 24, 60, kBoxHeight});
  classLetter_ = namesBox(page, {78, 24, 50, kBoxHeight});
  group_ = namesBox(page, {150, 24, 133, kBoxHeight});
  setItems(classNumber_, classNumbers());
  setItems(classLetter_, classLetters());
  connect(classNumber_, &QComboBox::activated, this, &AppearanceDialog::classChosen);
  connect(classLetter_, &QComboBox::activated, this, &AppearanceDialog::classChosen);
  connect(group_, &QComboBox::activated, this, [this](int row) {
    if (row < 0 || row >= static_cast<int>(lists_.size())) return;
    const ClassList& list = lists_[static_cast<std::size_t>(row)];
    choose(classNumber_, std::to_string(list.classNumber));
    choose(classLetter_, list.letter);
    classChosen();
  });

  memo_ = new QPlainTextEdit(page);
  memo_->setGeometry(10, 54, 273, 178);
  memo_->installEventFilter(this);
  saveList_ = new QPushButton(ui("Зберегти список"), page);
  saveList_->setGeometry(10, 240, 130, 24);
  deleteList_ = new QPushButton(ui("Вилучити список"), page);
  deleteList_->setGeometry(153, 240, 130, 24);
  connect(saveList_, &QPushButton::clicked, this, &AppearanceDialog::saveClassList);
  connect(deleteList_, &QPushButton::clicked, this, &AppearanceDialog::deleteClassList);
}

void AppearanceDialog::fill(const DecorSettings& d, const Choices& c,
                            WindowOptionsAvailable available) {
  available_ = available;
  setItems(programBackground_, c.programBackgrounds);
  setItems(questionBackground_, c.cardBackgrounds);
  setItems(answerBackground_, c.cardBackgrounds);
  setItems(testSet_, c.testSets);
  setItems(database_, c.resultDatabases);
  refreshClassLists();

  choose(testSet_, d.testSet);
  choose(programBackground_, d.programBackground);
  choose(questionBackground_, d.questionBackground);
  choose(answerBackground_, d.answerBackground);
  choose(scheme_, d.colourScheme);
  choose(effect_, d.effect);
  clockBackground_->setChecked(d.clockBackground);
  clockColour_->setChecked(d.clockColour);
  sound_->setChecked(d.sound);
  pointer_->setValue(d.pointerSpeed);
  keyboard_->setChecked(d.keyboard);
  questionColour_->setCode(d.questionColour);
  answerColour_->setCode(d.answerColour);
  database_->setEditText(fromCp1251(d.resultDatabase));
  fullScreen_->setChecked(d.fullScreen);
  proportional_->setChecked(d.proportional);
  questionStyle_->setText(d.questionBold ? ui("Ж") : "");
  answerStyle_->setText(d.answerBold ? ui("Ж") : "");
  for (std::size_t i = 0; i < address_.size(); ++i) address_[i]->setText(fromCp1251(d.address[i]));
  server_->setChecked(d.sendResults);
  teacherPort_ = d.teacherPort;
  unsent_->setText(ui("Не надіслано результатів: ") + QString::number(c.unsentResults));
  byList_->setChecked(d.byList);
  showClassList(d.listClass, d.listLetter, d.listGroup);

  if (!available.desktop) desktop_->setChecked(false);
  desktop_->setEnabled(available.desktop);
  fullScreen_->setEnabled(available.fullScreen);
  syncInterlocks();
  ok_->setEnabled(false);
  apply_->setEnabled(false);
  showProblem({});
  windowTitle_ = parentWidget() ? parentWidget()->window()->windowTitle() : QString();
  if (tabs_->currentIndex() == static_cast<int>(AppearanceTab::Options))
    tabChanged(tabs_->currentIndex());
  else
    tabs_->setCurrentIndex(static_cast<int>(AppearanceTab::Options));
}

DecorSettings AppearanceDialog::chosen() const {
  DecorSettings d;
  d.testSet = chosenText(testSet_);
  d.programBackground = chosenText(programBackground_);
  d.questionBackground = chosenText(questionBackground_);
  d.answerBackground = chosenText(answerBackground_);
  d.colourScheme = chosenText(scheme_);
  d.clockBackground = clockBackground_->isChecked();
  d.clockColour = clockColour_->isChecked();
  d.effect = chosenText(effect_);
  d.sound = sound_->isChecked();
  d.pointerSpeed = pointer_->value();
  d.keyboard = keyboard_->isChecked();
  d.questionColour = questionColour_->code();
  d.answerColour = answerColour_->code();
  d.resultDatabase = toCp1251(database_->currentText());
  d.fullScreen = fullScreen_->isChecked();
  d.proportional = proportional_->isChecked();
  d.questionBold = !questionStyle_->text().isEmpty();
  d.answerBold = !answerStyle_->text().isEmpty();
  for (std::size_t i = 0; i < address_.size(); ++i) d.address[i] = toCp1251(address_[i]->text());
  d.sendResults = server_->isChecked();
  d.teacherPort = teacherPort_;
  d.byList = byList_->isChecked();
  d.listClass = chosenText(classNumber_);
  d.listLetter = chosenText(classLetter_);
  d.listGroup = chosenText(group_);
  return d;
}

bool AppearanceDialog::desktopMode() const { return desktop_->isChecked(); }

bool AppearanceDialog::unlocked() const { return ok_->isEnabled(); }

void AppearanceDialog::syncInterlocks() {
  // The clock's face hides the colour choice; a window that is not full
  // screen is never scaled.
  if (clockBackground_->isChecked()) clockColour_->setChecked(false);
  clockColour_->setEnabled(!clockBackground_->isChecked());
  if (!fullScreen_->isChecked()) proportional_->setChecked(false);
  proportional_->setEnabled(available_.proportional && fullScreen_->isChecked());
}

void AppearanceDialog::refreshClassLists() {
  const QString group = group_->currentText();
  setItems(group_, classListCaptions(lists_));
  group_->setCurrentIndex(group_->findText(group));
}

void AppearanceDialog::showClassList(const std::string& number, const std::string& letter,
                                     const std::string& group) {
  choose(classNumber_, number);
  choose(classLetter_, letter);
  choose(group_, group);
  classChosen();
}

void AppearanceDialog::dropClassList() {
  byList_->setChecked(false);
  classNumber_->setCurrentIndex(-1);
  classLetter_->setCurrentIndex(-1);
  classChosen();
}

void AppearanceDialog::classChosen() {
  editor_.choose(chosenText(classNumber_), chosenText(classLetter_));
  QStringList lines;
  for (const std::string& pupil : editor_.memo()) lines << fromCp1251(pupil);
  memo_->setPlainText(lines.join('\n'));
  saveList_->setEnabled(classNumber_->currentIndex() >= 0);
  deleteList_->setEnabled(editor_.found());
}

void AppearanceDialog::saveClassList() {
  std::vector<std::string> lines;
  for (const QString& line : memo_->toPlainText().split('\n')) lines.push_back(toCp1251(line));
  const std::string subGroup = editor_.found() ? lists_[editor_.row()].subGroup : std::string();
  std::error_code written;
  if (!editor_.save(subGroup, lines, written)) return;
  refreshClassLists();
  classChosen();
  showProblem(written ? ui("Список не записано: ") + QString::fromStdString(written.message())
                      : QString());
}

void AppearanceDialog::deleteClassList() {
  std::error_code written;
  if (!editor_.remove(written)) return;
  refreshClassLists();
  dropClassList();
  showProblem(written ? ui("Списки не записано: ") + QString::fromStdString(written.message())
                      : QString());
}

void AppearanceDialog::removeDatabase(const std::string& name) {
  const int i =
      database_->findText(fromCp1251(name), Qt::MatchFixedString | Qt::MatchCaseSensitive);
  if (i >= 0) database_->removeItem(i);
  database_->setEditText({});
}

void AppearanceDialog::showProblem(const QString& text) { problem_->setText(text); }

QString AppearanceDialog::problem() const { return problem_->text(); }

void AppearanceDialog::setSchemeNumber(int number) {
  schemeNumber_ = number;
  for (AppearancePage* page : pages_) page->setScheme(number);
}

void AppearanceDialog::tabChanged(int index) {
  if (index < 0) return;
  captionText_ = tabCaptionText(static_cast<AppearanceTab>(index));
  captionStep_ = 0;
  captionStep();
  captionTimer_->start(kCaptionEffectInterval);
}

void AppearanceDialog::captionStep() {
  const QString text = fromCp1251(captionEffectText(captionText_, captionStep_));
  setWindowTitle(text);
  if (parentWidget()) parentWidget()->window()->setWindowTitle(text);
  if (++captionStep_ >= kCaptionEffectSteps) captionTimer_->stop();
}

void AppearanceDialog::done(int result) {
  captionTimer_->stop();
  if (parentWidget()) parentWidget()->window()->setWindowTitle(windowTitle_);
  QDialog::done(result);
}

bool AppearanceDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && watched == database_->lineEdit())
    shell_.activateKeyboardLayout(kLayoutEnglish);
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  for (int i = 0; i < 4; ++i)
    if (watched == address_[static_cast<std::size_t>(i)]) return addressKeyPressed(i, key);
  if (watched == database_->lineEdit()) return databaseKeyPressed(key);
  if (watched == memo_) return memoKeyPressed(key);
  return QDialog::eventFilter(watched, event);
}

bool AppearanceDialog::addressKeyPressed(int i, QKeyEvent* event) {
  const char c = typedCharacter(event);
  if (c == 0) return false;
  QLineEdit* box = address_[static_cast<std::size_t>(i)];
  const AddressKey rule = addressKey(toCp1251(box->text()), c);
  if (!rule.accepted) return true;
  if (!rule.moveToNext) return false;
  box->insert(event->text());
  if (i + 1 < 4) address_[static_cast<std::size_t>(i + 1)]->setFocus();
  return true;
}

bool AppearanceDialog::databaseKeyPressed(QKeyEvent* event) {
  const char c = typedCharacter(event);
  if (c == 0) return false;
  QLineEdit* box = database_->lineEdit();
  const std::optional<char> stored =
      databaseNameKey(c, static_cast<std::size_t>(box->text().size()));
  if (!stored) return true;
  if (*stored == c) return false;
  box->insert(fromCp1251(std::string(1, *stored)));
  return true;
}

bool AppearanceDialog::memoKeyPressed(QKeyEvent* event) {
  switch (pupilMemoKey(isUnlockKey(event), classNumber_->currentIndex() >= 0)) {
    case MemoKey::Unlock:
      ok_->setEnabled(true);
      apply_->setEnabled(true);
      return true;
    case MemoKey::Refuse:
      return true;
    case MemoKey::Insert:
      return false;
  }
  return false;
}

}  // namespace ispyt
