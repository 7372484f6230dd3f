// Every scenario under tests/data/scenarios/bytecode: the code of each kind, expressions, and the
// compiler's layout of graphs built step by step, run on the machine. Besides the model's commands:
//
//   calibration LINE          a calibration line applied to the calibration compiled with
//   code REF HEX... | refused the block's code (the emitter refuses code that does not fit)
//   expr TEXT REG HEX...      the expression's code, its result in register A or B
//   check TEXT VERDICT [WORD...] [own NAME]   the expression's check: wellformed, unbalanced,
//                             twooperands or unknownname, with the words it names (NAME: the
//                             variable the block assigns)
//   compile | toolong         a compilation that succeeds / is refused as too long
//   forrun yes|no             a compilation for a run (a refusal says so in a message box)
//   length N / tail HEX... / bytes AT HEX...   the image's length, its bytes after the 72-byte
//                             prologue, its bytes from AT
//   address REF N / taillength REF N / at PC REF / current REF / repaints N
//   run STEPS                 a headless run; then "machine PROP VALUE": state (idle, armed, running,
//                             ended), pc, timer, buzzer, varN, chN (the value written last to channel N)

#include "support/Scenario.h"
#include "bytecode/Emitters.h"
#include "bytecode/ExpressionCompiler.h"
#include "bytecode/HeadlessRun.h"
#include "bytecode/ProgramCompiler.h"

using namespace testing_support;

namespace {

constexpr int kPrologue = 72; // the Start block's code with the default calibration

class CompileScenario final : public ScenarioRunner
{
    bool Extra(const std::vector<std::string>& w) override
    {
        const std::string& c = w[0];
        const auto rest = [&w](size_t from) {
            std::string hex;
            for (size_t i = from; i < w.size(); ++i)
                hex += (hex.empty() ? "" : " ") + w[i];
            return hex;
        };
        if ((c == "code" || c == "address" || c == "taillength") && !Ref(w[1])) {
            ADD_FAILURE() << "no block " << w[1];
        } else if (c == "calibration") {
            EXPECT_TRUE(m_calibration.ParseLine(w[1]));
        } else if (c == "code") {
            CState* block = Ref(w[1]);
            const int length = EmitBlockCode(*block, {program, m_calibration});
            EXPECT_EQ(length < 0 ? "refused" : Hex(block->GetCode(), length), rest(2));
        } else if (c == "expr") {
            unsigned char buffer[256];
            const CompiledExpression result = CompileExpression(wxString::FromUTF8(w[1]), buffer, 256, program);
            EXPECT_EQ(result.resultRegister ? "B" : "A", w[2]);
            EXPECT_EQ(Hex(buffer, result.length), rest(3));
        } else if (c == "check") {
            const size_t own = std::find(w.begin(), w.end(), std::string("own")) - w.begin();
            const ExpressionCheck check = CheckExpression(wxString::FromUTF8(w[1]), program,
                                                          own + 1 < w.size() ? wxString(w[own + 1]) : wxString());
            static const char* const kVerdicts[] = {"wellformed", "unbalanced", "twooperands", "unknownname"};
            std::string said = kVerdicts[check.fault];
            for (const wxString& word : {check.first, check.second})
                if (!word.empty())
                    said += " " + std::string(word.utf8_str());
            EXPECT_EQ(said, rest(2).substr(0, rest(2).find(" own")));
        } else if (c == "compile" || c == "toolong") {
            CompileStatus status;
            EXPECT_EQ(CompileProgram(program, m_calibration, m_image, m_length, &status), c == "compile");
            EXPECT_EQ(status, c == "compile" ? CompileStatus::Ok : CompileStatus::CodeTooLong);
            EXPECT_EQ(program.ImageLength(), c == "compile" ? m_length : 0);
        } else if (c == "forrun") {
            EXPECT_EQ(CompileForRun(program, m_calibration, m_image, m_length), w[1] == "yes");
        } else if (c == "length") {
            EXPECT_EQ(m_length, Number(w[1]));
        } else if (c == "tail") {
            EXPECT_EQ(Hex(m_image + kPrologue, m_length - kPrologue), rest(1));
        } else if (c == "bytes") {
            EXPECT_EQ(Hex(m_image + Number(w[1]), static_cast<int>(w.size()) - 2), rest(2));
        } else if (c == "address") {
            EXPECT_EQ(Ref(w[1])->GetCodeAddress(), Number(w[2]));
        } else if (c == "taillength") {
            EXPECT_EQ(Ref(w[1])->GetTailLength(), Number(w[2]));
        } else if (c == "at") {
            EXPECT_EQ(program.FindByAddress(Number(w[1])), Ref(w[2]));
        } else if (c == "current") {
            EXPECT_EQ(GetCurrentBlock(), Ref(w[1]));
        } else if (c == "repaints") {
            EXPECT_EQ(ui.repaints, Number(w[1]));
        } else if (c == "run") {
            HeadlessRunOptions options;
            options.maxSteps = Number(w[1]);
            RunHeadless(m_machine, m_image, m_length, options);
        } else if (c == "machine") {
            EXPECT_EQ(Machine(w[1]), w[2]) << w[1];
        } else {
            return false;
        }
        return true;
    }

