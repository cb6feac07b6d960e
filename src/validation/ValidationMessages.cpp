#include "validation/Validation.h"

namespace ranvik {

const std::string& ValidationMessage(int code) {
    static const std::array<std::string, 8> texts = [] {
        std::array<std::string, 8> out;
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = std::string(ValidationMessages[i]);
        return out;
    }();
    static const std::string none;
    if (code < 1 || code > 7)
        return none;
    return texts[static_cast<std::size_t>(code)];
}

std::string FaultText(const ValidationResult& result) {
    return ValidationMessage(result.code) + " Line " + std::to_string(result.row) + " column " +
           std::to_string(result.col) + ".";
}

} // namespace ranvik
