#pragma once
// The flowchart canvas: a panel with two scroll bars that shows the program tree through a
// zoomed and shifted view of the 2500 x 3000 drawing area, and hands mouse events to the tools.

#include "editor/CanvasOwner.h"
#include "model/CState.h"

#include <wx/panel.h>

class CanvasOwner;
class wxGraphicsContext;
class wxScrollBar;

class CProjectViewer : public wxPanel
{
public:
    enum Tool : int
    {
        SelectTool = 0,
        MoveTool = 1,
        ZoomTool = 2,
        IdleTool = 3,
        LinkTool = 4
    };
    static constexpr int kAreaWidth = 2500;
    static constexpr int kAreaHeight = 3000;
    static constexpr int kBarSize = 15;
    // The scroll position that goes with a view offset of 0: scroll position + offset stays this.
    static constexpr int kScrollOriginX = 500;
    static constexpr int kScrollOriginY = 0;

    // Makes the program's Start block at (577, 48) when the program has none; owns the start block.
    CProjectViewer(wxWindow* parent, CanvasOwner* owner);
    ~CProjectViewer() override;

    // The tool field, written by the main window's tool commands; also sets the tool changed flag.
    void SetTool(int tool);
    int GetTool() const { return m_tool; }
    bool IsToolChanged() const { return m_toolChanged; }

    // Recomputes both scroll bars from the scroll position, the window size and the zoom.
    void UpdateScrollBars();
    // Stores the edit in progress as one undo step when the program changed, and then tells the
    // owner that saving and undoing are possible and redoing no more; true when a step was stored.
    bool CommitEdit();

    // Adds step to both zoom values, each kept within 5..15; true when neither had to be clamped.
    static bool ZoomStep(int step);
    // The zoom commands of the main window: change the zoom around the middle of the view, enable
    // the three commands, redraw.
    void ZoomIn();
    void ZoomOut();
    void ZoomReset();

    // The view: window = (drawing + offset) x zoom on each axis.
    double GetOffsetX() const { return m_offsetX; }
    double GetOffsetY() const { return m_offsetY; }
    int GetScrollX() const { return m_scrollX; }
    int GetScrollY() const { return m_scrollY; }
    wxPoint ToDrawing(const wxPoint& window) const;
    wxPoint ToWindow(const wxPoint& drawing) const;
    wxScrollBar* HorizontalBar() const { return m_horizontalBar; }
    wxScrollBar* VerticalBar() const { return m_verticalBar; }

    // The pending link path of the link tool: hung into the graph only while painting.
    CStateList& PendingPath() { return m_lists[0]; }

    // A drag of a palette prototype (or of a block from the names list). picture: the blended
    // picture (BlendedDragPicture), already scaled by the zoom; grabOffset: where the mouse holds it.
    void BeginPaletteDrag(CState* prototype, const wxBitmap& picture, const wxPoint& grabOffset);
    // The mouse moved, in screen coordinates (the palette holds the mouse capture).
    void MovePaletteDrag(const wxPoint& screen);
    // The button was released at screen: inside the canvas the select tool drops the prototype
    // (simulation question, connector search, clone, ConnectBlock, exits of a condition, the
    // empty program) and commits nothing yet (the palette commits after its dialog); answers the
    // placed clone, or null when nothing was added. Ends the drag in every case.
    CState* EndPaletteDrag(const wxPoint& screen);
    // Escape: the drag ends without a drop.
    void CancelPaletteDrag();
    bool IsPaletteDragActive() const;

    // Paints the whole view into a graphics context of the window's size (used by painting and benchmarks).
    void PaintView(wxGraphicsContext* gc, const wxSize& size);

private:
    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnScroll(wxScrollEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnSetCursor(wxSetCursorEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);

    void Pan(wxMouseEvent& event);
    bool ZoomClick(wxMouseEvent& event);
    // Changes the zoom keeping the drawing point at this window point in place.
    void ZoomAbout(const wxPoint& window, const ViewZoom& zoom);
    // Changes the zoom around the middle of the view.
    void ZoomTo(const ViewZoom& zoom);
    // Shows the wanted view, kept inside the drawing area.
    void ShowWantedView();
    // After a pan or a scroll the view shown is the one wanted, and the next zoom anchors anew.
    void ForgetZoomAnchor();
    void ApplyZoomChange();
    wxCursor CursorForTool() const;

    // Tools of the editing half of the canvas (select, link, properties, context menu);
    // they report whether they changed the program.
    bool RunSelectTool(wxMouseEvent& event);
    bool RunLinkTool(wxMouseEvent& event);
    void OnPropertiesCommand(wxMouseEvent& event);
    // The pending link path is hung into the graph while painting and taken out again afterwards.
    void AttachPendingPath();
    void DetachPendingPath();

    CanvasOwner* m_owner;
    wxScrollBar* m_horizontalBar;
    wxScrollBar* m_verticalBar;
    int m_lastMouseX = 0, m_lastMouseY = 0;
    int m_scrollX = kScrollOriginX, m_scrollY = kScrollOriginY;
    int m_tool = SelectTool;
    bool m_toolChanged = false;
    bool m_tipFrozen = false;
    int m_linkAnchorX = 0, m_linkAnchorY = 0;
    int m_linkHoverX = -1, m_linkHoverY = -1;
    // The pending link path, then three lists kept empty.
    CStateList m_lists[4];
    double m_offsetX = 0, m_offsetY = 0;
    // The view that the zoom commands keep to, before it is kept inside the drawing area (the
    // offset shown unless a zoom ran into the area's edge), and the drawing point that the zooms
    // keep at a window point.
    double m_wantedX = 0, m_wantedY = 0;
    bool m_anchored = false;
    wxPoint m_anchorWindow;
    double m_anchorX = 0, m_anchorY = 0;
    CState* m_hoveredBlock = nullptr;
    CState* m_menuBlock = nullptr;

    wxDECLARE_EVENT_TABLE();
};
