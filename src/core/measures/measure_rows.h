#pragma once

#include <string>
#include <vector>

#include "measures/measures.h"

namespace vireflu {

// One line of the "Mesures" window's numbers: the French label, the value with its unit
// (French decimal comma; a dash when the figure is undefined) and a one-line explanation
// shown on hover. The desktop window, the command-line tool and the page list the same rows.
struct MeasureRow {
    const char* label;
    std::string value;
    const char* tip;
};

std::vector<MeasureRow> MeasureRows(const Measures& measures);

}  // namespace vireflu
