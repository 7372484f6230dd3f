#include "app/ToolPictures.h"

#include "app/AppPaths.h"

#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>

#include <algorithm>

namespace {
constexpr int kToolSize = 32;

wxString OtherFolderSpelling(const wxString& relative)
{
    wxString other = relative;
    if (other.StartsWith("Img/Icons/"))
        other.replace(4, 1, "i");
    else if (other.StartsWith("Img/icons/"))
        other.replace(4, 1, "I");
    return other;
}

wxBitmap TransparentPicture()
{
    wxImage image(kToolSize, kToolSize);
    image.InitAlpha();
    unsigned char* alpha = image.GetAlpha();
    std::fill(alpha, alpha + kToolSize * kToolSize, 0);
    return wxBitmap(image);
}

bool LoadImage(const wxString& path, wxImage& image)
{
    if (!wxFileName::FileExists(path))
        return false;
    wxLogNull quiet; // a damaged file is simply not shown
    return image.LoadFile(path, wxBITMAP_TYPE_PNG) && image.IsOk();
}
} // namespace

wxBitmap LoadToolPicture(const wxString& relative)
{
    wxImage image;
    if (!LoadImage(AppPath(relative), image) && !LoadImage(AppPath(OtherFolderSpelling(relative)), image))
        return TransparentPicture();
    if (image.GetWidth() != kToolSize || image.GetHeight() != kToolSize)
        image.Rescale(kToolSize, kToolSize, wxIMAGE_QUALITY_HIGH);
    return wxBitmap(image);
}
