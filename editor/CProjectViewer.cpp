#include "editor/CProjectViewer.h"

#include "drawing/BlockDrawing.h"
#include "drawing/WxImageStore.h"
#include "editor/CanvasMenuIds.h"
#include "editor/CanvasOwner.h"
#include "model/CProgram.h"
#include "model/EditHistory.h"
#include "model/Prototypes.h"
#include "model/UserInterface.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <wx/dcbuffer.h>
#include <wx/graphics.h>
#include <wx/scrolbar.h>
#include <wx/tooltip.h>

namespace {
double ZoomX()
{
    return TheViewZoom().x / 10.0;
}
double ZoomY()
{
    return TheViewZoom().y / 10.0;
}

// A cursor made from a picture of the image store, with its hot spot; the standard cursor without the picture.
wxCursor PictureCursor(const wxString& path, int hotX, int hotY)
{
    const WxBlockImage* picture = AsWx(LoadPicture(path));
    if (!picture)
        return *wxSTANDARD_CURSOR;
    wxImage image = picture->Image();
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, std::min(hotX, image.GetWidth() - 1));
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, std::min(hotY, image.GetHeight() - 1));
    return wxCursor(image);
}
} // namespace

wxBEGIN_EVENT_TABLE(CProjectViewer, wxPanel)
    EVT_KEY_DOWN(CProjectViewer::OnKeyDown)
    EVT_PAINT(CProjectViewer::OnPaint)
    EVT_ERASE_BACKGROUND(CProjectViewer::OnEraseBackground)
    EVT_SCROLL(CProjectViewer::OnScroll)
    EVT_SET_CURSOR(CProjectViewer::OnSetCursor)
    EVT_SIZE(CProjectViewer::OnSize)
wxEND_EVENT_TABLE()

CProjectViewer::CProjectViewer(wxWindow* parent, CanvasOwner* owner)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE), m_owner(owner),
      m_path(TheProgram())
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_horizontalBar = new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxSize(-1, kBarSize), wxSB_HORIZONTAL);
    m_verticalBar = new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxSize(kBarSize, -1), wxSB_VERTICAL);
    m_horizontalBar->SetScrollbar(m_scrollX, kAreaWidth, kAreaWidth, kAreaWidth);
    m_verticalBar->SetScrollbar(m_scrollY, kAreaHeight, kAreaHeight, kAreaHeight);

    // The canvas owns the program's blocks on screen: the root, and through it every block read later.
    TheProgram().EnsureRoot()->SetViewer(this);
    // The undo history and its pending edit exist from here on, so the first edit is recorded too.
    TheEditHistory();
    m_cursorPiece.reset(Prototypes::Get().LinkPrototype()->Clone());
    m_cursorPiece->SetConnectorMask(Connector::FourWay);

    // The tip is filled with a block's description while the mouse is over it; GTK sizes the tip
    // window to its text, so no wide placeholder is needed and a pupil never sees one.
    SetToolTip(wxString());
    wxToolTip::SetDelay(100);

    Bind(wxEVT_LEFT_DOWN, &CProjectViewer::OnMouse, this);
    Bind(wxEVT_LEAVE_WINDOW, &CProjectViewer::OnMouse, this);
    Bind(wxEVT_LEFT_UP, &CProjectViewer::OnMouse, this);
    Bind(wxEVT_RIGHT_UP, &CProjectViewer::OnMouse, this);
    Bind(wxEVT_MOTION, &CProjectViewer::OnMouse, this);
    Bind(wxEVT_RIGHT_DOWN, &CProjectViewer::OnRightDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CProjectViewer::OnPropertiesCommand, this);
    for (int id : {kMenuChangeTrue, kMenuChangeFalse, kMenuDelete, kMenuProperties})
        Bind(wxEVT_MENU, &CProjectViewer::OnContextCommand, this, id);
    Bind(wxEVT_MENU, &CProjectViewer::OnContextCommand, this, kMenuKindFirst, kMenuKindLast);
}

CProjectViewer::~CProjectViewer()
{
    m_path.Discard();
}

void CProjectViewer::SetTool(int tool)
{
    if (tool != m_tool)
        CancelPaletteDrag(); // a gesture of one tool does not go on under another
    m_tool = tool;
    m_toolChanged = true;
}

wxPoint CProjectViewer::ToDrawing(const wxPoint& window) const
{
    return wxPoint(static_cast<int>(window.x / ZoomX() - m_offsetX), static_cast<int>(window.y / ZoomY() - m_offsetY));
}

wxPoint CProjectViewer::ToWindow(const wxPoint& drawing) const
{
    return wxPoint(static_cast<int>((drawing.x + m_offsetX) * ZoomX()),
                   static_cast<int>((drawing.y + m_offsetY) * ZoomY()));
}

