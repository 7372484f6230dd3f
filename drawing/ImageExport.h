#pragma once
// The whole flowchart as a picture file, drawn as the printout draws it and cut to the program's
// extent with a small white margin: PNG at the printout's sharper picture size (two pixels per
// drawing unit), or SVG (vector shapes and text, one pixel per drawing unit). The pictures are
// drawn on cairo surfaces, so no window or display is needed.

#include <string>
#include <wx/string.h>

class CProgram;

enum class PictureFormat
{
    Png,
    Svg
};

// The white margin around the extent, in drawing units.
constexpr int kPictureMargin = 24;
// Pixels per drawing unit in a PNG picture.
constexpr int kPngScale = 2;

// The format a file name asks for by its extension (".png" or ".svg", any case); false otherwise.
bool PictureFormatOf(const wxString& path, PictureFormat& format);
// The picture file's bytes; empty when the program has no root or the picture cannot be drawn.
std::string FlowchartPicture(const CProgram& program, PictureFormat format);
// Writes the picture to path atomically (the old file stays whole on failure); false with the
// reason in error.
bool ExportFlowchart(const CProgram& program, const wxString& path, PictureFormat format, wxString* error);
