#include "model/CGraphicState.h"

#include "model/CState.h"

#include <array>
#include <optional>

namespace {
ImageStore* g_imageStore = nullptr;
unsigned g_storeGeneration = 0;

// The shapes that have a tile of their own, as (top, right, bottom, left).
constexpr std::array<const char*, 43> kTileShapes = {
    "0002", "0010", "0012", "0021", "0022", "0100", "0102", "0110", "0112", "0120", "0122",
    "0201", "0202", "0210", "0212", "0220", "0221", "1002", "1020", "1022", "1200", "1202",
    "1220", "1222", "2000", "2001", "2002", "2010", "2011", "2012", "2020", "2021", "2100",
    "2101", "2102", "2110", "2120", "2200", "2201", "2210", "2212", "2221", "2112"};

int TileKey(int top, int right, int bottom, int left, bool half)
{
    return top << 7 | right << 5 | bottom << 3 | left << 1 | (half ? 1 : 0);
}

// Key to file name for every shape that has its own tile; built once.
const std::array<const char*, 512>& TileNames()
{
    static const std::array<const char*, 512> names = [] {
        std::array<const char*, 512> table{};
        static std::array<std::string, 45> storage;
        size_t n = 0;
        for (const char* s : kTileShapes) {
            int t = s[0] - '0', r = s[1] - '0', b = s[2] - '0', l = s[3] - '0';
            storage[n] = "top" + std::to_string(t) + "right" + std::to_string(r) + "bottom" + std::to_string(b) +
                         "left" + std::to_string(l) + ".png";
            table[TileKey(t, r, b, l, false)] = storage[n++].c_str();
        }
        storage[n] = "top0right1bottom0left2_half.png";
        table[TileKey(0, 1, 0, 2, true)] = storage[n++].c_str();
        storage[n] = "top2right0bottom1left0_half.png";
        table[TileKey(2, 0, 1, 0, true)] = storage[n++].c_str();
        return table;
    }();
    return names;
}
} // namespace

ImageStore* GetImageStore()
{
    return g_imageStore;
}
void InstallImageStore(ImageStore* store)
{
    g_imageStore = store;
    ++g_storeGeneration;
}
unsigned ImageStoreGeneration()
{
    return g_storeGeneration;
}

wxString TileFolder(TileSet set)
{
    switch (set) {
    case TileSet::Blue:
        return "Img/State/background_blue/";
    case TileSet::Red:
        return "Img/State/background_red/";
    case TileSet::Link:
        return "Img/State/link/";
    }
    return {};
}

wxString TileFileName(int shape, bool half)
{
    const char* name = TileNames()[TileKey(Connector::Top(shape), Connector::Right(shape), Connector::Bottom(shape),
                                           Connector::Left(shape), half)];
    return name ? wxString(name) : wxString("top2right1bottom1left2.png");
}

// Every block asks for its tiles when it is made and when its shape changes: each tile is asked of
// the store once, without making its path again.
ImageHandle TileFor(TileSet set, int shape, bool half)
{
    ImageStore* store = GetImageStore();
    if (!store)
        return ImageHandle();
    static std::array<std::optional<ImageHandle>, 3 * 512> tiles;
    static unsigned generation = 0;
    if (generation != g_storeGeneration) {
        tiles.fill(std::nullopt);
        generation = g_storeGeneration;
    }
    const int key =
        TileKey(Connector::Top(shape), Connector::Right(shape), Connector::Bottom(shape), Connector::Left(shape), half);
    std::optional<ImageHandle>& tile = tiles[static_cast<size_t>(set) * 512 + static_cast<size_t>(key)];
    if (!tile)
        tile = store->Load(TileFolder(set) + TileFileName(shape, half));
    return *tile;
}

CGraphicState::CGraphicState(int connectorMask) : m_connectorMask(connectorMask), m_drawnShape(connectorMask) {}

void CGraphicState::LoadTiles(int shape, bool linkTileAsMain)
{
    m_redTile = TileFor(TileSet::Red, shape, m_half);
    m_blueTile = TileFor(TileSet::Blue, shape, m_half);
    if (linkTileAsMain) {
        m_mainImage = TileFor(TileSet::Link, shape, m_half);
        m_linkTile = true;
    }
}

const ImageHandle& CGraphicState::DisplayedImage()
{
    if (m_onImage && IsParameterOn() && static_cast<const CState*>(this)->GetCloneSource())
        return m_onImage;
    if (m_offImage)
        return m_offImage;
    return m_mainImage;
}

int CGraphicState::ImageWidth() const
{
    return m_mainImage ? m_mainImage->Width() : kBlockUnits;
}
int CGraphicState::ImageHeight() const
{
    return m_mainImage ? m_mainImage->Height() : kBlockUnits;
}

CGraphicState::Rect CGraphicState::GetAnchorRect(int direction, bool force) const
{
    const int w = ImageWidth(), h = ImageHeight();
    const int x = m_x, y = m_y;
    const bool isLink = static_cast<const CState*>(this)->IsLinkPiece();
    if (!isLink && !force) {
        const int shift = Connector::ShiftOfDirection(direction);
        if (shift >= 0 && ((m_connectorMask >> shift) & 3) == 0)
            return {-1, -1, 0, 0};
    }
    switch (direction) {
    case Direction::Down:
        return {x + 16, y + 2 * h / 3, w - 32, h / 3};
    case Direction::Up:
        return {x + 16, y, w - 32, h / 3};
    case Direction::Right:
        return {x + 2 * w / 3, y + 16, w / 3, h - 32};
    case Direction::Left:
        return {x, y + 16, w / 3, h - 32};
    default:
        return {x + 16, y + 16, w - 32, h - 32};
    }
}

CGraphicState::Point CGraphicState::GetNeighbourPoint(int direction) const
{
    const int w = ImageWidth(), h = ImageHeight();
    switch (direction) {
    case Direction::Down:
        return {m_x, m_y + 2 * h / 3 - 4};
    case Direction::Up:
        return {m_x, m_y - 2 * h / 3 + 4};
    case Direction::Right:
        return {m_x + 2 * w / 3 - 4, m_y};
    case Direction::Left:
        return {m_x - 2 * w / 3 + 4, m_y};
    default:
        return {m_x + w / 2, m_y + h / 2};
    }
}

CGraphicState::Point CGraphicState::GetConnectorPoint(int direction) const
{
    const int w = ImageWidth(), h = ImageHeight();
    switch (direction) {
    case Direction::Down:
        return {m_x + w / 2, m_y + h / 6};
    case Direction::Up:
        return {m_x + w / 2, m_y + 5 * h / 6};
    case Direction::Right:
        return {m_x + w / 6, m_y + h / 2};
    case Direction::Left:
        return {m_x + 5 * w / 6, m_y + h / 2};
    default:
        return {m_x + w / 2, m_y + h / 2};
    }
}
