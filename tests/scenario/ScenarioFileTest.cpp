// Reading scenario files: what each line means (written back in its plain form), and the message
// and line number of every kind of line that cannot be read.
#include "scenario/ScenarioParser.h"
#include "scenario/ScenarioWriter.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <wx/filename.h>

namespace {

struct Readable
{
    const char* text;
    const char* written; // ScenarioText of what was read
};

TEST(ScenarioFile, ReadsEveryKindOfLineAndWritesItBack)
{
    const Readable cases[] = {
        {"# commentaar\n\nNaam :  Stopt bij de muur  \nop 1,5 schakelaar1 INGEDRUKT # druk\nop 2 Sensor2=700\n"
         "verwacht op 3 LedRood==1\nverwacht voor 3.25 Zoemer != 0\nverwacht altijd Motor1>=-10\n"
         "verwacht op 3 teller < 5\nverwacht op 3.5 servo2 <= 90\nverwacht op 4 ended = 1\n"
         "op 4 Schakelaar3 = 0\nop 4 Schakelaar2 = 1\nverwacht op 4 motor2 > -3\nduur: 10\n",
         "naam: Stopt bij de muur\nduur: 10\nop 1.5 Schakelaar1 ingedrukt\nop 2 Sensor2 = 700\n"
         "op 4 Schakelaar3 losgelaten\nop 4 Schakelaar2 ingedrukt\nverwacht op 3 led == 1\n"
         "verwacht voor 3.25 buzzer != 0\nverwacht altijd motor1 >= -10\nverwacht op 3 teller < 5\n"
         "verwacht op 3.5 servo2 <= 90\nverwacht op 4 ended == 1\nverwacht op 4 motor2 > -3\n"},
        // Without a duur line the run lasts until the last time; "voor" may reach past the last "op".
        {"op 0.001 Sensor1 = 0\nverwacht voor 3600 led == 1\n",
         "duur: 3600\nop 0.001 Sensor1 = 0\nverwacht voor 3600 led == 1\n"},
        {"", ""},
    };
    for (const Readable& c : cases) {
        Scenario scenario;
        ScenarioError error;
        ASSERT_TRUE(ParseScenario(wxString::FromUTF8(c.text), scenario, error)) << c.text << error.message;
        EXPECT_EQ(ScenarioText(scenario), c.written);
    }
}

TEST(ScenarioFile, WatchesFromTheLastOpLine)
{
    Scenario scenario;
    ScenarioError error;
    ASSERT_TRUE(ParseScenario("verwacht altijd led == 0\nop 2 Sensor1 = 5\nverwacht voor 2.5 led == 1\n"
                              "verwacht voor 4 led == 0\nverwacht altijd buzzer == 0\nverwacht op 3 led == 1\n"
                              "verwacht voor 5 led == 0\n",
                              scenario, error));
    std::vector<long> from;
    for (const Expectation& expectation : scenario.expectations)
        from.push_back(expectation.fromMs);
    EXPECT_EQ(from, (std::vector<long>{0, 2000, 2000, 2000, 3000, 3000}));
    EXPECT_EQ(scenario.durationMs, 5000);
}

struct Unreadable
{
    const char* text;
    int line;
    const char* message;
};

TEST(ScenarioFile, SaysWhichLineCannotBeReadAndWhy)
{
    const Unreadable cases[] = {
        {"naam: a\nwacht op 1 led == 1\n", 2,
         "onbekend woord \"wacht\" (een regel begint met naam:, duur:, op of verwacht)"},
        {"naam: a\nnaam: b\n", 2, "tweede naam: de naam staat al op regel 1"},
        {"naam:\n", 1, "naam: zonder naam"},
        {"duur: 1\nduur: 2\n", 2, "tweede duur: de duur staat al op regel 1"},
        {"duur:\n", 1, "duur: zonder tijd"},
        {"duur: 1 2\n", 1, "te veel woorden na duur: \"2\""},
        {"op 1 Sensor1\n", 1, "onvolledige regel: op TIJD SENSOR ingedrukt, losgelaten of = WAARDE"},
        {"op 1 Sensor3 = 4\n", 1, "onbekende sensor \"Sensor3\" (Schakelaar1 tot 3, Sensor1 of Sensor2)"},
        {"op 1 Sensor1 ingedrukt\n", 1, "onbekend woord \"ingedrukt\" (= en een waarde van 0 tot 1023)"},
        {"op 1 Schakelaar1 aan\n", 1, "onbekend woord \"aan\" (ingedrukt, losgelaten of = 0 of 1)"},
        {"op 1 Sensor1 =\n", 1, "onvolledige regel: waarde ontbreekt na ="},
        {"op 1 Sensor1 = 1024\n", 1, "waarde buiten bereik: 1024 (0 tot 1023)"},
        {"op 1 Schakelaar2 = 2\n", 1, "waarde buiten bereik: 2 (0 tot 1)"},
        {"op 1 Sensor1 = 7 8\n", 1, "te veel woorden: \"8\""},
        {"op 1.2.3 Sensor1 = 7\n", 1, "geen tijd: \"1.2.3\" (seconden, bijvoorbeeld 2 of 1.5)"},
        {"op -1 Sensor1 = 7\n", 1, "geen tijd: \"-1\" (seconden, bijvoorbeeld 2 of 1.5)"},
        {"op 1.0005 Sensor1 = 7\n", 1, "tijd met te veel decimalen: \"1.0005\" (hoogstens 3)"},
        {"op 3600.001 Sensor1 = 7\n", 1, "tijd te groot: \"3600.001\" (hoogstens 3600 s)"},
        {"op 99999999999999 Sensor1 = 7\n", 1, "tijd te groot: \"99999999999999\" (hoogstens 3600 s)"},
        {"op 3 Sensor1 = 7\nverwacht op 2 led == 1\n", 2,
         "tijd 2 ligt voor de tijd 3 van regel 1 (de tijden van op-regels lopen niet terug)"},
        {"op 3 Sensor1 = 7\nverwacht voor 2.5 led == 1\n", 2, "tijd 2.5 ligt voor de tijd 3 van regel 1"},
        {"verwacht\n", 1, "onvolledige regel: verwacht op, voor of altijd"},
        {"verwacht na 2 led == 1\n", 1, "onbekend woord \"na\" (op, voor of altijd)"},
        {"verwacht voor\n", 1, "onvolledige regel: tijd ontbreekt na voor"},
        {"verwacht op 1 led ==\n", 1, "onvolledige regel: verwacht op UITGANG VERGELIJKING WAARDE"},
        {"verwacht altijd led == 1 2\n", 1, "te veel woorden: \"2\""},
        {"verwacht op 1 led => 1\n", 1, "onbekende vergelijking \"=>\" (==, !=, <, <=, > of >=)"},
        {"verwacht op 1 led == aan\n", 1, "geen getal: \"aan\""},
        {"verwacht op 1 led == 2147483648\n", 1, "waarde buiten bereik: 2147483648 (-2147483648 tot 2147483647)"},
        {"verwacht op 1 7 == 1\n", 1, "geen uitgang of variabele: \"7\""},
        {"naam: a\nverwacht altijd led == 0\n", 2,
         "altijd zonder duur: zet er een regel duur: bij, bijvoorbeeld duur: 10"},
    };
    for (const Unreadable& c : cases) {
        Scenario scenario;
        ScenarioError error;
        EXPECT_FALSE(ParseScenario(wxString::FromUTF8(c.text), scenario, error)) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_EQ(error.message, c.message) << c.text;
    }
}

TEST(ScenarioFile, NamesItselfAfterItsFileReadsLatin1AndSaysWhenItCannotBeRead)
{
    const std::string folder = wxFileName::GetTempDir().ToStdString();
    const std::string path = folder + "/Leerling 7.scenario";
    std::ofstream(path, std::ios::binary) << "# \xe9\xe9n keer\nverwacht op 1 caf\xe9 == 2\n";
    Scenario scenario;
    ScenarioError error;
    ASSERT_TRUE(ReadScenarioFile(path, scenario, error)) << error.message;
    EXPECT_EQ(scenario.name, "Leerling 7");
    EXPECT_EQ(scenario.expectations.at(0).variable, "caf\xc3\xa9");
    std::remove(path.c_str());
    EXPECT_FALSE(ReadScenarioFile(folder, scenario, error));
    EXPECT_EQ(error.line, 0);
    EXPECT_EQ(error.message, "kan het bestand niet lezen");
}

} // namespace
