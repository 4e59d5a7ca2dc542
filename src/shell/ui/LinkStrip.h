#pragma once
// The settings dialog's strip of 8 task cells for linking tasks: it draws
// what the dialog's model says of each cell and reports the cell clicked.

#include <QWidget>
#include <array>

#include "presentation/ScreenScale.h"
#include "shell/SettingsDialogModel.h"

namespace ispyt {

class LinkStrip : public QWidget {
  Q_OBJECT
 public:
  LinkStrip(const ScreenScale& scale, QWidget* parent);

  void setCells(const std::array<LinkCell, kLinkStripCells>& cells);
  // Cell k's place in the strip.
  QRect cellRect(int k) const;

 signals:
  void cellClicked(int k);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  ScreenScale scale_;
  std::array<LinkCell, kLinkStripCells> cells_{};
};

}  // namespace ispyt
