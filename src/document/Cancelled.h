#pragma once
// A result that says only that the user stopped the command: `return Cancelled();` gives
// any of the document's result types with Outcome::Cancelled.

#include "document/ChartDocument.h"

namespace ranvik {

struct Cancelled {
    template <class Result> operator Result() const {
        Result result;
        result.outcome = Outcome::Cancelled;
        return result;
    }
};

} // namespace ranvik
