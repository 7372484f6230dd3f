#pragma once
// A checker of the project reader's shortcuts for the tests and the fuzz target: every indexed
// search must answer as a search of the whole graph does, and every key matched by hand as its
// regular expression does. A difference is counted and remembered; the fuzz target aborts on it.

#include "model/CProgram.h"
#include "model/ProjectReader.h"

#include <string>
#include <wx/regex.h>

class ProjectReaderChecks final : public ProjectReaderChecker
{
public:
    ProjectReaderChecks() { InstallProjectReaderChecker(this); }
    ~ProjectReaderChecks() override { InstallProjectReaderChecker(nullptr); }
    ProjectReaderChecks(const ProjectReaderChecks&) = delete;
    ProjectReaderChecks& operator=(const ProjectReaderChecks&) = delete;

    void ExpectingSon(const CProgram& program, int number, const CState* found) override
    {
        if (found != program.FindExpectingSon(number))
            Fail("expecting-son search for " + std::to_string(number));
    }
    void Numbered(const CProgram& program, int number, const CState* found) override
    {
        if (found != program.FindByNodeNumber(number))
            Fail("node-number search for " + std::to_string(number));
    }
    void Placeholder(const CState* member, int number, const CState* found,
                     const std::unordered_set<CState*>& placeholders) override
    {
        CState* walked = const_cast<CState*>(member)->LeftmostOfRow();
        while (walked && !(placeholders.count(walked) && walked->GetNodeNumber() == number))
            walked = walked->GetRowNeighbour(1);
        if (walked != found)
            Fail("placeholder search for " + std::to_string(number));
    }
    void Key(ProjectKey key, const wxString& text, bool matched, const wxString* first, const wxString* second) override
    {
        wxRegEx& pattern = Pattern(key);
        if (pattern.Matches(text) != matched || (matched && ((first && pattern.GetMatch(text, 1) != *first) ||
                                                             (second && pattern.GetMatch(text, 2) != *second))))
            Fail("key " + std::to_string(static_cast<int>(key)) + " in \"" + std::string(text.utf8_str()) + "\"");
    }

    int failures = 0;
    std::string first;

private:
    void Fail(const std::string& what)
    {
        if (failures++ == 0)
            first = what;
    }

    static wxRegEx& Pattern(ProjectKey key)
    {
        static wxRegEx patterns[] = {{"Cond: ([GLTEQN]*)", wxRE_EXTENDED}, {"Name: ([[:alnum:]_]*).", wxRE_EXTENDED},
                                     {"Param: '(.*)'", wxRE_EXTENDED},     {"Param: ([[:alnum:]_-]*)", wxRE_EXTENDED},
                                     {"BGtype: ([0-9]*)", wxRE_EXTENDED},  {"Son ([0-9]*),*([0-9]*)", wxRE_EXTENDED},
                                     {"frNode([:0-9]*)", wxRE_EXTENDED},   {"flNode([:0-9]*)", wxRE_EXTENDED}};
        return patterns[static_cast<int>(key)];
    }
};
