#pragma once
#include <QIcon>

namespace kelra {

// Drawn in code, so the program carries no image files.
QIcon AppIcon();
QIcon NewPersonIcon();   // a blank page
QIcon PropertiesIcon();  // a wrench
QIcon CommentsIcon();    // a white "i" on a blue disc

}  // namespace kelra
