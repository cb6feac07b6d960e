#include "CliRunner.h"

#include <cstdlib>
#include <sys/wait.h>

namespace ranvik::test {

namespace {
std::string ShellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}
} // namespace

CliResult RunCli(const std::vector<std::string>& args) {
    TempDir capture;
    const std::string outPath = capture.file("stdout");
    const std::string errPath = capture.file("stderr");
    std::string command = ShellQuoted(RANVIK_CLI_PATH);
    for (const std::string& arg : args)
        command += " " + ShellQuoted(arg);
    command += " >" + ShellQuoted(outPath) + " 2>" + ShellQuoted(errPath);
    const int raw = std::system(command.c_str());
    CliResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    return result;
}

std::string ChartText(const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (const std::string& cell : row)
            text += cell + "\t";
        text += "\r\n";
    }
    return text;
}

} // namespace ranvik::test
