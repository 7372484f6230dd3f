#include "BytecodeTestSupport.h"

#include "bytecode/EmitContext.h"
#include "bytecode/Emitters.h"
#include "bytecode/ExpressionCompiler.h"
#include "calibration/CalibrationRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace bytecode_test;
using Bytes = std::vector<int>;

namespace {

struct Emitters : ::testing::Test
{
    CProgram program;
    std::unique_ptr<ScopedEmitContext> context;
    std::vector<std::unique_ptr<CState>> blocks;
    CalibrationRecord calibration = CalibrationRecord::Defaults();

    void SetUp() override { context = std::make_unique<ScopedEmitContext>(program, &calibration); }

    CState* Block(const char* word, const wxString& parameter = wxString(), int value = 0)
    {
        blocks.emplace_back(Make(word, parameter, value));
        return blocks.back().get();
    }
    // A variable block registered in the program (indices 0, 1, 2 in order of creation).
    CState* Variable(const wxString& name, const wxString& parameter = "0", int value = 0)
    {
        CState* block = Block("Variable", parameter, value);
        block->SetName(name);
        program.RegisterVariable(block);
        return block;
    }
    void TearDown() override
    {
        program.Variables().Clear();
        context.reset();
    }
};

Bytes Expression(const wxString& text, const CProgram& program, int* reg = nullptr)
{
    unsigned char buffer[256];
    const CompiledExpression result = CompileExpression(text, buffer, 256, program);
    if (reg)
        *reg = result.resultRegister;
    return Bytes(buffer, buffer + result.length);
}

} // namespace

TEST_F(Emitters, WaitDriveAndTurn)
{
    EXPECT_EQ(Code(Block("Wait", "5", 5)), (Bytes{0x89, 0x00, 0x0A, 0xCA, 0x00, 0x00, 0x94, 0x0A, 0x74, 0xFE}));
    // Twice a long wait would not fit a 16-bit load: the wait is loaded and doubled.
    EXPECT_EQ(Code(Block("Wait", "20000", 20000)),
              (Bytes{0x89, 0x4E, 0x20, 0x11, 0x02, 0xCA, 0x00, 0x00, 0x94, 0x0A, 0x74, 0xFE}));
    EXPECT_EQ(Code(Block("Wait", "16383", 16383)).size(), 10u);
    EXPECT_EQ(Code(Block("Forward", "7", 7)), (Bytes{0xDA, 0x07, 0xDB, 0x07}));
    EXPECT_EQ(Code(Block("Backward", "3", 3)), (Bytes{0xDA, 0x83, 0xDB, 0x83}));
    EXPECT_EQ(Code(Block("TurnLeft", "-90", -90)), (Bytes{0xD8, 0x06}));
    EXPECT_EQ(Code(Block("TurnLeft", "0", 0)), (Bytes{0xD8, 0x14}));
    EXPECT_EQ(Code(Block("TurnLeft", "90", 90)), (Bytes{0xD8, 0x24}));
    EXPECT_EQ(Code(Block("TurnRight", "45", 45)), (Bytes{0xD9, 0x1C}));
}

TEST_F(Emitters, OutputsConstantAndExpressionForms)
{
    EXPECT_EQ(Code(Block("Buzzer", "1", 1)), (Bytes{0xD6, 0x05}));
    EXPECT_EQ(Code(Block("Buzzer", "0", 0)), (Bytes{0xD6, 0x04}));
    EXPECT_EQ(Code(Block("LedR", "1", 1)), (Bytes{0xD6, 0x07}));
    EXPECT_EQ(Code(Block("Buzzer", "Switch1")),
              (Bytes{0xA0, 0x00, 0x35, 0x09, 0x64, 0x05, 0xD6, 0x05, 0x7C, 0x03, 0xD6, 0x04}));
    EXPECT_EQ(Code(Block("LedR", "Detector2")), (Bytes{0xA0, 0x03, 0x64, 0x05, 0xD6, 0x07, 0x7C, 0x03, 0xD6, 0x06}));
    EXPECT_EQ(Code(Block("Servo1", "-30", -30)), (Bytes{0xD8, 0xE2}));
    EXPECT_EQ(Code(Block("Servo2", "+-5", -5)), (Bytes{0xD9, 0xFB})); // any signs make a constant
    EXPECT_EQ(Code(Block("Motor1", "4", 4)), (Bytes{0xDB, 0x04}));
    EXPECT_EQ(Code(Block("Motor2", "4", 4)), (Bytes{0xDA, 0x04}));
    Variable("speed");
    EXPECT_EQ(Code(Block("Motor2", "speed")), (Bytes{0x80, 0x00, 0xDE, 0x00}));
    EXPECT_EQ(Code(Block("Motor1", "speed + 1")), (Bytes{0x80, 0x00, 0x8D, 0x00, 0x01, 0x00, 0xDF, 0x00}));
    EXPECT_EQ(Code(Block("Servo1", "2 speed")), (Bytes{0x89, 0x00, 0x02, 0x84, 0x00, 0xDC, 0x01}));
}

