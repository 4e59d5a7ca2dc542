#pragma once
// What the painting subcommands share: a picture size on the command line,
// and a Qt application that paints without a display.

#include <QGuiApplication>
#include <memory>
#include <string>

namespace ispyt::tool {

// "WxH", each 1..8192.
bool parseSize(const std::string& s, int& w, int& h);

// Painting text needs a GUI application; with no display it paints
// offscreen.
std::unique_ptr<QGuiApplication> startPainting();

}  // namespace ispyt::tool
