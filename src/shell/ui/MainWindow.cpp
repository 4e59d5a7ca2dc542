#include "shell/ui/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "attempt/ClassListFile.h"
#include "attempt/RegistrationCard.h"
#include "content/OpenTest.h"
#include "content/TestSets.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/PixelFont.h"
#include "platform/qt/QtGeometry.h"
#include "platform/qt/QtText.h"
#include "presentation/ui/RenderTitle.h"
#include "shell/Dispatcher.h"
#include "shell/HotKeys.h"
#include "shell/MainLayout.h"
#include "shell/SideListFill.h"
#include "shell/StartUp.h"
#include "shell/ui/SurroundWindow.h"

namespace ispyt {
namespace {

const char* const kCaptionTexts[kMenuCaptionCount] = {"Тест",       "Установки", "Результат",
                                                      "Оформлення", "Вихід",     "?"};

// The publisher's line of the status strip and the surround window.
const char* const kPublisherLine = "ispyt · комп'ютерне тестування";
const char* const kSurroundCaption = "ispyt " ISPYT_VERSION;

}  // namespace

MainWindow::MainWindow(MainWindowOptions options)
    : QWidget(nullptr, Qt::FramelessWindowHint),
      shell_(options.shell ? std::move(options.shell) : makeSystemShell()),
      terminator_(*shell_, options.endProcess ? options.endProcess : [] {
        std::fflush(nullptr);
        std::_Exit(0);
      }),
      random_(Random::clockSeeded()),
      messages_(options.showMessage ? options.showMessage : [this](const QString& text) {
        auto* box = new QMessageBox(QMessageBox::Information, "ispyt", text, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
      }),
      actions_(options.actions ? std::move(options.actions) : std::make_unique<SectionActions>()) {
  ws_.programFolder = options.programFolder;
  QScreen* screen = QGuiApplication::primaryScreen();
  ws_.screen = screen ? Size{screen->geometry().width(), screen->geometry().height()}
                      : Size{kDesignWidth, kDesignHeight};

  // 2. The desktop as it is before the window covers it.
  desktop_ = takeDesktopSnapshot(QSize(ws_.screen.width, ws_.screen.height));
  // 3.-6. Title lines, fonts, a fresh state with no test open.
  publisherLine_ = ui(kPublisherLine);
  ws_.wingdingsInstalled = fontInstalled(installedFontFamilies(), "Wingdings");
  // 9. Working folders, 10. the current test set.
  prepareWorkingFolders(ws_.programFolder);
  resetWorkstation(ws_, random_);
  // 7. The picture sheet, drawn once.
  artwork_ = ArtworkList::build();
  // 12. Placement and the desktop take-over.
  placeWorkstation(ws_, *shell_);
  const Rect& w = ws_.placement.window;
  setGeometry(w.x, w.y, w.width, w.height);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);

  surround_ = std::make_unique<SurroundWindow>(ws_.placement, desktop_, look_.frameColour);
  surround_->setSmallCaption(ui(kSurroundCaption));

  // 13. Controls scaled to the screen.
  createControls();
  scaleControls();

  // 15. The first screen and its intro.
  look_.publisherLine = publisherLine_;
  screen_ = QImage(w.width, w.height, QImage::Format_RGB32);
  createAttemptDesk();
  introPictures_ = std::make_unique<IntroPictures>(
      screen_, ws_.scale, artwork_,
      IntroPictures::Host{
          [this] { loadClassListsAtStart(); },
          [this] { surround_->showPublisherLine(publisherLine_); },
          [this] { makeMenuAvailable(); },
          [this] { update(); },
      });
  intro_ = std::make_unique<IntroAnimation>(scheduler_, *introPictures_);
  titleRedrawTimer_ = scheduler_.createTimer([this] { update(); });
  titleRedrawTimer_->setSingleShot(true);
  transitionTimer_ = scheduler_.createTimer([this] {
    transitionTimer_->stop();
    intro_->startIfAtFirstStep();
  });
  // 14. A transparent background needs the desktop as it shows through
  // the window, so the first screen waits for the first paint.
  if (ws_.decor.programBackground == cp1251("Прозорий")) {
    transparentStartPending_ = true;
  } else {
    drawFirstScreen();
    introPictures_->prepareLogoFrames();
    intro_->reset();
    startOpeningTransition();
  }

  // 16. The test set's name; 17. the Ukrainian keyboard layout.
  showTestSetCaption();
  shell_->activateKeyboardLayout(kLayoutUkrainian);
}

MainWindow::~MainWindow() = default;

void MainWindow::showOnScreen() {
  if (ws_.placement.surround != SurroundForm::Hidden) surround_->show();
  show();
  raise();
  activateWindow();
}

QRect MainWindow::screenRect(const Rect& design) const { return qrect(ws_.scale.rect(design)); }

void MainWindow::createControls() {
  for (int i = 0; i < kMenuCaptionCount; ++i) {
    auto c = static_cast<MenuCaption>(i);
    captions_[i] = new MenuCaptionLabel(ui(kCaptionTexts[i]), this);
    connect(captions_[i], &MenuCaptionLabel::entered, this, [this, c] { captionEntered(c); });
    connect(captions_[i], &MenuCaptionLabel::clicked, this, [this, c] { captionClicked(c); });
  }
  syncCaptions();

  testSetCaption_ = new QLabel(this);
  testSetCaption_->setAlignment(Qt::AlignCenter);

  // The keyboard language for typed answers: a list that takes no keys.
  layoutSelector_ = new CardDropDown(this);
  QStringList choices;
  for (const std::string& c : layoutChoices()) choices << fromCp1251(c);
  layoutSelector_->setItems(choices);
  layoutSelector_->setPanelText(fromCp1251(layoutIndicator(std::string(layoutChoice_))));
  connect(layoutSelector_, &CardDropDown::chosen, this, [this](int row) {
    layoutChoice_ = layoutOfChoice(layoutChoices().at(static_cast<std::size_t>(row)));
    layoutSelector_->setPanelText(fromCp1251(layoutIndicator(std::string(layoutChoice_))));
    shell_->activateKeyboardLayout(layoutChoice_);
  });
  layoutSelector_->hide();

  sideMenu_ = new SideMenuWindow(this);
  connect(sideMenu_, &SideMenuWindow::itemClicked, this, &MainWindow::sideItemClicked);
  connect(sideMenu_, &SideMenuWindow::closedBySystem, this, [this] {
    menu_.setOpen(MenuCaption::Test, false);
    syncCaptions();
  });
  dispatcherTimer_ = scheduler_.createTimer([this] { runDispatcher(); });
  dispatcherTimer_->setSingleShot(true);

  prompt_ = new PasswordPrompt(this);
  connect(prompt_, &PasswordPrompt::accepted, this, &MainWindow::passwordAccepted);
  connect(prompt_, &PasswordPrompt::closed, this, [this] {
    menu_.setOpen(MenuCaption::Settings, false);
    syncCaptions();
  });
}

void MainWindow::createAttemptDesk() {
  auto tile = [this](const std::string& backdrop) {
    return backdrop == cp1251("Пергамент") ? artwork_.cut(artwork::kParchmentTile) : QImage();
  };
  AttemptDesk::Host host{
      [this](const QString& text, QColor colour) {
        testSetCaption_->setStyleSheet(
            QString("color: %1; background: transparent;").arg(colour.name()));
        testSetCaption_->setText(text);
      },
      [this] { showTestSetCaption(); },
      [this] {
        menu_.setColour(MenuCaption::Test, CaptionColour::Navy);
        menu_.setOpen(MenuCaption::Exit, false);
        syncCaptions();
      },
      [this] { card_->hide(); },
      [this](bool typing, bool showSelector) {
        if (typing) shell_->activateKeyboardLayout(layoutChoice_);
        layoutSelector_->setVisible(showSelector);
      },
  };
  card_ = new CardPanel(ws_.student, ws_.classLists, *shell_,
                        [this](bool ready) { desk_->cardReady(ready); }, this);
  card_->place(ws_.scale);
  card_->hide();
  desk_ = std::make_unique<AttemptDesk>(
      ws_, test_, scheduler_, random_, *card_,
      TaskCanvas::Parts{&screen_, &background_, this, ws_.scale,
                        tile(ws_.decor.questionBackground), tile(ws_.decor.answerBackground),
                        [this] { update(); }},
      look_, std::move(host));
}

void MainWindow::scaleControls() {
  const ScreenScale& s = ws_.scale;
  std::vector<int> widths;
  QFont captionFont = pixelFont("DejaVu Sans", s.font(12));
  for (auto* c : captions_) {
    c->setFont(captionFont);
    c->adjustSize();
    widths.push_back(c->width());
  }
  auto xs = layoutMenuCaptions(widths, s);
  for (int i = 0; i < kMenuCaptionCount; ++i)
    captions_[i]->move(xs[i], s.y(layout::kMenuCaptionY));

  testSetCaption_->setGeometry(screenRect(layout::kTestSetCaption));
  layoutSelector_->setBoxFont(pixelFont("DejaVu Sans", s.font(8)));
  layoutSelector_->place(screenRect(layout::kKeyboardSelector), s.x(16));

  sideMenu_->setItemFont(pixelFont("DejaVu Sans", s.font(10), true));
  prompt_->setGeometry(screenRect(layout::kStatusStrip));
  prompt_->setFonts(s.font(12), s.font(10), s.font(8));
}

void MainWindow::drawFirstScreen() {
  const QSize size = screen_.size();
  if (ws_.decor.programBackground == cp1251("Прозорий"))
    background_ = desktop_.copy(ws_.placement.window.x, ws_.placement.window.y, size.width(),
                                size.height());
  else
    background_ = buildProgramBackground(size, ws_.scale, artwork_, look_);
  screen_ = background_.copy();
  introPictures_->prepare(background_.copy(screenRect(layout::kTitleArea)), false);
  paintFirstScreen(screen_, ws_.scale, look_);
  showAnnouncement();
}

void MainWindow::startOpeningTransition() {
  // Without an effect the new content is on screen at once; the next tick
  // carries on with what waited for the transition.
  transitionTimer_->setSingleShot(false);
  transitionTimer_->start(1);
}

void MainWindow::showTestSetCaption() {
  showTestSetTitle(ws_.testSet, testSetTitleFontSize(ws_.testSet));
}

void MainWindow::showTestSetTitle(const std::string& name, int designFontSize) {
  testSetCaption_->setFont(pixelFont("DejaVu Sans", ws_.scale.font(designFontSize), true));
  testSetCaption_->setStyleSheet("color: rgb(128,0,0); background: transparent;");
  testSetCaption_->setText(fromCp1251(name));
}

void MainWindow::showResultsCaption(const MenuCaptionText& text) {
  MenuCaptionLabel* results = caption(MenuCaption::Results);
  results->setText(fromCp1251(text.text));
  menu_.setColour(MenuCaption::Results, text.colour);
  results->adjustSize();
  // The captions after it move with its width: 20 pixels apart, and "?"
  // keeps its gap after "Вихід" so that a long count never covers it.
  MenuCaptionLabel* previous = results;
  for (MenuCaption c : {MenuCaption::Appearance, MenuCaption::Exit, MenuCaption::Help}) {
    int gap = c == MenuCaption::Help ? ws_.scale.x(18) : 20;
    caption(c)->move(previous->x() + previous->width() + gap, caption(c)->y());
    previous = caption(c);
  }
  syncCaptions();
}

bool MainWindow::openTest(const std::string& name) {
  if (OpenTest(name, {ws_, test_, random_, *shell_, *this}) <= 0) return false;
  desk_->testOpened();
  return true;
}

void MainWindow::showMessage(const std::string& cp1251Text) { messages_(fromCp1251(cp1251Text)); }

void MainWindow::drawTitleScreen(const Test& test) {
  QRect title = screenRect(layout::kTitleArea);
  textSlots_.backdrops.titleBackdrop = background_.copy(title);
  SlotBackdrop backdrop;
  backdrop.scaleX = ws_.scale.scaleX;
  backdrop.scaleY = ws_.scale.scaleY;
  backdrop.colourScheme = ws_.decor.colourScheme;
  QImage picture = RenderTitle(textSlots_, backdrop, test.title, title.width(), title.height());
  QPainter p(&screen_);
  p.drawImage(title.topLeft(), picture);
  p.end();
  showAnnouncement();
}

void MainWindow::showAnnouncement() {
  QRect card = screenRect(layout::kCardArea);
  std::filesystem::path testFolder = ws_.testOpen() ? ws_.openTest.testFolder : std::filesystem::path();
  QImage picture = announcement_.build(
      testFolder, locate(ws_.programFolder, ws_.baseFolderName + "/" + ws_.testSet),
      background_.copy(card), look_.frameColour);
  QPainter p(&screen_);
  p.drawImage(card.topLeft(), picture);
  p.end();
  update();
}

void MainWindow::startTitleRedraw() { titleRedrawTimer_->start(1); }

void MainWindow::loadClassListsAtStart() {
  if (!exists(ws_.programFolder, "School.dbs")) return;
  ClassListReading reading = LoadClassLists(ws_.programFolder);
  // What was whole is kept; a damaged file is reported once.
  ws_.classLists = std::move(reading.lists);
  if (!reading.message().empty()) messages_(fromCp1251(reading.message()));
}

void MainWindow::makeMenuAvailable() {
  bool noTests = ws_.testSet == cp1251("Нема тестів");
  menu_.setColour(MenuCaption::Test, noTests ? CaptionColour::Grey : CaptionColour::Navy);
  menu_.setColour(MenuCaption::Appearance, CaptionColour::Navy);
  syncCaptions();
}

void MainWindow::syncCaptions() {
  for (int i = 0; i < kMenuCaptionCount; ++i) {
    auto c = static_cast<MenuCaption>(i);
    captions_[i]->show(menu_.colour(c), menu_.isOpen(c));
  }
}

void MainWindow::captionEntered(MenuCaption c) {
  menu_.hover(c, attemptRunning());
  syncCaptions();
}

void MainWindow::captionClicked(MenuCaption c) {
  // A caption left highlighted from before the attempt stays still too.
  if (attemptRunning() && MainMenu::restingDuringAttempt(c)) return;
  if (!menu_.clickable(c)) {
    if (c == MenuCaption::Appearance) {
      menu_.setOpen(c, false);
      syncCaptions();
    }
    return;
  }
  switch (c) {
    case MenuCaption::Test:
      intro_->stopForGood();
      openTestList();
      break;
    case MenuCaption::Results:
      openResultList();
      break;
    case MenuCaption::Settings:
      menu_.setOpen(MenuCaption::Settings, true);
      menu_.setOpen(MenuCaption::Help, false);
      menu_.setOpen(MenuCaption::Test, false);
      syncCaptions();
      if (transitionTimer_->isActive()) {
        menu_.setOpen(MenuCaption::Settings, false);
        syncCaptions();
      } else if (ws_.settings.hasPassword()) {
        askPassword();
      } else {
        actions_->openSettingsDialog();
      }
      break;
    case MenuCaption::Appearance:
      menu_.setOpen(MenuCaption::Appearance, true);
      menu_.setOpen(MenuCaption::Help, false);
      menu_.setOpen(MenuCaption::Test, false);
      syncCaptions();
      intro_->stopForGood();
      actions_->openAppearanceDialog();
      break;
    case MenuCaption::Exit:
      requestExit();
      break;
    case MenuCaption::Help:
      actions_->showHelp();
      break;
  }
}

void MainWindow::openTestList() {
  sideMenu_->hide();
  menu_.setOpen(MenuCaption::Test, true);
  for (MenuCaption c : {MenuCaption::Settings, MenuCaption::Help, MenuCaption::Results})
    menu_.setOpen(c, false);
  syncCaptions();
  prompt_->hide();
  std::vector<std::string> tests(ws_.openTest.tests.begin(), ws_.openTest.tests.end() - 1);
  const ScreenScale& s = ws_.scale;
  SideMenuLayout l = layoutTestList(tests, s, sideMenu_->metrics(s.font(10)));
  openSideMenu(l, mapToGlobal(QPoint(l.position.x, l.position.y)));
}

void MainWindow::openSideMenu(const SideMenuLayout& l, QPoint screenPosition) {
  auto pixels = sideListFill(ws_.decor.colourScheme, l.size.width, l.size.height, random_);
  QImage fill;
  if (!pixels.empty()) {
    fill = QImage(l.size.width, l.size.height, QImage::Format_RGB32);
    for (int y = 0; y < l.size.height; ++y)
      std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * l.size.width, l.size.width,
                  reinterpret_cast<QRgb*>(fill.scanLine(y)));
  }
  sideMenu_->setBackground(fill, look_.frameColour);
  sideMenu_->open(l, screenPosition);
}

