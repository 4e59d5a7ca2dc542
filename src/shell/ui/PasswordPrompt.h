#pragma once
// The password prompt on the status strip: "Пароль:" (yellow over a red
// copy), a box that shows the typed digits as "=", and the close mark "x"
// (red while hovered).

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "shell/PasswordEntry.h"

namespace ispyt {

class PasswordPrompt : public QWidget {
  Q_OBJECT
 public:
  explicit PasswordPrompt(QWidget* parent);

  // Shows an empty prompt for `password` and focuses the box.
  void ask(int password);
  void setFonts(int captionSize, int closeSize, int editSize);
  QLineEdit* box() const { return box_; }
  QLabel* closeMark() const { return close_; }
  // The mouse moved over the main window elsewhere.
  void resetCloseMark();

 signals:
  void accepted();
  void closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QFont captionFont_;
  QPoint captionAt_;
  QLineEdit* box_;
  QLabel* close_;
  PasswordEntry entry_;
  int password_ = -1;  // no typed number is negative
};

}  // namespace ispyt
