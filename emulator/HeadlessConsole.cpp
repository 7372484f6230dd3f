#include "emulator/HeadlessConsole.h"

#include "emulator/RobotServer.h"

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

const char* const kHeadlessCommandHelp =
    "  go                  press GO and release it (an idle robot starts its program)\n"
    "  go press|release    hold GO down, or let it go\n"
    "  switch N on|off     switch N (1-3) pressed (its port reads 0) or released (1023)\n"
    "  detector N VALUE    detector N (1-2) sees VALUE (0-1023): its port reads 1023 - VALUE\n"
    "  input N RAW         the raw reading (0-1023) of port N (1-3)\n"
    "  unplug | plug       pull the USB cable out, or put it back\n"
    "  silent | answer     stop answering reports (they are dropped), or answer again\n"
    "  delay MS            answer MS milliseconds (0-10000) after each request; 0 at once\n"
    "  state               print the robot's state as one line of JSON\n"
    "  help                list these commands\n"
    "  quit                end the program (so does the end of the input)\n";

namespace {
// A whole number from minimum to maximum.
bool ReadNumber(const std::string& word, int minimum, int maximum, int& value)
{
    char* end = nullptr;
    const long number = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end || number < minimum || number > maximum)
        return false;
    value = static_cast<int>(number);
    return true;
}

// Carries out one line; the reply, or an empty string for "quit".
std::string Execute(RobotServer& server, const std::string& line)
{
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    const std::string command = words.empty() ? std::string() : words[0];
    const size_t count = words.size();
    int number = 0, value = 0;
    if (command == "go") {
        if (count == 1) {
            server.SetGo(true);
            server.SetGo(false);
        } else if (count == 2 && (words[1] == "press" || words[1] == "release")) {
            server.SetGo(words[1] == "press");
        } else {
            return "error: go [press|release]";
        }
    } else if (command == "switch") {
        if (count != 3 || !ReadNumber(words[1], 1, 3, number) || (words[2] != "on" && words[2] != "off"))
            return "error: switch N on|off, N 1-3";
        server.SetRawInput(number, words[2] == "on" ? 0 : 1023);
    } else if (command == "detector") {
        if (count != 3 || !ReadNumber(words[1], 1, 2, number) || !ReadNumber(words[2], 0, 1023, value))
            return "error: detector N VALUE, N 1-2, VALUE 0-1023";
        server.SetRawInput(number, 1023 - value);
    } else if (command == "input") {
        if (count != 3 || !ReadNumber(words[1], 1, 3, number) || !ReadNumber(words[2], 0, 1023, value))
            return "error: input N RAW, N 1-3, RAW 0-1023";
        server.SetRawInput(number, value);
    } else if (command == "delay") {
        if (count != 2 || !ReadNumber(words[1], 0, 10000, value))
            return "error: delay MS, MS 0-10000";
        server.SetAnswerDelay(value);
    } else if (count > 1) {
        return "error: " + command + " takes no arguments";
    } else if (command == "unplug" || command == "plug") {
        std::string why;
        if (!server.SetPlugged(command == "plug", &why))
            return "error: " + why;
    } else if (command == "silent" || command == "answer") {
        server.SetAnswering(command == "answer");
    } else if (command == "state") {
        return server.StateJson();
    } else if (command == "help") {
        std::string help = kHeadlessCommandHelp;
        return help + "ok";
    } else if (command == "quit") {
        return std::string();
    } else if (!command.empty()) {
        return "error: unknown command \"" + command + "\" (help lists the commands)";
    }
    return "ok";
}
} // namespace

int RunHeadlessConsole(RobotServer& server, std::istream& in, std::ostream& out)
{
    out << "ready " << server.SocketPath() << std::endl;
    std::string line;
    while (std::getline(in, line)) {
        const std::string reply = Execute(server, line);
        if (reply.empty())
            break;
        out << reply << std::endl;
    }
    return 0;
}