void MainWindow::openResultList() {
  ws_.resultsUnlocked = false;
  for (MenuCaption c : {MenuCaption::Help, MenuCaption::Test, MenuCaption::Settings})
    menu_.setOpen(c, false);
  menu_.setColour(MenuCaption::Settings, CaptionColour::Grey);
  menu_.setOpen(MenuCaption::Results, true);
  syncCaptions();
  prompt_->hide();
  sideMenu_->hide();
  resultPage_ = 0;
  const ScreenScale& s = ws_.scale;
  SideMenuLayout l = layoutResultList(ws_.openTest.results.codes, resultPage_,
                                      caption(MenuCaption::Results)->x(),
                                      s, sideMenu_->metrics(s.font(10)));
  openSideMenu(l, mapToGlobal(QPoint(l.position.x, l.position.y)));
}

void MainWindow::sideItemClicked(int index) {
  if (index == 18 && menu_.highlighted(MenuCaption::Results)) {
    const auto& codes = ws_.openTest.results.codes;
    resultPage_ = nextResultPage(resultPage_, static_cast<int>(codes.size()));
    const ScreenScale& s = ws_.scale;
    openSideMenu(layoutResultList(codes, resultPage_, caption(MenuCaption::Results)->x(), s,
                                  sideMenu_->metrics(s.font(10))),
                 sideMenu_->pos());
    return;
  }
  chosenItem_ = sideMenu_->layout().items[index].text;
  sideMenu_->closeAfterChoice();
  dispatcherTimer_->start(1);
}

