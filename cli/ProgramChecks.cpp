#include "cli/ProgramChecks.h"

#include "cli/Commands.h"
#include "cli/CompileCommand.h"
#include "model/Prototypes.h"
#include "scenario/ScenarioRunner.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

ProgramRow CheckProgram(const std::string& path, const std::vector<Scenario>& scenarios)
{
    ProgramRow row;
    row.program = path;
    CProgram program;
    const unsigned char* image = nullptr;
    int length = 0;
    const int status = CompileProjectFile(path, program, image, length, &row.problem);
    if (status != CliExit::Ok) {
        row.unreadable = status == CliExit::Unreadable;
        // "PATH:LINE: message" names the row's own file: the row keeps "LINE: message".
        if (row.problem.rfind(path + ":", 0) == 0)
            row.problem.erase(0, row.problem.find_first_not_of(' ', path.size() + 1));
        return row;
    }
    ScenarioRunner runner(program, image, length);
    for (const Scenario& scenario : scenarios) {
        const ScenarioResult result = runner.Run(scenario);
        row.cells.push_back({result.passed, ScenarioResultText(result)});
    }
    return row;
}

namespace {

// A row as a worker sends it: problem, unreadable flag, then per cell its flag and text, each field
// ended by a zero byte (no field holds one).
std::string Encode(const ProgramRow& row)
{
    std::string bytes = row.problem + '\0' + (row.unreadable ? '1' : '0') + '\0';
    for (const ScenarioCell& cell : row.cells)
        bytes += (cell.passed ? '1' : '0') + cell.text + '\0';
    return bytes;
}

bool Decode(const std::string& bytes, size_t cellCount, ProgramRow& row)
{
    std::vector<std::string> fields;
    for (size_t start = 0, end; start < bytes.size(); start = end + 1) {
        end = bytes.find('\0', start);
        if (end == std::string::npos)
            return false;
        fields.push_back(bytes.substr(start, end - start));
    }
    if (fields.size() < 2 || fields[1].size() != 1)
        return false;
    row.problem = fields[0];
    row.unreadable = fields[1] == "1";
    const size_t cells = fields.size() - 2;
    if (cells != (row.problem.empty() ? cellCount : 0))
        return false;
    for (size_t i = 2; i < fields.size(); ++i) {
        if (fields[i].empty())
            return false;
        row.cells.push_back({fields[i][0] == '1', fields[i].substr(1)});
    }
    return true;
}

bool WriteAll(int fd, const std::string& bytes)
{
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += static_cast<size_t>(wrote);
    }
    return true;
}

struct Worker
{
    pid_t pid;
    int fd;
    size_t index;
    std::string bytes;
};

// Starts a worker for paths[index]; false when no process can be made.
bool StartWorker(const std::string& path, size_t index, const std::vector<Scenario>& scenarios,
                 std::vector<Worker>& workers)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return false;
    const pid_t pid = fork();
    if (pid < 0) {
        close(ends[0]);
        close(ends[1]);
        return false;
    }
    if (pid == 0) {
        close(ends[0]);
        _exit(WriteAll(ends[1], Encode(CheckProgram(path, scenarios))) ? 0 : 1);
    }
    close(ends[1]);
    workers.push_back({pid, ends[0], index, std::string()});
    return true;
}

// Reads what the worker has sent; true when it is done (its end of the pipe closed).
bool ReadWorker(Worker& worker)
{
    char chunk[4096];
    const ssize_t got = read(worker.fd, chunk, sizeof chunk);
    if (got < 0 && (errno == EINTR || errno == EAGAIN))
        return false;
    if (got > 0) {
        worker.bytes.append(chunk, static_cast<size_t>(got));
        return false;
    }
    return true;
}

ProgramRow FinishWorker(const Worker& worker, const std::string& path, size_t cellCount)
{
    close(worker.fd);
    int status = 0;
    while (waitpid(worker.pid, &status, 0) < 0 && errno == EINTR) {
    }
    ProgramRow row;
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && Decode(worker.bytes, cellCount, row)) {
        row.program = path;
        return row;
    }
    row = ProgramRow();
    row.program = path;
    row.problem = WIFSIGNALED(status) ? "de controle van dit programma stopte onverwacht (signaal " +
                                            std::to_string(WTERMSIG(status)) + ")"
                                      : "de controle van dit programma stopte onverwacht";
    return row;
}

} // namespace

std::vector<ProgramRow> CheckPrograms(const std::vector<std::string>& paths, const std::vector<Scenario>& scenarios,
                                      int jobs)
{
    std::vector<ProgramRow> rows(paths.size());
    std::vector<Worker> workers;
    Prototypes::Get();    // made once here, so that every worker starts with them
    std::fflush(nullptr); // a worker must not write out this process's buffers again
    size_t next = 0;
    while (next < paths.size() || !workers.empty()) {
        while (next < paths.size() && static_cast<int>(workers.size()) < std::max(1, jobs)) {
            if (!StartWorker(paths[next], next, scenarios, workers))
                rows[next] = CheckProgram(paths[next], scenarios); // no process to spare: check it here
            ++next;
        }
        std::vector<pollfd> waiting;
        for (const Worker& worker : workers)
            waiting.push_back({worker.fd, POLLIN, 0});
        if (waiting.empty() || poll(waiting.data(), waiting.size(), -1) < 0)
            continue;
        for (size_t i = workers.size(); i-- > 0;) {
            if (!waiting[i].revents || !ReadWorker(workers[i]))
                continue;
            rows[workers[i].index] = FinishWorker(workers[i], paths[workers[i].index], scenarios.size());
            workers.erase(workers.begin() + static_cast<long>(i));
        }
    }
    return rows;
}

std::vector<std::string> FindPrograms(const std::vector<std::string>& arguments)
{
    namespace fs = std::filesystem;
    std::vector<std::string> programs;
    for (const std::string& argument : arguments) {
        std::error_code error;
        if (!fs::is_directory(argument, error)) {
            programs.push_back(argument);
            continue;
        }
        std::vector<std::string> found;
        fs::recursive_directory_iterator it(argument, fs::directory_options::skip_permission_denied, error), end;
        for (; !error && it != end; it.increment(error)) {
            std::string extension = it->path().extension().string();
            std::transform(extension.begin(), extension.end(), extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            std::error_code unreadable; // a file that cannot be looked at is a row that says so
            if (extension == ".tamek" && !it->is_directory(unreadable))
                found.push_back(it->path().string());
        }
        if (error) {
            programs.push_back(argument);
            continue;
        }
        std::sort(found.begin(), found.end());
        programs.insert(programs.end(), found.begin(), found.end());
    }
    return programs;
}
