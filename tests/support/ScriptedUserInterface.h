#pragma once
// A user interface for tests: questions are answered from a script, everything shown is recorded.
// It installs itself for its lifetime.

#include "model/UserInterface.h"

#include <deque>
#include <utility>
#include <vector>

class ScriptedUserInterface final : public UserInterface
{
public:
    ScriptedUserInterface() { InstallUserInterface(this); }
    ~ScriptedUserInterface() override { InstallUserInterface(nullptr); }
    ScriptedUserInterface(const ScriptedUserInterface&) = delete;
    ScriptedUserInterface& operator=(const ScriptedUserInterface&) = delete;

    bool AskYesNo(const wxString& message, const wxString& caption) override
    {
        questions.emplace_back(message, caption);
        if (answers.empty())
            return defaultAnswer;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowMessage(const wxString& message, const wxString& caption) override
    {
        messages.emplace_back(message, caption);
    }
    void Report(int level, const wxString& message) override { reports.emplace_back(level, message); }
    void RequestRepaint() override { ++repaints; }

    std::deque<bool> answers;
    bool defaultAnswer = false;
    std::vector<std::pair<wxString, wxString>> questions;
    std::vector<std::pair<wxString, wxString>> messages;
    std::vector<std::pair<int, wxString>> reports;
    int repaints = 0;
};
