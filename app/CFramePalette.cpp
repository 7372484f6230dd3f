// The palette, the block properties dialog and the names list, as the main window uses them.
#include "app/CFrame.h"

#include "editor/CStateDialog.h"
#include "editor/CStateViewer.h"

int CFrame::ShowBlockProperties(CState* block, bool newBlock)
{
    return ShowPropertiesDialog(this, block, newBlock).code;
}

void CFrame::VariablesChanged()
{
    if (m_stateViewer)
        m_stateViewer->GetNamesList()->RebuildRows();
}

RunValues* CFrame::GetRunValues()
{
    return m_stateViewer ? m_stateViewer->GetNamesList() : nullptr;
}
