#pragma once

#include <sys/stat.h>

#include <string>
#include <variant>

#include "render_options.h"

namespace vireflu {

// What an output path names once the kernel has followed its links.
enum class TargetKind {
    NewFile,         // nothing there yet: created
    RegularFile,     // an existing file, given new contents
    Direct,          // a device, a FIFO or a descriptor link such as /dev/stdout: written as is
    StandardOutput,  // "-"
};

// A file whatever path names it: its device and inode, or, for a file not created yet,
// its folder's device and inode and its name.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    std::string name;

    bool operator==(const FileIdentity&) const = default;
};

struct OutputTarget {
    std::string option;  // "--state", "--output", ...
    std::string given;   // as typed, for messages
    std::string path;    // the file itself, its links followed
    std::string folder;  // the folder of `path`, for a new or a regular file
    TargetKind kind = TargetKind::NewFile;
    struct stat existing {};  // a regular file's mode, owner and links
    FileIdentity identity;
    FileIdentity folderIdentity;  // for a new or a regular file
};

// Resolves one single-file output and checks, without writing, that it can be written:
// "-" only for --state and only while standard output is open; no folder, socket or
// unwritable file; an existing folder that accepts new files; a name within the folder's
// limits. Links are followed one by one as the kernel follows them, byte for byte, so
// "nodir/../x" needs "nodir". A frame, whose folder was checked before the run, skips the
// folder's checks (`checkFolder` false) and has no identity.
std::variant<OutputTarget, OptionError> ResolveOutput(const std::string& option,
                                                      const std::string& given,
                                                      bool checkFolder = true);

struct FramesFolder {
    std::string path;  // as given, without trailing slashes
    bool create = false;
    FileIdentity identity;
};

// Resolves --frames: an existing folder that accepts new files, or a new one ("dir" or
// "dir/") in an existing folder that does; the longest frame name up to `lastFrame` must
// fit there too.
std::variant<FramesFolder, OptionError> ResolveFramesFolder(const std::string& given,
                                                            int lastFrame);

}  // namespace vireflu
