#include "IcoFile.h"

#include <QtEndian>

#include <cstdint>

namespace grafiken {

namespace {

constexpr int kDirHeaderSize = 6;
constexpr int kDirEntrySize = 16;
constexpr int kBitmapInfoSize = 40;
// The directory stores each side in one byte.
constexpr int kMaxIconSide = 255;

void appendU16(QByteArray& out, std::uint16_t value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void appendU32(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// AND-mask rows are 1 bit per pixel, padded to whole 32-bit words.
int maskRowBytes(int width) {
    return ((width + 31) / 32) * 4;
}

int dibSize(int side) {
    return kBitmapInfoSize + side * side * 4 + maskRowBytes(side) * side;
}

// The DIB stores its rows bottom-up and declares twice the height: colour rows, then mask rows.
QByteArray encodeDib(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int side = image.width();
    QByteArray dib;
    dib.reserve(dibSize(side));

    appendU32(dib, kBitmapInfoSize);
    appendU32(dib, static_cast<std::uint32_t>(side));
    appendU32(dib, static_cast<std::uint32_t>(side * 2));
    appendU16(dib, 1);   // planes
    appendU16(dib, 32);  // bits per pixel
    appendU32(dib, 0);   // BI_RGB
    appendU32(dib, static_cast<std::uint32_t>(dibSize(side) - kBitmapInfoSize));
    appendU32(dib, 0);  // horizontal resolution
    appendU32(dib, 0);  // vertical resolution
    appendU32(dib, 0);  // palette colours
    appendU32(dib, 0);  // important colours

    for (int y = side - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < side; ++x) {
            // QRgb in a little-endian word is exactly the B, G, R, A byte order of the DIB.
            appendU32(dib, row[x]);
        }
    }
    for (int y = side - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray maskRow(maskRowBytes(side), '\0');
        for (int x = 0; x < side; ++x) {
            if (qAlpha(row[x]) == 0) {
                maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | (0x80 >> (x % 8)));
            }
        }
        dib.append(maskRow);
    }
    return dib;
}

}  // namespace

QByteArray encodeIco(const std::vector<QImage>& images) {
    if (images.empty()) {
        return {};
    }
    for (const QImage& image : images) {
        if (image.isNull() || image.width() != image.height() || image.width() > kMaxIconSide) {
            return {};
        }
    }

    QByteArray out;
    appendU16(out, 0);  // reserved
    appendU16(out, 1);  // resource type: icon
    appendU16(out, static_cast<std::uint16_t>(images.size()));

    std::uint32_t offset =
        kDirHeaderSize + kDirEntrySize * static_cast<std::uint32_t>(images.size());
    for (const QImage& image : images) {
        const int side = image.width();
        out.append(static_cast<char>(side));
        out.append(static_cast<char>(side));
        out.append('\0');    // no palette
        out.append('\0');    // reserved
        appendU16(out, 1);   // planes
        appendU16(out, 32);  // bits per pixel
        appendU32(out, static_cast<std::uint32_t>(dibSize(side)));
        appendU32(out, offset);
        offset += static_cast<std::uint32_t>(dibSize(side));
    }
    for (const QImage& image : images) {
        out.append(encodeDib(image));
    }
    return out;
}

}  // namespace grafiken
