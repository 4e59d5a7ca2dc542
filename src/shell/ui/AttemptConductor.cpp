#include "shell/ui/AttemptConductor.h"

#include "attempt/RegistrationCard.h"
#include "platform/qt/PixelFont.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"

namespace ispyt {
namespace {

TaskCanvas::Parts canvasParts(const WindowParts& parts) {
  const Workstation& ws = parts.ws;
  return {&parts.screen, &parts.background, parts.window, ws.scale, {}, {}, parts.repaint,
          &parts.transition};
}

}  // namespace

AttemptConductor::AttemptConductor(const WindowParts& parts, Host host)
    : parts_(parts),
      card_([this] { return makeCard(); }),
      journal_(parts.ws.programFolder, diskFileSystem()),
      canvas_(canvasParts(parts)),
      results_(canvas_, parts.look,
               ResultFilesContext{parts.ws.settings, parts.ws.programFolder, parts.ws.openTest,
                                  parts.ws.attempt, parts.ws.test, parts.ws.student,
                                  parts.ws.result, parts.random, {}, host.results}),
      focus_(parts.window, parts.ws.attempt, parts.scheduler) {
  Workstation& ws = parts_.ws;
  AttemptDesk::Host deskHost{
      std::move(host.setTitle),
      std::move(host.showTestSetTitle),
      std::move(host.attemptClosed),
      [this] { card_.hide(); },
      [this](bool typing, bool showSelector) {
        if (typing) parts_.shell.activateKeyboardLayout(layoutChoice_);
        if (showSelector || layoutSelector_) layoutSelector().setVisible(showSelector);
      },
      [this](const std::string& name) { parts_.sound.PlaySound(name); },
  };
  desk_ = std::make_unique<AttemptDesk>(
      AttemptDesk::Inputs{ws.settings, ws.openTest, ws.decor, ws.test, ws.attempt,
                          ws.screen.width, &ws.student, &journal_},
      parts_.scheduler, parts_.random, card_, canvas_, parts_.look,
      AttemptDesk::End{results_, results_}, std::move(deskHost));
  applyDecor();
}

CardDropDown& AttemptConductor::layoutSelector() {
  if (layoutSelector_) return *layoutSelector_;
  const Workstation& ws = parts_.ws;
  // The keyboard language for typed answers: a list that takes no keys.
  layoutSelector_ = new CardDropDown(parts_.window);
  QStringList choices;
  for (const std::string& c : layoutChoices()) choices << fromCp1251(c);
  layoutSelector_->setItems(choices);
  layoutSelector_->setPanelText(fromCp1251(layoutIndicator(std::string(layoutChoice_))));
  QObject::connect(layoutSelector_, &CardDropDown::chosen, layoutSelector_,
                   [this](int row) { chooseLayout(row); });
  layoutSelector_->hide();
  layoutSelector_->setBoxFont(pixelFont("DejaVu Sans", ws.scale.font(8)));
  layoutSelector_->place(parts_.rect(layout::kKeyboardSelector), ws.scale.x(16));
  return *layoutSelector_;
}

CardPanel* AttemptConductor::makeCard() {
  Workstation& ws = parts_.ws;
  auto* card = new CardPanel(ws.student, ws.classLists, parts_.shell,
                             [this](bool ready) { desk_->cardReady(ready); }, parts_.window);
  card->place(ws.scale);
  card->hide();
  return card;
}

void AttemptConductor::applyDecor() {
  const Workstation& ws = parts_.ws;
  canvas_.setTiles(parts_.look.cardTile, parts_.look.optionTile);
  TaskLook& look = canvas_.look();
  look.questionColour = ws.decor.questionColour;
  look.answerColour = ws.decor.answerColour;
  look.questionBold = ws.decor.questionBold;
  look.answerBold = ws.decor.answerBold;
}

void AttemptConductor::offerClassList() {
  const DecorSettings& decor = parts_.ws.decor;
  CardPanel& card = card_.panel();
  card.setNamesByList(decor.byList);
  if (decor.byList) card.presetClass(decor.listClass, decor.listLetter);
}

void AttemptConductor::chooseLayout(int row) {
  layoutChoice_ = layoutOfChoice(layoutChoices().at(static_cast<std::size_t>(row)));
  layoutSelector().setPanelText(fromCp1251(layoutIndicator(std::string(layoutChoice_))));
  parts_.shell.activateKeyboardLayout(layoutChoice_);
}

}  // namespace ispyt
