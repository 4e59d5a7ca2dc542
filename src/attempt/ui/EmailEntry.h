#pragma once
// The card's e-mail entry: a one-line memo for the user part, a fixed "@"
// and an edit for the domain.  Neither part takes a blank, an at-sign or a
// line break, typed or pasted.  When the user part wraps to a second line
// the three parts shrink their font (EmailInput), and grow back on
// backspace.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>
#include <string>

namespace ispyt {

// The user part; reports each edit, and whether it was a backspace.
class EmailUserMemo : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit EmailUserMemo(QWidget* parent);
  // Lines the text takes at the memo's width in its font.
  int wrappedLines() const;

 signals:
  void edited(bool backspace);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
};

class EmailEntry : public QWidget {
  Q_OBJECT

 public:
  explicit EmailEntry(QWidget* parent);

  // The three parts' rectangles in the parent's coordinates, and the
  // screen's vertical factor that sets the full font size.
  void place(const QRect& user, const QRect& at, const QRect& domain, double scaleY);
  int fontPoints() const { return points_; }
  // "user@domain" in Windows-1251, or empty while both parts are.
  std::string address() const;

  EmailUserMemo* user() const { return user_; }
  QLineEdit* domain() const { return domain_; }

 private:
  void userEdited(bool backspace);
  void applyFont();

  EmailUserMemo* user_;
  QLabel* at_;
  QLineEdit* domain_;
  double scaleY_ = 1.0;
  int points_ = 0;
};

}  // namespace ispyt
