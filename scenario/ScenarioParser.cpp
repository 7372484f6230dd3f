#include "scenario/ScenarioParser.h"

#include "base/FileBytes.h"
#include "base/TextCodec.h"

#include <algorithm>
#include <cctype>
#include <wx/filename.h>

namespace {

bool IsOperatorChar(char c)
{
    return c == '=' || c == '<' || c == '>' || c == '!';
}

// Words and comparison operators; "led==1" gives three tokens like "led == 1".
std::vector<std::string> Tokens(const std::string& line)
{
    std::vector<std::string> tokens;
    size_t i = 0;
    while (i < line.size()) {
        if (std::isspace(static_cast<unsigned char>(line[i]))) {
            ++i;
            continue;
        }
        const bool op = IsOperatorChar(line[i]);
        const size_t start = i;
        while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])) && IsOperatorChar(line[i]) == op)
            ++i;
        tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Quoted(const std::string& word)
{
    return "\"" + word + "\"";
}

class LineReader
{
public:
    LineReader(Scenario& scenario, ScenarioError& error) : m_scenario(scenario), m_error(error) {}

    bool Read(int number, const std::string& line);
    // After the last line: the run's length, and the check that "altijd" has time to watch.
    bool Finish();

private:
    bool Fail(const std::string& message)
    {
        m_error.line = m_line;
        m_error.message = message;
        return false;
    }
    bool ReadHeader(const std::string& keyword, const std::string& rest);
    bool ReadInput(const std::vector<std::string>& words);
    bool ReadExpectation(const std::vector<std::string>& words);
    bool ReadTime(const std::string& word, long& timeMs);
    bool ReadNumber(const std::string& word, long long minimum, long long maximum, long long& value);
    // An "op" time: it moves the scenario's present, which never goes back.
    bool MoveTo(long timeMs);
    void Reach(long timeMs) { m_lastMs = std::max(m_lastMs, timeMs); }

    Scenario& m_scenario;
    ScenarioError& m_error;
    int m_line = 0;
    int m_nameLine = 0, m_durationLine = 0, m_alwaysLine = 0;
    long m_nowMs = 0;
    int m_nowLine = 0;
    long m_lastMs = 0;
};

bool LineReader::Read(int number, const std::string& line)
{
    m_line = number;
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#')
        return true;
    // "naam:" and "duur:" take the rest of the line.
    for (const char* keyword : {"naam", "duur"}) {
        const size_t length = std::char_traits<char>::length(keyword);
        if (Lower(line.substr(first, length)) != keyword)
            continue;
        const size_t colon = line.find_first_not_of(" \t", first + length);
        if (colon != std::string::npos && line[colon] == ':')
            return ReadHeader(keyword, line.substr(colon + 1));
    }
    const std::vector<std::string> words = Tokens(line.substr(first, line.find('#') - first));
    const std::string keyword = Lower(words[0]);
    if (keyword == "op")
        return ReadInput(words);
    if (keyword == "verwacht")
        return ReadExpectation(words);
    return Fail("onbekend woord " + Quoted(words[0]) + " (een regel begint met naam:, duur:, op of verwacht)");
}

bool LineReader::ReadHeader(const std::string& keyword, const std::string& rest)
{
    const size_t start = rest.find_first_not_of(" \t");
    const std::string value =
        start == std::string::npos ? std::string() : rest.substr(start, rest.find_last_not_of(" \t") + 1 - start);
    if (keyword == "naam") {
        if (m_nameLine)
            return Fail("tweede naam: de naam staat al op regel " + std::to_string(m_nameLine));
        if (value.empty())
            return Fail("naam: zonder naam");
        m_nameLine = m_line;
        m_scenario.name = value;
        return true;
    }
    if (m_durationLine)
        return Fail("tweede duur: de duur staat al op regel " + std::to_string(m_durationLine));
    m_durationLine = m_line;
    const std::vector<std::string> words = Tokens(value.substr(0, value.find('#')));
    if (words.size() != 1)
        return Fail(words.empty() ? "duur: zonder tijd" : "te veel woorden na duur: " + Quoted(words[1]));
    long timeMs = 0;
    if (!ReadTime(words[0], timeMs))
        return false;
    Reach(timeMs);
    return true;
}

