#include "IcoFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Distinct colours per row and column, with transparent, half-transparent and opaque pixels,
// so a swapped channel, a flipped row order or a lost alpha shows as a mismatch.
QImage patternImage(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int alpha = x == 0 ? 0 : (x == 1 ? 128 : 255);
            const QRgb colour =
                alpha == 0 ? qRgba(0, 0, 0, 0) : qRgba(x * 9 % 256, y * 13 % 256, 200 - y, alpha);
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

// Where two images first differ, as text for the failure message; empty when they are equal.
std::string firstDifference(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) {
        return "size differs";
    }
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                return QStringLiteral("pixel %1,%2: %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16)
                    .toStdString();
            }
        }
    }
    return {};
}

std::vector<QImage> readAllImages(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    std::vector<QImage> images;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        images.push_back(reader.read());
    }
    return images;
}

// Qt's reader hands out premultiplied pixels, so both sides are compared premultiplied.
QImage premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(IcoFile, QtReadsBackEveryEntryPixelForPixel) {
    const std::vector<QImage> originals{patternImage(16), patternImage(24), patternImage(48)};

    const std::vector<QImage> decoded = readAllImages(grafiken::encodeIco(originals));

    ASSERT_EQ(decoded.size(), originals.size());
    for (size_t i = 0; i < originals.size(); ++i) {
        SCOPED_TRACE(originals[i].width());
        EXPECT_EQ(firstDifference(premultiplied(decoded[i]), premultiplied(originals[i])), "");
    }
}

// Readers that ignore the alpha channel take transparency from the AND mask: one bit per pixel,
// most significant bit first, rows bottom-up and padded to 32 bits.
TEST(IcoFile, AndMaskMarksExactlyTheTransparentPixels) {
    constexpr int kSide = 24;
    QImage image(kSide, kSide, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 255));
    for (int x = 0; x < 9; ++x) {
        image.setPixel(x, 0, qRgba(0, 0, 0, 0));  // top row, left nine pixels
    }

    const QByteArray ico = grafiken::encodeIco({image});

    const auto dibOffset = qFromLittleEndian<quint32>(ico.constData() + 18);
    const int maskOffset = static_cast<int>(dibOffset) + 40 + kSide * kSide * 4;
    const int rowBytes = 4;
    ASSERT_EQ(ico.size(), maskOffset + rowBytes * kSide);
    for (int row = 0; row < kSide; ++row) {
        const QByteArray mask = ico.mid(maskOffset + row * rowBytes, rowBytes);
        const bool topImageRow = row == kSide - 1;
        SCOPED_TRACE(row);
        EXPECT_EQ(mask, topImageRow ? QByteArray("\xFF\x80\x00\x00", 4) : QByteArray(4, '\0'));
    }
}

TEST(IcoFile, RefusesWhatTheContainerCannotHold) {
    EXPECT_TRUE(grafiken::encodeIco({}).isEmpty());
    EXPECT_TRUE(grafiken::encodeIco({QImage(16, 24, QImage::Format_ARGB32)}).isEmpty());
    EXPECT_TRUE(grafiken::encodeIco({QImage(256, 256, QImage::Format_ARGB32)}).isEmpty());
    EXPECT_TRUE(grafiken::encodeIco({patternImage(16), QImage()}).isEmpty());
}

}  // namespace
