#pragma once

#include <QIcon>

// Images for the actions that no icon theme and no Qt style names: drawn here, so that their
// buttons are never blank and never borrow a picture that means something else.
enum class TDrawnImage { CopyPicture, CopyNote, Slower, Faster };

QIcon DrawnImage(TDrawnImage image);
