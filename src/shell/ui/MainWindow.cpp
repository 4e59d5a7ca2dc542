#include "shell/ui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "attempt/ClassListFile.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/QtGeometry.h"
#include "platform/qt/QtTcpClient.h"
#include "platform/qt/QtText.h"
#include "presentation/AppearanceRules.h"
#include "presentation/ColourSchemes.h"
#include "presentation/MainLayout.h"
#include "shell/AppearanceApply.h"
#include "shell/StartUp.h"
#include "shell/ui/SurroundWindow.h"

namespace ispyt {
namespace {

// The publisher's line of the status strip and the surround window.
const char* const kPublisherLine = "ispyt · комп'ютерне тестування";
const char* const kSurroundCaption = "ispyt " ISPYT_VERSION;

// What the window serves itself when no other actions are given.
class OwnActions : public SectionActions {
 public:
  explicit OwnActions(MainWindow& window) : window_(window) {}
  void openAppearanceDialog() override { window_.openAppearanceDialog(); }
  void applyAppearance() override { window_.applyAppearance(); }
  void sendResult() override { window_.sendResultAgain(); }

 private:
  MainWindow& window_;
};

}  // namespace

MainWindow::MainWindow(MainWindowOptions options)
    : QWidget(nullptr, Qt::FramelessWindowHint),
      shell_(options.shell ? std::move(options.shell) : makeSystemShell()),
      terminator_(*shell_, options.endProcess ? options.endProcess : [] {
        std::fflush(nullptr);
        std::_Exit(0);
      }),
      random_(options.seed ? Random(*options.seed) : Random::clockSeeded()),
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
  // 3.-6. Title lines, fonts, a fresh state with no test open.
  publisherLine_ = ui(kPublisherLine);
  ws_.wingdingsInstalled = fontInstalled(installedFontFamilies(), "Wingdings");
  // 9. Working folders, 10. the current test set.
  prepareWorkingFolders(ws_.programFolder);
  const RetryOutcome kept = storeKeptResults(ws_.programFolder, random_);
  resetWorkstation(ws_, random_);
  ws_.decor.effect = settledEffect(ws_.decor.effect);
  applyScheme(look_, ws_.decor);
  tcp_ = options.tcpClient ? std::move(options.tcpClient) : std::make_unique<QtTcpClient>();
  sender_ = std::make_unique<ResultSender>(
      *tcp_, scheduler_,
      ResultSender::Setup{ws_.programFolder, [this] { return teacherAddressOf(ws_.decor); }});
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

  // 13. Controls scaled to the screen; 15. the first screen and its intro.
  look_.publisherLine = publisherLine_;
  screen_ = QImage(w.width, w.height, QImage::Format_RGB32);
  createScreens();
  introPictures_ = std::make_unique<IntroPictures>(
      screen_, ws_.scale, artwork_,
      IntroPictures::Host{
          [this] { loadClassListsAtStart(); },
          [this] { surround_->showPublisherLine(publisherLine_); },
          [this] { menu_->makeAvailable(); },
          [this] { update(); },
      });
  intro_ = std::make_unique<IntroAnimation>(scheduler_, *introPictures_);
  transitionTimer_ = scheduler_.createTimer([this] {
    transitionTimer_->stop();
    intro_->startIfAtFirstStep();
  });
  // 14. A transparent background needs the desktop as it shows through
  // the window, so the first screen waits for the first paint.
  if (ws_.decor.programBackground == cp1251("Прозорий")) {
    transparentStartPending_ = startedTransparent_ = true;
  } else {
    drawFirstScreen();
    introPictures_->prepareLogoFrames();
    intro_->reset();
    startOpeningTransition();
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
  if (ws_.placement.surround != SurroundForm::Hidden) surround_->show();
  show();
  raise();
  activateWindow();
}

void MainWindow::createScreens() {
  const WindowParts parts{this,         ws_,     *shell_, scheduler_, random_,
                          screen_,      background_, desktop_, artwork_, look_,
                          [this] { update(); }, messages_};
  menu_ = std::make_unique<MenuConductor>(
      parts, *actions_,
      MenuConductor::Host{
          [this](const std::string& name) { return title_->openTest(name); },
          [this] { exit_->requestExit(); },
          [this] { intro_->stopForGood(); },
          [this] { return attemptRunning(); },
          [this] { return transitionRunning(); },
          [this](PresentationKey key) { attempt_->desk().presentationKey(key); },
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
}

void MainWindow::applyAppearance() {
  rereadDecor(ws_, startedTransparent_);
  loadClassListsAtStart();
  appearance_->classListsRead();
  ws_.decor.effect = settledEffect(ws_.decor.effect);
  applyScheme(look_, ws_.decor);
  attempt_->applyDecor();
  title_->appearanceChanged();
  drawFirstScreen();
  introPictures_->drawTitle(1);
  title_->showTestSetCaption();
  menu_->makeAvailable();
  startOpeningTransition();
  update();
}

void MainWindow::drawFirstScreen() {
  const QSize size = screen_.size();
  ProgramBackground b{ws_.decor.programBackground, ws_.programFolder,
                      desktop_.copy(ws_.placement.window.x, ws_.placement.window.y, size.width(),
                                    size.height()),
                      cardFrameDrawn(ws_.decor.effect, ws_.decor.questionBackground)};
  background_ = buildProgramBackground(size, ws_.scale, artwork_, look_, b);
  // A name that gave no picture is kept as the one drawn.
  ws_.decor.programBackground = b.name;
  screen_ = background_.copy();
  introPictures_->prepare(background_.copy(qrect(ws_.scale.rect(layout::kTitleArea))),
                          titleArchLight(ws_.decor.colourScheme));
  paintFirstScreen(screen_, ws_.scale, look_);
  title_->showAnnouncement();
}

void MainWindow::startOpeningTransition() {
  // Without an effect the new content is on screen at once; the next tick
  // carries on with what waited for the transition.
  transitionTimer_->setSingleShot(false);
  transitionTimer_->start(1);
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
    startOpeningTransition();
    intro_->reset();
  }
  QPainter p(this);
  p.drawImage(0, 0, exit_->confirmationShown() ? exit_->picture() : screen_);
  if (firstFrame_) {
    firstFrame_ = false;
    emit firstFramePainted();
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
  menu_->passwordPrompt()->resetCloseMark();
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
