#pragma once
// The block palette: a notebook with its tabs on the left, holding the four picture pages of
// prototypes and the names list ("Alle"). A prototype (or an entry of the names list) is dragged
// onto the canvas; the canvas draws the picture and drops it, and the palette then asks for the
// new block's properties and records the edit.

#include "editor/CMyListCtrl.h"

#include <functional>
#include <wx/bookctrl.h>
#include <wx/panel.h>

class CProjectViewer;
class CState;
class CStateTypeViewer;
class SimulatedInputs;
class wxNotebook;
class wxScrollBar;

class CStateViewer : public wxPanel
{
public:
    // Pages by index: 0 sensors, 1 actions, 2 second actions, 3 link pieces, 4 the names list.
    static constexpr int kPageCount = 5;
    static constexpr int kNamesPage = 4;
    static constexpr int kBarWidth = 15;

    // mainWindow: the parent of the properties dialog; inputs: where typed sensor values go.
    CStateViewer(wxWindow* parent, CProjectViewer* canvas, wxWindow* mainWindow, SimulatedInputs* inputs);

    // Puts page index into the notebook (after the visible pages of lower index, not selected) or
    // takes it out; true while any page is visible.
    bool ShowPage(int index, bool show);
    bool IsPageShown(int index) const { return (m_visible & (1u << index)) != 0; }
    // Selects a visible page.
    void SelectPage(int index);
    // The picture page shown, or -1 (the names list, or no page).
    int GetCurrentPage() const { return m_current; }

    wxNotebook* GetNotebook() const { return m_notebook; }
    CStateTypeViewer* GetPage(int index) const { return m_pages[index]; }
    CMyListCtrl* GetNamesList() const { return m_names; }
    wxScrollBar* GetScrollBar() const { return m_bar; }

    // The program was rebuilt from text (a drop taken back): what the main window does after an undo.
    std::function<void()> onProgramRebuilt;

    bool IsDragging() const { return m_dragged != nullptr; }
    // Ends a drag without a drop (Escape).
    void CancelDrag();

private:
    void LayoutPalette();
    void OnSize(wxSizeEvent& event);
    void OnPageChanged(wxBookCtrlEvent& event);
    void OnScroll(wxScrollEvent& event);

    // Dragging.
    void OnPageLeftDown(wxMouseEvent& event);
    void BeginListDrag(const CMyListCtrl::Entry& entry);
    // holder: the window pressed, which holds the mouse while the drag lives.
    void BeginDrag(CState* prototype, wxWindow* holder);
    void ReleaseHolder();
    void OnDragMotion(wxMouseEvent& event);
    void OnDragRelease(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    // The properties of the placed block, and the edit recorded or taken back.
    void FinishDrop(CState* placed);
    // The dropped assignment, confirmed as a test, dropped again as a variable test.
    CState* DropAgainAsTest(CState* assignment);
    void EndDrag();
    void TakeBackDrop();
    void NamesChanged();

    CProjectViewer* m_canvas;
    wxWindow* m_mainWindow;
    int m_current = -1;
    wxNotebook* m_notebook;
    unsigned m_visible = 0;
    CStateTypeViewer* m_pages[4];
    wxScrollBar* m_bar;
    CMyListCtrl* m_names;

    CState* m_dragged = nullptr;
    wxWindow* m_holder = nullptr;
    bool m_fromList = false;
    int m_savedTool = 0;
    // Where the mouse holds the picture, and the corner of the last drop (drawing units).
    wxPoint m_grab, m_dropCorner;
    // The variable prototype's name and number, lent to a drag of a variable row.
    wxString m_lentName;
    int m_lentVariable = -1;
};
