// ispyt: the pupil's workstation.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileErrorText.h"
#include "platform/FolderFromExample.h"
#include "platform/Paths.h"
#include "platform/qt/FontsWarmUp.h"
#include "platform/qt/QtText.h"
#include "shell/ui/MainWindow.h"

namespace {

const char* const kHelp = R"(Usage: ispyt [--program-folder DIR | --user-folder]

The pupil's workstation: the tests of a program folder's test set, taken in
a window that holds the whole screen until the program ends.  Results are
stored in the program folder and may be sent to the teacher's computer
(ispyt-receiver).

  --program-folder DIR  work in the program folder DIR (default: the
                        working directory)
  --user-folder         work in the user's own program folder, "program"
                        in the user's data folder for ispyt
                        (~/.local/share/ispyt/program), made from the
                        installed example on the first start
  --help                this text
  --version             the version

Environment:
  ISPYT_SEED=N                the same shuffles and attempt codes on every
                              run (for screenshots)
  ISPYT_REPORT_FIRST_FRAME=1  say on standard error when the first frame
                              was painted, and after how long

Exit status: 0 done, 1 the program folder could not be found or made.
)";

// The example a package installs, found from the program's own folder, so
// that an installation unpacked anywhere finds its own.
QString installedExample() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(ISPYT_EXAMPLE_FROM_BIN);
}

std::filesystem::path fromQt(const QString& path) {
  return std::filesystem::path(path.toStdU16String());
}

}  // namespace

int main(int argc, char** argv) {
  // Answered before the window system is looked for, so that they work
  // anywhere (and make the manual page at build time).
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (!std::strcmp(argv[i], "--version")) {
      std::printf("ispyt %s\n", ISPYT_VERSION);
      return 0;
    }
  }
  QElapsedTimer sinceStart;
  sinceStart.start();
  ispyt::FontsWarmUp fonts;
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName("ispyt");

  std::vector<std::string> args(argv, argv + argc);
  std::error_code ec;
  std::filesystem::path start = std::filesystem::current_path(ec);
  for (const std::string& a : args) {
    if (a != "--user-folder") continue;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    start = fromQt(QDir(data).filePath("program"));
    const ispyt::FolderFromExample made =
        ispyt::makeFolderFromExample(fromQt(installedExample()), start);
    if (made.error) {
      const QString where = QString::fromStdU16String(made.where.u16string());
      std::fprintf(stderr, "ispyt: cannot make the program folder %s: %s\n", start.string().c_str(),
                   made.error.message().c_str());
      QMessageBox::critical(nullptr, "ispyt",
                            ispyt::ui("Не вдалося створити теку програми з прикладу: ") + where +
                                ": " + ispyt::fromCp1251(ispyt::fileErrorReason(made.error)));
      return 1;
    }
  }
  auto folder = ispyt::programFolderFromArgs(args, start);
  if (!folder) {
    QMessageBox::critical(nullptr, "ispyt", ispyt::ui("Теку програми не знайдено."));
    return 1;
  }

  ispyt::MainWindowOptions options{.programFolder = *folder};
  // The same shuffles and codes on every run, for screenshots: ISPYT_SEED=N.
  bool seeded = false;
  const qulonglong seed = qEnvironmentVariable("ISPYT_SEED").toULongLong(&seeded);
  if (seeded) options.seed = seed;
  options.fontsReady = [&fonts] { fonts.wait(); };
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
