#pragma once

#include <QIcon>

namespace vireflu {

// The application icon: the window icon and the picture of the about box.
QIcon AppIcon();

}  // namespace vireflu
