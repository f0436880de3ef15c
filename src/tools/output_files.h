#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QIODevice>
#include <QImage>

#include "render_options.h"

namespace vireflu {

// Checks every output of the options before anything is written: each file's folder
// must exist and accept a new file, and no file may name an existing folder; the frames
// folder must be a writable folder or a new one in a writable folder. Returns the first
// refusal.
std::optional<OptionError> CheckDestinations(const RenderOptions& options);

// Writes one output through a temporary file in the same folder, renamed over `path`
// only once `write` has succeeded, so the file is never seen half-written and a failed
// write leaves `path` as it was. Returns why it failed, naming the option.
std::optional<OptionError> WriteOutput(const std::string& option, const std::string& path,
                                       const std::function<bool(QIODevice&)>& write);
std::optional<OptionError> WritePng(const std::string& option, const std::string& path,
                                    const QImage& image);

// "frame-0007.png": four digits at least, more once the numbers need them.
std::string FrameFileName(int frameNumber);

}  // namespace vireflu
