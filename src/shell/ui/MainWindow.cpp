#include "shell/ui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "attempt/ClassListFile.h"
#include "content/TestSets.h"
#include "platform/AudioThread.h"
#include "platform/Cp1251.h"
#include "platform/FreeMemory.h"
#include "platform/Paths.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/QtGeometry.h"
#include "platform/qt/QtTcpClient.h"
#include "platform/qt/QtText.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/ui/DeskShell.h"
#include "presentation/AppearanceDialogRules.h"
#include "presentation/AppearanceRules.h"
#include "presentation/MainLayout.h"
#include "presentation/qt/PictureImage.h"
#include "shell/AppearanceApply.h"
#include "shell/StartUp.h"
#include "shell/ui/SettingsDialog.h"
#include "shell/ui/SurroundWindow.h"

namespace ispyt {
namespace {

const char* const kSurroundCaption = "ispyt " ISPYT_VERSION;

std::span<std::byte> bytesOf(QImage& image) {
  return {reinterpret_cast<std::byte*>(image.bits()), std::size_t(image.sizeInBytes())};
}

// The sections' actions the main window serves with windows of its own,
// when it is given none.
class OwnActions : public SectionActions {
 public:
  explicit OwnActions(MainWindow& window) : window_(window) {}
  void showHelp() override { window_.info().showHelp(); }
  void showAbout(bool firstPage) override { window_.info().showAbout(firstPage); }
  void openAppearanceDialog() override { window_.openAppearanceDialog(); }
  void applyAppearance() override { window_.applyAppearance(); }
  void openSettingsDialog(bool afterPassword) override {
    window_.openSettingsDialog(afterPassword);
  }
  void showStoredResult(const std::string& code) override {
    window_.results().showStoredResult(code);
  }
  void showResultChart() override { window_.results().showResultChart(); }
  void monitorAllResults() override { window_.results().monitorAllResults(); }
  void cleanResults() override { window_.results().cleanResults(); }
  void hideCharts() override { window_.results().hideCharts(); }
  void sendResult() override { window_.sendResultAgain(); }

