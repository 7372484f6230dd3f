#include "drawing/WxImageStore.h"

#include "model/CGraphicState.h"

#include <memory>
#include <wx/filename.h>
#include <wx/log.h>

namespace {
std::unique_ptr<WxImageStore> g_store;
} // namespace

const wxBitmap& WxBlockImage::Bitmap() const
{
    if (!m_bitmap.IsOk())
        m_bitmap = wxBitmap(m_image);
    return m_bitmap;
}

namespace {
bool LoadQuietly(const wxString& path, wxImage& image)
{
    if (path.empty() || !wxFileName::FileExists(path))
        return false;
    wxLogNull quiet; // a damaged picture is simply not drawn
    return image.LoadFile(path, wxBITMAP_TYPE_PNG) && image.IsOk();
}
} // namespace

const wxGraphicsBitmap& WxBlockImage::GraphicsBitmap(bool sharp) const
{
    if (sharp) {
        if (!m_sharpTried) {
            m_sharpTried = true;
            wxImage image;
            if (LoadQuietly(m_sharpPath, image))
                m_sharpBitmap = wxGraphicsRenderer::GetDefaultRenderer()->CreateBitmapFromImage(image);
        }
        if (!m_sharpBitmap.IsNull())
            return m_sharpBitmap;
    }
    if (m_graphicsBitmap.IsNull())
        m_graphicsBitmap = wxGraphicsRenderer::GetDefaultRenderer()->CreateBitmapFromImage(m_image);
    return m_graphicsBitmap;
}

WxImageStore::WxImageStore(const wxString& baseFolder) : m_baseFolder(baseFolder)
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
}

wxString WxImageStore::FullPath(const wxString& relativePath) const
{
    return m_baseFolder.empty() ? relativePath : m_baseFolder + "/" + relativePath;
}

ImageHandle WxImageStore::Load(const wxString& relativePath)
{
    auto found = m_cache.find(relativePath);
    if (found != m_cache.end())
        return found->second;
    ImageHandle handle;
    const wxString path = FullPath(relativePath);
    wxImage image;
    if (LoadQuietly(path, image))
        handle = std::make_shared<WxBlockImage>(image, path.BeforeLast('.') + "@2x." + path.AfterLast('.'));
    m_cache.emplace(relativePath, handle);
    return handle;
}

WxImageStore* InstallWxImageStore(const wxString& baseFolder)
{
    auto store = std::make_unique<WxImageStore>(baseFolder);
    InstallImageStore(store.get());
    g_store = std::move(store); // blocks keep their shared handles alive after a replacement
    return g_store.get();
}

WxImageStore* TheWxImageStore()
{
    return g_store.get();
}

void LoadTileSets()
{
    // Every shape code with the half flag clear and set: the fallback covers the codes without a tile.
    for (int shape = 0; shape < 256; ++shape)
        for (bool half : {false, true})
            for (TileSet set : {TileSet::Blue, TileSet::Red, TileSet::Link})
                TileFor(set, shape, half);
}

ImageHandle LoadPicture(const wxString& relativePath)
{
    return g_store ? g_store->Load(relativePath) : ImageHandle();
}
