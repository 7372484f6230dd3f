// A class's worth of programs checked against scenarios in one tamekc test command, as a teacher
// runs it: 200 generated pupils' projects (variants of "drive to the wall and stop", some right,
// some wrong, with other speeds, thresholds, lights and counters) against the three scenarios of
// tests/data/robot_scenarios, in worker processes. The time is the whole command's wall time:
// start, reading the scenarios, one worker per program (read, compile, three runs), the report.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Pupil i's program: the wall program with its own speed and threshold, and one of six shapes.
std::string PupilProgram(int i)
{
    const std::string speed = std::to_string(1 + i % 10), threshold = std::to_string(500 + (i * 37) % 300);
    const std::string start = "Node: 0 => State Start: Position:300,40. Son 1\n"
                              "Node: 1 => State Forward: Position:300,100.Param: '" +
                              speed + "'. Name: Vooruit . Son 2\n";
    const std::string check = "State Detector1: Position:300,160.Param: '" + threshold + "'. Name: Sensor1. Cond: ";
    switch (i % 6) {
    case 0: // right
        return start + "Node: 2 => " + check + "LTE. Son 1,3\nNode: 3 => State Stop: Position:420,160. Son \n";
    case 1: // the light goes on at the wall, then it stops
        return start + "Node: 2 => " + check +
               "LTE. Son 1,3\nNode: 3 => State LedR: Position:420,160.Param: '1'. Name: LedRood . Son 4\n"
               "Node: 4 => State Wait: Position:420,220.Param: '5'. Name: Wacht . Son 5\n"
               "Node: 5 => State Stop: Position:420,280. Son \n";
    case 2: // never looks: drives on for ever
        return start;
    case 3: // the comparison the wrong way round: stops at once
        return start + "Node: 2 => " + check + "GT. Son 1,3\nNode: 3 => State Stop: Position:420,160. Son \n";
    case 4: // counts its passes
        return "Node: 0 => State Start: Position:300,40. Son 1\n"
               "Node: 1 => State Variable: Position:300,100.Param: '0'. Name: rondes. Son 2\n"
               "Node: 2 => State Forward: Position:300,160.Param: '" +
               speed +
               "'. Name: Vooruit . Son 3\n"
               "Node: 3 => State Variable: Position:300,220.Param: 'rondes+1'. Name: rondes. Son 4\n"
               "Node: 4 => State Detector1: Position:300,280.Param: '" +
               threshold + "'. Name: Sensor1. Cond: LTE. Son 2,5\nNode: 5 => State Stop: Position:420,280. Son \n";
    default: // looks every tenth of a second
        return start +
               "Node: 2 => State Wait: Position:300,160.Param: '1'. Name: Wacht . Son 3\n"
               "Node: 3 => State Detector1: Position:300,220.Param: '" +
               threshold + "'. Name: Sensor1. Cond: LTE. Son 1,4\nNode: 4 => State Stop: Position:420,220. Son \n";
    }
}

struct Class
{
    std::string folder;
    Class()
    {
        char name[] = "/tmp/tamek-scenario-bench-XXXXXX";
        folder = mkdtemp(name);
        for (int i = 0; i < 200; ++i)
            std::ofstream(folder + "/leerling" + std::to_string(1000 + i) + ".tamek") << PupilProgram(i);
    }
    ~Class() { std::system(("rm -rf '" + folder + "'").c_str()); }
};

void BM_TestClass(benchmark::State& state)
{
    static const Class pupils;
    const std::string scenarios = std::string(TAMEK_SOURCE_DIR) + "/tests/data/robot_scenarios/";
    const std::string command = std::string("'") + TAMEKC_PATH + "' test --jobs " + std::to_string(state.range(0)) +
                                " --report '" + pupils.folder + "/rapport.html' --csv '" + pupils.folder +
                                "/rapport.csv' -s '" + scenarios + "stopt_bij_muur.scenario' '" + scenarios +
                                "rijdt_door.scenario' '" + scenarios + "led_blijft_uit.scenario' '" + pupils.folder +
                                "' > /dev/null";
    const auto childCpuMs = [] {
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
               (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    };
    const double cpuBefore = childCpuMs();
    for (auto _ : state) {
        const int status = std::system(command.c_str());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 4) { // some pupils fail
            state.SkipWithError("tamekc test did not run as expected");
            break;
        }
    }
    // The processor time of tamekc and its workers, per command: the work itself, whatever the load.
    state.counters["command_cpu_ms"] =
        benchmark::Counter((childCpuMs() - cpuBefore) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_TestClass)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