void MainWindow::runDispatcher() {
  DispatchContext context;
  context.transitionRunning = transitionTimer_->isActive();
  context.passwordSet = ws_.settings.hasPassword();
  context.testOpen = ws_.testOpen();
  Dispatch d = dispatch(menu_, chosenItem_, context);
  if (d.setsSelectedResult) ws_.selectedResult = d.selectedResult;
  switch (d.action) {
    case DispatchAction::ApplyAppearance:
      actions_->applyAppearance();
      break;
    case DispatchAction::Help:
      actions_->showHelp();
      break;
    case DispatchAction::About:
      actions_->showAbout();
      break;
    case DispatchAction::OpenTest:
      menu_.setColour(MenuCaption::Appearance, CaptionColour::Grey);
      menu_.setColour(MenuCaption::Settings, CaptionColour::Navy);
      if (!openTest(chosenItem_)) {
        // A test that did not open leaves the menu as it was with none.
        menu_.setColour(MenuCaption::Appearance, CaptionColour::Navy);
        menu_.setColour(MenuCaption::Settings, CaptionColour::Grey);
      }
      break;
    case DispatchAction::CleanResults:
      actions_->cleanResults();
      break;
    case DispatchAction::MonitorAllResults:
      actions_->monitorAllResults();
      break;
    case DispatchAction::ShowResult:
      actions_->showStoredResult(ws_.selectedResult);
      break;
    case DispatchAction::PromptPassword:
      askPassword();
      break;
    case DispatchAction::Nothing:
      break;
  }
  if (menu_.highlighted(MenuCaption::Results)) menu_.setOpen(MenuCaption::Results, false);
  syncCaptions();
}

