// Writes the welcome picture "Bitmap.bmp" (and, for the record, the toolbar
// strip and the program icon) into the folder given, as the build does
// beside the program.

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "platform/artwork.h"

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: rolvanta-pictures FOLDER\n");
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
    return 0;
}
