#pragma once
// The offer made at start-up when an attempt was cut off by a crash or a
// power cut: what it holds, the test's password when it has one, and the
// choice to resume it or to keep its journal aside.

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ispyt {

class ResumeOffer : public QDialog {
  Q_OBJECT
 public:
  struct Answers {
    // The teacher chose to resume, with the password typed (empty when none
    // is asked); false keeps the offer open (a wrong password).
    std::function<bool(const QString& password)> resume;
    std::function<void()> decline;
  };

  ResumeOffer(QWidget* parent, const QString& text, bool askPassword, Answers answers);

  QPushButton* resumeButton() const { return resume_; }
  QPushButton* declineButton() const { return decline_; }
  QLineEdit* passwordBox() const { return password_; }

 private:
  Answers answers_;
  QLabel* wrong_ = nullptr;
  QLineEdit* password_ = nullptr;
  QPushButton* resume_ = nullptr;
  QPushButton* decline_ = nullptr;
};

}  // namespace ispyt
