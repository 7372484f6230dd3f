#pragma once
// Toolbar pictures loaded from PNG files beside the executable.

#include <wx/bitmap.h>

// The picture at AppPath(relative). The folder may be written "Img/Icons" or "Img/icons": when
// one spelling is missing the other is tried. A picture that cannot be read gives a transparent
// 32 x 32 bitmap, so a missing file never leaves a tool without a picture.
wxBitmap LoadToolPicture(const wxString& relative);
