// Writes the welcome picture "Bitmap.bmp" (and, for the record, the toolbar
// strip and the program icon) into the picture folder given, as the build
// does beside the program, and the program icon in every size into an icon
// theme folder laid out as the desktop's "hicolor" theme (NxN/apps/).

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "platform/artwork.h"

namespace {

bool writeIconTheme(const QDir& theme) {
    for (const int size : rolvanta::kProgramIconSizes) {
        const QString apps = QStringLiteral("%1x%1/apps").arg(size);
        if (!theme.mkpath(apps) ||
            !rolvanta::drawProgramIcon(size).save(
                theme.filePath(apps + QStringLiteral("/rolvanta.png")), "PNG")) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: rolvanta-pictures PICTURE_FOLDER ICON_THEME_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool written =
        rolvanta::drawWelcomePicture()
            .convertToFormat(QImage::Format_RGB888)
            .save(folder.filePath(QStringLiteral("Bitmap.bmp")), "BMP") &&
        rolvanta::drawToolbarStrip().save(folder.filePath(QStringLiteral("toolbar.png")), "PNG") &&
        rolvanta::drawProgramIcon().save(folder.filePath(QStringLiteral("rolvanta.png")), "PNG");
    if (!written) {
        std::fprintf(stderr, "rolvanta-pictures: cannot write into %s\n", argv[1]);
        return 1;
    }
    if (!writeIconTheme(QDir(QString::fromLocal8Bit(argv[2])))) {
        std::fprintf(stderr, "rolvanta-pictures: cannot write the icons into %s\n", argv[2]);
        return 1;
    }
    return 0;
}
