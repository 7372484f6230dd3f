#pragma once
// Scenarios: a program built, edited, read and written step by step from a small script, with
// expectations on the graph, the texts and what the user is told or asked. Scripts live in
// tests/data/scenarios/<area>/*.txt; "== Name" starts a scenario. A line is a command and its
// words; a word in double quotes may hold blanks ("\n" in it is a line end).
//
//   root X Y                      the Start block's position (a new program's stands at 300,40)
//   new WORD X Y NAME [TEXT]      a block made from a file word, placed, linked to nothing (deleted at
//                                 the end unless it joined the graph)
//   chain FROM WORD N TEXT NAME   N new blocks, each the son of the one before, from FROM on
//   son|branch|join|row A B       links set directly (join: a loop or join; row: B right of A)
//   drop WORD DIR TARGET [NAME]   a drop as the canvas makes it (DIR down, up, right, left), accepted;
//   refuse WORD DIR TARGET        the same, refused
//   link TARGET REF DIR / nolink  a block connected on a side of target, accepted / refused
//   remove REF / keep REF         a removal, accepted / refused
//   register REF / forget         a variable block entered in the variable list / the list emptied
//   assign REF NAME [new]         a variable block given a variable by name (new: one is made)
//   renamevar OLD NEW [refused]   a variable renamed in every block (refused: nothing changes)
//   answer yes|no ...             the answers to the next questions
//   set REF PROP VALUE            param (text and value), value, name, index, op, x, y, mask, sides, addsides,
//                                 exit (the son exit side: down, up, right, left), half,
//                                 number, sonnumber, son and branch (a bare link, as in a damaged graph)
//   let NAME REF                  names a block reached from another
//   expect REF is REF             the same block (or both none)
//   expect REF PROP VALUE         kind, x, y, mask, sides, name, param, value, index, op, exit,
//                                 branchexit, half, deletable, row (kinds left to right)
//   expect program PROP VALUE     blocks, variables, nextindex, names (of the variables, by number)
//   report TEXT / question TEXT   the next warning shown / question asked; "silent": nothing more came;
//   message TEXT                  the next message box (caption: message)
//   read [error LINE WORD] ... end   project text (lines until "end") read, or failing at LINE
//   readfile FILE [error LINE]    a file under tests/data read
//   snapshot ... end              the exact snapshot; "same": the last text read, unchanged;
//   snapshotfile FILE             the bytes of a file under tests/data
//   exit COND DIR NAME            the link piece the canvas lays on a new condition's exit
//   history                       the edit history starts here (after the root is placed)
//   commit / nocommit             an edit stored / nothing to store; undo, redo (noundo, noredo: nothing
//                                 to undo or redo); mark NAME / matches NAME: a snapshot kept / compared
//   clear / roundtrip             program.Clear(); the snapshot reads back into the same text
//   fresh                         the last text read gives the same snapshot in a fresh program
// REF: root, none, proto:WORD (a prototype), a NAME, or a path from one: NAME.son, .parent, .branch,
// .branch2, .left, .right, .extra.
// Every scenario ends with a sound graph.

#include "model/EditHistory.h"
#include "model/Variables.h"
#include "support/Blocks.h"
#include "support/CaseFile.h"
#include "support/EditingGraphCheck.h"
#include "support/ProjectText.h"
#include "support/ScriptedUserInterface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace testing_support {

using ScenarioScript = CaseScript;

// Every scenario of the files in tests/data/scenarios/<area>.
inline std::vector<ScenarioScript> LoadScenarios(const std::string& area)
{
    return LoadCases("scenarios/" + area);
}

class ScenarioRunner
{
public:
    virtual ~ScenarioRunner()
    {
        m_history.reset();
        // Blocks made by "new" that never joined the graph go with the script.
        for (CState* block : m_made)
            delete block;
        program.Destroy();
    }

    void Run(const ScenarioScript& script)
    {
        root = program.EnsureRoot();
        root->SetPosition(300, 40);
        m_names["root"] = root;
        for (m_at = 0; m_at < script.lines.size(); ++m_at) {
            const std::string& line = script.lines[m_at];
            SCOPED_TRACE(script.file + ":" + std::to_string(script.firstLine + 1 + static_cast<int>(m_at)) + ": " +
                         line);
            if (!Silent(line))
                Command(Words(line), script.lines);
            // A block that joined the graph belongs to it from then on.
            for (CState* block : GraphBlocks(program))
                m_made.erase(block);
        }
        EXPECT_EQ(GraphFault(program), "") << script.name;
        program.ResetPrototypeNames();
    }

