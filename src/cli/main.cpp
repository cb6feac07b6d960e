#include "cli/Cli.h"
#include "platform/ChildProcess.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    if (const auto status = ranvik::platform::ServeChild(argc, argv))
        return *status;
    // The same bytes on every system, and file names whole whatever their characters.
    ranvik::platform::UseBinaryStandardStreams();
    std::vector<std::string> arguments = ranvik::platform::Utf8Arguments(argc, argv);
    std::vector<char*> utf8{argv[0]};
    for (std::string& argument : arguments)
        utf8.push_back(argument.data());
    utf8.push_back(nullptr);
    return ranvik::cli::Run(static_cast<int>(utf8.size()) - 1, utf8.data(), std::cout, std::cerr);
}
