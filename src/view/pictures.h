// The pictures built into the game: the skin, the menu background, the title
// pictures and the flags.
#pragma once

#include "picture.h"

#include <QImage>

#include <string_view>

// A built-in picture by its file name ("nativeskin.bmp", "paper.jpg", ...);
// a null image for a name that is not built in.
QImage builtinPicture(std::string_view name);

QImage toQImage(const Picture& picture);
Picture toPicture(const QImage& image);
