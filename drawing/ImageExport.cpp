#include "drawing/ImageExport.h"

#include "base/AtomicFile.h"
#include "drawing/FlowchartPicture.h"
#include "drawing/ProgramExtent.h"
#include "model/CProgram.h"

#include <cairo-svg.h>
#include <cairo.h>
#include <memory>
#include <wx/filename.h>
#include <wx/graphics.h>

namespace {
cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// White paper, then the flowchart with the extent's top-left corner at the margin.
bool DrawOn(cairo_surface_t* surface, const CProgram& program, const wxRect& extent, double scale)
{
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
        return false;
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    {
        // The blocks' pictures are graphics bitmaps of the default renderer, which is cairo's
        // under GTK; the context borrows cr and gives it back when it goes.
        std::unique_ptr<wxGraphicsContext> gc{
            wxGraphicsRenderer::GetDefaultRenderer()->CreateContextFromNativeContext(cr)};
        if (gc) {
            gc->Scale(scale, scale);
            gc->Translate(kPictureMargin - extent.x, kPictureMargin - extent.y);
            DrawFlowchart(program, gc.get());
        }
    }
    const bool drawn = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    return drawn;
}
} // namespace

bool PictureFormatOf(const wxString& path, PictureFormat& format)
{
    const wxString extension = wxFileName(path).GetExt().Lower();
    if (extension == "png")
        format = PictureFormat::Png;
    else if (extension == "svg")
        format = PictureFormat::Svg;
    else
        return false;
    return true;
}

std::string FlowchartPicture(const CProgram& program, PictureFormat format)
{
    if (!program.GetRoot())
        return std::string();
    const wxRect extent = ComputeProgramExtent(program);
    const int width = extent.width + 2 * kPictureMargin, height = extent.height + 2 * kPictureMargin;
    std::string bytes;
    bool drawn = false;
    if (format == PictureFormat::Png) {
        cairo_surface_t* surface =
            cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPngScale * width, kPngScale * height);
        drawn = DrawOn(surface, program, extent, kPngScale) &&
                cairo_surface_write_to_png_stream(surface, AppendBytes, &bytes) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(surface);
    } else {
        cairo_surface_t* surface = cairo_svg_surface_create_for_stream(AppendBytes, &bytes, width, height);
        // One user unit is one pixel, so the picture opens at the canvas's size.
        cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
        drawn = DrawOn(surface, program, extent, 1);
        cairo_surface_finish(surface);
        drawn = drawn && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(surface);
    }
    return drawn ? bytes : std::string();
}

bool ExportFlowchart(const CProgram& program, const wxString& path, PictureFormat format, wxString* error)
{
    const std::string bytes = FlowchartPicture(program, format);
    if (bytes.empty()) {
        if (error)
            *error = program.GetRoot() ? "the picture cannot be drawn" : "the program is empty";
        return false;
    }
    return WriteFileAtomically(path, bytes, error);
}
