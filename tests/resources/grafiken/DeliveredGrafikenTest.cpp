// The pictures the build stages in the program directory's folder "Grafiken", read the way the
// programs read them: through Qt's ICO and PNG readers.
#include <QIcon>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <set>

namespace {

const char* const kIconFiles[] = {
    "Code_entfernen.ico",
    "Code_hinzufuegen.ico",
    "Kategorie_entfernen.ico",
    "Kategorie_erstellen.ico",
    "WinAPI-Code_online_einreichen.ico",
    "Vedezorevavaze.ico",
    "Alles_entfernen.ico",
    "Aufklappen.ico",
    "Bausteine_hinzufuegen.ico",
    "Informationen.ico",
    "Zuklappen.ico",
    "MSDN_Links.ico",
    "Erledigt.ico",
    "Fehler.ico",
    "Prozess.ico",
    "Quellhort.ico",
};

const std::set<int> kIconSizes{16, 24, 32, 48};

QString grafikenPath(const char* file) {
    return qEnvironmentVariable("QH_DIST_DIR") + "/Grafiken/" + QLatin1String(file);
}

std::vector<QImage> readAllImages(const QString& path) {
    QImageReader reader(path);
    std::vector<QImage> images;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        images.push_back(reader.read().convertToFormat(QImage::Format_ARGB32));
    }
    return images;
}

// Fractions of fully transparent and fully opaque pixels.
struct Coverage {
    double transparent = 0;
    double opaque = 0;
};

Coverage coverageOf(const QImage& image) {
    int transparent = 0;
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            transparent += alpha == 0 ? 1 : 0;
            opaque += alpha == 255 ? 1 : 0;
        }
    }
    const double pixels = image.width() * image.height();
    return {transparent / pixels, opaque / pixels};
}

double meanLuminance(const QImage& image, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            sum += 0.2126 * qRed(pixel) + 0.7152 * qGreen(pixel) + 0.0722 * qBlue(pixel);
        }
    }
    return sum / (area.width() * area.height());
}

TEST(DeliveredGrafiken, EveryIconHoldsTheFourSizes) {
    for (const char* file : kIconFiles) {
        SCOPED_TRACE(file);
        const std::vector<QImage> images = readAllImages(grafikenPath(file));
        std::set<int> sizes;
        for (const QImage& image : images) {
            EXPECT_EQ(image.width(), image.height());
            sizes.insert(image.width());
        }
        EXPECT_EQ(images.size(), kIconSizes.size());
        EXPECT_EQ(sizes, kIconSizes);

        const QList<QSize> iconSizes = QIcon(grafikenPath(file)).availableSizes();
        std::set<int> iconWidths;
        for (const QSize& size : iconSizes) {
            iconWidths.insert(size.width());
        }
        EXPECT_EQ(iconWidths, kIconSizes);
    }
}

// A lost alpha channel shows as a square block, a failed rendering as an empty image.
TEST(DeliveredGrafiken, IconsAreShapesOnATransparentGround) {
    for (const char* file : kIconFiles) {
        for (const QImage& image : readAllImages(grafikenPath(file))) {
            SCOPED_TRACE(testing::Message() << file << " " << image.width());
            const Coverage coverage = coverageOf(image);
            EXPECT_GT(coverage.transparent, 0.02);
            EXPECT_GT(coverage.opaque, 0.3);
        }
    }
}

// The banner sits at the top of 500 px wide windows, and the caption is drawn on it in white
// from y 15, so the band behind the caption must be dark.
TEST(DeliveredGrafiken, BannerIsAnOpaqueDarkBandAcrossTheWindow) {
    const QImage banner = QImage(grafikenPath("Banner.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(banner.isNull());
    EXPECT_GE(banner.width(), 480);
    EXPECT_LE(banner.width(), 500);
    EXPECT_GE(banner.height(), 40);
    EXPECT_LE(banner.height(), 60);
    EXPECT_EQ(coverageOf(banner).opaque, 1.0);
    EXPECT_LT(meanLuminance(banner, QRect(banner.width() / 2 - 100, 15, 200, 20)), 90.0);
}

// Shown beside a two-line text that starts 40 px to its right.
TEST(DeliveredGrafiken, InformationIsASmallPictureOnATransparentGround) {
    const QImage information =
        QImage(grafikenPath("Information.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(information.isNull());
    EXPECT_EQ(information.width(), information.height());
    EXPECT_GE(information.width(), 32);
    EXPECT_LE(information.width(), 40);
    const Coverage coverage = coverageOf(information);
    EXPECT_GT(coverage.transparent, 0.02);
    EXPECT_GT(coverage.opaque, 0.3);
}

}  // namespace
