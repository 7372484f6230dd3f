#pragma once
// The flowchart canvas: a panel with two scroll bars that shows the program tree through a
// zoomed and shifted view of the drawing area (2500 x 3000 units, larger when the program reaches
// further), and hands mouse events to the tools.

#include "editor/CanvasOwner.h"
#include "model/CState.h"
#include "model/LinkPath.h"

#include <memory>
#include <wx/bitmap.h>
#include <wx/panel.h>

class CanvasOwner;
class wxGraphicsContext;
class wxMenu;
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
    // The scroll position that goes with a view offset of 0: scroll position + offset stays this
    // (more when the program reaches further left or up than the area shows from there).
    static constexpr int kScrollOriginX = 500;
    static constexpr int kScrollOriginY = 0;
    // Room kept around the program's extent when the area grows to hold it.
    static constexpr int kAreaMargin = 400;

    // Makes the program's Start block at (577, 48) when the program has none; owns the start block.
    CProjectViewer(wxWindow* parent, CanvasOwner* owner);
    ~CProjectViewer() override;

    // The window that answers the canvas's questions; tests put a scripted one in between.
    void SetOwner(CanvasOwner* owner) { m_owner = owner; }
    CanvasOwner* GetOwner() const { return m_owner; }

    // The tool field, written by the main window's tool commands; also sets the tool changed flag.
    void SetTool(int tool);
    int GetTool() const { return m_tool; }
    bool IsToolChanged() const { return m_toolChanged; }

    // Recomputes both scroll bars from the scroll position, the window size and the zoom.
    void UpdateScrollBars();
    // The program changed (an edit, undo, redo, a project read): the drawing area grows to hold
    // it, the scroll bars follow, and the canvas is redrawn.
    void ProgramChanged();
    // Stores the edit in progress as one undo step when the program changed, and then tells the
    // owner that saving and undoing are possible and redoing no more; true when a step was stored.
    bool CommitEdit();
    // A program below the Start block: the commands that work on it, and Start while no run exists.
    void EnableProgramCommands();

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

    // The drawing area in scroll units, and the scroll position of the drawing point 0, 0.
    int GetAreaWidth() const { return m_areaWidth; }
    int GetAreaHeight() const { return m_areaHeight; }
    int GetOriginX() const { return m_originX; }
    int GetOriginY() const { return m_originY; }

    // The link path being laid (by the link tool, or by a select-tool drag with Shift held).
    const LinkPath& PendingPath() const { return m_path; }
    // The block the tools last found under the mouse, and the block of the last context menu.
    CState* GetHoveredBlock() const { return m_hoveredBlock; }
    CState* GetMenuBlock() const { return m_menuBlock; }

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
    // Escape: the drag ends without a drop (so does a drag of a placed block, and a link path
    // being laid is dropped).
    void CancelPaletteDrag();
    bool IsPaletteDragActive() const { return m_drag.active && m_drag.fromPalette; }
    // Whether any drag (of a prototype or of a placed block) is in progress, and what it carries.
    bool IsDragActive() const { return m_drag.active; }
    CState* GetDraggedBlock() const { return m_drag.active ? m_drag.block : nullptr; }

    // Deletes the current block under the editing rules (the Delete key, in the canvas or the main
    // window): the simulation question first, the Start block kept, the selection cleared.
    void DeleteCurrentBlock();
    // Turns a condition's exits to the next arrangement; true when a piece was rebuilt.
    bool RotateExits(CState* block);
    // The context menu of a block, as it opens when the block is right-clicked with the mouse at
    // drawing point (x, y); the caller owns it.
    wxMenu* BuildContextMenu(CState* block, int x, int y);
    // Opens the properties dialog of a block through the owner; commits on "Ok".
    void ShowProperties(CState* block);

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
    void OnContextCommand(wxCommandEvent& event);
    // Hovering: the tooltip of the block under the mouse, and the context menu on a right release.
    void Hover(wxMouseEvent& event, const wxPoint& drawing);
    void ShowTip(const wxString& text);
    void OpenContextMenu(CState* block, const wxPoint& window, const wxPoint& drawing);
    // Changes the menu block into a block of the kind named name (the "Verander" items).
    void ChangeKind(CState* block, const wxString& name);
    // A drag of a placed block: its start, and its end with the path laid by Shift.
    void BeginBlockDrag(CState* block, const wxPoint& window, const wxPoint& drawing);
    bool EndBlockDrag();
    void MoveDragPicture(const wxPoint& window);
    void EndDrag();
    wxRect DragPictureRect() const;
    // Grows the drawing area to hold the program with a margin, keeping the view where it is.
    void UpdateDrawingArea();
    // After an edit: the area may have grown, the commands follow.
    void AfterEdit();
    // Draws the path being laid, the cursor piece and the drag picture over the flowchart.
    void PaintGestures(wxGraphicsContext* gc);

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
    LinkPath m_path;
    // The link piece that follows the mouse under the link tool, never part of the graph.
    std::unique_ptr<CState> m_cursorPiece;
    bool m_cursorShown = false;
    // A drag in progress: the block carried (a placed block, or a palette prototype), its picture
    // in window pixels, where the mouse holds the picture and where the mouse is (window point).
    struct Drag
    {
        bool active = false;
        bool fromPalette = false;
        CState* block = nullptr;
        wxBitmap picture;
        wxPoint grab;
        wxPoint at;
    } m_drag;
    int m_areaWidth = kAreaWidth, m_areaHeight = kAreaHeight;
    int m_originX = kScrollOriginX, m_originY = kScrollOriginY;
    wxString m_tipText;
    int m_clickedSide = -1;
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
