// The input poll of manual-mode runs: who is told of every poll.
#include "app/CFrame.h"

void CFrame::SetInputPollListener(InputPollListener listener)
{
    m_inputPollListener = std::move(listener);
}
