#include "model/EditHistory.h"

#include "model/CProgram.h"
#include "model/CStateCommand.h"

#include <wx/cmdproc.h>

EditHistory::EditHistory(CProgram& program)
    : m_program(program), m_processor(new wxCommandProcessor(-1)), m_pending(new CStateCommand(program))
{
}

EditHistory::~EditHistory()
{
    delete m_pending;
    delete m_processor;
}

bool EditHistory::CommitEdit()
{
    CStateCommand* finished = m_pending;
    m_pending = nullptr;
    const bool changed = finished->Finish();
    // The text after this edit is the text before the next one.
    m_pending = new CStateCommand(m_program, finished->After());
    if (changed)
        m_processor->Store(finished); // the edit is already made: Do is not run again
    else
        delete finished;
    if (changed && m_listener)
        m_listener();
    return changed;
}

bool EditHistory::CanUndo() const
{
    return m_processor->CanUndo();
}

bool EditHistory::CanRedo() const
{
    return m_processor->CanRedo();
}

bool EditHistory::Undo()
{
    if (!m_processor->CanUndo())
        return false;
    auto* command = static_cast<CStateCommand*>(m_processor->GetCurrentCommand());
    m_program.Clear();
    const bool done = m_processor->Undo();
    // The program now shown was just read from the text before the command.
    StartPending(done ? &command->Before() : nullptr);
    return done;
}

bool EditHistory::Redo()
{
    if (!m_processor->CanRedo())
        return false;
    m_program.Clear();
    const bool done = m_processor->Redo();
    auto* command = static_cast<CStateCommand*>(m_processor->GetCurrentCommand());
    StartPending(done && command ? &command->After() : nullptr);
    return done;
}

bool EditHistory::RevertPending()
{
    return m_pending->Undo();
}

void EditHistory::Reset()
{
    m_processor->ClearCommands();
    StartPending(nullptr);
}

void EditHistory::StartPending(const wxMemoryOutputStream* current)
{
    delete m_pending;
    m_pending = current ? new CStateCommand(m_program, *current) : new CStateCommand(m_program);
    if (m_listener)
        m_listener();
}

EditHistory& TheEditHistory()
{
    static EditHistory* history = new EditHistory(TheProgram()); // lives until the program ends
    return *history;
}
