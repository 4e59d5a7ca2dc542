#include "shell/ui/MenuConductor.h"

#include <optional>

#include "platform/Cp1251.h"
#include "platform/qt/PixelFont.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"
#include "results/FocusLossFile.h"
#include "shell/Dispatcher.h"
#include "shell/HotKeys.h"
#include "shell/MenuCaptionLayout.h"
#include "shell/SideListFill.h"

namespace ispyt {

MenuConductor::MenuConductor(const WindowParts& parts, SectionActions& actions, Host host)
    : parts_(parts), ws_(parts.ws), actions_(actions), host_(std::move(host)) {
  QWidget* window = parts_.window;
  for (int i = 0; i < kMenuCaptionCount; ++i) {
    auto c = static_cast<MenuCaption>(i);
    captions_[i] = new MenuCaptionLabel(ui(kMenuCaptionTexts[i]), window);
    connect(captions_[i], &MenuCaptionLabel::entered, this, [this, c] { captionEntered(c); });
    connect(captions_[i], &MenuCaptionLabel::clicked, this, [this, c] { captionClicked(c); });
  }
  syncCaptions();

  sideMenu_ = new SideMenuWindow(window);
  connect(sideMenu_, &SideMenuWindow::itemClicked, this, &MenuConductor::sideItemClicked);
  connect(sideMenu_, &SideMenuWindow::closedBySystem, this, [this] {
    menu_.setOpen(MenuCaption::Test, false);
    syncCaptions();
  });
  dispatcherTimer_ = parts_.scheduler.createTimer([this] { runDispatcher(); });
  dispatcherTimer_->setSingleShot(true);
}

void MenuConductor::placeCaptions() {
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
  sideMenu_->setItemFont(pixelFont("DejaVu Sans", s.font(10), true));
}

PasswordPrompt* MenuConductor::passwordPrompt() {
  if (prompt_) return prompt_;
  prompt_ = new PasswordPrompt(parts_.window);
  connect(prompt_, &PasswordPrompt::accepted, this, &MenuConductor::passwordAccepted);
  connect(prompt_, &PasswordPrompt::closed, this, [this] {
    menu_.setOpen(MenuCaption::Settings, false);
    syncCaptions();
  });
  const ScreenScale& s = ws_.scale;
  prompt_->setGeometry(parts_.rect(layout::kStatusStrip));
  prompt_->setFonts(s.font(12), s.font(10), s.font(8));
  return prompt_;
}

void MenuConductor::hidePasswordPrompt() {
  if (prompt_) prompt_->hide();
}

void MenuConductor::showResultsCaption(const MenuCaptionText& text) {
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

void MenuConductor::makeAvailable() {
  bool noTests = ws_.testSet == cp1251("Нема тестів");
  menu_.setColour(MenuCaption::Test, noTests ? CaptionColour::Grey : CaptionColour::Navy);
  menu_.setColour(MenuCaption::Appearance, CaptionColour::Navy);
  syncCaptions();
}

void MenuConductor::syncCaptions() {
  for (int i = 0; i < kMenuCaptionCount; ++i) {
    auto c = static_cast<MenuCaption>(i);
    captions_[i]->show(menu_.colour(c), menu_.isOpen(c));
  }
}

void MenuConductor::captionEntered(MenuCaption c) {
  menu_.hover(c, host_.attemptRunning());
  syncCaptions();
}

void MenuConductor::captionClicked(MenuCaption c) {
  // A caption left highlighted from before the attempt stays still too.
  if (host_.attemptRunning() && MainMenu::restingDuringAttempt(c)) return;
  if (!menu_.clickable(c)) {
    if (c == MenuCaption::Appearance) {
      menu_.setOpen(c, false);
      syncCaptions();
    }
    return;
  }
  switch (c) {
    case MenuCaption::Test:
      host_.stopIntro();
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
      if (host_.transitionRunning()) {
        menu_.setOpen(MenuCaption::Settings, false);
        syncCaptions();
      } else if (ws_.settings.hasPassword()) {
        askPassword();
      } else {
        actions_.openSettingsDialog(false);
      }
      break;
    case MenuCaption::Appearance:
      menu_.setOpen(MenuCaption::Appearance, true);
      menu_.setOpen(MenuCaption::Help, false);
      menu_.setOpen(MenuCaption::Test, false);
      syncCaptions();
      host_.stopIntro();
      actions_.openAppearanceDialog();
      break;
    case MenuCaption::Exit:
      host_.requestExit();
      break;
    case MenuCaption::Help:
      actions_.showHelp();
      break;
  }
}

void MenuConductor::openTestList() {
  sideMenu_->hide();
  if (ws_.classLists.empty()) ws_.decor.byList = false;
  menu_.setOpen(MenuCaption::Test, true);
  for (MenuCaption c : {MenuCaption::Settings, MenuCaption::Help, MenuCaption::Results})
    menu_.setOpen(c, false);
  syncCaptions();
  hidePasswordPrompt();
  std::vector<std::string> tests(ws_.tests.begin(), ws_.tests.end() - 1);
  const ScreenScale& s = ws_.scale;
  SideMenuLayout l = layoutTestList(tests, s, sideMenu_->metrics(s.font(10)));
  openSideMenu(l, parts_.window->mapToGlobal(QPoint(l.position.x, l.position.y)));
}

void MenuConductor::openSideMenu(const SideMenuLayout& l, QPoint screenPosition) {
  auto pixels = sideListFill(ws_.decor.colourScheme, l.size.width, l.size.height, parts_.random);
  QImage fill;
  if (!pixels.empty()) {
    fill = QImage(l.size.width, l.size.height, QImage::Format_RGB32);
    for (int y = 0; y < l.size.height; ++y)
      std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * l.size.width, l.size.width,
                  reinterpret_cast<QRgb*>(fill.scanLine(y)));
  }
  sideMenu_->setBackground(fill, parts_.look.frameColour);
  sideMenu_->open(l, screenPosition);
}

void MenuConductor::openResultList() {
  ws_.resultsUnlocked = false;
  for (MenuCaption c : {MenuCaption::Help, MenuCaption::Test, MenuCaption::Settings})
    menu_.setOpen(c, false);
  menu_.setColour(MenuCaption::Settings, CaptionColour::Grey);
  menu_.setOpen(MenuCaption::Results, true);
  syncCaptions();
  hidePasswordPrompt();
  sideMenu_->hide();
  resultPage_ = 0;
  const ScreenScale& s = ws_.scale;
  // Read anew each time: the teacher sees what the attempts left so far.
  resultFocusLosses_ = focusLossCounts(ws_.openTest.testFolder, ws_.openTest.results.codes);
  SideMenuLayout l =
      layoutResultList(ws_.openTest.results.codes, resultPage_, caption(MenuCaption::Results)->x(),
                       s, sideMenu_->metrics(s.font(10)), resultFocusLosses_);
  openSideMenu(l, parts_.window->mapToGlobal(QPoint(l.position.x, l.position.y)));
}

void MenuConductor::sideItemClicked(int index) {
  if (index == 18 && menu_.highlighted(MenuCaption::Results)) {
    const auto& codes = ws_.openTest.results.codes;
    resultPage_ = nextResultPage(resultPage_, static_cast<int>(codes.size()));
    const ScreenScale& s = ws_.scale;
    openSideMenu(layoutResultList(codes, resultPage_, caption(MenuCaption::Results)->x(), s,
                                  sideMenu_->metrics(s.font(10)), resultFocusLosses_),
                 sideMenu_->pos());
    return;
  }
  chosenItem_ = sideMenu_->layout().items[index].text;
  sideMenu_->closeAfterChoice();
  dispatcherTimer_->start(1);
}

void MenuConductor::runDispatcher() {
  actions_.hideCharts();
  DispatchContext context;
  context.transitionRunning = host_.transitionRunning();
  context.passwordSet = ws_.settings.hasPassword();
  context.testOpen = ws_.testOpen();
  Dispatch d = dispatch(menu_, chosenItem_, context);
  if (d.setsSelectedResult) ws_.selectedResult = d.selectedResult;
  switch (d.action) {
    case DispatchAction::ApplyAppearance:
      actions_.applyAppearance();
      break;
    case DispatchAction::Help:
      actions_.showHelp();
      break;
    case DispatchAction::About:
      actions_.showAbout(true);
      break;
    case DispatchAction::OpenTest:
      openTest(chosenItem_);
      break;
    case DispatchAction::CleanResults:
      actions_.cleanResults();
      break;
    case DispatchAction::MonitorAllResults:
      actions_.monitorAllResults();
      break;
    case DispatchAction::ShowResult:
      actions_.showStoredResult(ws_.selectedResult);
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

void MenuConductor::appearanceConfirmed() {
  menu_.setColour(MenuCaption::Appearance, CaptionColour::Blue);
  dispatcherTimer_->start(1);
}

void MenuConductor::appearanceClosed() {
  menu_.setOpen(MenuCaption::Appearance, false);
  syncCaptions();
}

bool MenuConductor::openTest(const std::string& name, const std::string* shuffleState) {
  menu_.setColour(MenuCaption::Appearance, CaptionColour::Grey);
  menu_.setColour(MenuCaption::Settings, CaptionColour::Navy);
  const bool opened = host_.openTest(name, shuffleState);
  if (!opened) {
    // A test that did not open leaves the menu as it was with none.
    menu_.setColour(MenuCaption::Appearance, CaptionColour::Navy);
    menu_.setColour(MenuCaption::Settings, CaptionColour::Grey);
  }
  syncCaptions();
  return opened;
}

void MenuConductor::askPassword() { passwordPrompt()->ask(ws_.settings.password); }

void MenuConductor::passwordAccepted() {
  if (menu_.colour(MenuCaption::Settings) == CaptionColour::Grey) {
    // The results section: the command the password was asked for.
    if (ws_.selectedResult.empty()) {
      actions_.cleanResults();
    } else if (ws_.selectedResult == "-") {
      ws_.resultsUnlocked = true;
      ws_.selectedResult.clear();
      actions_.monitorAllResults();
    } else {
      ws_.resultsUnlocked = true;
      ws_.resultShown = true;
      actions_.showResultChart();
    }
  } else {
    actions_.openSettingsDialog(true);
  }
}

void MenuConductor::hotKey(QKeyEvent* event) {
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
  c.transitionRunning = host_.transitionRunning();
  c.attemptRunning = host_.attemptRunning();
  c.resultSelected = !ws_.selectedResult.empty();
  c.mode = ws_.settings.mode;
  c.passwordSet = ws_.settings.hasPassword();
  c.resultsUnlocked = ws_.resultsUnlocked;
  c.testOpen = ws_.testOpen();
  c.clockBackground = ws_.decor.clockBackground;
  c.pictureReady = parts_.look.textured;
  c.shortNameKnown = !ws_.student.fullName.empty();
  c.sendingEnabled = ws_.decor.sendResults;
  HotKeyDecision d = decideHotKey(*key, c);
  switch (d.action) {
    case HotKeyAction::None:
      return;
    case HotKeyAction::Swallow:
      break;
    case HotKeyAction::ResultChart:
      actions_.showResultChart();
      break;
    case HotKeyAction::PasswordPrompt:
      askPassword();
      break;
    case HotKeyAction::SendResult:
      actions_.sendResult();
      break;
    case HotKeyAction::Help:
      actions_.showHelp();
      break;
    case HotKeyAction::About:
      // The key takes the reader straight to whom to ask.
      actions_.showAbout(false);
      break;
    case HotKeyAction::SlowerPointer:
      host_.presentationKey(PresentationKey::Left);
      break;
    case HotKeyAction::FasterPointer:
      host_.presentationKey(PresentationKey::Right);
      break;
    case HotKeyAction::PresentationKey:
      host_.presentationKey(static_cast<PresentationKey>(
          static_cast<int>(PresentationKey::F5) + event->key() - Qt::Key_F5));
      break;
    case HotKeyAction::ClockColour:
    case HotKeyAction::DiagramColour:
      host_.turnColours(d.action);
      break;
  }
  event->accept();
}

}  // namespace ispyt
