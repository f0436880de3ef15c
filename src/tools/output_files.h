#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <QByteArray>

#include "output_target.h"
#include "render_options.h"

namespace vireflu {

// The files of a run, written all or nothing. Stage writes each file's whole contents to
// its own temporary file beside it; Commit then writes the targets that cannot be
// replaced (standard output, devices, FIFOs) and, only if those succeeded, puts every
// temporary in place. A batch destroyed before its Commit removes its temporaries, so a
// failure anywhere leaves every previous file as it was.
class OutputBatch {
public:
    OutputBatch() = default;
    ~OutputBatch();
    OutputBatch(const OutputBatch&) = delete;
    OutputBatch& operator=(const OutputBatch&) = delete;

    // Every file of a run has contents: empty ones are an image or document its encoder
    // could not make, refused before anything is written.
    std::optional<OptionError> Stage(const OutputTarget& target, QByteArray contents);
    // `out` is standard output, for a "-" target.
    std::optional<OptionError> Commit(std::ostream& out);

private:
    struct Staged {
        OutputTarget target;
        QByteArray contents;
        std::string temporary;  // empty for a target written directly
        bool inPlace = false;
    };

    std::vector<Staged> staged;
};

// One frame file, replaced whole (see OutputBatch) as soon as it is drawn.
std::optional<OptionError> WriteFrameFile(const std::string& path, const QByteArray& png);

}  // namespace vireflu
