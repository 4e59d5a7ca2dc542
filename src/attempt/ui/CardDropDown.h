#pragma once
// A drop-down of the registration card: a read-only panel showing the
// chosen text and a small arrow label; a click on either opens the list.
// The list takes no typing (CardPopupList).  The box may be an arrow alone
// beside another field: its list then opens under that field.

#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <optional>

#include "attempt/ui/CardPopupList.h"

namespace ispyt {

class CardDropDown : public QWidget {
  Q_OBJECT

 public:
  explicit CardDropDown(QWidget* parent);

  void setItems(const QStringList& items);
  int itemCount() const { return static_cast<int>(items_.size()); }
  void setPanelText(const QString& text) { panel_->setText(text); }
  QString panelText() const { return panel_->text(); }
  // The panel's background (a judged answer's colour); an invalid colour
  // gives the usual one back.
  void setPanelColour(const QColor& colour);
  void setBoxFont(const QFont& font);
  // The box in its parent's coordinates; the arrow takes `arrowWidth` at
  // its right end (all of it when the box is no wider).
  void place(const QRect& box, int arrowWidth);
  // The list opens under this widget's span instead of the box's.
  void setListAnchor(QWidget* anchor) { anchor_ = anchor; }
  void openList();

 signals:
  void chosen(int row);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // The list is made when first opened: a card has many boxes, and
  // start-up need not wait for their lists.
  CardPopupList* list();

  QLabel* panel_;
  QLabel* arrow_;
  CardPopupList* list_ = nullptr;
  QStringList items_;
  std::optional<QFont> listFont_;
  QWidget* anchor_ = nullptr;
};

}  // namespace ispyt
