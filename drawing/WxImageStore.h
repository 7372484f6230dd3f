#pragma once
// The GUI's image store: PNG files under the application folder, decoded once and shared by
// every block, the canvas, the palette and the printout.

#include "model/ImageStore.h"

#include <map>
#include <wx/bitmap.h>
#include <wx/graphics.h>
#include <wx/image.h>

// A decoded picture with the forms the GUI draws: the image, a bitmap and a graphics bitmap,
// the last two made on first use. A picture may have a sharper version at twice its size beside
// it ("Wait@2x.png"), read on first use, which zoomed-in views and printouts draw in its place.
class WxBlockImage final : public BlockImage
{
public:
    explicit WxBlockImage(const wxImage& image, const wxString& sharpPath = wxString())
        : m_image(image), m_sharpPath(sharpPath)
    {
    }
    int Width() const override { return m_image.GetWidth(); }
    int Height() const override { return m_image.GetHeight(); }
    const wxImage& Image() const { return m_image; }
    const wxBitmap& Bitmap() const;
    // The picture ready for a graphics context of the default renderer; the sharp version when
    // asked for and present. Either is drawn at the picture's own size.
    const wxGraphicsBitmap& GraphicsBitmap(bool sharp = false) const;

private:
    wxImage m_image;
    wxString m_sharpPath;
    mutable wxBitmap m_bitmap;
    mutable wxGraphicsBitmap m_graphicsBitmap;
    mutable wxGraphicsBitmap m_sharpBitmap;
    mutable bool m_sharpTried = false;
};

// The GUI form of a block picture handle; null for an empty handle.
inline const WxBlockImage* AsWx(const ImageHandle& handle)
{
    return static_cast<const WxBlockImage*>(handle.get());
}

class WxImageStore final : public ImageStore
{
public:
    explicit WxImageStore(const wxString& baseFolder);
    ImageHandle Load(const wxString& relativePath) override;
    // The full path of a file relative to the base folder.
    wxString FullPath(const wxString& relativePath) const;
    const wxString& BaseFolder() const { return m_baseFolder; }

private:
    wxString m_baseFolder;
    // Every path asked for, including those that did not load (an empty handle), so each file is read once.
    std::map<wxString, ImageHandle> m_cache;
};

// Creates the store on the folder beside the executable (or any base folder), installs it for
// the blocks and returns it. A second call replaces the folder and forgets the decoded pictures.
WxImageStore* InstallWxImageStore(const wxString& baseFolder);
// The installed GUI store, or null.
WxImageStore* TheWxImageStore();
// Decodes the three tile sets (45 tiles each) into the installed store, so the first paint finds them ready.
void LoadTileSets();
// The picture at a path through the installed store (empty without one or when missing).
ImageHandle LoadPicture(const wxString& relativePath);
