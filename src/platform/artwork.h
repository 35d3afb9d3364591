#pragma once

// The program's own pictures, drawn here rather than stored: the toolbar
// tiles, the program icon and the welcome picture "Bitmap.bmp" (which the
// build writes beside the program with rolvanta-pictures, as it writes the
// icon in every size of the desktop's icon theme). Drawing them
// needs a QGuiApplication for the fonts.

#include <QImage>
#include <QPixmap>

namespace rolvanta {

// Size of the welcome picture and where the main window shows it.
constexpr int kWelcomePictureWidth = 775;
constexpr int kWelcomePictureHeight = 510;
constexpr int kWelcomePictureX = 5;
constexpr int kWelcomePictureY = 70;

// One tile of the toolbar strip (resources/main_toolbar.h), 16 x 15 pixels.
QPixmap drawToolbarTile(int tile);

// The toolbar strip: every tile side by side, 176 x 15 pixels.
QImage drawToolbarStrip();

// The program icon, size x size pixels: an I-beam between a pair of rolls.
QImage drawProgramIcon(int size = 32);

// The sizes the icon is installed in, for the desktop's icon theme.
constexpr int kProgramIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The welcome picture, kWelcomePictureWidth x kWelcomePictureHeight.
QImage drawWelcomePicture();

}  // namespace rolvanta
