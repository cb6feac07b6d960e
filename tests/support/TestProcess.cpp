#include "TestProcess.h"

#include "platform/ChildProcess.h"
#include "platform/Paths.h"

#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace ranvik::test {

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& utf8) {
    return platform::PathFromUtf8(utf8).wstring();
}

// The test's environment with the given variables set, as CreateProcessW takes it.
std::wstring EnvironmentBlock(const std::map<std::string, std::string>& changes) {
    std::map<std::wstring, std::wstring> variables;
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1) {
        const std::wstring text(entry);
        const std::size_t equals = text.find(L'=', 1);
        if (equals != std::wstring::npos)
            variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    FreeEnvironmentStringsW(block);
    for (const auto& [name, value] : changes)
        variables[Wide(name)] = Wide(value);
    std::wstring result;
    for (const auto& [name, value] : variables)
        result += name + L"=" + value + L'\0';
    return result + L'\0';
}

HANDLE OutputFile(const std::filesystem::path& path) {
    if (path.empty())
        return nullptr;
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

struct TestProcess::Handle {
    PROCESS_INFORMATION process{};
};

TestProcess::TestProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const Options& options)
    : handle_(new Handle) {
    std::vector<std::wstring> words = {Wide(program)};
    for (const std::string& argument : arguments)
        words.push_back(Wide(argument));
    std::wstring line = platform::WindowsCommandLine(words);
    std::wstring environment = EnvironmentBlock(options.environment);
    const HANDLE output = OutputFile(options.output);
    const HANDLE errors = OutputFile(options.errors);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (output || errors) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output;
        startup.hStdError = errors;
    }
    if (!CreateProcessW(Wide(program).c_str(), line.data(), nullptr, nullptr, TRUE,
                        CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW, environment.data(), nullptr,
                        &startup, &handle_->process))
        handle_->process = {};
    for (const HANDLE file : {output, errors}) {
        if (file && file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
}

TestProcess::~TestProcess() {
    if (started() && running())
        kill();
    if (handle_->process.hProcess) {
        CloseHandle(handle_->process.hProcess);
        CloseHandle(handle_->process.hThread);
    }
    delete handle_;
}

bool TestProcess::started() const {
    return handle_->process.hProcess != nullptr;
}

long TestProcess::pid() const {
    return static_cast<long>(handle_->process.dwProcessId);
}

bool TestProcess::running() {
    return started() && WaitForSingleObject(handle_->process.hProcess, 0) == WAIT_TIMEOUT;
}

int TestProcess::wait(std::chrono::milliseconds limit) {
    if (!started())
        return -1;
    if (WaitForSingleObject(handle_->process.hProcess, static_cast<DWORD>(limit.count())) !=
        WAIT_OBJECT_0) {
        kill();
        return -1;
    }
    DWORD status = 0;
    GetExitCodeProcess(handle_->process.hProcess, &status);
    return killed_ ? -1 : static_cast<int>(status);
}

void TestProcess::kill() {
    TerminateProcess(handle_->process.hProcess, 137);
    WaitForSingleObject(handle_->process.hProcess, INFINITE);
    killed_ = true;
}

#else

struct TestProcess::Handle {
    pid_t pid = 0;
    int status = 0;
    bool ended = false;
};

TestProcess::TestProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const Options& options)
    : handle_(new Handle) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text(*entry);
        if (!options.environment.count(text.substr(0, text.find('='))))
            environment.push_back(text);
    }
    for (const auto& [name, value] : options.environment)
        environment.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!options.output.empty())
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, options.output.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (!options.errors.empty())
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, options.errors.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (posix_spawn(&handle_->pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) !=
        0)
        handle_->pid = 0;
    posix_spawn_file_actions_destroy(&actions);
}

TestProcess::~TestProcess() {
    if (started() && running())
        kill();
    delete handle_;
}

bool TestProcess::started() const {
    return handle_->pid > 0;
}

long TestProcess::pid() const {
    return static_cast<long>(handle_->pid);
}

bool TestProcess::running() {
    if (!started() || handle_->ended)
        return false;
    handle_->ended = waitpid(handle_->pid, &handle_->status, WNOHANG) == handle_->pid;
    return !handle_->ended;
}

int TestProcess::wait(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (running()) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill();
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!handle_->ended || WIFSIGNALED(handle_->status))
        return -1;
    return WEXITSTATUS(handle_->status);
}

void TestProcess::kill() {
    ::kill(handle_->pid, SIGKILL);
    waitpid(handle_->pid, &handle_->status, 0);
    handle_->ended = true;
    killed_ = WIFSIGNALED(handle_->status);
}

#endif

int RunProgram(const std::string& program, const std::vector<std::string>& arguments,
               const TestProcess::Options& options, std::chrono::milliseconds limit) {
    TestProcess process(program, arguments, options);
    return process.wait(limit);
}

} // namespace ranvik::test
