#pragma once
// A scenario: a timeline of sensor inputs and expected outputs for one program, read from a small
// text file that a teacher writes by hand (or that a recording of the robot's inputs produces).
// Times are milliseconds of simulated time since the program started.

#include <string>
#include <vector>

// The longest scenario: one hour of simulated time.
constexpr long kScenarioMaxMs = 3600L * 1000;

// The five sensors by the names the names list shows.
enum class ScenarioSensor
{
    Switch1,
    Switch2,
    Switch3,
    Sensor1,
    Sensor2
};

// A sensor set at a time. A switch is pressed (1) or released (0); a sensor has a reading 0-1023.
struct ScenarioInput
{
    int line = 0;
    long timeMs = 0;
    ScenarioSensor sensor = ScenarioSensor::Switch1;
    int value = 0;
};

// What an expectation reads of the machine.
enum class ScenarioOutput
{
    Led,
    Buzzer,
    Motor1,
    Motor2,
    Servo1,
    Servo2,
    Ended,
    Variable
};

enum class ScenarioComparison
{
    Equal,
    NotEqual,
    Less,
    LessOrEqual,
    Greater,
    GreaterOrEqual
};

enum class ExpectationWhen
{
    At,    // at one moment
    By,    // at some moment from the time of the last "op" line before it up to its time
    Always // at every moment from the time of the last "op" line before it to the end
};

struct Expectation
{
    int line = 0;
    ExpectationWhen when = ExpectationWhen::At;
    long fromMs = 0; // By and Always: the first moment watched
    long timeMs = 0; // At: the moment; By: the last moment; Always: unused (the end)
    ScenarioOutput output = ScenarioOutput::Led;
    std::string variable; // the variable's name (UTF-8) when output is Variable
    ScenarioComparison comparison = ScenarioComparison::Equal;
    long long value = 0;
};

struct Scenario
{
    std::string name; // UTF-8
    std::vector<ScenarioInput> inputs;
    std::vector<Expectation> expectations; // in the order of their lines
    long durationMs = 0;                   // the run lasts this long: the "duur" line or the last time
};

// A line that cannot be read, with its 1-based number (0 for the file as a whole).
struct ScenarioError
{
    int line = 0;
    std::string message; // Dutch, UTF-8
};

bool IsSwitch(ScenarioSensor sensor);
// The sensor's raw port (1-3) and the raw value its reading gives the machine: a pressed switch
// reads 0 and a released one 1023; a sensor reading v is 1023 - v on the port.
int SensorPort(ScenarioSensor sensor);
int RawValueOf(ScenarioSensor sensor, int value);

// Names as a scenario file writes them ("Schakelaar1", "led", "==").
const char* SensorName(ScenarioSensor sensor);
const char* OutputName(ScenarioOutput output);
const char* ComparisonText(ScenarioComparison comparison);
bool Compare(long long seen, ScenarioComparison comparison, long long value);

// A time as the file writes it: seconds with up to three decimals, no trailing zeros ("1.25", "3").
std::string SecondsText(long timeMs);
// The expectation as a file line writes it ("verwacht op 3 led == 1").
std::string ExpectationText(const Expectation& expectation);