    CProgram program;
    CState* root = nullptr;
    ScriptedUserInterface ui;

protected:
    // Commands of a subclass; false when the command is unknown.
    virtual bool Extra(const std::vector<std::string>&) { return false; }

public:
    CState* Ref(const std::string& path)
    {
        if (path == "none")
            return nullptr;
        std::istringstream parts(path);
        std::string part;
        std::getline(parts, part, '.');
        if (part.rfind("proto:", 0) == 0)
            m_names[part] = PrototypeByName(W(part.substr(6)));
        if (!m_names.count(part)) {
            ADD_FAILURE() << "no block named " << part;
            return nullptr;
        }
        CState* block = m_names[part];
        while (block && std::getline(parts, part, '.'))
            block = part == "son"       ? block->GetSon()
                    : part == "parent"  ? block->GetParent()
                    : part == "branch"  ? block->GetBranchSon(0)
                    : part == "branch2" ? block->GetBranchSon(1)
                    : part == "left"    ? block->GetRowNeighbour(0)
                    : part == "right"   ? block->GetRowNeighbour(1)
                    : part == "extra"   ? block->GetExtraParent(0)
                                        : nullptr;
        return block;
    }

protected:
    static int Number(const std::string& word) { return static_cast<int>(std::stol(word, nullptr, 0)); }
    // The lines after the current one up to "end", each with its line end.
    std::string Text(const std::vector<std::string>& lines)
    {
        std::string text;
        while (++m_at < lines.size() && lines[m_at] != "end")
            text += lines[m_at] + "\n";
        return text;
    }

    std::map<std::string, CState*> m_names;
    std::set<CState*> m_made;

private:
    static std::vector<std::string> Words(const std::string& line)
    {
        std::vector<std::string> words;
        for (size_t i = 0; i < line.size();) {
            if (line[i] == ' ') {
                ++i;
            } else if (line[i] == '"') {
                std::string word;
                for (++i; i < line.size() && line[i] != '"'; ++i)
                    if (line[i] == '\\' && i + 1 < line.size())
                        word += line[++i] == 'n' ? '\n' : line[i];
                    else
                        word += line[i];
                words.push_back(word);
                ++i;
            } else {
                const size_t end = std::min(line.find(' ', i), line.size());
                words.push_back(line.substr(i, end - i));
                i = end;
            }
        }
        return words;
    }
    static wxString W(const std::string& text) { return wxString::FromUTF8(text); }
    static int Direction(const std::string& word)
    {
        return word == "down" ? 0 : word == "up" ? 1 : word == "right" ? 2 : 3;
    }

