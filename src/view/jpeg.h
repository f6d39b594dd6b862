// Decoding JPEG pictures with libjpeg.
#pragma once

#include <QImage>

#include <span>

// The picture in RGB32, or a null image when the data is not a complete,
// undamaged JPEG picture (libjpeg's warnings count as damage).
QImage decodeJpeg(std::span<const unsigned char> data);
