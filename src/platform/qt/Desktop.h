#pragma once
// What the program reads off the desktop at start-up: a picture of it and
// the names of the installed fonts.

#include <QImage>
#include <QSize>
#include <QStringList>

namespace ispyt {

// The whole screen as it is before the main window is shown, in a picture
// of `size`.  Where the platform cannot grab the screen, a plain picture
// in the desktop's usual colour.
QImage takeDesktopSnapshot(QSize size);

QStringList installedFontFamilies();
// The exact name among the installed fonts.
bool fontInstalled(const QStringList& families, const QString& name);

}  // namespace ispyt
