// Writes the benchmarks' full chart files into a folder, for measuring whole processes
// (ranvik-cli check, convert) on the same inputs: scripts/bench-cli.sh.

#include "BenchArgs.h"
#include "BenchInputs.h"

#include <filesystem>
#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: ranvik_bench_write_charts FOLDER\n";
        return 2;
    }
    namespace fs = std::filesystem;
    using namespace ranvik::bench;
    for (const FullChart chart : kCharts) {
        const fs::path target = fs::path(argv[1]) / (std::string(NameOf(chart)) + ".tms");
        std::error_code error;
        fs::copy_file(FullChartPath(chart), target, fs::copy_options::overwrite_existing, error);
        if (error) {
            std::cerr << "cannot write " << target.string() << ": " << error.message() << '\n';
            return 1;
        }
        std::cout << target.string() << '\n';
    }
    return 0;
}
