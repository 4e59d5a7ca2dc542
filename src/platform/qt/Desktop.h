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
// The snapshot smoothly scaled to `size`: the same pixels as a painter
// that draws it smoothly into a rectangle of that size.
QImage desktopThumbnail(const QImage& snapshot, QSize size);

QStringList installedFontFamilies();
// The exact name among the installed fonts.
bool fontInstalled(const QStringList& families, const QString& name);

}  // namespace ispyt
