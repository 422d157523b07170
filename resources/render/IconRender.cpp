// Build tool: turns the SVG drawings of resources/Grafiken into the program's pictures.
//   IconRender ico <output.ico> <drawing.svg>...   icon with the sizes 16, 24, 32 and 48
//   IconRender png <output.png> <drawing.svg>      picture at the drawing's natural size
// Exit code 0 on success; otherwise 1 with the reason on stderr. The drawings hold no text, so
// painting them on a QImage needs no GUI platform and the tool runs on any build machine.

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <array>
#include <vector>

#include "IcoFile.h"
#include "SvgDrawings.h"

namespace {

constexpr std::array kIconSizes{16, 24, 32, 48};

// Written through QSaveFile so an interrupted build never leaves half a file behind.
bool writeFile(const QString& path, const QByteArray& content) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(content);
    return file.commit();
}

QByteArray renderIcon(const grafiken::SvgDrawings& drawings) {
    std::vector<QImage> images;
    for (int size : kIconSizes) {
        images.push_back(drawings.render(QSize(size, size)));
    }
    return grafiken::encodeIco(images);
}

QByteArray renderPicture(const grafiken::SvgDrawings& drawings) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!drawings.render(drawings.naturalSize()).save(&buffer, "PNG")) {
        return {};
    }
    return png;
}

int fail(const QString& reason) {
    QTextStream(stderr) << "IconRender: " << reason << '\n';
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4 || (args[1] != "ico" && args[1] != "png") ||
        (args[1] == "png" && args.size() != 4)) {
        return fail("usage: IconRender ico <out.ico> <in.svg>... | png <out.png> <in.svg>");
    }
    const QString& output = args[2];
    const grafiken::SvgDrawings drawings = grafiken::SvgDrawings::load(args.mid(3));
    if (drawings.isEmpty()) {
        return fail("cannot read the drawings for " + output);
    }
    const QByteArray content = args[1] == "ico" ? renderIcon(drawings) : renderPicture(drawings);
    if (content.isEmpty()) {
        return fail("cannot render " + output);
    }
    return writeFile(output, content) ? 0 : fail("cannot write " + output);
}
