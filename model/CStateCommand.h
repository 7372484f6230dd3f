#pragma once
// One undoable edit: the program text before and after it. Undo and redo rebuild the program
// from one of the two texts.

#include <wx/cmdproc.h>
#include <wx/mstream.h>

class CProgram;

class CStateCommand : public wxCommand
{
public:
    // Takes the program as it is now as the text before the edit.
    explicit CStateCommand(CProgram& program);
    // Takes a text already written from the program as it is now as the text before the edit.
    CStateCommand(CProgram& program, const wxMemoryOutputStream& current);

    // Takes the program as it is now as the text after the edit; true when the two texts differ.
    bool Finish();
    // Rebuild the program from the text after (Do) or before (Undo) the edit.
    bool Do() override;
    bool Undo() override;

    const wxMemoryOutputStream& Before() const { return m_before; }
    const wxMemoryOutputStream& After() const { return m_after; }

private:
    bool Restore(const wxMemoryOutputStream& snapshot);

    CProgram& m_program;
    wxMemoryOutputStream m_before;
    wxMemoryOutputStream m_after;
};

// Whether two texts differ when compared line by line (CR LF, LF and CR all end a line): a
// differing line, or one text ending before the other.
bool TextsDiffer(const char* before, size_t beforeSize, const char* after, size_t afterSize);
// The bytes a memory stream holds.
const char* StreamBytes(const wxMemoryOutputStream& stream, size_t& size);
