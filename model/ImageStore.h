#pragma once
// Pictures reach blocks through an image store that the GUI installs at start-up.
// The core never decodes an image itself: without a store every handle stays empty
// and blocks simply hold no pictures.

#include <memory>
#include <wx/string.h>

// A decoded picture as the GUI keeps it; the core only asks for its size.
class BlockImage
{
public:
    virtual ~BlockImage() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

using ImageHandle = std::shared_ptr<const BlockImage>;

class ImageStore
{
public:
    virtual ~ImageStore() = default;
    // The picture at a path relative to the application directory ("Img/State/Wait.png"),
    // decoded once and shared; empty when the file is missing or unreadable.
    virtual ImageHandle Load(const wxString& relativePath) = 0;
};

// The installed store, or null. The GUI installs one before it creates any block.
ImageStore* GetImageStore();
void InstallImageStore(ImageStore* store);
// Changes with every installed store: pictures kept from one store are asked again of the next.
unsigned ImageStoreGeneration();