 private:
  MainWindow& window_;
};

}  // namespace

MainWindow::MainWindow(MainWindowOptions options)
    : QWidget(nullptr, Qt::FramelessWindowHint),
      shell_(options.shell ? std::move(options.shell) : makeDeskShell()),
      audio_(options.audio ? std::move(options.audio)
                           : std::make_unique<AudioThread>(openSystemAudio)),
      sound_(*audio_, ws_.programFolder, ws_.decor),
      terminator_(*shell_, options.endProcess ? options.endProcess : [] {
        std::fflush(nullptr);
        std::_Exit(0);
      }),
      random_(options.seed ? Random(*options.seed) : Random::clockSeeded()),
      noise_(options.seed ? Random(*options.seed) : Random::clockSeeded()),
      messages_(options.showMessage ? options.showMessage : [this](const QString& text) {
        auto* box = new QMessageBox(QMessageBox::Information, "ispyt", text, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
      }),
      actions_(options.actions ? std::move(options.actions) : std::make_unique<OwnActions>(*this)) {
  ws_.programFolder = options.programFolder;
  QScreen* screen = QGuiApplication::primaryScreen();
  ws_.screen = screen ? Size{screen->geometry().width(), screen->geometry().height()}
                      : Size{kDesignWidth, kDesignHeight};

  // 2. The desktop as it is before the window covers it.
  desktop_ = takeDesktopSnapshot(QSize(ws_.screen.width, ws_.screen.height));
  // 3.-6. Title lines and a fresh state with no test open; the fonts are
  // looked up further down, where the first text needs them.
  publisherLine_ = ui(kPublisherLine);
  // 9. Working folders, 10. the current test set.
  prepareWorkingFolders(ws_.programFolder);
  const RetryOutcome kept = storeKeptResults(ws_.programFolder, random_);
  resetWorkstation(ws_, random_);
  tcp_ = options.tcpClient ? std::move(options.tcpClient) : std::make_unique<QtTcpClient>();
  sender_ = std::make_unique<ResultSender>(
      *tcp_, scheduler_,
      ResultSender::Setup{ws_.programFolder, [this] { return teacherAddressOf(ws_.decor); }});
  // 7. The picture sheet draws each picture when a screen first asks for it.
  // 12. Placement and the desktop take-over.
  placeWorkstation(ws_, *shell_);
  const Rect& w = ws_.placement.window;
  setGeometry(w.x, w.y, w.width, w.height);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The first screen's background and the screen get memory made ready on
  // the other core while this one goes on.
  firstCanvas_ = QImage(w.width, w.height, QImage::Format_RGB32);
  screen_ = QImage(w.width, w.height, QImage::Format_RGB32);
  firstPages_.emplace(std::vector{bytesOf(firstCanvas_), bytesOf(screen_)});

  // Beyond the exit panel's thumbnail, the desktop shows again only through
  // a transparent start, the surround's frame lines or the appearance
  // dialog's desktop mode; without them the thumbnail is all that is kept.
  const bool transparentStart = ws_.decor.programBackground == cp1251("Прозорий");
  if (!transparentStart && ws_.placement.surround != SurroundForm::FrameLines &&
      !windowOptionsAvailable(ws_.screen.width, ws_.scale.scaleY).desktop)
    desktop_ = desktopThumbnail(desktop_, qrect(ws_.scale.rect(layout::kExitDesktopThumb)).size());
  surround_ = std::make_unique<SurroundWindow>(ws_.placement, desktop_, look_.frameColour);
  surround_->setSmallCaption(ui(kSurroundCaption));
  if (auto* desk = dynamic_cast<DeskShell*>(shell_.get()))
    desk->holdWindows({this, surround_.get()});

  // 13. Controls scaled to the screen; 15. the first screen and its intro.
  look_.publisherLine = publisherLine_;
  cardScreen_ = std::make_unique<QtCardScreen>(screen_, qrect(ws_.scale.rect(layout::kCardArea)),
                                               [this] { update(); });
  transition_ = std::make_unique<Transition>(scheduler_, *cardScreen_, noise_);
  // Closing ends a transition where it is.
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { transition_->end(); });
  createScreens();
  introPictures_ = std::make_unique<IntroPictures>(
      screen_, ws_.scale, artwork_,
      IntroPictures::Host{
          [this] { loadClassListsAtStart(); },
          [this] { surround_->showPublisherLine(publisherLine_); },
          [this] {
            menu_->makeAvailable();
            offerResume();
            returnFreeMemory();
          },
          [this] { update(); },
      });
  intro_ = std::make_unique<IntroAnimation>(scheduler_, *introPictures_);
  // The fonts: nothing above asks for one, so the reading of the system's
  // font configuration begun before the window had until now.
  if (options.fontsReady) options.fontsReady();
  const QStringList families = installedFontFamilies();
  ws_.wingdingsInstalled = fontInstalled(families, "Wingdings");
  corsivaInstalled_ = fontInstalled(families, "MonoType Corsiva");
  menu_->placeCaptions();
  // 14. A transparent background needs the desktop as it shows through
  // the window, so the first screen waits for the first paint.
  if (transparentStart) {
    transparentStartPending_ = startedTransparent_ = true;
  } else {
    drawFirstScreen();
    sound_.PlayMusic(kMainScreenMusic, true);
    introPictures_->prepareLogoFrames();
    intro_->reset();
  }

  // 16. The test set's name; 17. the Ukrainian keyboard layout.
  title_->showTestSetCaption();
  shell_->activateKeyboardLayout(kLayoutUkrainian);
  // Answers that are still not stored are the teacher's to know of.
  if (kept.left > 0) messages_(fromCp1251(keptResultsText(kept)));
  // Results an earlier run could not deliver go first.
  sender_->deliver();
}

MainWindow::~MainWindow() = default;

void MainWindow::showOnScreen() {
  // A surround the window covers whole would only cost memory and a paint.
  const WindowPlacement& p = ws_.placement;
  const bool covered = intersect(p.surroundRect, p.window) == p.surroundRect;
  if (p.surround != SurroundForm::Hidden && !covered) surround_->show();
  show();
  raise();
  activateWindow();
}

WindowParts MainWindow::parts() {
  return {this,         ws_,     *shell_, scheduler_, random_,
          screen_,      background_, desktop_, artwork_, look_,
          [this] { update(); }, messages_, *transition_, sound_};
}

void MainWindow::createScreens() {
  const WindowParts parts = this->parts();
  menu_ = std::make_unique<MenuConductor>(
      parts, *actions_,
      MenuConductor::Host{
          [this](const std::string& name, const std::string* shuffleState) {
            return title_->openTest(name, shuffleState);
          },
          [this] { exit_->requestExit(); },
          [this] { intro_->stopForGood(); },
          [this] { return attemptRunning(); },
          [this] { return transitionRunning(); },
          [this](PresentationKey key) { attempt_->desk().presentationKey(key); },
          [this](HotKeyAction action) {
            if (action == HotKeyAction::ClockColour)
              look_.clockColourOffset = nextClockColourOffset(look_.clockColourOffset);
            else
              look_.diagramColourOffset = nextDiagramColourOffset(look_.diagramColourOffset);
            attempt_->desk().coloursTurned();
          },
      });
  title_ = std::make_unique<TitleScreen>(
      parts, TitleScreen::Host{
                 [this] { attempt_->desk().engine().testOpened(); },
                 [this](int mode) { attempt_->desk().showModeDecor(mode); },
                 [this](const MenuCaptionText& c) { menu_->showResultsCaption(c); },
                 [this] {
                   attempt_->desk().testOpened();
                   attempt_->offerClassList();
                 },
                 [this](const std::string& name, const SettingsDialogState& state) {
                   // The dialog, the teacher's alone, is made when first shown.
                   if (settings_)
                     settings_->fill(name, state);
                   else
                     settingsFill_ = {name, state};
                 },
             });
  attempt_ = std::make_unique<AttemptConductor>(
      parts, AttemptConductor::Host{
                 [this](const QString& text, QColor colour) { title_->setCaption(text, colour); },
                 [this] { title_->showTestSetCaption(); },
                 [this] {
                   menu_->menu().setColour(MenuCaption::Test, CaptionColour::Navy);
                   menu_->menu().setOpen(MenuCaption::Exit, false);
                   menu_->syncCaptions();
                 },
                 sender_.get(),
             });
  exit_ = std::make_unique<ExitConductor>(
      parts, *menu_, terminator_,
      ExitConductor::Host{
          [this] { return attemptRunning(); },
          [this] { return transitionRunning(); },
          [this] { attempt_->desk().engine().breakOff(); },
          [this](bool visible) { title_->setCaptionVisible(visible); },
          [this] { return grab().toImage(); },
      });
  appearance_ = std::make_unique<AppearanceConductor>(
      parts, AppearanceConductor::Host{
                 [this](bool desktopMode) {
                   surround_->setDesktopMode(
                       desktopMode, QSize(ws_.screen.width, ws_.screen.height), look_.windowColour);
                   shell_->setTaskbarVisible(!desktopMode && !ws_.placement.takesWholeScreen);
                 },
                 [this] { menu_->appearanceConfirmed(); },
                 [this] { menu_->appearanceClosed(); },
             });
  info_ = std::make_unique<InfoWindows>(parts);
  results_ = std::make_unique<ResultsConductor>(
      parts, ResultsConductor::Host{
                 [this]() -> ResultScreen& { return attempt_->resultScreen(); },
                 [this] {
                   attempt_->desk().engine().testOpened();
                   attempt_->desk().testOpened();
                 },
                 [this](const MenuCaptionText& c) { menu_->showResultsCaption(c); },
             });
}

SettingsDialog& MainWindow::settings() {
  if (settings_) return *settings_;
  settings_ = std::make_unique<SettingsDialog>(
      parts(), SettingsDialog::Host{
                 [this] {
                   menu_->menu().setColour(MenuCaption::Settings, CaptionColour::Grey);
                   menu_->menu().setColour(MenuCaption::Results, CaptionColour::Grey);
                 },
                 [this] {
                   menu_->menu().setOpen(MenuCaption::Settings, false);
                   menu_->syncCaptions();
                 },
             });
  if (settingsFill_) settings_->fill(settingsFill_->first, settingsFill_->second);
  settingsFill_.reset();
  return *settings_;
}

void MainWindow::applyAppearance() {
  rereadDecor(ws_, startedTransparent_);
  loadClassListsAtStart();
  appearance_->classListsRead();
  title_->appearanceChanged();
  sound_.ResumeMusic(kMainScreenMusic);
  drawFirstScreen();
  announce();
  introPictures_->drawTitle(1);
  title_->showTestSetCaption();
  menu_->makeAvailable();
  update();
}

void MainWindow::offerResume() {
  if (resumeOffered_) return;
  resumeOffered_ = true;
  ResumeSearch search = findWaitingAttempt(ws_.programFolder);
  for (const std::string& text : search.refused) messages_(fromCp1251(text));
  if (!search.waiting) return;
  auto attempt = std::make_shared<WaitingAttempt>(std::move(*search.waiting));
  resumeOffer_ = new ResumeOffer(
      this, fromCp1251(resumeOfferText(*attempt)), resumeNeedsPassword(*attempt),
      ResumeOffer::Answers{
          [this, attempt](const QString& password) {
            if (!resumePasswordMatches(*attempt, toCp1251(password))) return false;
            resumeAttempt(*attempt);
            return true;
          },
          [attempt] { setJournalAside(attempt->journalFile, "declined"); },
      });
  resumeOffer_->setAttribute(Qt::WA_DeleteOnClose);
  connect(resumeOffer_, &QObject::destroyed, this, [this] { resumeOffer_ = nullptr; });
  resumeOffer_->open();
}

void MainWindow::resumeAttempt(const WaitingAttempt& attempt) {
  intro_->stopForGood();
  // The attempt's test set becomes the current one, as if chosen.
  ws_.testSet = attemptTestSet(attempt);
  ListTests(locate(ws_.programFolder, ws_.baseFolderName + "/" + ws_.testSet), ws_.tests,
            ws_.testSet);
  title_->showTestSetCaption();
  if (!menu_->openTest(attemptTestName(attempt), &attempt.journal.start.shuffleState)) return;
  attempt_->resume(attempt.journal, attempt.journalFile);
  update();
}

void MainWindow::openSettingsDialog(bool afterPassword) { settings().openOver(afterPassword); }

void MainWindow::drawFirstScreen() {
  // The appearance's pictures, all anew; names that gave none are
  // rewritten in the settings.
  const QSize size = screen_.size();
  const AppearanceSource source{ws_.programFolder, desktop_, ws_.scale, size, corsivaInstalled_,
                                QPoint(ws_.placement.window.x, ws_.placement.window.y)};
  if (firstPages_) firstPages_->wait(0);
  // The screen starts as a copy of the background, made while the other
  // core finishes the panels.
  auto copyToScreen = [this](const QImage& background) {
    if (firstPages_) firstPages_->wait(1);
    if (screen_.size() == background.size() && screen_.format() == background.format())
      std::memcpy(screen_.bits(), background.constBits(), std::size_t(background.sizeInBytes()));
    else
      screen_ = background.copy();
  };
  background_ = ApplyAppearance(ws_.decor, source, artwork_, noise_, look_, copyToScreen,
                                std::move(firstCanvas_));
  firstPages_.reset();
  attempt_->applyDecor();
  introPictures_->prepare(
      [this] { return background_.copy(qrect(ws_.scale.rect(layout::kTitleArea))); },
      look_.lightTitle);
  paintFirstScreen(screen_, ws_.scale, look_);
  const QRect card = qrect(ws_.scale.rect(layout::kCardArea));
  transition_->setLook({effectOf(ws_.decor.effect), ws_.scale.scaleX, ws_.scale.scaleY,
                        Pixel(look_.frameColour.rgb() | 0xFF000000u),
                        cardFrameDrawn(ws_.decor.effect, ws_.decor.questionBackground)},
                       [this, card] { return toPicture(background_, card); });
}

void MainWindow::announce() {
  // The opening transition; after it, at start-up, the intro.
  title_->showAnnouncement([this] { intro_->startIfAtFirstStep(); });
}

void MainWindow::loadClassListsAtStart() {
  if (!exists(ws_.programFolder, "School.dbs")) return;
  ClassListReading reading = LoadClassLists(ws_.programFolder);
  // What was whole is kept; a damaged file is reported once.
  ws_.classLists = std::move(reading.lists);
  if (!reading.message().empty()) messages_(fromCp1251(reading.message()));
}

void MainWindow::paintEvent(QPaintEvent*) {
  QScreen* s = screen();
  terminator_.checkScreenWidth(ws_.screen.width, s ? s->geometry().width() : ws_.screen.width);
  if (transparentStartPending_) {
    // The logo frames are not built on this path: intro steps 6-14 show
    // nothing.
    transparentStartPending_ = false;
    drawFirstScreen();
    sound_.PlayMusic(kMainScreenMusic, true);
    intro_->reset();
  }
  QPainter p(this);
  p.drawImage(0, 0, exit_->confirmationShown() ? exit_->picture() : screen_);
  if (firstFrame_) {
    firstFrame_ = false;
    emit firstFramePainted();
    // What the intro shows later is made once the window is up.
    QTimer::singleShot(0, this, [this] {
      // The first frame shows the card area as it is before the opening
      // transition's first step, so the transition starts now.
      announce();
      // The system's player opens now; the melody asked for waits for it.
      if (auto* player = dynamic_cast<AudioThread*>(audio_.get())) player->begin();
      introPictures_->prepareRest();
      returnFreeMemory();
    });
  }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  menu_->hotKey(event);
  if (!event->isAccepted() && attempt_->desk().keyPressed(event->key(), toCp1251(event->text())))
    event->accept();
  if (!event->isAccepted()) QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  if (PasswordPrompt* prompt = menu_->madePasswordPrompt()) prompt->resetCloseMark();
  exit_->mouseMoved(event->pos());
  QWidget::mouseMoveEvent(event);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    if (!exit_->clicked(event->pos()) && !transitionRunning()) attempt_->click(event->pos());
  }
  QWidget::mousePressEvent(event);
}

}  // namespace ispyt