    void Command(const std::vector<std::string>& w, const std::vector<std::string>& lines)
    {
        const std::string& c = w[0];
        // The blocks a command works on must exist; a failed expectation before must not crash the test.
        static const std::map<std::string, std::vector<size_t>> kBlockWords = {
            {"son", {1, 2}}, {"branch", {1, 2}}, {"join", {1, 2}}, {"row", {1, 2}}, {"drop", {3}},
            {"refuse", {3}}, {"link", {1}},      {"nolink", {1}},  {"set", {1}},    {"exit", {1}},
            {"chain", {1}},  {"register", {1}},  {"assign", {1}}};
        if (const auto words = kBlockWords.find(c); words != kBlockWords.end())
            for (size_t i : words->second)
                if (!Ref(w[i])) {
                    ADD_FAILURE() << "no block " << w[i];
                    return;
                }
        if (c == "root") {
            root->SetPosition(Number(w[1]), Number(w[2]));
        } else if (c == "new") {
            CState* block = BlockFromFileWord(W(w[1]), program);
            block->SetPosition(Number(w[2]), Number(w[3]));
            m_names[w[4]] = block;
            m_made.insert(block);
            if (w.size() > 5)
                Set(block, "param", w[5]);
        } else if (c == "chain") {
            CState* last = Ref(w[1]);
            for (int i = 0; i < Number(w[3]); ++i) {
                CState* block = Son(last, BlockFromFileWord(W(w[2]), program));
                Set(block, "param", w[4]);
                last = block;
            }
            m_names[w[5]] = last;
        } else if (c == "son" || c == "branch" || c == "join" || c == "row") {
            CState *a = Ref(w[1]), *b = Ref(w[2]);
            if (c == "son")
                Son(a, b);
            else if (c == "branch")
                Branch(a, b);
            else if (c == "join")
                Join(a, b);
            else
                a->SetRowNeighbour(1, b), b->SetRowNeighbour(0, a);
        } else if (c == "drop" || c == "refuse") {
            CState* block = Drop(program, Ref(w[3]), PrototypeByName(W(w[1])), Direction(w[2]));
            EXPECT_EQ(block != nullptr, c == "drop");
            if (w.size() > 4)
                m_names[w[4]] = block;
        } else if (c == "link" || c == "nolink") {
            EXPECT_EQ(program.ConnectBlock(Ref(w[1]), Ref(w[2]), 1 << Direction(w[3])), c == "link");
        } else if (c == "register") {
            program.RegisterVariable(Ref(w[1]));
        } else if (c == "assign") {
            EXPECT_EQ(AssignVariable(program, *Ref(w[1]), W(w[2])), w.size() > 3 && w[3] == "new");
        } else if (c == "renamevar") {
            EXPECT_EQ(RenameVariable(program, W(w[1]), W(w[2])), w.size() < 4);
        } else if (c == "forget") {
            program.Variables().Clear();
        } else if (c == "remove" || c == "keep") {
            EXPECT_EQ(program.RemoveBlock(Ref(w[1])), c == "remove");
        } else if (c == "answer") {
            for (size_t i = 1; i < w.size(); ++i)
                ui.answers.push_back(w[i] == "yes");
        } else if (c == "set") {
            Set(Ref(w[1]), w[2], w[3]);
        } else if (c == "let") {
            m_names[w[1]] = Ref(w[2]);
        } else if (c == "expect" && w[1] == "program") {
            EXPECT_EQ(ProgramValue(w[2]), w[3]) << w[2];
        } else if (c == "expect" && w[2] == "is") {
            EXPECT_EQ(Describe(Ref(w[1])), Describe(Ref(w[3])));
            EXPECT_EQ(Ref(w[1]), Ref(w[3]));
        } else if (c == "expect") {
            EXPECT_EQ(Value(Ref(w[1]), w[2]), w[3]) << w[1] << " " << w[2];
        } else if (c == "report") {
            ASSERT_LT(m_reports, ui.reports.size()) << "no warning came";
            EXPECT_EQ(ui.reports[m_reports++].second, W(w[1]));
        } else if (c == "question") {
            ASSERT_LT(m_questions, ui.questions.size()) << "no question came";
            EXPECT_EQ(ui.questions[m_questions++].first, W(w[1]));
        } else if (c == "message") {
            ASSERT_LT(m_messages, ui.messages.size()) << "no message came";
            EXPECT_EQ(ui.messages[m_messages].second + ": " + ui.messages[m_messages].first, W(w[1]));
            ++m_messages;
        } else if (c == "silent") {
            EXPECT_EQ(ui.messages.size(), m_messages);
            EXPECT_EQ(ui.reports.size(), m_reports);
            EXPECT_EQ(ui.questions.size(), m_questions);
        } else if (c == "read" || c == "readfile") {
            const size_t error = std::find(w.begin(), w.end(), std::string("error")) - w.begin();
            m_read = c == "read" ? Text(lines) : DataFile(w[1]);
            ReadError problem;
            EXPECT_EQ(ReadString(program, m_read, &problem), error == w.size()) << problem.detail;
            if (error + 1 < w.size()) {
                EXPECT_EQ(problem.line, Number(w[error + 1]));
            }
            if (error + 2 < w.size()) {
                EXPECT_NE(problem.detail.Find(W(w[error + 2])), wxNOT_FOUND) << problem.detail;
            }
        } else if (c == "snapshot") {
            EXPECT_EQ(Snapshot(program), Text(lines));
        } else if (c == "snapshotfile") {
            EXPECT_EQ(Snapshot(program), DataFile(w[1]));
        } else if (c == "same") {
            EXPECT_EQ(Snapshot(program), m_read);
        } else if (c == "clear") {
            program.Clear();
        } else if (c == "exit") {
            CState* piece = Prototypes::Get().LinkPrototype()->Clone();
            piece->SetConnectorMask(w[2] == "down" ? Connector::FullVertical : Connector::FullHorizontal);
            const CGraphicState::Point point = Ref(w[1])->GetNeighbourPoint(Direction(w[2]));
            piece->SetPosition(point.x, point.y);
            EXPECT_TRUE(program.ConnectBlock(Ref(w[1]), piece, 1 << Direction(w[2])));
            m_names[w[3]] = piece;
        } else if (c == "history") {
            m_history = std::make_unique<EditHistory>(program);
        } else if (c == "commit" || c == "nocommit") {
            EXPECT_EQ(m_history->CommitEdit(), c == "commit");
        } else if (c == "undo" || c == "noundo") {
            EXPECT_EQ(m_history->CanUndo(), c == "undo");
            EXPECT_EQ(m_history->Undo(), c == "undo");
        } else if (c == "redo" || c == "noredo") {
            EXPECT_EQ(m_history->CanRedo(), c == "redo");
            EXPECT_EQ(m_history->Redo(), c == "redo");
        } else if (c == "mark") {
            m_marks[w[1]] = Snapshot(program);
        } else if (c == "matches") {
            EXPECT_EQ(Snapshot(program), m_marks[w[1]]);
        } else if (c == "fresh") {
            CProgram fresh;
            fresh.EnsureRoot()->SetPosition(300, 40);
            ReadString(fresh, m_read);
            EXPECT_EQ(Snapshot(program), Snapshot(fresh));
        } else if (c == "roundtrip") {
            const std::string text = Snapshot(program);
            CProgram copy;
            copy.EnsureRoot();
            EXPECT_TRUE(ReadString(copy, text));
            EXPECT_EQ(Snapshot(copy), text);
            EXPECT_EQ(GraphFault(copy), "");
        } else if (!Extra(w)) {
            ADD_FAILURE() << "unknown command " << c;
        }
    }

