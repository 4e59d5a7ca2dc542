#include "shell/ui/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "platform/Cp1251.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/QtText.h"
#include "shell/MainLayout.h"
#include "shell/StartUp.h"
#include "shell/ui/SurroundWindow.h"

namespace ispyt {
namespace {

const char* const kCaptionTexts[kMenuCaptionCount] = {"Тест",       "Установки", "Результат",
                                                      "Оформлення", "Вихід",     "?"};

// The publisher's line of the status strip and the surround window.
const char* const kPublisherLine = "ispyt · комп'ютерне тестування";
const char* const kSurroundCaption = "ispyt " ISPYT_VERSION;

QFont pixelFont(const char* family, int points, bool bold = false) {
  QFont f(family);
  f.setPixelSize(std::max(1, roundHalfEven(points * 4 / 3.0)));
  f.setBold(bold);
  return f;
}

}  // namespace

MainWindow::MainWindow(MainWindowOptions options)
    : QWidget(nullptr, Qt::FramelessWindowHint),
      shell_(options.shell ? std::move(options.shell) : makeSystemShell()),
      terminator_(*shell_, options.endProcess ? options.endProcess : [] {
        std::fflush(nullptr);
        std::_Exit(0);
      }),
      random_(Random::clockSeeded()) {
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
  introPictures_ = std::make_unique<IntroPictures>(
      screen_, ws_.scale, artwork_,
      IntroPictures::Host{
          [] {},  // class lists arrive with the registration card
          [this] { surround_->showPublisherLine(publisherLine_); },
          [this] { makeMenuAvailable(); },
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

QRect MainWindow::screenRect(const Rect& design) const {
  Rect r = ws_.scale.rect(design);
  return {r.x, r.y, r.width, r.height};
}

void MainWindow::createControls() {
  for (int i = 0; i < kMenuCaptionCount; ++i) {
    captions_[i] = new MenuCaptionLabel(ui(kCaptionTexts[i]), this);
    captions_[i]->setState(MenuCaptionLabel::State::Unavailable);
  }
  // Leaving is always possible; so is help.
  caption(MenuCaption::Exit)->setState(MenuCaptionLabel::State::Available);
  caption(MenuCaption::Help)->setState(MenuCaptionLabel::State::Available);
  connect(caption(MenuCaption::Exit), &MenuCaptionLabel::chosen, this, &MainWindow::requestExit);
  auto endIntro = [this] { intro_->stopForGood(); };
  connect(caption(MenuCaption::Test), &MenuCaptionLabel::chosen, this, endIntro);
  connect(caption(MenuCaption::Appearance), &MenuCaptionLabel::chosen, this, endIntro);

  testSetCaption_ = new QLabel(this);
  testSetCaption_->setAlignment(Qt::AlignCenter);

  layoutSelector_ = new QComboBox(this);
  layoutSelector_->addItems({"EN", "UK", "RU"});
  layoutPanel_ = new QLabel(this);
  layoutSelector_->hide();
  layoutPanel_->hide();
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
  QRect sel = screenRect(layout::kKeyboardSelector);
  layoutSelector_->setGeometry(sel);
  layoutSelector_->setFont(pixelFont("DejaVu Sans", s.font(8)));
  layoutPanel_->setGeometry(sel);
  layoutPanel_->setFont(layoutSelector_->font());
  layoutPanel_->setText(" " + layoutSelector_->currentText());
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
}

void MainWindow::startOpeningTransition() {
  // Without an effect the new content is on screen at once; the next tick
  // carries on with what waited for the transition.
  transitionTimer_->setSingleShot(false);
  transitionTimer_->start(1);
}

void MainWindow::showTestSetCaption() {
  const int size = ws_.testSet.size() >= 26 ? 10 : 13;
  testSetCaption_->setFont(pixelFont("DejaVu Sans", ws_.scale.font(size), true));
  testSetCaption_->setStyleSheet("color: rgb(128,0,0); background: transparent;");
  testSetCaption_->setText(fromCp1251(ws_.testSet));
}

void MainWindow::makeMenuAvailable() {
  bool noTests = ws_.testSet == cp1251("Нема тестів");
  caption(MenuCaption::Test)
      ->setState(noTests ? MenuCaptionLabel::State::Unavailable : MenuCaptionLabel::State::Available);
  caption(MenuCaption::Appearance)->setState(MenuCaptionLabel::State::Available);
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
  p.drawImage(0, 0, confirmShown_ ? confirmScreen_ : screen_);
  if (firstFrame_) {
    firstFrame_ = false;
    emit firstFramePainted();
  }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // Alt+F4 does not close the kiosk window.
  if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

void MainWindow::requestExit() {
  caption(MenuCaption::Settings)->setOpen(false);
  caption(MenuCaption::Test)->setOpen(false);
  caption(MenuCaption::Help)->setOpen(false);
  ExitContext context;
  context.transitionRunning = transitionTimer_->isActive();
  context.confirmationShown = confirmShown_;
  context.testOpen = ws_.testOpen();
  ExitDecision d = decideExit(context);
  if (d.highlightExit) {
    caption(MenuCaption::Exit)->setOpen(true);
    caption(MenuCaption::Results)->setOpen(false);
  }
  switch (d.action) {
    case ExitAction::Terminate:
      terminator_.terminate();
      break;
    case ExitAction::ShowConfirmation:
      showExitConfirmation();
      break;
    case ExitAction::AbortAttempt:  // attempts arrive with the attempt engine
    case ExitAction::Nothing:
      break;
  }
}

void MainWindow::showExitConfirmation() {
  const ScreenScale& s = ws_.scale;
  for (MenuCaption c : {MenuCaption::Test, MenuCaption::Settings, MenuCaption::Results})
    caption(c)->setState(MenuCaptionLabel::State::Unavailable);
  beforeConfirm_ = screen_.copy();
  confirmScreen_ = screen_.copy();
  QPainter p(&confirmScreen_);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QImage panel = artwork_.cut(artwork::kExitPicture);
  p.drawImage(QRect(s.x(layout::kExitPicture.x), s.y(layout::kExitPicture.y),
                    s.x(panel.width()), s.y(panel.height())),
              panel);
  // A thumbnail of the program as it stands (also left on the clipboard)
  // and one of the desktop the pupil would return to.
  QImage window = grab().toImage();
  if (auto* clipboard = QGuiApplication::clipboard()) clipboard->setImage(window);
  {
    QPainter w(&window);
    QColor band = look_.windowColour;
    w.fillRect(0, 0, window.width(), s.y(layout::kExitBand), band);
    w.fillRect(0, window.height() - s.y(layout::kExitBand), window.width(), s.y(layout::kExitBand),
               band);
  }
  p.drawImage(screenRect(layout::kExitWindowThumb), window);
  p.drawImage(screenRect(layout::kExitDesktopThumb), desktop_);
  p.end();

  auto tile = [&](const char* text, QColor face, int points, QPoint lift) {
    QImage t(s.x(layout::kExitAnswerTile.width), s.y(layout::kExitAnswerTile.height),
             QImage::Format_ARGB32_Premultiplied);
    t.fill(Qt::transparent);
    QPainter tp(&t);
    tp.setRenderHint(QPainter::TextAntialiasing);
    tp.setFont(pixelFont("DejaVu Sans", s.font(points), true));
    tp.setPen(Qt::black);
    tp.drawText(t.rect(), Qt::AlignCenter, text);
    tp.setPen(face);
    tp.drawText(t.rect().translated(lift), Qt::AlignCenter, text);
    return t;
  };
  answerTile_[0] = tile("Tak", QColor(255, 255, 0), 16, {-1, -1});
  answerTile_[1] = tile("Hi", QColor(255, 160, 128), 18, {-1, -1});
  confirmBase_ = confirmScreen_.copy();
  confirmShown_ = true;
  hovered_ = ConfirmAnswer::None;
  update();
}

void MainWindow::showConfirmHover(ConfirmAnswer answer) {
  if (answer == hovered_) return;
  hovered_ = answer;
  // Leaving an area restores what was under its tile.
  confirmScreen_ = confirmBase_.copy();
  if (answer != ConfirmAnswer::None) {
    QPainter p(&confirmScreen_);
    p.drawImage(screenRect(confirmAnswerArea(answer, ws_.scale)).topLeft(),
                answerTile_[answer == ConfirmAnswer::Yes ? 0 : 1]);
  }
  update();
}

void MainWindow::answerExitConfirmation(ConfirmAnswer answer) {
  if (answer == ConfirmAnswer::Yes) {
    terminator_.terminate();
    return;
  }
  confirmShown_ = false;
  caption(MenuCaption::Exit)->setOpen(false);
  caption(MenuCaption::Exit)->setState(MenuCaptionLabel::State::Available);
  CaptionsAfterNo r = captionsAfterNo({.resultDisplayed = ws_.resultShown});
  if (r.test) caption(MenuCaption::Test)->setState(MenuCaptionLabel::State::Available);
  if (r.settings) caption(MenuCaption::Settings)->setState(MenuCaptionLabel::State::Available);
  if (r.results) caption(MenuCaption::Results)->setState(MenuCaptionLabel::State::Available);
  screen_ = beforeConfirm_;
  update();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  if (confirmShown_) showConfirmHover(confirmAnswerAt({event->pos().x(), event->pos().y()}, ws_.scale));
  QWidget::mouseMoveEvent(event);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (confirmShown_ && event->button() == Qt::LeftButton) {
    ConfirmAnswer a = confirmAnswerAt({event->pos().x(), event->pos().y()}, ws_.scale);
    if (a != ConfirmAnswer::None) answerExitConfirmation(a);
  }
  QWidget::mousePressEvent(event);
}

}  // namespace ispyt
