#include "bytecode/ExpressionCompiler.h"

#include "bytecode/CodeWriter.h"
#include "model/CProgram.h"
#include "model/Prototypes.h"

#include <cstring>

namespace {

bool IsDigit(wxUniChar c)
{
    return c >= '0' && c <= '9';
}
bool IsSpace(wxUniChar c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool IsPunctuation(wxUniChar c)
{
    return c < 128 && std::strchr("!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~", int(c));
}
// ASCII letters and the Latin-1 letters (names in project files are ISO-8859-1).
bool IsLetter(wxUniChar c)
{
    const unsigned value = c.GetValue();
    return (value >= 'a' && value <= 'z') || (value >= 'A' && value <= 'Z') ||
           (value >= 0xC0 && value <= 0xFF && value != 0xD7 && value != 0xF7);
}

// The operator tokens, tried in this order. (Wide literals: comparing them needs no conversion.)
const wchar_t* const kOperators[] = {L"==", L"!=", L"<<", L">>", L"<>", L"<=", L">=", L"&&", L"||", L"&", L"|",
                                     L"(",  L")",  L"+",  L"-",  L"*",  L"/",  L"%",  L"=",  L"<",  L">", L"!"};

// The arithmetic instruction of an operator (A := A op B), or -1 for one that emits nothing. The
// word operators are matched without regard to case.
int OperatorOpcode(const ExpressionToken& token)
{
    struct Entry
    {
        const wchar_t* text;
        int opcode;
    };
    static const Entry kEntries[] = {{L"+", 0x00},   {L"-", 0x08},   {L"*", 0x10},   {L"/", 0x18},
                                     {L"&", 0x20},   {L"et", 0x20},  {L"and", 0x20}, {L"|", 0x24},
                                     {L"ou", 0x24},  {L"or", 0x24},  {L"^", 0x28},   {L"!", 0x2C},
                                     {L"non", 0x2C}, {L"not", 0x2C}, {L"<<", 0x30},  {L">>", 0x34}};
    for (const Entry& entry : kEntries)
        if (token.text.IsSameAs(entry.text, false))
            return entry.opcode;
    return -1;
}

bool IsWordOperator(const ExpressionToken& token)
{
    if (token.kind != ExpressionToken::Name || token.text.length() > 3)
        return false;
    for (const wchar_t* word : {L"et", L"and", L"ou", L"or", L"non", L"not"})
        if (token.text.IsSameAs(word, false))
            return true;
    return false;
}

bool IsOperator(const ExpressionToken& token)
{
    return token.kind == ExpressionToken::Operator || IsWordOperator(token);
}
bool IsParenthesis(const ExpressionToken& token)
{
    return token.kind == ExpressionToken::Operator && (token.text == L"(" || token.text == L")");
}

// Puts every operator after its right operand, one pending operator at a time: a new operator
// flushes the pending one. Parentheses are dropped.
std::vector<ExpressionToken> Reorder(const std::vector<ExpressionToken>& tokens)
{
    std::vector<ExpressionToken> out;
    out.reserve(tokens.size());
    const ExpressionToken* pending = nullptr;
    for (const ExpressionToken& token : tokens) {
        if (IsParenthesis(token))
            continue;
        if (IsOperator(token)) {
            if (pending)
                out.push_back(*pending);
            pending = &token;
            continue;
        }
        out.push_back(token);
        if (pending) {
            out.push_back(*pending);
            pending = nullptr;
        }
    }
    if (pending)
        out.push_back(*pending);
    return out;
}

// The low 16 bits of the integer part of a number token.
int NumberValue(const wxString& text)
{
    unsigned value = 0;
    for (wxUniChar c : text) {
        if (!IsDigit(c))
            break;
        value = (value * 10 + (c.GetValue() - '0')) & 0xFFFF;
    }
    return static_cast<int>(value);
}

struct SensorName
{
    const wchar_t* kindWord;
    int input;
    bool isSwitch;
};
const SensorName kSensors[] = {{L"Switch1", 0x00, true},
                               {L"Switch2", 0x01, true},
                               {L"Switch3", 0x04, true},
                               {L"Detector1", 0x02, false},
                               {L"Detector2", 0x03, false}};

// The palette prototype of a sensor kind (prototypes live as long as the program).
const CState* SensorPrototype(const SensorName& sensor)
{
    for (const CState* prototype : Prototypes::Get().NamedPrototypes())
        if (prototype->GetKindWordRaw() == sensor.kindWord)
            return prototype;
    return nullptr;
}

// The sensor a name stands for: the kind word ("Switch1"), its display name ("Schakelaar1", the
// default name as translated when the prototype was made) or the
// name the user gave the kind's prototype.
const SensorName* FindSensor(const wxString& name)
{
    static const CState* const prototypes[5] = {SensorPrototype(kSensors[0]), SensorPrototype(kSensors[1]),
                                                SensorPrototype(kSensors[2]), SensorPrototype(kSensors[3]),
                                                SensorPrototype(kSensors[4])};
    for (int i = 0; i < 5; ++i) {
        if (name == kSensors[i].kindWord)
            return &kSensors[i];
        if (const CState* prototype = prototypes[i];
            prototype && (name == prototype->GetDefaultName() || name == prototype->GetName()))
            return &kSensors[i];
    }
    return nullptr;
}

} // namespace

std::vector<ExpressionToken> TokenizeExpression(const wxString& text)
{
    std::vector<ExpressionToken> tokens;
    const size_t n = text.length();
    size_t i = 0;
    while (true) {
        while (i < n && IsSpace(text[i]))
            ++i;
        if (i >= n)
            break;
        const wxUniChar c = text[i];
        if (IsDigit(c)) {
            wxString number;
            bool separator = false;
            while (i < n) {
                const wxUniChar d = text[i];
                if (IsDigit(d)) {
                    number += d;
                } else if ((d == '.' || d == ',') && !separator) {
                    separator = true;
                    number += '.';
                } else {
                    break;
                }
                ++i;
            }
            tokens.push_back({ExpressionToken::Number, number});
        } else if (IsLetter(c) || c == '_') {
            const size_t start = i;
            while (i < n && (IsLetter(text[i]) || IsDigit(text[i]) || text[i] == '_'))
                ++i;
            tokens.push_back({ExpressionToken::Name, text.Mid(start, i - start)});
        } else if (IsPunctuation(c)) {
            const wchar_t* op = nullptr;
            for (const wchar_t* candidate : kOperators) {
                size_t k = 0;
                while (candidate[k] && i + k < n && text[i + k] == candidate[k])
                    ++k;
                if (!candidate[k]) {
                    op = candidate;
                    break;
                }
            }
            const wxString token = op ? wxString(op) : wxString(c);
            i += token.length();
            tokens.push_back({ExpressionToken::Operator, token});
        } else {
            break;
        }
    }
    return tokens;
}

CompiledExpression CompileExpression(const wxString& text, unsigned char* buffer, int capacity, const CProgram& program)
{
    CodeWriter code(buffer, capacity);
    CompiledExpression result;
    bool firstSeen = false;
    for (const ExpressionToken& token : Reorder(TokenizeExpression(text))) {
        if (IsOperator(token)) {
            const int opcode = OperatorOpcode(token);
            if (opcode >= 0) {
                code.Byte(opcode);
                result.resultRegister = 0;
            }
            continue;
        }
        // An operand: the first goes into A, every later one into B.
        const bool later = firstSeen;
        bool emitted = true;
        if (token.kind == ExpressionToken::Number) {
            code.Byte(later ? 0x8D : 0x89);
            code.Word(NumberValue(token.text));
        } else if (const int index = program.VariableIndex(token.text); index >= 0) {
            code.Byte(later ? 0x84 : 0x80);
            code.Byte(index);
        } else if (const SensorName* sensor = FindSensor(token.text)) {
            code.Byte(later ? 0xA4 : 0xA0);
            code.Byte(sensor->input);
            if (sensor->isSwitch) { // the input shifted right by 9: 0 or 1
                code.Byte(later ? 0x37 : 0x35);
                code.Byte(0x09);
            }
        } else {
            emitted = false; // a name that is neither a variable nor a sensor
        }
        if (emitted) {
            firstSeen = true;
            result.resultRegister = later ? 1 : 0;
        }
        if (!code.Fits())
            break;
    }
    result.fits = code.Fits();
    result.length = result.fits ? code.Length() : 0;
    return result;
}

bool IsConstantText(const wxString& text)
{
    size_t i = 0;
    while (i < text.length() && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (i == text.length())
        return false;
    for (; i < text.length(); ++i)
        if (!IsDigit(text[i]))
            return false;
    return true;
}

ExpressionCheck CheckExpression(const wxString& text, const CProgram& program, const wxString& ownName)
{
    ExpressionCheck check;
    const auto fail = [&check](ExpressionCheck::Fault fault, const wxString& first, const wxString& second) {
        check.fault = fault, check.first = first, check.second = second;
        return check;
    };
    int depth = 0;
    const ExpressionToken* operand = nullptr; // the last operand, while no operator has followed it
    for (const ExpressionToken& token : TokenizeExpression(text)) {
        if (IsParenthesis(token)) {
            if (token.text == L"(") {
                if (operand)
                    return fail(ExpressionCheck::TwoOperands, operand->text, token.text);
                ++depth;
            } else if (--depth < 0) {
                return fail(ExpressionCheck::Unbalanced, token.text, wxString());
            }
            continue;
        }
        if (IsOperator(token)) {
            operand = nullptr;
            continue;
        }
        if (operand)
            return fail(ExpressionCheck::TwoOperands, operand->text, token.text);
        if (token.kind == ExpressionToken::Name && token.text != ownName && program.VariableIndex(token.text) < 0 &&
            !FindSensor(token.text))
            return fail(ExpressionCheck::UnknownName, token.text, wxString());
        operand = &token;
    }
    if (depth != 0)
        return fail(ExpressionCheck::Unbalanced, L"(", wxString());
    return check;
}
