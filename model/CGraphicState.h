#pragma once
// The drawing half of a block: position, connector mask, tiles and pictures.
// The canvas and the renderer give these fields their meaning; the model keeps them.

#include "model/ImageStore.h"

#include <wx/string.h>

class CProjectViewer;
class CState;

class CGraphicState
{
public:
    explicit CGraphicState(int connectorMask);
    CGraphicState(const CGraphicState&) = delete;
    CGraphicState& operator=(const CGraphicState&) = delete;

    // The seven slots that CState fills as its slots 0 to 6.
    virtual CState* AsState() = 0;
    virtual CState* GetParent() const = 0;
    virtual CState* GetExtraParent(int i) const = 0;
    virtual CState* GetSon() const = 0;
    virtual CState* GetBranchSon(int i) const = 0;
    virtual CState* GetRowNeighbour(int i) const = 0;
    virtual bool IsParameterOn() const = 0;

    CProjectViewer* GetViewer() const { return m_viewer; }
    int GetX() const { return m_x; }
    int GetY() const { return m_y; }
    int GetConnectorMask() const { return m_connectorMask; }
    int GetDrawnShape() const { return m_drawnShape; }
    void SetDrawnShape(int shape) { m_drawnShape = shape; }
    bool IsHalf() const { return m_half; }
    bool IsOnCanvas() const { return m_onCanvas; }
    bool IsDeletable() const { return m_deletable; }
    void SetDeletable(bool deletable) { m_deletable = deletable; }
    bool HasLinkTile() const { return m_linkTile; }
    int GetGrabX() const { return m_grabX; }
    int GetGrabY() const { return m_grabY; }
    void SetGrabOffset(int x, int y) { m_grabX = x, m_grabY = y; }
    const wxString& GetDrawingText() const { return m_drawingText; }
    void SetDrawingText(const wxString& text) { m_drawingText = text; }

    const ImageHandle& GetRedTile() const { return m_redTile; }
    const ImageHandle& GetBlueTile() const { return m_blueTile; }
    const ImageHandle& GetPaletteIcon() const { return m_paletteIcon; }
    const ImageHandle& GetMainImage() const { return m_mainImage; }
    const ImageHandle& GetOnImage() const { return m_onImage; }
    const ImageHandle& GetOffImage() const { return m_offImage; }
    // The on picture while the parameter is on (placed blocks only), else the off picture, else the main one.
    const ImageHandle& DisplayedImage();

    // Size of the main picture; a block without one counts as a standard 96-unit block.
    int ImageWidth() const;
    int ImageHeight() const;

    // Geometry in drawing units; see the canvas for their use. Divisions truncate toward zero.
    struct Rect
    {
        int x, y, width, height;
        bool IsEmpty() const { return width <= 0 || height <= 0; }
        bool Contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
    };
    struct Point
    {
        int x, y;
    };
    Rect GetAnchorRect(int direction, bool force = false) const;
    Point GetNeighbourPoint(int direction) const;
    Point GetConnectorPoint(int direction) const;

protected:
    ~CGraphicState() = default;

    // Loads the red and blue tiles, and the link tile as main picture when asked, for a shape.
    void LoadTiles(int shape, bool linkTileAsMain);
    void SetPaletteIcon(ImageHandle image) { m_paletteIcon = std::move(image); }
    void SetMainImage(ImageHandle image) { m_mainImage = std::move(image); }
    void SetStateImages(ImageHandle on, ImageHandle off) { m_onImage = std::move(on), m_offImage = std::move(off); }

    CProjectViewer* m_viewer = nullptr;
    ImageHandle m_redTile;
    ImageHandle m_blueTile;
    int m_connectorMask;
    int m_drawnShape;
    ImageHandle m_paletteIcon, m_mainImage, m_onImage, m_offImage;
    wxString m_drawingText;
    int m_x = 0, m_y = 0;
    int m_grabX = 0, m_grabY = 0;
    bool m_onCanvas = false;
    bool m_deletable = false;
    bool m_half = false;
    bool m_linkTile = false;
};

// Tile sets shared by all blocks, and the file of a shape's tile.
enum class TileSet
{
    Blue,
    Red,
    Link
};
wxString TileFolder(TileSet set);
// The tile file name for a shape code and half flag, with the four-way fallback for shapes that have none.
wxString TileFileName(int shape, bool half);
// The tile of a set, through the installed image store (empty without one).
ImageHandle TileFor(TileSet set, int shape, bool half);