bool LineReader::ReadInput(const std::vector<std::string>& words)
{
    // op TIME SENSOR (ingedrukt | losgelaten | = VALUE)
    if (words.size() < 4)
        return Fail("onvolledige regel: op TIJD SENSOR ingedrukt, losgelaten of = WAARDE");
    ScenarioInput input;
    input.line = m_line;
    if (!ReadTime(words[1], input.timeMs) || !MoveTo(input.timeMs))
        return false;
    const std::string sensor = Lower(words[2]);
    static const ScenarioSensor kSensors[] = {ScenarioSensor::Switch1, ScenarioSensor::Switch2, ScenarioSensor::Switch3,
                                              ScenarioSensor::Sensor1, ScenarioSensor::Sensor2};
    const auto found = std::find_if(std::begin(kSensors), std::end(kSensors),
                                    [&](ScenarioSensor s) { return Lower(SensorName(s)) == sensor; });
    if (found == std::end(kSensors))
        return Fail("onbekende sensor " + Quoted(words[2]) + " (Schakelaar1 tot 3, Sensor1 of Sensor2)");
    input.sensor = *found;
    const bool isSwitch = IsSwitch(input.sensor);
    const std::string state = Lower(words[3]);
    size_t used = 4;
    long long value = 0;
    if (isSwitch && (state == "ingedrukt" || state == "losgelaten")) {
        value = state == "ingedrukt";
    } else if (state == "=") {
        if (words.size() < 5)
            return Fail("onvolledige regel: waarde ontbreekt na =");
        if (!ReadNumber(words[4], 0, isSwitch ? 1 : 1023, value))
            return false;
        used = 5;
    } else {
        return Fail("onbekend woord " + Quoted(words[3]) +
                    (isSwitch ? " (ingedrukt, losgelaten of = 0 of 1)" : " (= en een waarde van 0 tot 1023)"));
    }
    if (words.size() > used)
        return Fail("te veel woorden: " + Quoted(words[used]));
    input.value = static_cast<int>(value);
    m_scenario.inputs.push_back(input);
    return true;
}

bool LineReader::ReadExpectation(const std::vector<std::string>& words)
{
    // verwacht (op TIME | voor TIME | altijd) OUTPUT COMPARISON VALUE
    Expectation expectation;
    expectation.line = m_line;
    const std::string when = words.size() > 1 ? Lower(words[1]) : std::string();
    size_t next = 3;
    if (when == "op" || when == "voor") {
        if (words.size() < 3)
            return Fail("onvolledige regel: tijd ontbreekt na " + when);
        if (!ReadTime(words[2], expectation.timeMs))
            return false;
        if (when == "op") {
            expectation.when = ExpectationWhen::At;
            if (!MoveTo(expectation.timeMs))
                return false;
        } else {
            expectation.when = ExpectationWhen::By;
            if (expectation.timeMs < m_nowMs)
                return Fail("tijd " + SecondsText(expectation.timeMs) + " ligt voor de tijd " + SecondsText(m_nowMs) +
                            " van regel " + std::to_string(m_nowLine));
            Reach(expectation.timeMs);
        }
    } else if (when == "altijd") {
        expectation.when = ExpectationWhen::Always;
        next = 2;
        if (!m_alwaysLine)
            m_alwaysLine = m_line;
    } else {
        return Fail(words.size() > 1 ? "onbekend woord " + Quoted(words[1]) + " (op, voor of altijd)"
                                     : "onvolledige regel: verwacht op, voor of altijd");
    }
    expectation.fromMs = m_nowMs;
    if (words.size() < next + 3)
        return Fail("onvolledige regel: verwacht " + when + " UITGANG VERGELIJKING WAARDE");
    if (words.size() > next + 3)
        return Fail("te veel woorden: " + Quoted(words[next + 3]));

    static const struct
    {
        const char* word;
        ScenarioOutput output;
    } kOutputs[] = {
        {"led", ScenarioOutput::Led},       {"ledrood", ScenarioOutput::Led},   {"buzzer", ScenarioOutput::Buzzer},
        {"zoemer", ScenarioOutput::Buzzer}, {"motor1", ScenarioOutput::Motor1}, {"motor2", ScenarioOutput::Motor2},
        {"servo1", ScenarioOutput::Servo1}, {"servo2", ScenarioOutput::Servo2}, {"ended", ScenarioOutput::Ended}};
    const std::string output = Lower(words[next]);
    expectation.output = ScenarioOutput::Variable;
    for (const auto& known : kOutputs)
        if (output == known.word)
            expectation.output = known.output;
    if (expectation.output == ScenarioOutput::Variable) {
        if (std::isdigit(static_cast<unsigned char>(words[next][0])) || words[next][0] == '-')
            return Fail("geen uitgang of variabele: " + Quoted(words[next]));
        expectation.variable = words[next];
    }

    const std::string& comparison = words[next + 1];
    static const char* const kComparisons[] = {"==", "!=", "<", "<=", ">", ">="};
    const auto found = std::find_if(std::begin(kComparisons), std::end(kComparisons),
                                    [&](const char* text) { return comparison == text; });
    if (found != std::end(kComparisons))
        expectation.comparison = static_cast<ScenarioComparison>(found - std::begin(kComparisons));
    else if (comparison != "=")
        return Fail("onbekende vergelijking " + Quoted(comparison) + " (==, !=, <, <=, > of >=)");
    if (!ReadNumber(words[next + 2], -2147483648LL, 2147483647LL, expectation.value))
        return false;
    m_scenario.expectations.push_back(expectation);
    return true;
}