    void Set(CState* block, const std::string& property, const std::string& value)
    {
        if (property == "param") {
            block->SetParameterText(W(value));
            long number = 0;
            block->SetParameterValue(W(value).ToLong(&number) ? static_cast<int>(number) : 0);
        } else if (property == "index") {
            block->SetVariableIndex(Number(value));
        } else if (property == "value") {
            block->SetParameterValue(Number(value));
        } else if (property == "name") {
            block->SetName(W(value));
        } else if (property == "op") {
            block->SetConditionOperator(W(value));
        } else if (property == "x") {
            block->SetPosition(Number(value), block->GetY());
        } else if (property == "y") {
            block->SetPosition(block->GetX(), Number(value));
        } else if (property == "mask") {
            block->SetConnectorMask(Number(value));
        } else if (property == "sides") {
            block->SetSideSet(Number(value));
        } else if (property == "addsides") {
            block->SetSideSet(block->GetSideSet() | Number(value));
        } else if (property == "exit") {
            block->SetSonExitSide(Direction(value));
        } else if (property == "half") {
            block->MakeHalf();
        } else if (property == "son") { // a bare pointer, as only a damaged graph has it
            block->SetSon(Ref(value));
        } else if (property == "branch") {
            block->SetBranchSon(0, Ref(value));
        } else if (property == "number") {
            block->SetNodeNumber(Number(value));
        } else if (property == "sonnumber") {
            block->SetSonNumber(Number(value));
        } else {
            ADD_FAILURE() << "unknown property " << property;
        }
    }

    std::string Value(CState* block, const std::string& property)
    {
        if (!block)
            return "no block";
        const auto text = [](const wxString& s) { return std::string(s.utf8_str()); };
        if (property == "kind")
            return text(block->GetKindWordRaw());
        if (property == "x")
            return std::to_string(block->GetX());
        if (property == "y")
            return std::to_string(block->GetY());
        if (property == "mask")
            return wxString::Format("0x%02x", block->GetConnectorMask()).ToStdString();
        if (property == "sides")
            return std::to_string(block->GetSideSet());
        if (property == "name")
            return text(block->ResolvedName());
        if (property == "param")
            return text(block->GetParameterText());
        if (property == "value")
            return std::to_string(block->GetParameterValue());
        if (property == "index")
            return std::to_string(block->GetVariableIndex());
        if (property == "op")
            return text(block->GetConditionOperator());
        if (property == "exit")
            return std::to_string(block->GetSonExitSide());
        if (property == "branchexit")
            return std::to_string(block->GetBranchExitSide());
        if (property == "half")
            return block->IsHalf() ? "yes" : "no";
        if (property == "deletable")
            return block->IsDeletable() ? "yes" : "no";
        if (property == "row") {
            std::string row;
            for (CState* m = block->LeftmostOfRow(); m; m = m->GetRowNeighbour(1))
                row += (row.empty() ? "" : ",") + text(m->GetKindWordRaw());
            return row;
        }
        return "unknown property " + property;
    }

    static std::string Describe(const CState* block)
    {
        if (!block)
            return "none";
        return std::string(block->GetKindWordRaw().utf8_str()) + "@" + std::to_string(block->GetX()) + "," +
               std::to_string(block->GetY());
    }

    std::string ProgramValue(const std::string& property)
    {
        if (property == "blocks")
            return std::to_string(GraphBlocks(program).size());
        if (property == "variables")
            return std::to_string(program.Variables().GetCount());
        if (property == "nextindex")
            return std::to_string(program.GetNextVariableIndex());
        if (property == "names")
            return std::string(wxJoin(VariableNames(program), ',').utf8_str());
        return "unknown property " + property;
    }

    std::unique_ptr<EditHistory> m_history;
    std::map<std::string, std::string> m_marks;
    size_t m_at = 0;
    size_t m_reports = 0, m_questions = 0, m_messages = 0;
    std::string m_read;
};

} // namespace testing_support
