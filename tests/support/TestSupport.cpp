#include "TestSupport.h"

#include "platform/Paths.h"

#include <cstdlib>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif

namespace ranvik::test {

TempDir::TempDir() {
    std::random_device rd;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("ranvik-test-" + std::to_string(rd()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::file(const std::string& name) const {
    return platform::Utf8FromPath((path_ / platform::PathFromUtf8(name)).make_preferred());
}

std::filesystem::path TestDataDir() {
    std::filesystem::path dir(RANVIK_TESTDATA_DIR);
    std::error_code ec;
    if (std::filesystem::is_directory(dir / "members", ec))
        return dir;
    return {};
}

std::set<std::string> FilesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(platform::Utf8FromPath(entry.path().filename()));
    return names;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void SetEnvironment(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value ? value : "");
#else
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
#endif
}

void UseUserFolders(const std::filesystem::path& settings, const std::filesystem::path& state) {
#ifdef _WIN32
    _wputenv_s(L"APPDATA", settings.c_str());
    _wputenv_s(L"LOCALAPPDATA", state.c_str());
#else
    SetEnvironment("XDG_CONFIG_HOME", settings.c_str());
    SetEnvironment("XDG_STATE_HOME", state.c_str());
#endif
}

bool UnderWine() {
#ifdef _WIN32
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

// Windows has no fork: there the check runs in this process, uncapped, and only its verdict
// counts.
bool PassesUnderMemoryLimit([[maybe_unused]] std::size_t bytes,
                            const std::function<bool()>& check) {
#ifdef _WIN32
    try {
        return check();
    } catch (...) {
        return false;
    }
#else
    const pid_t pid = fork();
    if (pid == 0) {
        if (!kAddressSanitizer) {
            rlimit limit{bytes, bytes};
            setrlimit(RLIMIT_AS, &limit);
        }
        bool ok = false;
        try {
            ok = check();
        } catch (...) {
        }
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
#endif
}

} // namespace ranvik::test