void CProjectViewer::OnEraseBackground(wxEraseEvent&) {}

void CProjectViewer::OnPaint(wxPaintEvent&)
{
    wxBufferedPaintDC dc(this);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    if (gc)
        PaintView(gc.get(), GetClientSize());
}

void CProjectViewer::PaintView(wxGraphicsContext* gc, const wxSize& size)
{
    const wxColour background(240, 240, 240);
    gc->SetPen(wxPen(background, 1, wxPENSTYLE_SOLID));
    gc->SetBrush(wxBrush(background));
    gc->DrawRectangle(0, 0, size.x, size.y);

    const double zx = ZoomX(), zy = ZoomY();
    gc->PushState();
    gc->Scale(zx, zy);
    gc->Translate(m_offsetX, m_offsetY);
    BlockPainter painter(gc);
    painter.SetVisibleArea(-m_offsetX, -m_offsetY, size.x / zx, size.y / zy);
    painter.SetSharp(zx > 1.0 || zy > 1.0); // enlarged pictures come from their sharper versions
    if (m_path.IsActive())
        painter.ShowPath(&m_path);
    CState* current = GetCurrentBlock();
    if (CState* root = TheProgram().GetRoot())
        painter.DrawTree(root, current);
    if (current)
        painter.DrawBlock(*current, true);
    for (CState* piece : m_path.Pieces())
        painter.DrawBlock(*piece, false);
    if (m_cursorShown)
        painter.DrawBlock(*m_cursorPiece, false);
    gc->PopState();
    // The drag picture is drawn last, in window pixels, where the mouse holds it.
    if (m_drag.active && m_drag.picture.IsOk())
        gc->DrawBitmap(m_drag.picture, m_drag.at.x - m_drag.grab.x, m_drag.at.y - m_drag.grab.y,
                       m_drag.picture.GetWidth(), m_drag.picture.GetHeight());
}

void CProjectViewer::UpdateScrollBars()
{
    const double zx = ZoomX(), zy = ZoomY();
    const wxSize client = GetClientSize();
    // Thumb, page and range are all in window pixels of the zoomed drawing area.
    const int visibleWidth = std::max(client.x - m_verticalBar->GetSize().x, 1);
    const int visibleHeight = std::max(client.y - m_horizontalBar->GetSize().y, 1);
    m_horizontalBar->SetScrollbar(static_cast<int>(m_scrollX * zx), visibleWidth, static_cast<int>(m_areaWidth * zx),
                                  visibleWidth, true);
    m_verticalBar->SetScrollbar(static_cast<int>(m_scrollY * zy), visibleHeight, static_cast<int>(m_areaHeight * zy),
                                visibleHeight, true);
}

void CProjectViewer::ProgramChanged()
{
    UpdateDrawingArea();
    UpdateScrollBars();
    Refresh();
}

void CProjectViewer::UpdateDrawingArea()
{
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    TheProgram().ForEachBlock([&](CState* block) {
        minX = std::min(minX, block->GetX());
        minY = std::min(minY, block->GetY());
        maxX = std::max(maxX, block->GetX() + block->ImageWidth());
        maxY = std::max(maxY, block->GetY() + block->ImageHeight());
    });
    // A block left of or above the first area moves the origin, so the area starts at it; the
    // area ends a margin beyond the program, and never before the part of it in view.
    const int originX = std::max(kScrollOriginX, -minX), originY = std::max(kScrollOriginY, -minY);
    m_scrollX += originX - m_originX;
    m_scrollY += originY - m_originY;
    m_originX = originX, m_originY = originY;
    const wxSize client = GetClientSize();
    const int visibleWidth = static_cast<int>(client.x / ZoomX()), visibleHeight = static_cast<int>(client.y / ZoomY());
    m_areaWidth = std::max({kAreaWidth, originX + maxX + kAreaMargin, m_scrollX + visibleWidth});
    m_areaHeight = std::max({kAreaHeight, originY + maxY + kAreaMargin, m_scrollY + visibleHeight});
}

void CProjectViewer::OnScroll(wxScrollEvent& event)
{
    const bool vertical = event.GetOrientation() == wxVERTICAL;
    wxScrollBar* bar = vertical ? m_verticalBar : m_horizontalBar;
    const double zoom = vertical ? ZoomY() : ZoomX();
    int& scroll = vertical ? m_scrollY : m_scrollX;
    const int position = static_cast<int>(bar->GetThumbPosition() / zoom);
    const int change = scroll - position;
    scroll = position;
    if (change == 0)
        return;
    // Every kind of scroll moves the view with the thumb, so the two never disagree.
    if (TheProgram().GetRoot()) {
        if (vertical)
            m_offsetY += change;
        else
            m_offsetX += change;
    }
    ForgetZoomAnchor();
    Ui().SetLastMessage(
        wxString::Format("In RangeY = %d, pageSizeY = %d, ThumbPosY=%d, ThumbSizeY=%d, offset(%2.3f,%2.3f)",
                         m_verticalBar->GetRange(), m_verticalBar->GetPageSize(), m_verticalBar->GetThumbPosition(),
                         m_verticalBar->GetThumbSize(), m_offsetX, m_offsetY));
    Refresh();
}

