// Images from ICO and PNG files, image controls and the banner caption.

#include "UiFixture.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QtEndian>

namespace uitest {
namespace {

// An ICO file whose entries are PNG pictures of the given square sizes.
QByteArray iconFile(const std::vector<int>& sizes) {
    QByteArray header(6, '\0');
    qToLittleEndian<quint16>(1, header.data() + 2);
    qToLittleEndian<quint16>(static_cast<quint16>(sizes.size()), header.data() + 4);
    QByteArray directory;
    QByteArray pictures;
    const int dataStart = 6 + 16 * static_cast<int>(sizes.size());
    for (int size : sizes) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(QColor(0, 0, 255));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        QByteArray entry(16, '\0');
        entry[0] = static_cast<char>(size);
        entry[1] = static_cast<char>(size);
        qToLittleEndian<quint16>(1, entry.data() + 4);
        qToLittleEndian<quint16>(32, entry.data() + 6);
        qToLittleEndian<quint32>(static_cast<quint32>(png.size()), entry.data() + 8);
        qToLittleEndian<quint32>(static_cast<quint32>(dataStart + pictures.size()),
                                 entry.data() + 12);
        directory += entry;
        pictures += png;
    }
    return header + directory + pictures;
}

class ImagesTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(ui::OpenWindow(1, 500, 250, "Pfadeinstellung", ui::kWindowDefault));
    }

    std::string write(const QString& name, const QByteArray& bytes) {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName().toStdString();
    }

    std::string writeImage(const QString& name, const QImage& image) {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path.toStdString();
    }

    static QImage shownImage(int control) {
        return static_cast<QLabel*>(ui::ControlWidget(control))->pixmap().toImage();
    }

    QTemporaryDir m_dir;
};

TEST_F(ImagesTest, IconKeepsEverySizeAndShowsItsStandardSize) {
    ASSERT_TRUE(ui::LoadImage(4, write("Kategorie_erstellen.ico", iconFile({16, 32, 48}))));
    EXPECT_TRUE(ui::ImageExists(4));
    EXPECT_EQ(ui::ImageWidth(4), 32);
    EXPECT_EQ(ui::ImageHeight(4), 32);

    ui::SetWindowIcon(1, 4);
    const QList<QSize> sizes = ui::ParentForControl(101)->window()->windowIcon().availableSizes();
    EXPECT_EQ(sizes.size(), 3);

    // Natural size for an image control made with 0 x 0.
    ASSERT_TRUE(ui::CreateImage(102, 20, 30, 0, 0, 4));
    EXPECT_EQ(ui::ControlWidth(102), 32);
    EXPECT_EQ(ui::ControlHeight(102), 32);
}

TEST_F(ImagesTest, IconWithoutStandardSizeShowsItsLargest) {
    ASSERT_TRUE(ui::LoadImage(9, write("Aufklappen.ico", iconFile({16, 24}))));
    EXPECT_EQ(ui::ImageWidth(9), 24);
}

TEST_F(ImagesTest, MissingOrBrokenFilesLoadNothing) {
    EXPECT_FALSE(ui::LoadImage(5, m_dir.filePath("fehlt.png").toStdString()));
    EXPECT_FALSE(ui::LoadImage(5, write("kaputt.png", "keine Grafik")));
    EXPECT_FALSE(ui::ImageExists(5));
    EXPECT_FALSE(ui::LoadProgramIcon(15, m_dir.filePath("kein-programm").toStdString()));

    // An image control without image is empty and takes the size of a later one.
    ASSERT_TRUE(ui::CreateImage(104, 10, 100, 0, 0, 5));
    ASSERT_TRUE(ui::LoadImage(6, writeImage("Erledigt.png", QImage(16, 16, QImage::Format_RGB32))));
    ui::SetImageControl(104, 6);
    EXPECT_EQ(ui::ControlWidth(104), 16);
}

TEST_F(ImagesTest, ProgramIconOfAnImageFileIsThatImage) {
    ASSERT_TRUE(ui::LoadProgramIcon(15, write("purebasic.ico", iconFile({32}))));
    EXPECT_EQ(ui::ImageWidth(15), 32);
}

TEST_F(ImagesTest, BannerCaptionIsDrawnWhiteAndCentredOnACopy) {
    QImage banner(400, 50, QImage::Format_RGB32);
    banner.fill(QColor(20, 40, 120));
    ASSERT_TRUE(ui::LoadImage(14, writeImage("Banner.png", banner)));
    ASSERT_TRUE(ui::LoadFont(1, "", 12));
    ASSERT_TRUE(ui::CreateImage(101, 0, 0, 0, 0, 14));
    ASSERT_TRUE(ui::CreateImage(102, 0, 60, 0, 0, 14));

    const std::string caption = "Herzlich Willkommen";
    ui::DrawBannerCaption(101, 14, caption, 1);

    const QImage drawn = shownImage(101);
    ASSERT_EQ(drawn.size(), banner.size());
    int left = drawn.width();
    int top = drawn.height();
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixel(x, y) == qRgb(255, 255, 255)) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
        }
    }
    QFont font = QApplication::font();
    font.setPointSize(12);
    const int textWidth = QFontMetrics(font, &banner).horizontalAdvance(caption.c_str());
    ASSERT_LT(left, drawn.width()) << "no white pixel";
    EXPECT_NEAR(left, (400 - textWidth) / 2, 3);
    EXPECT_GE(top, 15);
    EXPECT_LT(top, 15 + QFontMetrics(font, &banner).height());

    // The loaded banner stays as it was.
    const QImage original = shownImage(102);
    EXPECT_EQ(original.pixel(left, top), banner.pixel(left, top));
    EXPECT_EQ(original, banner.convertToFormat(original.format()));
}

TEST_F(ImagesTest, BannerCaptionWithoutBannerLeavesTheControlEmpty) {
    ASSERT_TRUE(ui::CreateImage(101, 0, 0, 0, 0, 14));
    ui::DrawBannerCaption(101, 14, "Quellhort aktualisieren", 1);
    EXPECT_TRUE(shownImage(101).isNull());
}

}  // namespace
}  // namespace uitest
