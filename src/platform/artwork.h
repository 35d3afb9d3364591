#pragma once

// The program's own pictures, drawn here rather than stored: the toolbar
// tiles, the program icon and the welcome picture "Bitmap.bmp" (which the
// build writes beside the program with rolvanta-pictures). Drawing them
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

// The 32 x 32 program icon: an I-beam between a pair of rolls.
QImage drawProgramIcon();

// The welcome picture, kWelcomePictureWidth x kWelcomePictureHeight.
QImage drawWelcomePicture();

}  // namespace rolvanta
