#pragma once
// The undo history of the canvas: every finished edit becomes one undoable command holding the
// program text before and after it. The canvas owns the history; the main window's Edit menu
// and toolbar call Undo and Redo.

#include <functional>

class CProgram;
class wxCommandProcessor;
class CStateCommand;
class wxMemoryOutputStream;

// The pending command takes its text before the edit when the history is made and after every
// commit, undo, redo and reset: make the history (or Reset it) once the program's root exists,
// and Reset it whenever a project is opened or a new one started.
class EditHistory
{
public:
    explicit EditHistory(CProgram& program);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // Records the edit just made when the program text changed; true when a command was stored.
    // A new pending command then starts from the program as it is now.
    bool CommitEdit();
    bool CanUndo() const;
    bool CanRedo() const;
    // Rebuilds the program from the text before (after) the last undone (redone) edit.
    bool Undo();
    bool Redo();
    // Takes back the edit in progress, which is not recorded: the program is rebuilt from the text
    // before it.
    bool RevertPending();
    // Forgets every command (a new or opened project) and starts from the program as it is now.
    void Reset();
    // Called after every change the history sees: an edit stored, an undo, a redo, a reset.
    void SetChangeListener(std::function<void()> listener) { m_listener = std::move(listener); }

private:
    // Replaces the pending command by one made from the program as it is now: from the text it
    // was just read from when there is one (a text reads back into a program that writes it
    // again), else written anew.
    void StartPending(const wxMemoryOutputStream* current);

    CProgram& m_program;
    wxCommandProcessor* m_processor;
    CStateCommand* m_pending;
    std::function<void()> m_listener;
};

// The history of the one canvas of the running program.
EditHistory& TheEditHistory();
