#pragma once
// A fuzz target is one function of the input bytes. Built with RANVIK_FUZZ it is libFuzzer's
// entry point; built into the regression tests it is a named function the tests call with
// each saved input, so the same code runs in both.

#include <cstddef>
#include <cstdint>
#include <string>

#ifdef RANVIK_FUZZ_REGRESSION
#define RANVIK_FUZZ_TARGET(name) int RanvikFuzz_##name(const std::uint8_t* data, std::size_t size)
#else
#define RANVIK_FUZZ_TARGET(name)                                                                   \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
#endif

namespace ranvik::fuzz {

// A file of this process's own holding the bytes, rewritten at every call: for code that
// reads a path rather than bytes. The name ends with the given extension.
std::string ScratchFile(const std::uint8_t* data, std::size_t size, const char* extension);

} // namespace ranvik::fuzz
