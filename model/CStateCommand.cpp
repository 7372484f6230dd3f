#include "model/CStateCommand.h"

#include "base/Lines.h"
#include "calibration/CalibrationRecord.h"
#include "model/CProgram.h"

#include <cstring>

bool TextsDiffer(const char* before, size_t beforeSize, const char* after, size_t afterSize)
{
    size_t beforePos = 0, afterPos = 0;
    for (;;) {
        const char *beforeLine = nullptr, *afterLine = nullptr;
        size_t beforeLength = 0, afterLength = 0;
        const bool moreBefore = NextLine(before, beforeSize, beforePos, beforeLine, beforeLength);
        const bool moreAfter = NextLine(after, afterSize, afterPos, afterLine, afterLength);
        if (!moreBefore || !moreAfter)
            return moreBefore != moreAfter;
        if (beforeLength != afterLength || std::memcmp(beforeLine, afterLine, beforeLength) != 0)
            return true;
    }
}

const char* StreamBytes(const wxMemoryOutputStream& stream, size_t& size)
{
    const wxStreamBuffer* buffer = stream.GetOutputStreamBuffer();
    size = static_cast<size_t>(stream.GetLength());
    return static_cast<const char*>(buffer->GetBufferStart());
}

CStateCommand::CStateCommand(CProgram& program) : wxCommand(true, wxEmptyString), m_program(program)
{
    m_program.WriteSnapshot(m_before);
}

CStateCommand::CStateCommand(CProgram& program, const wxMemoryOutputStream& current)
    : wxCommand(true, wxEmptyString), m_program(program)
{
    size_t size = 0;
    const char* bytes = StreamBytes(current, size);
    if (size > 0) // a program without root writes nothing, and an empty stream has no buffer
        m_before.Write(bytes, size);
}

bool CStateCommand::Finish()
{
    m_program.WriteSnapshot(m_after);
    size_t beforeSize = 0, afterSize = 0;
    const char* before = StreamBytes(m_before, beforeSize);
    const char* after = StreamBytes(m_after, afterSize);
    return TextsDiffer(before, beforeSize, after, afterSize);
}

bool CStateCommand::Do()
{
    return Restore(m_after);
}

bool CStateCommand::Undo()
{
    return Restore(m_before);
}

bool CStateCommand::Restore(const wxMemoryOutputStream& snapshot)
{
    // The reader builds below the root, and a prototype name that the snapshot does not carry
    // is the default one.
    m_program.Clear();
    m_program.ResetPrototypeNames();
    wxMemoryInputStream stream(snapshot);
    Displacement displacement;
    ReadBounds bounds;
    CalibrationRecord unused = CalibrationRecord::Defaults(); // snapshots carry no calibration
    return m_program.ReadText(stream, displacement, bounds, unused);
}
