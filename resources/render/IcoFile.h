#pragma once
// The Windows ICO container, written by hand so that every entry is the classic form all
// readers accept: a 32-bit BGRA DIB with straight alpha, followed by its 1-bit AND mask.

#include <QByteArray>
#include <QImage>

#include <vector>

namespace grafiken {

// Encodes the images, in the given order, as one ICO file. Each image must be square and
// at most 255 pixels wide; returns an empty array when one is not (or the list is empty).
QByteArray encodeIco(const std::vector<QImage>& images);

}  // namespace grafiken
