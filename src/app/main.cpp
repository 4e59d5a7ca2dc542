// ispyt: the pupil's workstation.

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Paths.h"
#include "platform/qt/QtText.h"
#include "shell/ui/MainWindow.h"

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);

  std::vector<std::string> args(argv, argv + argc);
  std::error_code ec;
  auto folder = ispyt::programFolderFromArgs(args, std::filesystem::current_path(ec));
  if (!folder) {
    QMessageBox::critical(nullptr, "ispyt", ispyt::ui("Теку програми не знайдено."));
    return 1;
  }

  ispyt::MainWindowOptions options{.programFolder = *folder};
  // The same shuffles and codes on every run, for screenshots: ISPYT_SEED=N.
  bool seeded = false;
  const qulonglong seed = qEnvironmentVariable("ISPYT_SEED").toULongLong(&seeded);
  if (seeded) options.seed = seed;
  ispyt::MainWindow window(std::move(options));
  // Start-up timing for measurements: ISPYT_REPORT_FIRST_FRAME=1.
  if (qEnvironmentVariableIsSet("ISPYT_REPORT_FIRST_FRAME")) {
    QObject::connect(&window, &ispyt::MainWindow::firstFramePainted, [&] {
      std::fprintf(stderr, "first frame painted after %lld ms\n",
                   static_cast<long long>(sinceStart.elapsed()));
    });
  }
  window.showOnScreen();
  return app.exec();
}