TEST_F(Emitters, VariableAssignment)
{
    Variable("a");
    Variable("b");
    CState* x = Variable("x", "x + 3");
    EXPECT_EQ(x->GetVariableIndex(), 2);
    EXPECT_EQ(Code(x), (Bytes{0x80, 0x02, 0x8D, 0x00, 0x03, 0x00, 0xC3, 0x02}));
    CState* constant = Variable("y", "-2", -2);
    EXPECT_EQ(Code(constant), (Bytes{0xC1, 0x03, 0xFF, 0xFE}));
    // Beyond 16 bits (a variable reaches 65536): loaded in two parts instead of cut.
    constant->SetParameterText("40000");
    constant->SetParameterValue(40000);
    EXPECT_EQ(Code(constant), (Bytes{0x89, 0x00, 0x9C, 0x31, 0x08, 0x01, 0x40, 0xC3, 0x03}));
    constant->SetParameterText("-65535");
    constant->SetParameterValue(-65535);
    EXPECT_EQ(Code(constant), (Bytes{0x89, 0xFF, 0x00, 0x31, 0x08, 0x01, 0x01, 0xC3, 0x03}));
    // A later operand alone leaves the result in B.
    CState* unknownFirst = Variable("z", "nothing");
    EXPECT_EQ(Code(unknownFirst), (Bytes{0xC3, 0x04}));
}

TEST_F(Emitters, Conditions)
{
    EXPECT_EQ(BranchCondition("=="), 1);
    EXPECT_EQ(BranchCondition(">"), 2);
    EXPECT_EQ(BranchCondition(">="), 3);
    EXPECT_EQ(BranchCondition("<"), 4);
    EXPECT_EQ(BranchCondition("<="), 5);
    EXPECT_EQ(BranchCondition("!="), 6);
    EXPECT_EQ(BranchCondition("=<"), 6);
    EXPECT_EQ(ReversedBranchOpcode(1), 0x79);
    EXPECT_EQ(ReversedBranchOpcode(2), 0x75);
    EXPECT_EQ(ReversedBranchOpcode(6), 0x65);

    Variable("count");
    CState* varIf = Block("VariableIf", "300", 300);
    varIf->SetName("count");
    varIf->SetConditionOperator("<");
    EXPECT_EQ(Code(varIf), (Bytes{0x89, 0x01, 0x2C, 0x84, 0x00, 0x0A, 0x6D, 0xFC, 0xFF}));
    varIf->SetName("gone"); // a variable that no longer exists: index 0xFF
    EXPECT_EQ(Code(varIf)[4], 0xFF);
    varIf->SetParameterValue(65536);
    varIf->SetName("count");
    EXPECT_EQ(Code(varIf), (Bytes{0x89, 0x01, 0x00, 0x31, 0x08, 0x01, 0x00, 0x84, 0x00, 0x0A, 0x6D, 0xFC, 0xFF}));

    CState* detector = Block("Detector1", "512", 512);
    detector->SetConditionOperator(">");
    EXPECT_EQ(Code(detector), (Bytes{0x89, 0x02, 0x00, 0xA4, 0x02, 0x0A, 0x75, 0xFC, 0xFF}));
    CState* byVariable = Block("Detector2", "count");
    byVariable->SetConditionOperator(">=");
    EXPECT_EQ(Code(byVariable), (Bytes{0x80, 0x00, 0xA4, 0x03, 0x0A, 0x71, 0xFC, 0xFF}));
    byVariable->SetParameterText("missing");
    EXPECT_EQ(Code(byVariable), (Bytes{0x80, 0xFF, 0xA4, 0x03, 0x0A, 0x71, 0xFC, 0xFF}));
}

TEST_F(Emitters, SwitchRule)
{
    CState* on = Block("Switch1", "1", 1);
    on->SetConditionOperator("==");
    EXPECT_EQ(Code(on), (Bytes{0x89, 0x01, 0xFF, 0xA4, 0x00, 0x0A, 0x75, 0xFC, 0xFF}));
    on->SetConditionOperator("!=");
    EXPECT_EQ(Code(on)[6], 0x69);
    CState* off = Block("Switch3", "0", 0);
    off->SetConditionOperator("==");
    EXPECT_EQ(Code(off), (Bytes{0x89, 0x00, 0x00, 0xA4, 0x04, 0x0A, 0x69, 0xFC, 0xFF}));
    off->SetConditionOperator("!=");
    EXPECT_EQ(Code(off)[6], 0x75);
    EXPECT_EQ(Code(Block("Switch2", "1", 1))[4], 0x01);
}

