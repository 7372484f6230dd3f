// The palette, the block properties dialog and the names list, as the main window uses them.
#include "app/CFrame.h"

#include "editor/CStateDialog.h"
#include "editor/CStateViewer.h"
#include "model/CState.h"

int CFrame::ShowBlockProperties(CState* block, bool newBlock)
{
    const int code = ShowPropertiesDialog(this, block, newBlock).code;
    // A variable block given another name may have made a variable or left one unused.
    if (code == CStateDialog::Confirmed && block->IsVariableKind())
        VariablesChanged();
    return code;
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
