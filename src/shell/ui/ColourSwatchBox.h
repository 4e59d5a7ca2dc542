#pragma once
// A colour drop-down of the appearance dialog: eight swatches of the text
// colour table; the chosen one paints the box and shows its code.

#include <QComboBox>

namespace ispyt {

class ColourSwatchBox : public QComboBox {
 public:
  explicit ColourSwatchBox(QWidget* parent = nullptr);

  int code() const;
  void setCode(int code);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ispyt
