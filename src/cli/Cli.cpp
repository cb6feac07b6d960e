#include "cli/Cli.h"

#include <ostream>

namespace ranvik::cli {

int Run(int, char*[], std::ostream&, std::ostream& err) {
    err << "ranvik-cli: no commands yet\n";
    return 2;
}

} // namespace ranvik::cli
