#pragma once
// The results section's commands on the main window: a stored result
// opened from the side list, the monitoring charts of all results or of
// the one opened, and "Очистка " of the test folder's results.  The charts
// window is built anew for every showing and hidden by the dispatcher.

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "results/MonitorCharts.h"
#include "results/ui/ResultScreen.h"
#include "shell/MainMenu.h"
#include "shell/ui/WindowParts.h"

namespace ispyt {

class ResultsConductor {
 public:
  // What the results ask of the rest of the window.
  struct Host {
    std::function<ResultScreen&()> resultScreen;
    // Whatever is left of the last attempt dropped, the task screen emptied.
    std::function<void()> leaveAttempt;
    std::function<void(const MenuCaptionText&)> showResultsCaption;
  };

  ResultsConductor(const WindowParts& parts, Host host);
  ~ResultsConductor();

  // The stored result `code` of the test folder, loaded for review and
  // shown: the diagram, the grade, the name plate and a summary on the
  // card.  The test must be opened again for an attempt.
  void showStoredResult(const std::string& code);
  // The charts of the one result opened (the Insert key); a monitoring
  // result is first shown with its grade, which its testee was not shown.
  void showResultChart();
  void monitorAllResults() { ShowCharts(MonitorView::AllAttempts); }
  void cleanResults();
  void hideCharts();

  // The charts window shown last (a ChartsWindow), if any.
  QWidget* chartsWindow() const { return charts_.get(); }

 private:
  void ShowCharts(MonitorView view);
  void showStored(const GradeOutcome& grade);

  WindowParts parts_;
  Workstation& ws_;
  Host host_;
  std::unique_ptr<QWidget> charts_;
};

}  // namespace ispyt
