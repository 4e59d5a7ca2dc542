#include "shell/ui/AppearanceConductor.h"

#include "content/TestSets.h"
#include "platform/Paths.h"
#include "platform/qt/QtText.h"
#include "presentation/ColourSchemes.h"
#include "presentation/DecorFile.h"
#include "results/Outbox.h"
#include "results/ResultDatabases.h"
#include "shell/AppearanceApply.h"

namespace ispyt {

AppearanceConductor::AppearanceConductor(const WindowParts& parts, Host host)
    : parts_(parts), host_(std::move(host)), editor_(parts.ws.programFolder, parts.ws.classLists) {}

AppearanceDialog* AppearanceConductor::dialog() {
  if (dialog_) return dialog_.get();
  Workstation& ws = parts_.ws;
  dialog_ = std::make_unique<AppearanceDialog>(parts_.scheduler, parts_.shell, editor_,
                                               ws.classLists, parts_.window);
  QObject::connect(dialog_.get(), &AppearanceDialog::confirmed, dialog_.get(),
                   [this](bool closing) { confirm(closing); });
  QObject::connect(dialog_.get(), &AppearanceDialog::cleanRequested, dialog_.get(),
                   [this](const std::string& name) { clean(name); });
  QObject::connect(dialog_.get(), &QDialog::finished, dialog_.get(), [this] {
    const DecorSettings& d = parts_.ws.decor;
    dialog_->showClassList(d.listClass, d.listLetter, d.listGroup);
    parts_.shell.activateKeyboardLayout(kLayoutUkrainian);
    host_.closed();
  });
  return dialog_.get();
}

AppearanceConductor::~AppearanceConductor() = default;

void AppearanceConductor::open() {
  const Workstation& ws = parts_.ws;
  AppearanceDialog::Choices choices{
      programBackgroundChoices(ws.programFolder),
      cardBackgroundChoices(ws.programFolder),
      testSetChoices(locate(ws.programFolder, ws.baseFolderName)),
      resultDatabaseNames(ws.programFolder),
      static_cast<int>(waitingMessages(ws.programFolder, diskFileSystem()).size()),
  };
  // Before a set was ever chosen the list shows the one in use.
  DecorSettings shown = ws.decor;
  if (shown.testSet.empty() && !ws.tests[0].empty()) shown.testSet = ws.testSet;
  dialog()->fill(shown, choices, windowOptionsAvailable(ws.screen.width, ws.scale.scaleY));
  const QPoint window = parts_.window->geometry().topLeft();
  const Point at = appearanceDialogPosition({window.x(), window.y()}, ws.scale, dialog()->width());
  dialog()->move(at.x, at.y);
  dialog()->open();
}

void AppearanceConductor::confirm(bool closing) {
  Workstation& ws = parts_.ws;
  host_.applyWindowOptions(dialog()->desktopMode());
  DecorSettings chosen = dialog()->chosen();
  if (keepUsableClassList(chosen, ws.classLists)) dialog()->dropClassList();
  if (std::error_code error = WriteDecor(ws.programFolder, ws.baseFolderName, chosen)) {
    // Nothing is read back: the old file and the settings stay.
    dialog()->showProblem(ui("Файл ") + fromCp1251(decorFileName(ws.baseFolderName)) +
                         ui(" не записано: ") + QString::fromStdString(error.message()));
    return;
  }
  dialog()->showProblem({});
  parts_.shell.activateKeyboardLayout(kLayoutUkrainian);
  host_.confirmed();
  dialog()->setSchemeNumber(dialogSchemeNumber(chosen.colourScheme, dialog()->schemeNumber()));
  if (closing) dialog()->accept();
}

void AppearanceConductor::clean(const std::string& name) {
  std::error_code error;
  switch (deleteResultDatabase(parts_.ws.programFolder, name, error)) {
    case DatabaseDeletion::Deleted:
      dialog()->removeDatabase(name);
      dialog()->showProblem({});
      break;
    case DatabaseDeletion::Failed:
      dialog()->showProblem(ui("Файл не видалено: ") + QString::fromStdString(error.message()));
      break;
    case DatabaseDeletion::NotListed:
      break;
  }
}

}  // namespace ispyt
