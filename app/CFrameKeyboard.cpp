// Keyboard handling at window level and closing the main window.
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "base/Translation.h"
#include "calibration/Settings.h"
#include "editor/CStateViewer.h"
#include "model/CProgram.h"

#include <wx/msgdlg.h>

void CFrame::OnCharHook(wxKeyEvent& event)
{
    const int modifiers = event.GetModifiers();
    m_altOnly = modifiers == wxMOD_ALT;
    m_ctrlOnly = modifiers == wxMOD_CONTROL;
    const int key = event.GetKeyCode();
    m_escapeKey = key == WXK_ESCAPE;
    m_deleteKey = key == WXK_DELETE;
    m_tabKey = key == WXK_TAB;
    m_spaceKey = key == WXK_SPACE;

    if (m_deleteKey && GetCurrentBlock()) {
        CanvasDeleteKey();
        return; // handled: the canvas must not see the same key again
    }
    if (m_tabKey && GetCurrentBlock() && GetCurrentBlock()->IsCondition()) {
        RotateSelectedExits();
        return; // handled: Tab turns the exits instead of moving the focus
    }
    if (m_escapeKey) {
        m_stateViewer->CancelDrag(); // a block dragged from the palette is dropped nowhere
        SelectCanvasTool(TOOL_SELECT);
        CanvasCancelDrag();
    }
    event.Skip();
}

void CFrame::RotateSelectedExits()
{
    CState* block = GetCurrentBlock();
    if (!block || !block->IsCondition() || !AskToStopSimulation())
        return;
    if (CanvasRotateExits(block)) {
        CanvasCommitEdit();
        RefreshCanvas();
    }
}

void CFrame::OnKeyDown(wxKeyEvent& event)
{
    m_altOnly = event.GetModifiers() == wxMOD_ALT;
    m_ctrlOnly = event.GetModifiers() == wxMOD_CONTROL;
    event.Skip();
}

void CFrame::OnKeyUp(wxKeyEvent& event)
{
    m_altOnly = false;
    m_ctrlOnly = false;
    event.Skip();
}

void CFrame::OnClose(wxCloseEvent& event)
{
    if (!m_closing && m_modified && event.CanVeto()) {
        const int answer =
            wxMessageBox(_("Project is aangepast, bewaren ?"), _("Bestand aangepast"), wxYES_NO | wxCANCEL, this);
        // Unsaved work is never dropped: a save that fails or is cancelled keeps the window open.
        if (answer == wxCANCEL || (answer == wxYES && !SaveProject(false))) {
            event.Veto();
            return;
        }
    }
    m_runControl.DropRun(); // no tick may reach the window while it goes
    WriteSettingsFile();
    Destroy();
}