void MainWindow::askPassword() { prompt_->ask(ws_.settings.password); }

void MainWindow::passwordAccepted() {
  if (menu_.colour(MenuCaption::Settings) == CaptionColour::Grey) {
    // The results section: the command the password was asked for.
    if (ws_.selectedResult.empty()) {
      actions_->cleanResults();
    } else if (ws_.selectedResult == "-") {
      ws_.resultsUnlocked = true;
      ws_.selectedResult.clear();
      actions_->monitorAllResults();
    } else {
      ws_.resultsUnlocked = true;
      ws_.resultShown = true;
      actions_->showResultChart();
    }
  } else {
    actions_->openSettingsDialog();
  }
}

void MainWindow::paintEvent(QPaintEvent*) {
  QScreen* s = screen();
  terminator_.checkScreenWidth(ws_.screen.width, s ? s->geometry().width() : ws_.screen.width);
  if (transparentStartPending_) {
    // The logo frames are not built on this path: intro steps 6-14 show
    // nothing.
    transparentStartPending_ = false;
    drawFirstScreen();
    startOpeningTransition();
    intro_->reset();
  }
  QPainter p(this);
  p.drawImage(0, 0, confirm_.shown() ? confirm_.picture() : screen_);
  if (firstFrame_) {
    firstFrame_ = false;
    emit firstFramePainted();
  }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  hotKey(event);
  if (!event->isAccepted() && desk_->keyPressed(event->key(), toCp1251(event->text())))
    event->accept();
  if (!event->isAccepted()) QWidget::keyPressEvent(event);
}

