#include "output_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>
#include <variant>

#include "quoted_text.h"
#include "temporary_files.h"

namespace vireflu {

namespace {

OptionError Failed(const OutputTarget& target, int error) {
    return OptionError{target.option + " " + Quoted(target.given) + " could not be written (" +
                       std::strerror(error) + ")"};
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = write(fd, next, static_cast<std::size_t>(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        next += written;
        left -= written;
    }
    return true;
}

mode_t CreationMask() {
    static const mode_t mask = [] {
        const mode_t found = umask(0);
        umask(found);
        return found;
    }();
    return mask;
}

// An existing file keeps its mode, owner and other names (hard links). Renaming the
// temporary over it keeps readers from ever seeing it half-written, but gives it a new
// inode: fine for a file with one name whose owner the temporary can take. A file with
// other names, or whose owner we cannot give the temporary (another user's file we may
// write to), keeps them only if its own inode is rewritten: that is done at commit, from
// the contents already written whole to the temporary, whose blocks make sure the space
// is there. Sets `inPlace` for those; otherwise gives the temporary the file's owner and
// mode, or a new file's usual mode.
bool TakeOverAttributes(int fd, const OutputTarget& target, bool& inPlace) {
    if (target.kind == TargetKind::NewFile) return fchmod(fd, 0666 & ~CreationMask()) == 0;
    const struct stat& old = target.existing;
    struct stat temporary {};
    if (fstat(fd, &temporary) != 0) return false;
    inPlace = old.st_nlink > 1;
    if (!inPlace && (temporary.st_uid != old.st_uid || temporary.st_gid != old.st_gid))
        inPlace = fchown(fd, old.st_uid, old.st_gid) != 0;
    return inPlace || fchmod(fd, old.st_mode & 07777) == 0;
}

// Closes `fd` after a write; true when both succeeded, with errno telling the first failure.
bool CloseAfter(int fd, bool written) {
    const int error = errno;
    if (close(fd) != 0) return false;
    errno = error;
    return written;
}

// Rewrites an existing file's own inode. Its space is reserved first, so a full disk
// stops the write before the old contents are touched.
bool WriteInPlace(const std::string& path, const QByteArray& bytes) {
    const int fd = open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    const bool reserved =
        fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, bytes.size()) == 0 || errno == EOPNOTSUPP;
    return CloseAfter(fd, reserved && WriteAll(fd, bytes) && ftruncate(fd, bytes.size()) == 0);
}

// A device, a FIFO or an open file behind /dev/stdout, opened as a shell's ">" opens it.
bool WriteDirectly(const std::string& path, const QByteArray& bytes) {
    const int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
    return fd >= 0 && CloseAfter(fd, WriteAll(fd, bytes));
}

}  // namespace

OutputBatch::~OutputBatch() {
    for (const Staged& file : staged)
        if (!file.temporary.empty()) ReleaseTemporary(file.temporary);
}

std::optional<OptionError> OutputBatch::Stage(const OutputTarget& target, QByteArray contents) {
    if (contents.isEmpty())
        return OptionError{target.option + " " + Quoted(target.given) + " could not be encoded"};
    Staged file;
    file.target = target;
    file.contents = std::move(contents);
    const bool replaced =
        target.kind == TargetKind::NewFile || target.kind == TargetKind::RegularFile;
    if (!replaced) {
        staged.push_back(std::move(file));
        return std::nullopt;
    }
    const int fd = CreateTemporary(target.folder, file.temporary);
    if (fd < 0) return Failed(target, errno);
    staged.push_back(file);
    Staged& added = staged.back();
    if (!CloseAfter(fd,
                    WriteAll(fd, added.contents) && TakeOverAttributes(fd, target, added.inPlace)))
        return Failed(target, errno);
    return std::nullopt;
}

std::optional<OptionError> OutputBatch::Commit(std::ostream& out) {
    for (const Staged& file : staged) {
        const OutputTarget& target = file.target;
        if (target.kind == TargetKind::StandardOutput) {
            errno = 0;
            out.write(file.contents.constData(), file.contents.size());
            out.flush();
            if (!out) return Failed(target, errno != 0 ? errno : EIO);
        } else if (target.kind == TargetKind::Direct &&
                   !WriteDirectly(target.path, file.contents)) {
            return Failed(target, errno);
        }
    }
    // Held back, an interrupt cannot stop a file half-rewritten in place.
    const InterruptsHeld held;
    for (Staged& file : staged) {
        if (file.temporary.empty()) continue;
        const std::string temporary = std::exchange(file.temporary, {});
        if (file.inPlace) {
            ReleaseTemporary(temporary);
            if (!WriteInPlace(file.target.path, file.contents)) return Failed(file.target, errno);
        } else if (rename(temporary.c_str(), file.target.path.c_str()) == 0) {
            ReleaseTemporary(temporary, false);
        } else {
            const int error = errno;
            ReleaseTemporary(temporary);
            return Failed(file.target, error);
        }
    }
    staged.clear();
    return std::nullopt;
}

std::optional<OptionError> WriteFrameFile(const std::string& path, const QByteArray& png) {
    auto target = ResolveOutput("--frames", path, false);
    if (auto* refused = std::get_if<OptionError>(&target)) return *refused;
    OutputBatch batch;
    if (auto failed = batch.Stage(std::get<OutputTarget>(target), png)) return failed;
    // A frame never goes to standard output, which the batch would need.
    std::ostream none(nullptr);
    return batch.Commit(none);
}

}  // namespace vireflu
