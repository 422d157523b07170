#include "SvgDrawings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SvgDrawingsTest : public ::testing::Test {
protected:
    // A drawing that fills its whole area with one colour.
    QString writeDrawing(const QString& name, QSize size, const char* colour) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                  "height=\"%2\" viewBox=\"0 0 %1 %2\"><rect width=\"%1\" "
                                  "height=\"%2\" fill=\"%3\"/></svg>")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(QLatin1String(colour))
                       .toUtf8());
        return path;
    }

    QTemporaryDir m_dir;
};

// Each size must come from the drawing meant for it; a centre and a corner pixel tell which
// drawing was used and that it covers the whole image.
TEST_F(SvgDrawingsTest, EachSizeComesFromItsOwnGridElseFromTheWidestDrawing) {
    const QString small = writeDrawing("Klein.svg", QSize(16, 16), "#ff0000");
    const QString large = writeDrawing("Gross.svg", QSize(24, 24), "#0000ff");
    const struct {
        int size;
        QRgb expected;
    } cases[] = {
        {16, qRgb(255, 0, 0)}, {24, qRgb(0, 0, 255)}, {32, qRgb(0, 0, 255)}, {48, qRgb(0, 0, 255)}};

    for (const QStringList& order : {QStringList{small, large}, QStringList{large, small}}) {
        const grafiken::SvgDrawings drawings = grafiken::SvgDrawings::load(order);
        ASSERT_FALSE(drawings.isEmpty());
        for (const auto& c : cases) {
            SCOPED_TRACE(c.size);
            const QImage image = drawings.render(QSize(c.size, c.size));
            ASSERT_EQ(image.size(), QSize(c.size, c.size));
            EXPECT_EQ(image.pixel(c.size / 2, c.size / 2), c.expected);
            EXPECT_EQ(image.pixel(c.size - 1, c.size - 1), c.expected);
        }
    }
}

TEST_F(SvgDrawingsTest, APictureIsRenderedWholeAtItsNaturalSize) {
    const QString band = writeDrawing("Band.svg", QSize(40, 10), "#123456");

    const grafiken::SvgDrawings drawings = grafiken::SvgDrawings::load({band});
    const QImage picture = drawings.render(drawings.naturalSize());

    ASSERT_EQ(picture.size(), QSize(40, 10));
    EXPECT_EQ(picture.pixel(39, 9), qRgb(0x12, 0x34, 0x56));
}

TEST_F(SvgDrawingsTest, AnUnreadableDrawingSpoilsTheWholeSet) {
    const QString good = writeDrawing("Gut.svg", QSize(16, 16), "#ff0000");
    const QString broken = m_dir.filePath("Kaputt.svg");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<svg");
    file.close();

    EXPECT_TRUE(grafiken::SvgDrawings::load({good, broken}).isEmpty());
    EXPECT_TRUE(grafiken::SvgDrawings::load({good, m_dir.filePath("Fehlt.svg")}).isEmpty());
    EXPECT_TRUE(grafiken::SvgDrawings::load({}).isEmpty());
}

}  // namespace
