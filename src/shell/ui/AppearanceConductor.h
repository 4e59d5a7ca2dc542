#pragma once
// The appearance dialog on the main window: opened from "Оформлення",
// filled from the workstation and the folders; apply and OK write
// decor.ini and hand the re-reading to the menu's dispatcher; "Очистка
// файлу" deletes a result database.

#include <functional>
#include <memory>

#include "attempt/ClassListEditor.h"
#include "shell/ui/AppearanceDialog.h"
#include "shell/ui/WindowParts.h"

namespace ispyt {

class AppearanceConductor {
 public:
  // What the dialog asks of the rest of the window.
  struct Host {
    std::function<void(bool desktopMode)> applyWindowOptions;  // the surround window
    std::function<void()> confirmed;  // decor.ini is written: the dispatcher reads it back
    std::function<void()> closed;
  };

  AppearanceConductor(const WindowParts& parts, Host host);
  ~AppearanceConductor();

  // Fills the dialog from the workstation and shows it, modal.
  void open();
  // The class lists were read anew.
  void classListsRead() {
    if (dialog_) dialog_->refreshClassLists();
  }
  // Made when first asked for: start-up does not wait for it.
  AppearanceDialog* dialog();

 private:
  void confirm(bool closing);
  void clean(const std::string& name);

  WindowParts parts_;
  Host host_;
  ClassListEditor editor_;
  std::unique_ptr<AppearanceDialog> dialog_;
};

}  // namespace ispyt