TEST_F(Emitters, StopAndBlocksWithoutCode)
{
    EXPECT_EQ(Code(Block("Stop")), (Bytes{0xCA, 0x05, 0x00, 0xCA, 0x0A, 0x00, 0xD8, 0x00, 0xD9, 0x00, 0xDA, 0x00, 0xDB,
                                          0x00, 0xD6, 0x04, 0x7D, 0xFE, 0xFF}));
    EXPECT_TRUE(Code(Block("Repeat", "3", 3)).empty());
    EXPECT_TRUE(Code(Block("Link")).empty());
    EXPECT_TRUE(Code(Block("LinkTopLeft")).empty());
}

TEST_F(Emitters, StartPrologueFromTheCalibration)
{
    // The defaults: servo 1 positional 16..108 for -60..60, servo 2 continuous 60..78, motors 24..49.
    EXPECT_EQ(Code(Block("Start")),
              (Bytes{0xC8, 0x01, 0x10, 0xC8, 0x02, 0x6C, 0xC9, 0x03, 0xFF, 0xC4, 0xC8, 0x04, 0x3C, 0xC8, 0x05,
                     0x00, 0xD8, 0x01, 0xC8, 0x05, 0x01, 0xC8, 0x06, 0x3C, 0xC8, 0x07, 0x4E, 0xC9, 0x08, 0xFF,
                     0xF6, 0xC8, 0x09, 0x0A, 0xC8, 0x0A, 0x00, 0xD9, 0x01, 0xC8, 0x0A, 0x01, 0xC8, 0x0B, 0x18,
                     0xC8, 0x0C, 0x31, 0xC8, 0x0D, 0x00, 0xC8, 0x0E, 0x0A, 0xC8, 0x0F, 0x00, 0xC8, 0x10, 0x18,
                     0xC8, 0x11, 0x31, 0xC8, 0x12, 0x00, 0xC8, 0x13, 0x0A, 0xC8, 0x14, 0x00}));
    // Reversed continuous servo 1 swaps its pulses and maps speeds with switch -1; values of 128
    // and more take the two-byte form; motor flags keep bit 0 only.
    calibration.servo[0].flags = 3;
    calibration.servo[0].pulseMinContinuous = 200;
    calibration.servo[0].pulseMaxContinuous = 10;
    calibration.motor[1].flags = 1;
    const Bytes code = Code(Block("Start"));
    EXPECT_EQ(Bytes(code.begin(), code.begin() + 13),
              (Bytes{0xC8, 0x01, 0x0A, 0xC9, 0x02, 0x00, 0xC8, 0xC9, 0x03, 0xFF, 0xF6, 0xC8, 0x04}));
    EXPECT_EQ(Bytes(code.begin() + 17, code.begin() + 24), (Bytes{0xD8, 0x01, 0xC9, 0x05, 0xFF, 0xFF, 0xC8}));
    // A damaged calibration value beyond one byte is still stored exactly.
    calibration.motor[1].minimum = 300;
    const Bytes big = Code(Block("Start"));
    const Bytes store{0xC9, 0x0B, 0x01, 0x2C};
    EXPECT_NE(std::search(big.begin(), big.end(), store.begin(), store.end()), big.end());
}

TEST_F(Emitters, ExpressionLexer)
{
    const std::vector<ExpressionToken> tokens = TokenizeExpression("  a_1 <= 3,5.2 >>x ^ y @");
    std::vector<wxString> texts;
    for (const ExpressionToken& token : tokens)
        texts.push_back(token.text);
    EXPECT_EQ(texts, (std::vector<wxString>{"a_1", "<=", "3.5", ".", "2", ">>", "x", "^", "y", "@"}));
    EXPECT_EQ(tokens[2].kind, ExpressionToken::Number);
    EXPECT_EQ(tokens[5].kind, ExpressionToken::Operator);
    // A character that is neither space, digit, letter, "_" nor punctuation ends the stream.
    EXPECT_EQ(TokenizeExpression(wxString::FromUTF8("x + \xE2\x82\xAC y")).size(), 2u);
    EXPECT_EQ(TokenizeExpression(wxString::FromUTF8("caf\xC3\xA9 + 1")).front().text,
              wxString::FromUTF8("caf\xC3\xA9"));
}

