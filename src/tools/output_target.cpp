#include "output_target.h"

#include <fcntl.h>
#include <limits.h>
#include <linux/magic.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include "frame_name.h"
#include "quoted_text.h"
#include "temporary_files.h"

namespace vireflu {

namespace {

// The name pattern of the temporary files, which must fit beside every output.
constexpr std::size_t kTemporaryNameLength = sizeof ".vireflu-XXXXXX" - 1;
constexpr const char* kStandardOutputForStateOnly =
    "only --state writes to standard output; ./- is a file named -";
// The kernel's own limit on the links followed in one path.
constexpr int kMaxLinks = 40;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

OptionError Refuse(const std::string& option, const std::string& given, const std::string& why) {
    return OptionError{option + " " + Quoted(given) + ": " + why};
}

std::string Because(int error) {
    return std::string(" (") + std::strerror(error) + ")";
}

FileIdentity IdentityOf(const struct stat& file, std::string name = {}) {
    return {file.st_dev, file.st_ino, std::move(name)};
}

bool OnProcFilesystem(const std::string& folder) {
    struct statfs filesystem {};
    return statfs(folder.c_str(), &filesystem) == 0 && filesystem.f_type == PROC_SUPER_MAGIC;
}

struct Followed {
    std::string path;
    bool descriptorLink = false;
    int error = 0;
};

// Follows the links of the last component one at a time, each relative to the folder
// that holds it, as the kernel does, and as many; the folders themselves are left to the
// kernel.
Followed FollowLinks(std::string path) {
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat file {};
        if (lstat(path.c_str(), &file) != 0) return {path, false, errno == ENOENT ? 0 : errno};
        if (!S_ISLNK(file.st_mode)) return {path};
        const std::string folder = FolderOf(path);
        // The links under /proc (where /dev/stdout leads) stand for open files, not paths.
        if (OnProcFilesystem(folder)) return {path, true};
        std::string target(PATH_MAX, '\0');
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length < 0) return {path, false, errno};
        target.resize(static_cast<std::size_t>(length));
        path = target.starts_with('/') ? target : folder + "/" + target;
    }
    return {path, false, ELOOP};
}

// Root passes every permission check, so try to create a file there instead: an
// unnamed one where the file system allows it, so nothing shows in the folder.
bool FolderAcceptsFiles(const std::string& folder) {
    int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) return close(fd) == 0;
    if (errno != EOPNOTSUPP && errno != EISDIR) return false;
    std::string probe;
    fd = CreateTemporary(folder, probe);
    if (fd < 0) return false;
    close(fd);
    ReleaseTemporary(probe);
    return true;
}

// Why `name` (of `path`) cannot be created in `folder`, if it cannot.
std::optional<std::string> NameTooLong(const std::string& folder, const std::string& path,
                                       std::size_t nameLength) {
    const long nameMax = pathconf(folder.c_str(), _PC_NAME_MAX);
    if (nameMax > 0 && nameLength > static_cast<std::size_t>(nameMax))
        return "a name of " + std::to_string(nameLength) + " bytes, more than the " +
               std::to_string(nameMax) + " its folder allows";
    if (path.size() >= PATH_MAX)
        return "a path of " + std::to_string(path.size()) + " bytes, more than the " +
               std::to_string(PATH_MAX - 1) + " the system allows";
    return std::nullopt;
}

// Checks the folder a new file or a temporary goes into; fills in its identity.
std::optional<std::string> CheckFolder(const std::string& folder, struct stat& found) {
    if (stat(folder.c_str(), &found) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return "its folder " + Quoted(folder) + " is missing";
        return "its folder " + Quoted(folder) + " cannot be reached" + Because(errno);
    }
    if (!S_ISDIR(found.st_mode)) return Quoted(folder) + " is not a folder";
    if (!FolderAcceptsFiles(folder))
        return "its folder " + Quoted(folder) + " does not accept new files";
    return std::nullopt;
}

}  // namespace

