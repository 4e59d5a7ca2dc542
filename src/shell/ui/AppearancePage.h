#pragma once
// One tab of the appearance dialog: its background painted in the
// dialog's colour scheme and its labels drawn on it as text (the check
// boxes and drop-downs carry no captions of their own).

#include <QImage>
#include <QString>
#include <QWidget>
#include <vector>

namespace ispyt {

class AppearancePage : public QWidget {
 public:
  explicit AppearancePage(QWidget* parent = nullptr) : QWidget(parent) {}

  // A label with its top left at `at`, in `points`.
  void addLabel(const QString& text, QPoint at, int points = 9);
  // The scheme number of the dialog's painting (1..7).
  void setScheme(int schemeNumber);
  QStringList labels() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Label {
    QString text;
    QPoint at;
    int points;
  };
  void paintBackdrop();

  std::vector<Label> labels_;
  int scheme_ = 0;
  QImage backdrop_;
};

}  // namespace ispyt