    std::string Machine(const std::string& property) const
    {
        if (property == "state")
            return RunStateName(m_machine.GetRunState());
        const int value = property == "pc"       ? m_machine.Pc()
                          : property == "timer"  ? m_machine.Timer()
                          : property == "buzzer" ? m_machine.BuzzerOn()
                          : property.rfind("var", 0) == 0
                              ? m_machine.Variable(std::stoi(property.substr(3)))
                              : m_machine.GetChannel(std::stoi(property.substr(2))).lastWritten;
        return std::to_string(value);
    }

    CalibrationRecord m_calibration = CalibrationRecord::Defaults();
    const unsigned char* m_image = nullptr;
    int m_length = 0;
    TamekMachine m_machine;
};

struct BytecodeScenario : ::testing::TestWithParam<ScenarioScript>
{
};

} // namespace

TEST_P(BytecodeScenario, Runs)
{
    CompileScenario runner;
    runner.Run(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Scenarios, BytecodeScenario, ::testing::ValuesIn(LoadScenarios("bytecode")), CaseName);

TEST(ConstantText, NumberPattern)
{
    for (const char* constant : {"12", "-12", "+-+3"})
        EXPECT_TRUE(IsConstantText(constant)) << constant;
    for (const char* other : {"-", "", " 1", "1.5", "x1"})
        EXPECT_FALSE(IsConstantText(other)) << other;
}

TEST(Expressions, LexerAndBranchCodes)
{
    std::vector<wxString> texts;
    const std::vector<ExpressionToken> tokens = TokenizeExpression("  a_1 <= 3,5.2 >>x ^ y @");
    for (const ExpressionToken& token : tokens)
        texts.push_back(token.text);
    EXPECT_EQ(texts, (std::vector<wxString>{"a_1", "<=", "3.5", ".", "2", ">>", "x", "^", "y", "@"}));
    EXPECT_EQ(tokens[2].kind, ExpressionToken::Number);
    EXPECT_EQ(tokens[5].kind, ExpressionToken::Operator);
    // A character that is neither space, digit, letter, "_" nor punctuation ends the stream.
    EXPECT_EQ(TokenizeExpression(wxString::FromUTF8("x + \xE2\x82\xAC y")).size(), 2u);
    EXPECT_EQ(TokenizeExpression(wxString::FromUTF8("caf\xC3\xA9 + 1")).front().text,
              wxString::FromUTF8("caf\xC3\xA9"));
    const std::pair<const char*, int> conditions[] = {{"==", 1}, {">", 2},  {">=", 3}, {"<", 4},
                                                      {"<=", 5}, {"!=", 6}, {"=<", 6}};
    for (auto [text, code] : conditions)
        EXPECT_EQ(BranchCondition(text), code) << text;
    EXPECT_EQ(ReversedBranchOpcode(1), 0x79);
    EXPECT_EQ(ReversedBranchOpcode(2), 0x75);
    EXPECT_EQ(ReversedBranchOpcode(6), 0x65);
    // A long expression is refused, never written past its buffer.
    wxString text = "1";
    for (int i = 0; i < 63; ++i)
        text += "+1";
    unsigned char buffer[300];
    std::fill(buffer, buffer + 300, 0xEE);
    EXPECT_EQ(CompileExpression(text, buffer, 256, CProgram()).length, 255); // 255 bytes fit alone
    for (int i = 0; i < 37; ++i)
        text += " + 1";
    const CompiledExpression result = CompileExpression(text, buffer, 256, CProgram());
    EXPECT_FALSE(result.fits);
    EXPECT_EQ(result.length, 0);
    EXPECT_EQ(buffer[256], 0xEE);
}
