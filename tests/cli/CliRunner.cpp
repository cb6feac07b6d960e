#include "CliRunner.h"

#include "support/TestProcess.h"

#include <chrono>

namespace ranvik::test {

CliResult RunCli(const std::vector<std::string>& args) {
    TempDir capture;
    TestProcess::Options options;
    options.output = capture.path() / "stdout";
    options.errors = capture.path() / "stderr";
    CliResult result;
    result.status = RunProgram(RANVIK_CLI_PATH, args, options, std::chrono::minutes(2));
    result.out = ReadFile(options.output);
    result.err = ReadFile(options.errors);
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
