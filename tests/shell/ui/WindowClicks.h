#pragma once
// How the window tests work the main window as a pupil or a teacher would.

#include <QtTest>

#include "shell/ui/MainWindow.h"

namespace ispyt {

// A menu caption pointed at and clicked; offscreen windows get no enter
// events, so the pointing is said for them.
inline void chooseCaption(MainWindow& window, MenuCaption c) {
  QTest::mouseMove(window.caption(c), QPoint(3, 3));
  emit window.caption(c)->entered();
  QTest::mouseClick(window.caption(c), Qt::LeftButton, {}, QPoint(3, 3));
}

// A click on the side list's item `index`.
inline void clickSideItem(MainWindow& window, int index) {
  const SideMenuItem& item = window.sideMenu()->layout().items[index];
  QTest::mouseClick(window.sideMenu(), Qt::LeftButton, {},
                    QPoint(item.position.x + 2, item.position.y + 4));
}

// The middle of a rectangle of the design screen, on this window.
inline QPoint centreOf(MainWindow& window, const Rect& design) {
  const Rect r = window.workstation().scale.rect(design);
  return {r.x + r.width / 2, r.y + r.height / 2};
}

}  // namespace ispyt