void MainWindow::hotKey(QKeyEvent* event) {
  static const std::pair<int, HotKey> kKeys[] = {
      {Qt::Key_Insert, HotKey::Insert}, {Qt::Key_End, HotKey::End}, {Qt::Key_F1, HotKey::F1},
      {Qt::Key_F2, HotKey::F2},         {Qt::Key_F3, HotKey::F3},   {Qt::Key_F4, HotKey::F4},
      {Qt::Key_F5, HotKey::F5},         {Qt::Key_F6, HotKey::F6},   {Qt::Key_F7, HotKey::F7},
      {Qt::Key_F8, HotKey::F8},         {Qt::Key_F9, HotKey::F9},   {Qt::Key_F10, HotKey::F10},
      {Qt::Key_Left, HotKey::Left},     {Qt::Key_Right, HotKey::Right},
  };
  event->ignore();
  std::optional<HotKey> key;
  if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) key = HotKey::AltF4;
  for (auto [qtKey, k] : kKeys)
    if (!key && event->key() == qtKey) key = k;
  if (!key) return;
  HotKeyContext c;
  c.transitionRunning = transitionTimer_->isActive();
  c.attemptRunning = attemptRunning();
  c.resultSelected = !ws_.selectedResult.empty();
  c.mode = ws_.settings.mode;
  c.passwordSet = ws_.settings.hasPassword();
  c.resultsUnlocked = ws_.resultsUnlocked;
  c.testOpen = ws_.testOpen();
  HotKeyDecision d = decideHotKey(*key, c);
  switch (d.action) {
    case HotKeyAction::None:
      return;
    case HotKeyAction::Swallow:
      break;
    case HotKeyAction::ResultChart:
      actions_->showResultChart();
      break;
    case HotKeyAction::PasswordPrompt:
      askPassword();
      break;
    case HotKeyAction::SendResult:
      actions_->sendResult();
      break;
    case HotKeyAction::Help:
      actions_->showHelp();
      break;
    case HotKeyAction::About:
      actions_->showAbout();
      break;
    case HotKeyAction::SlowerPointer:
      desk_->presentationKey(PresentationKey::Left);
      break;
    case HotKeyAction::FasterPointer:
      desk_->presentationKey(PresentationKey::Right);
      break;
    case HotKeyAction::PresentationKey:
      desk_->presentationKey(static_cast<PresentationKey>(
          static_cast<int>(PresentationKey::F5) + event->key() - Qt::Key_F5));
      break;
    case HotKeyAction::ClockColour:
    case HotKeyAction::DiagramColour:
      break;  // the clock's and the diagram's colours come with the themes
  }
  event->accept();
}

void MainWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

void MainWindow::requestExit() {
  prompt_->hide();
  for (MenuCaption c : {MenuCaption::Settings, MenuCaption::Test, MenuCaption::Help})
    menu_.setOpen(c, false);
  syncCaptions();
  ExitContext context;
  context.transitionRunning = transitionTimer_->isActive();
  context.confirmationShown = confirm_.shown();
  context.testOpen = ws_.testOpen();
  context.attemptRunning = attemptRunning();
  ExitDecision d = decideExit(context);
  if (d.highlightExit) {
    menu_.setOpen(MenuCaption::Exit, true);
    menu_.setOpen(MenuCaption::Results, false);
    syncCaptions();
  }
  switch (d.action) {
    case ExitAction::Terminate:
      terminator_.terminate();
      break;
    case ExitAction::ShowConfirmation:
      showExitConfirmation();
      break;
    case ExitAction::AbortAttempt:
      desk_->engine().breakOff();
      break;
    case ExitAction::Nothing:
      break;
  }
}

void MainWindow::showExitConfirmation() {
  for (MenuCaption c : {MenuCaption::Test, MenuCaption::Settings, MenuCaption::Results})
    menu_.setColour(c, CaptionColour::Grey);
  syncCaptions();
  // The program's thumbnail is also left on the clipboard.
  QImage window = grab().toImage();
  if (auto* clipboard = QGuiApplication::clipboard()) clipboard->setImage(window);
  confirm_.show(screen_, window, desktop_, artwork_, ws_.scale, look_.windowColour);
  // The panel covers the caption's place; the caption would cover the panel
  // and take the mouse from the answer areas.
  testSetCaption_->hide();
  update();
}

