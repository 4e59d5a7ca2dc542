#include "shell/ui/ColourSwatchBox.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionComboBox>

#include "platform/qt/QtColour.h"
#include "presentation/AppearanceDialogRules.h"
#include "presentation/TextColours.h"

namespace ispyt {
namespace {

QColor swatch(int code) { return qcolor(textColour(code)); }

}  // namespace

ColourSwatchBox::ColourSwatchBox(QWidget* parent) : QComboBox(parent) {
  for (int code : kSwatchCodes) {
    addItem(QString());
    setItemData(count() - 1, code, Qt::UserRole);
    setItemData(count() - 1, QBrush(swatch(code)), Qt::BackgroundRole);
  }
  connect(this, &QComboBox::currentIndexChanged, this, [this] { update(); });
}

int ColourSwatchBox::code() const {
  return currentIndex() < 0 ? 0 : currentData(Qt::UserRole).toInt();
}

void ColourSwatchBox::setCode(int code) { setCurrentIndex(std::max(0, swatchPosition(code))); }

void ColourSwatchBox::keyPressEvent(QKeyEvent* event) { event->accept(); }

void ColourSwatchBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  style()->drawComplexControl(QStyle::CC_ComboBox, &option, &p, this);
  const QRect field =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  const QColor c = swatch(code());
  p.fillRect(field.adjusted(1, 1, -1, -1), c);
  p.setPen(qGray(c.rgb()) < 128 ? Qt::white : Qt::black);
  p.drawText(field, Qt::AlignCenter, QString::number(code()));
}

}  // namespace ispyt
