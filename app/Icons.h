#pragma once
#include <QIcon>

class QPainter;

namespace kelra {

// Drawn in code, so the program carries no image files.
QIcon AppIcon();
// The picture of AppIcon() on a size x size square; also makes the installed icon files.
void DrawAppPicture(QPainter& p, int size);
QIcon NewPersonIcon();   // a blank page
QIcon PropertiesIcon();  // a wrench
QIcon CommentsIcon();    // a white "i" on a blue disc

}  // namespace kelra
