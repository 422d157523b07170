// Images, fonts, image controls and the banner caption.

#include "common/text/AnsiText.h"
#include "common/ui/GuiThread.h"
#include "common/ui/Registry.h"
#include "common/ui/Ui.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace ui {
namespace {

using detail::ControlKind;
using detail::ImageEntry;
using detail::runOnGui;

// The picture of an icon file is its 32 x 32 entry, the size Windows gives an icon by default;
// without one, the largest entry.
constexpr int kIconPictureSize = 32;

// An image control made with a width or height of 0 follows the size of its image.
constexpr const char* kNaturalSizeProperty = "qh_natural_size";

bool readImageFile(const QString& path, ImageEntry& entry) {
    QImageReader reader(path);
    const int count = std::max(1, reader.imageCount());
    QImage picture;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i)) {
            break;
        }
        const QImage image = reader.read();
        if (image.isNull()) {
            break;
        }
        entry.icon.addPixmap(QPixmap::fromImage(image));
        const bool preferred =
            image.width() == kIconPictureSize && image.height() == kIconPictureSize;
        const bool pictureIsPreferred =
            picture.width() == kIconPictureSize && picture.height() == kIconPictureSize;
        if (picture.isNull() || preferred ||
            (!pictureIsPreferred &&
             image.width() * image.height() > picture.width() * picture.height())) {
            picture = image;
        }
    }
    if (picture.isNull()) {
        return false;
    }
    entry.pixmap = QPixmap::fromImage(picture);
    return true;
}

QLabel* imageControlOf(int control) {
    return detail::controlAs<QLabel>(control, ControlKind::Image);
}

void showPicture(QLabel* label, const QPixmap& pixmap) {
    label->setPixmap(pixmap);
    if (label->property(kNaturalSizeProperty).toBool()) {
        label->resize(pixmap.size());
    }
}

}  // namespace

bool LoadImage(int image, const std::string& path) {
    return runOnGui([&] {
        ImageEntry entry;
        if (!readImageFile(common::diskPath(path), entry)) {
            return false;
        }
        detail::storeImage(image, std::move(entry));
        return true;
    });
}

bool LoadProgramIcon(int image, const std::string& programPath) {
    return runOnGui([&] {
        const QString path = common::diskPath(programPath);
        ImageEntry entry;
        if (!QImageReader::imageFormat(path).isEmpty()) {
            if (!readImageFile(path, entry)) {
                return false;
            }
        } else {
            // A program on this platform has no icon inside; its theme icon is named after it.
            entry.icon = QIcon::fromTheme(QFileInfo(path).completeBaseName());
            if (entry.icon.isNull()) {
                return false;
            }
            entry.pixmap = entry.icon.pixmap(kIconPictureSize, kIconPictureSize);
        }
        detail::storeImage(image, std::move(entry));
        return true;
    });
}

bool ImageExists(int image) {
    return runOnGui([&] { return detail::findImage(image) != nullptr; });
}

int ImageWidth(int image) {
    return runOnGui([&] {
        const ImageEntry* entry = detail::findImage(image);
        return entry != nullptr ? entry->pixmap.width() : 0;
    });
}

int ImageHeight(int image) {
    return runOnGui([&] {
        const ImageEntry* entry = detail::findImage(image);
        return entry != nullptr ? entry->pixmap.height() : 0;
    });
}

void FreeImage(int image) {
    runOnGui([&] { detail::forgetImage(image); });
}

bool LoadFont(int font, const std::string& family, int points, bool bold) {
    return runOnGui([&] {
        if (points <= 0) {
            return false;
        }
        QFont value = QApplication::font();
        if (!family.empty()) {
            value.setFamily(common::toQString(family));
        }
        value.setPointSize(points);
        value.setBold(bold);
        detail::storeFont(font, value);
        return true;
    });
}

bool CreateImage(int control, int x, int y, int w, int h, int image) {
    return runOnGui([&] {
        if (detail::findControl(control) != nullptr) {
            FreeControl(control);
        }
        QWidget* parent = detail::controlParent(control);
        if (parent == nullptr) {
            return false;
        }
        auto* label = new QLabel(parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setProperty(kNaturalSizeProperty, w == 0 || h == 0);
        label->setGeometry(x, y, w, h);
        if (const ImageEntry* entry = detail::findImage(image)) {
            showPicture(label, entry->pixmap);
        }
        label->show();
        detail::registerControl(control, label, ControlKind::Image);
        return true;
    });
}

void SetImageControl(int control, int image) {
    runOnGui([&] {
        QLabel* label = imageControlOf(control);
        if (label == nullptr) {
            return;
        }
        const ImageEntry* entry = detail::findImage(image);
        showPicture(label, entry != nullptr ? entry->pixmap : QPixmap());
    });
}

void DrawBannerCaption(int control, int bannerImage, const std::string& caption, int font) {
    runOnGui([&] {
        QLabel* label = imageControlOf(control);
        const ImageEntry* banner = detail::findImage(bannerImage);
        if (label == nullptr || banner == nullptr) {
            return;
        }
        // A palette image cannot be painted on; the copy takes a format that can.
        QImage copy = banner->pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter painter;
        if (painter.begin(&copy)) {
            const QFont* chosen = detail::findFont(font);
            painter.setFont(chosen != nullptr ? *chosen : QApplication::font());
            painter.setPen(QColor(255, 255, 255));
            painter.setBackgroundMode(Qt::TransparentMode);
            const QFontMetrics metrics = painter.fontMetrics();
            const QString text = common::toQString(caption);
            const int x = (copy.width() - metrics.horizontalAdvance(text)) / 2;
            painter.drawText(x, 15 + metrics.ascent(), text);
            painter.end();
        }
        showPicture(label, QPixmap::fromImage(copy));
    });
}

}  // namespace ui