std::variant<OutputTarget, OptionError> ResolveOutput(const std::string& option,
                                                      const std::string& given, bool checkFolder) {
    OutputTarget target;
    target.option = option;
    target.given = given;
    target.path = given;
    struct stat file {};
    if (given == "-") {
        if (option != "--state") return Refuse(option, given, kStandardOutputForStateOnly);
        if (fstat(STDOUT_FILENO, &file) != 0)
            return Refuse(option, given, "standard output is closed");
        target.kind = TargetKind::StandardOutput;
        target.identity = IdentityOf(file);
        return target;
    }
    if (given.empty() || given.ends_with('/'))
        return Refuse(option, given, "a file name is needed, not a folder");
    const Followed followed = FollowLinks(given);
    if (followed.error == ENAMETOOLONG)
        return Refuse(option, given, "the name is longer than the system allows");
    if (followed.error != 0)
        return Refuse(option, given, "cannot be reached" + Because(followed.error));
    target.path = followed.path;
    if (followed.descriptorLink || lstat(target.path.c_str(), &file) == 0) {
        if (stat(target.path.c_str(), &file) != 0)
            return Refuse(option, given, "leads nowhere" + Because(errno));
        if (S_ISDIR(file.st_mode))
            return Refuse(option, given, "a file name is needed, not a folder");
        if (S_ISSOCK(file.st_mode)) return Refuse(option, given, "a socket cannot be written");
        if (access(target.path.c_str(), W_OK) != 0)
            return Refuse(option, given, "is not writable" + Because(errno));
        target.identity = IdentityOf(file);
        if (followed.descriptorLink || !S_ISREG(file.st_mode)) {
            target.kind = TargetKind::Direct;
            return target;
        }
        target.kind = TargetKind::RegularFile;
        target.existing = file;
    }
    target.folder = FolderOf(target.path);
    if (!checkFolder) return target;
    const std::string name = NameOf(target.path);
    struct stat folder {};
    if (auto why = CheckFolder(target.folder, folder)) return Refuse(option, given, *why);
    if (auto why =
            NameTooLong(target.folder, target.path, std::max(name.size(), kTemporaryNameLength)))
        return Refuse(option, given, *why);
    target.folderIdentity = IdentityOf(folder);
    if (target.kind == TargetKind::NewFile) target.identity = IdentityOf(folder, name);
    return target;
}

std::variant<FramesFolder, OptionError> ResolveFramesFolder(const std::string& given,
                                                            int lastFrame) {
    const std::string option = "--frames";
    if (given == "-") return Refuse(option, given, kStandardOutputForStateOnly);
    if (given.empty()) return Refuse(option, given, "a folder name is needed");
    FramesFolder frames;
    frames.path = given;
    while (frames.path.size() > 1 && frames.path.ends_with('/')) frames.path.pop_back();
    struct stat found {};
    std::string folder = frames.path;
    if (stat(frames.path.c_str(), &found) == 0) {
        if (!S_ISDIR(found.st_mode)) return Refuse(option, given, "names a file, not a folder");
        if (!FolderAcceptsFiles(folder))
            return Refuse(option, given, "the folder does not accept new files");
        frames.identity = IdentityOf(found);
    } else {
        if (errno != ENOENT) return Refuse(option, given, "cannot be reached" + Because(errno));
        if (lstat(frames.path.c_str(), &found) == 0)
            return Refuse(option, given, "is a link that leads nowhere");
        folder = FolderOf(frames.path);
        const std::string name = NameOf(frames.path);
        if (auto why = CheckFolder(folder, found))
            return Refuse(option, given, *why + "; only the last folder is created");
        if (auto why = NameTooLong(folder, frames.path, name.size()))
            return Refuse(option, given, *why);
        frames.create = true;
        frames.identity = IdentityOf(found, name);
    }
    // Every frame and its temporary must fit in the folder, which has the limits of its
    // parent while it does not exist yet.
    const std::string longest = FrameFileName(lastFrame);
    if (auto why = NameTooLong(folder, frames.path + "/" + longest,
                               std::max(longest.size(), kTemporaryNameLength)))
        return Refuse(option, given, *why);
    return frames;
}

}  // namespace vireflu