void MainWindow::answerExitConfirmation(ConfirmAnswer answer) {
  if (answer == ConfirmAnswer::Yes) {
    terminator_.terminate();
    return;
  }
  confirm_.hide();
  testSetCaption_->show();
  menu_.setOpen(MenuCaption::Exit, false);
  menu_.setColour(MenuCaption::Exit, CaptionColour::Navy);
  CaptionsAfterNo r = captionsAfterNo({.resultDisplayed = ws_.resultShown,
                                       .resultsCaptionHasCount = ws_.openTest.results.count > 0});
  if (r.test) menu_.setColour(MenuCaption::Test, CaptionColour::Navy);
  if (r.settings) menu_.setColour(MenuCaption::Settings, CaptionColour::Navy);
  if (r.results) menu_.setColour(MenuCaption::Results, CaptionColour::Navy);
  syncCaptions();
  update();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  prompt_->resetCloseMark();
  if (confirm_.shown() &&
      confirm_.hover(confirmAnswerAt({event->pos().x(), event->pos().y()}, ws_.scale)))
    update();
  QWidget::mouseMoveEvent(event);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    if (confirm_.shown()) {
      ConfirmAnswer a = confirmAnswerAt({event->pos().x(), event->pos().y()}, ws_.scale);
      if (a != ConfirmAnswer::None) answerExitConfirmation(a);
    } else if (!transitionTimer_->isActive()) {
      desk_->click(event->pos());
    }
  }
  QWidget::mousePressEvent(event);
}

}  // namespace ispyt
