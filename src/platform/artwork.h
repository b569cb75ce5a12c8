#pragma once

#include <QPixmap>

// The program's own artwork, drawn in code: a green with its flag under an evening sky.
namespace platform {

// The scene scaled to the size asked for.
QPixmap artwork(QSize size);
// The main window's 640 x 442 picture, whose scene fills the part the window shows.
QPixmap mainWindowPicture();

} // namespace platform
