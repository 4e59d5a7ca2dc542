#pragma once
// The "Додаток" window: the picture or text the test's author put beside a
// task, beside the main window while the task is on screen.  It stays on
// top and is dragged by its whole surface; its title bar switches between
// the small and the large form.

#include <QImage>
#include <QWidget>
#include <filesystem>

#include "presentation/Appendix.h"
#include "presentation/ScreenScale.h"
#include "presentation/qt/QtTextSlots.h"
#include "presentation/ui/CaptionBar.h"

class QPlainTextEdit;

namespace ispyt {

class AppendixWindow : public QWidget {
 public:
  AppendixWindow(QWidget* mainWindow, const ScreenScale& scale);

  // Fills the window with the appendix of task n and shows it in the small
  // form; hides it and returns false when the task has none.
  bool showFor(const std::filesystem::path& testFolder, int task);
  void setLarge(bool large);
  bool large() const { return large_; }

  AppendixKind kind() const { return kind_; }
  // What the window shows: the image of its form, or the memo's lines.
  const QImage& image() const { return large_ ? largeImage_ : smallImage_; }
  QPlainTextEdit* memo() const { return memo_; }
  CaptionBar* caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showPicture(const QImage& picture);
  void showTextLine(const std::string& line, const std::string& folder);
  void showLines(const QStringList& lines);
  void place(const Rect& relative);
  QImage renderLine(const std::string& line, const std::string& folder, QSize size);

  QWidget* main_;
  ScreenScale scale_;
  CaptionBar* caption_;
  QPlainTextEdit* memo_;
  QtTextSlots slots_;
  AppendixKind kind_ = AppendixKind::None;
  bool large_ = false;
  bool portrait_ = false;
  QImage smallImage_, largeImage_;
  WindowDrag drag_;
};

}  // namespace ispyt
