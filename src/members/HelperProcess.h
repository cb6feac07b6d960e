#pragma once
// Running a piece of work in a child process, so that a crash or a hang inside it (a library
// reading a damaged file) cannot take the calling program, and the chart it holds, down.

#include <chrono>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>

namespace ranvik {

// The child crashed, ended without a whole result, or ran out of time.
class HelperProcessFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Runs work in a forked child and gives the bytes it returned. With a memoryBudget (bytes),
// the child may grow by that much address space beyond what it starts with; past it an
// allocation fails there (std::bad_alloc comes back as an error). What work throws comes back as
// a std::runtime_error with the same message. Throws HelperProcessFailure when the child
// crashes, exits without a result, or has not finished within limit (it is killed then).
// The child only runs work and ends with _exit: no exit handlers, no destructors of the
// parent's objects, no flush of the parent's buffered output.
std::string RunInHelperProcess(const std::function<std::string()>& work,
                               std::chrono::milliseconds limit, std::size_t memoryBudget = 0);

} // namespace ranvik
