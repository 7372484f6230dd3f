#pragma once
// The project reader lives in CProgram::ReadText and CProgram::ReadProject (model/CProgram.h).
// Its searches use indexes and its keys are matched by hand; a checker, which only the tests and
// the fuzz target install, is told every answer to compare it with a search of the whole graph and
// with the key's regular expression. The reader works the same without one.

#include <unordered_set>
#include <wx/string.h>

class CProgram;
class CState;

// The keys of a node line that the reader matches by hand.
enum class ProjectKey
{
    Cond,
    Name,
    QuotedParam,
    PlainParam,
    BgType,
    Son,
    RightRow,
    LeftRow
};

class ProjectReaderChecker
{
public:
    virtual ~ProjectReaderChecker() = default;
    // The first block in graph-search order expecting number as a son, as the index found it.
    virtual void ExpectingSon(const CProgram& program, int number, const CState* found) = 0;
    // The first block in graph-search order with this node number, as the index found it.
    virtual void Numbered(const CProgram& program, int number, const CState* found) = 0;
    // The placeholder numbered number in the row of member, as the index found it.
    virtual void Placeholder(const CState* member, int number, const CState* found,
                             const std::unordered_set<CState*>& placeholders) = 0;
    // A key matched by hand in text: whether it matched, and its first and second parts.
    virtual void Key(ProjectKey key, const wxString& text, bool matched, const wxString* first,
                     const wxString* second) = 0;
};

// Installs a checker for the reads that follow (null: none).
void InstallProjectReaderChecker(ProjectReaderChecker* checker);
