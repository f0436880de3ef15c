#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "setup/setup.h"

namespace vireflu {

// "Annuler" and "Rétablir": the setups a user went through. After each change a front-end
// hands the setup it shows; the history keeps the one before every change. The clock is no
// change (its ticks come back with the setup they belong to), and moving one slider or
// typing into one angle field, step after step, is one change.
class SetupHistory {
public:
    // The setup shown after a change, or unchanged. The first one starts the history.
    void Remember(const Setup& shown);
    bool CanUndo() const { return !past.empty(); }
    bool CanRedo() const { return !future.empty(); }
    // The setup to show instead of the present one; none when there is nothing to take back.
    std::optional<Setup> Undo();
    std::optional<Setup> Redo();
    // The setup shown now is the one a file holds (just opened or saved); the first one
    // remembered is, until then.
    void Keep() { kept = present; }
    // Whether the setup shown differs from the one kept, the clock aside.
    bool Changed() const;

private:
    std::vector<Setup> past;    // oldest first
    std::vector<Setup> future;  // the next to redo last
    std::optional<Setup> present;
    std::optional<Setup> kept;
    std::uint32_t lastChange = 0;  // the fields the last change touched
};

}  // namespace vireflu