TEST_F(Emitters, ExpressionOrderOperatorsAndRegisters)
{
    Variable("x");
    Variable("y");
    int reg = -1;
    // Strictly left to right: (x + 2) * y.
    EXPECT_EQ(Expression("x + 2 * y", program, &reg), (Bytes{0x80, 0x00, 0x8D, 0x00, 0x02, 0x00, 0x84, 0x01, 0x10}));
    EXPECT_EQ(reg, 0);
    EXPECT_EQ(Expression("x", program, &reg), (Bytes{0x80, 0x00}));
    EXPECT_EQ(reg, 0);
    EXPECT_EQ(Expression("x y", program, &reg), (Bytes{0x80, 0x00, 0x84, 0x01}));
    EXPECT_EQ(reg, 1);
    // Word operators, in any case, and the other operators.
    EXPECT_EQ(Expression("x ET y", program), (Bytes{0x80, 0x00, 0x84, 0x01, 0x20}));
    EXPECT_EQ(Expression("x or y", program), (Bytes{0x80, 0x00, 0x84, 0x01, 0x24}));
    EXPECT_EQ(Expression("x ou y", program), (Bytes{0x80, 0x00, 0x84, 0x01, 0x24}));
    EXPECT_EQ(Expression("x | y", program), (Bytes{0x80, 0x00, 0x84, 0x01, 0x24}));
    EXPECT_EQ(Expression("x ^ y - 1 / 2", program),
              (Bytes{0x80, 0x00, 0x84, 0x01, 0x28, 0x8D, 0x00, 0x01, 0x08, 0x8D, 0x00, 0x02, 0x18}));
    EXPECT_EQ(Expression("x << 2 >> 1", program), (Bytes{0x80, 0x00, 0x8D, 0x00, 0x02, 0x30, 0x8D, 0x00, 0x01, 0x34}));
    EXPECT_EQ(Expression("not x", program), (Bytes{0x80, 0x00, 0x2C}));
    EXPECT_EQ(Expression("!x", program), (Bytes{0x80, 0x00, 0x2C}));
    EXPECT_EQ(Expression("NON x", program), (Bytes{0x80, 0x00, 0x2C}));
    // Parentheses change nothing; comparison operators emit nothing.
    EXPECT_EQ(Expression("(x + 1)", program), (Bytes{0x80, 0x00, 0x8D, 0x00, 0x01, 0x00}));
    EXPECT_EQ(Expression("x == 1", program, &reg), (Bytes{0x80, 0x00, 0x8D, 0x00, 0x01}));
    EXPECT_EQ(reg, 1);
    // Numbers keep their integer part, 16 bits; sensors by kind word and display name.
    EXPECT_EQ(Expression("2,75", program), (Bytes{0x89, 0x00, 0x02}));
    EXPECT_EQ(Expression("70000", program), (Bytes{0x89, 0x11, 0x70}));
    EXPECT_EQ(Expression("x + Switch2", program), (Bytes{0x80, 0x00, 0xA4, 0x01, 0x37, 0x09, 0x00}));
    EXPECT_EQ(Expression("Switch3", program), (Bytes{0xA0, 0x04, 0x35, 0x09}));
    EXPECT_EQ(Expression("Detector1 - Sensor2", program), (Bytes{0xA0, 0x02, 0xA4, 0x03, 0x08}));
    EXPECT_EQ(Expression("Schakelaar1", program), (Bytes{0xA0, 0x00, 0x35, 0x09}));
    EXPECT_TRUE(Expression("", program).empty());
    EXPECT_TRUE(Expression("unknown", program).empty());
}

TEST_F(Emitters, LongExpressionsAreRefusedNotOverflowed)
{
    wxString text = "1";
    for (int i = 0; i < 100; ++i)
        text += " + 1";
    unsigned char buffer[300];
    std::fill(buffer, buffer + 300, 0xEE);
    const CompiledExpression result = CompileExpression(text, buffer, 256, program);
    EXPECT_FALSE(result.fits);
    EXPECT_EQ(result.length, 0);
    EXPECT_EQ(buffer[256], 0xEE);
    CState* servo = Block("Servo1", text);
    EXPECT_EQ(servo->EmitCode(), -1);
    EXPECT_EQ(servo->GetCodeLength(), 0);
    // 63 operations of 4 bytes and a first operand: 255 bytes fit alone, not with a tail.
    wxString fits = "1";
    for (int i = 0; i < 63; ++i)
        fits += "+1";
    EXPECT_TRUE(CompileExpression(fits, buffer, 256, program).fits);
    EXPECT_EQ(CompileExpression(fits, buffer, 256, program).length, 255);
    EXPECT_EQ(Block("Buzzer", fits)->EmitCode(), -1);
    EXPECT_EQ(Block("Buzzer", "1+1+1")->EmitCode(), 19);
}

TEST(ConstantText, NumberPattern)
{
    EXPECT_TRUE(IsConstantText("12"));
    EXPECT_TRUE(IsConstantText("-12"));
    EXPECT_TRUE(IsConstantText("+-+3"));
    EXPECT_FALSE(IsConstantText("-"));
    EXPECT_FALSE(IsConstantText(""));
    EXPECT_FALSE(IsConstantText(" 1"));
    EXPECT_FALSE(IsConstantText("1.5"));
    EXPECT_FALSE(IsConstantText("x1"));
}
