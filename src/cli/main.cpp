#include "cli/Cli.h"

#include <iostream>

int main(int argc, char* argv[]) {
    return ranvik::cli::Run(argc, argv, std::cout, std::cerr);
}
