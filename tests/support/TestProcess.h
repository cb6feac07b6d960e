#pragma once
// Another program started by a test (ranvik-cli, the recovery driver), on Linux or Windows:
// its arguments whole, its environment the test's with some variables changed, its output
// caught in files, and a way to kill it as a crash would.

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace ranvik::test {

class TestProcess {
  public:
    struct Options {
        std::map<std::string, std::string> environment; // set on top of the test's own
        std::filesystem::path output;                   // standard output to this file
        std::filesystem::path errors;                   // standard error to this file
    };
    // Starts program (a UTF-8 path) with the arguments; started() tells whether it did.
    TestProcess(const std::string& program, const std::vector<std::string>& arguments,
                const Options& options);
    ~TestProcess();
    TestProcess(const TestProcess&) = delete;
    TestProcess& operator=(const TestProcess&) = delete;

    bool started() const;
    long pid() const;
    // The exit status once it ends; -1 when it was killed or has not ended within limit (it is
    // killed then).
    int wait(std::chrono::milliseconds limit);
    bool running();
    // Ends it at once, as a crash would: no handler of its own runs.
    void kill();
    // How the system reports a process it killed (Linux: by a signal; Windows: exit status).
    bool wasKilled() const { return killed_; }

  private:
    struct Handle;
    Handle* handle_;
    bool killed_ = false;
};

// Runs a program to its end (killed after limit) and gives its exit status.
int RunProgram(const std::string& program, const std::vector<std::string>& arguments,
               const TestProcess::Options& options, std::chrono::milliseconds limit);

} // namespace ranvik::test