bool LineReader::ReadTime(const std::string& word, long& timeMs)
{
    // Seconds: digits, then "." or "," and at most three decimals.
    long whole = 0, fraction = 0;
    int decimals = -1;
    bool digits = false;
    for (char c : word) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits = true;
            if (decimals < 0) {
                whole = std::min(whole * 10 + (c - '0'), kScenarioMaxMs);
            } else if (++decimals <= 3) {
                fraction = fraction * 10 + (c - '0');
            } else {
                return Fail("tijd met te veel decimalen: " + Quoted(word) + " (hoogstens 3)");
            }
        } else if ((c == '.' || c == ',') && decimals < 0) {
            decimals = 0;
        } else {
            return Fail("geen tijd: " + Quoted(word) + " (seconden, bijvoorbeeld 2 of 1.5)");
        }
    }
    if (!digits)
        return Fail("geen tijd: " + Quoted(word) + " (seconden, bijvoorbeeld 2 of 1.5)");
    for (int i = std::max(decimals, 0); i < 3; ++i)
        fraction *= 10;
    timeMs = whole * 1000 + fraction;
    if (timeMs > kScenarioMaxMs)
        return Fail("tijd te groot: " + Quoted(word) + " (hoogstens " + SecondsText(kScenarioMaxMs) + " s)");
    return true;
}

bool LineReader::ReadNumber(const std::string& word, long long minimum, long long maximum, long long& value)
{
    size_t i = word[0] == '-' || word[0] == '+' ? 1 : 0;
    if (i == word.size() || word.find_first_not_of("0123456789", i) != std::string::npos)
        return Fail("geen getal: " + Quoted(word));
    long long magnitude = 0;
    for (; i < word.size(); ++i)
        magnitude = std::min(magnitude * 10 + (word[i] - '0'), 10000000000LL);
    value = word[0] == '-' ? -magnitude : magnitude;
    if (value < minimum || value > maximum)
        return Fail("waarde buiten bereik: " + word + " (" + std::to_string(minimum) + " tot " +
                    std::to_string(maximum) + ")");
    return true;
}

bool LineReader::MoveTo(long timeMs)
{
    if (timeMs < m_nowMs)
        return Fail("tijd " + SecondsText(timeMs) + " ligt voor de tijd " + SecondsText(m_nowMs) + " van regel " +
                    std::to_string(m_nowLine) + " (de tijden van op-regels lopen niet terug)");
    m_nowMs = timeMs;
    m_nowLine = m_line;
    Reach(timeMs);
    return true;
}

bool LineReader::Finish()
{
    m_scenario.durationMs = m_lastMs;
    if (m_alwaysLine && m_lastMs == 0) {
        m_line = m_alwaysLine;
        return Fail("altijd zonder duur: zet er een regel duur: bij, bijvoorbeeld duur: 10");
    }
    return true;
}

} // namespace

bool ParseScenario(const wxString& text, Scenario& scenario, ScenarioError& error)
{
    scenario = Scenario();
    error = ScenarioError();
    LineReader reader(scenario, error);
    int number = 0;
    for (const wxString& line : SplitLines(text)) {
        const wxScopedCharBuffer utf8 = line.utf8_str();
        if (!reader.Read(++number, std::string(utf8.data(), utf8.length())))
            return false;
    }
    return reader.Finish();
}

bool ReadScenarioFile(const std::string& path, Scenario& scenario, ScenarioError& error)
{
    std::string bytes;
    if (ReadFileBytes(wxString::FromUTF8(path), bytes) != FileRead::Ok) {
        scenario = Scenario();
        error = ScenarioError{0, "kan het bestand niet lezen"};
        return false;
    }
    if (!ParseScenario(DecodeText(bytes), scenario, error))
        return false;
    if (scenario.name.empty())
        scenario.name = std::string(wxFileName(wxString::FromUTF8(path)).GetName().utf8_str());
    return true;
}