void CProjectViewer::OnSize(wxSizeEvent&)
{
    const wxSize size = GetClientSize();
    m_horizontalBar->SetSize(0, size.y - kBarSize, std::max(size.x - kBarSize, 1), kBarSize);
    m_verticalBar->SetSize(size.x - kBarSize, 0, kBarSize, std::max(size.y - kBarSize, 1));
    UpdateScrollBars();
    Refresh();
}

bool CProjectViewer::ZoomStep(int step)
{
    ViewZoom& zoom = TheViewZoom();
    const int x = zoom.x + step, y = zoom.y + step;
    zoom.x = std::clamp(x, 5, 15);
    zoom.y = std::clamp(y, 5, 15);
    return zoom.x == x && zoom.y == y;
}

void CProjectViewer::ApplyZoomChange()
{
    const int zoom = TheViewZoom().x;
    if (m_owner)
        m_owner->EnableZoomCommands(zoom<15, zoom> 5, zoom != 10);
    UpdateScrollBars();
    Refresh();
}

void CProjectViewer::ZoomAbout(const wxPoint& window, const ViewZoom& zoom)
{
    // The view is kept as a drawing point shown at a window point. While zooms go about the same
    // window point, that drawing point is left as it is, so a zoom and its reverse give back
    // exactly the view they started from.
    if (!m_anchored || window != m_anchorWindow) {
        m_anchorWindow = window;
        m_anchorX = window.x / ZoomX() - m_wantedX;
        m_anchorY = window.y / ZoomY() - m_wantedY;
        m_anchored = true;
    }
    TheViewZoom() = zoom;
    if (TheProgram().GetRoot()) {
        m_wantedX = window.x / ZoomX() - m_anchorX;
        m_wantedY = window.y / ZoomY() - m_anchorY;
        ShowWantedView();
    }
    ApplyZoomChange();
}

void CProjectViewer::ShowWantedView()
{
    // The scroll position moves against the offset and stays within 0 .. area - visible; where it
    // stops, the view shown stops too, while the wanted view goes on.
    const wxSize client = GetClientSize();
    auto show = [](double wanted, int origin, int visible, int area, int& scroll) {
        const double position = origin - wanted, limit = std::max(area - visible, 0);
        const double shown = std::clamp(position, 0.0, limit);
        scroll = static_cast<int>(std::lround(shown));
        return shown == position ? wanted : origin - shown;
    };
    m_offsetX = show(m_wantedX, m_originX, static_cast<int>(client.x / ZoomX()), m_areaWidth, m_scrollX);
    m_offsetY = show(m_wantedY, m_originY, static_cast<int>(client.y / ZoomY()), m_areaHeight, m_scrollY);
}

void CProjectViewer::ForgetZoomAnchor()
{
    m_wantedX = m_offsetX, m_wantedY = m_offsetY;
    m_anchored = false;
}

void CProjectViewer::ZoomTo(const ViewZoom& zoom)
{
    const wxSize client = GetClientSize();
    ZoomAbout(wxPoint((client.x - kBarSize) / 2, (client.y - kBarSize) / 2), zoom);
}

void CProjectViewer::ZoomIn()
{
    const ViewZoom before = TheViewZoom();
    ZoomStep(1);
    const ViewZoom after = TheViewZoom();
    TheViewZoom() = before;
    ZoomTo(after);
}

void CProjectViewer::ZoomOut()
{
    const ViewZoom before = TheViewZoom();
    ZoomStep(-1);
    const ViewZoom after = TheViewZoom();
    TheViewZoom() = before;
    ZoomTo(after);
}

void CProjectViewer::ZoomReset()
{
    ZoomTo(ViewZoom());
}

bool CProjectViewer::ZoomClick(wxMouseEvent& event)
{
    int step;
    if (event.LeftDown())
        step = 1;
    else if (event.RightDown() && m_tool == ZoomTool)
        step = -1;
    else
        return false;
    const ViewZoom before = TheViewZoom();
    const bool inside = ZoomStep(step);
    const ViewZoom after = TheViewZoom();
    TheViewZoom() = before;
    ZoomAbout(event.GetPosition(), after);
    return inside;
}

void CProjectViewer::OnRightDown(wxMouseEvent& event)
{
    ZoomClick(event);
}

void CProjectViewer::Pan(wxMouseEvent& event)
{
    const wxPoint mouse = event.GetPosition();
    if (m_toolChanged) {
        if (event.LeftDown()) {
            m_toolChanged = false;
            m_lastMouseX = mouse.x, m_lastMouseY = mouse.y;
        }
        return;
    }
    if (event.Leaving()) {
        m_toolChanged = true;
        m_lastMouseX = mouse.x, m_lastMouseY = mouse.y;
        return;
    }
    if (event.LeftUp()) {
        m_toolChanged = true;
        return;
    }
    const double zx = ZoomX(), zy = ZoomY();
    int dx = static_cast<int>((mouse.x - m_lastMouseX) / zx);
    int dy = static_cast<int>((mouse.y - m_lastMouseY) / zy);
    // The view stays inside the drawing area: scroll position within 0 .. area size - visible size.
    const wxSize client = GetClientSize();
    const int visibleWidth = static_cast<int>(client.x / zx), visibleHeight = static_cast<int>(client.y / zy);
    if (m_scrollX - dx < 0)
        dx = m_scrollX;
    if (m_scrollX - dx + visibleWidth > m_areaWidth)
        dx = m_scrollX + visibleWidth - m_areaWidth;
    if (m_scrollY - dy < 0)
        dy = m_scrollY;
    if (m_scrollY - dy + visibleHeight > m_areaHeight)
        dy = m_scrollY + visibleHeight - m_areaHeight;
    if (TheProgram().GetRoot())
        m_offsetX += dx, m_offsetY += dy;
    ForgetZoomAnchor();
    m_scrollX -= dx, m_scrollY -= dy;
    UpdateScrollBars();
    m_lastMouseX = mouse.x, m_lastMouseY = mouse.y;
    if (dx != 0 || dy != 0)
        Refresh();
}

wxCursor CProjectViewer::CursorForTool() const
{
    static const wxCursor move = PictureCursor("Img/Icons/move_cursor.png", 16, 16);
    static const wxCursor zoom = PictureCursor("Img/Icons/zoom.png", 13, 13);
    static const wxCursor link = PictureCursor("Img/Icons/mouse_link.png", 2, 2);
    switch (m_tool) {
    case MoveTool:
        return move;
    case ZoomTool:
        return zoom;
    case LinkTool:
        return link;
    default:
        return *wxSTANDARD_CURSOR;
    }
}

void CProjectViewer::OnSetCursor(wxSetCursorEvent& event)
{
    const wxPoint at(event.GetX(), event.GetY());
    for (wxScrollBar* bar : {m_horizontalBar, m_verticalBar})
        if (bar->IsShown() && bar->GetRect().Contains(at)) {
            event.Skip();
            return;
        }
    const wxCursor cursor = CursorForTool();
    event.SetCursor(cursor);
    SetCursor(cursor);
}

void CProjectViewer::OnMouse(wxMouseEvent& event)
{
    bool changed = false;
    switch (m_tool) {
    case SelectTool:
        m_linkHoverX = m_linkHoverY = -1;
        changed = RunSelectTool(event);
        break;
    case MoveTool:
        m_linkHoverX = m_linkHoverY = -1;
        m_tipFrozen = false;
        Pan(event);
        break;
    case ZoomTool:
        m_linkHoverX = m_linkHoverY = -1;
        m_tipFrozen = false;
        ZoomClick(event);
        break;
    case LinkTool:
        m_tipFrozen = false;
        changed = RunLinkTool(event);
        break;
    default:
        break;
    }
    if (changed) {
        CommitEdit();
        UpdateDrawingArea();
        UpdateScrollBars();
    }
    if (event.LeftDown() || event.Leaving())
        Ui().SetLastMessage(wxString()); // a repeated warning shows again after a new click
    // A click shows what can be done with the program; only an edit enables saving and undoing.
    if (event.LeftDown() || changed)
        EnableProgramCommands();
}

void CProjectViewer::OnKeyDown(wxKeyEvent& event)
{
    CState* current = GetCurrentBlock();
    if (event.GetKeyCode() != WXK_DELETE || !current || !current->IsDeletable()) {
        event.Skip();
        return;
    }
    DeleteCurrentBlock();
}

bool CProjectViewer::CommitEdit()
{
    if (!TheEditHistory().CommitEdit())
        return false;
    if (m_owner) {
        m_owner->DisableCommands(CanvasGroups::Redo);
        m_owner->EnableCommands(CanvasGroups::Edited);
    }
    EnableProgramCommands(); // also for an edit made outside the canvas: a drop from the palette
    return true;
}

void CProjectViewer::EnableProgramCommands()
{
    CState* root = TheProgram().GetRoot();
    if (root && root->GetSon() && m_owner)
        m_owner->EnableCommands(CanvasGroups::ProgramShown |
                                (m_owner->IsSimulationRunning() ? 0 : CanvasGroups::Start));
}
