// Writing into what is there: files keep what makes them theirs, a failed or interrupted
// run leaves every previous file as it was, a reader never sees a file half-written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>

#include "tool_runner.h"

namespace {

// By bytes, for names that are not text.
QByteArray ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return QByteArray::fromStdString({std::istreambuf_iterator<char>(file), {}});
}

// What a file keeps when a run writes into it: its kind (link, device, file), mode, owner
// and number of names.
std::string Attributes(const std::string& path) {
    struct stat link {};
    struct stat file {};
    if (lstat(path.c_str(), &link) != 0 || stat(path.c_str(), &file) != 0) return "none";
    return std::to_string(link.st_mode & S_IFMT) + " " + std::to_string(file.st_mode) + " " +
           std::to_string(file.st_uid) + ":" + std::to_string(file.st_gid) + " " +
           std::to_string(file.st_nlink);
}

bool IsStateJson(const QByteArray& bytes) {
    return QJsonDocument::fromJson(bytes).object().contains("statorAngle");
}

struct ExistingTarget {
    const char* name;
    const char* setup;          // run in the scratch folder
    std::string target;         // the --state path, from the scratch folder
    QStringList alsoShowing{};  // other names that must show the new state afterwards
};

const ExistingTarget kExistingTargets[] = {
    {"PrivateFile", "echo old >s.json && chmod 600 s.json", "s.json"},
    {"OtherUsersFile", "echo old >s.json && { [ $(id -u) != 0 ] || chown 9:9 s.json; }", "s.json"},
    {"HardLinkedFile", "echo old >s.json && ln s.json o.json", "s.json", {"o.json"}},
    {"LinkToAFile", "echo old >t.json && ln -s t.json s.json", "s.json"},
    {"LinkToNothingYet", "ln -s new.json s.json", "s.json", {"new.json"}},
    // The kernel follows 40 links in a row, and so do we.
    {"FortyLinks", "echo old >l41 && for i in $(seq 40); do ln -s l$((i + 1)) l$i; done", "l1"},
    // A device node of our own where we may: a faulty run as root must not replace /dev/null.
    {"Device", "mknod null c 1 3 2>/dev/null || ln -s /dev/null null", "null"},
    // Not UTF-8; and 255 bytes, the longest name a folder takes, beside its temporary.
    {"NameNotText", "true", "\xff\xfe"},
    {"LongestName", "true", std::string(255, 'n')},
};

class ExistingTargetTest : public testing::TestWithParam<ExistingTarget> {};

TEST_P(ExistingTargetTest, KeepsItsModeOwnerLinksAndKind) {
    const Scratch scratch;
    ASSERT_EQ(RunShell("cd \"" + scratch.Root() + "\" && " + GetParam().setup).exitCode, 0);
    const std::string& target = GetParam().target;
    const std::string path =
        target.starts_with('/') ? target : scratch.Root().toStdString() + "/" + target;
    const std::string before = Attributes(path);
    // The path goes to the shell as bytes, so names that are not text reach the program.
    setenv("TARGET", path.c_str(), 1);
    const ToolRun run = RunShell("exec \"$R\" --state \"$TARGET\"");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(before == "none" || Attributes(path) == before) << before;
    // Written under its own bytes; only a device is not read back.
    struct stat file {};
    EXPECT_TRUE((stat(path.c_str(), &file) == 0 && S_ISCHR(file.st_mode)) ||
                IsStateJson(ReadFile(path)));
    for (const QString& name : GetParam().alsoShowing)
        EXPECT_TRUE(IsStateJson(ReadFile(scratch.Path(name).toStdString()))) << name.toStdString();
    EXPECT_EQ(QDir(scratch.Root()).entryList({".*"}, QDir::Files | QDir::Hidden), QStringList());
}

INSTANTIATE_TEST_SUITE_P(EachKind, ExistingTargetTest, testing::ValuesIn(kExistingTargets),
                         [](const auto& row) { return row.param.name; });

struct FailedWrite {
    const char* name;
    const char* script;     // run in the scratch folder, which holds s.json
    const char* says = "";  // in the message
};

// Failures that no check can foresee, and a frames folder that a check must (a link to
// nothing): nothing of the run may stay, and the file it would have replaced keeps its contents.
const FailedWrite kFailedWrites[] = {
    {"FullDevice",
     "{ mknod full c 1 7 2>/dev/null || ln -s /dev/full full; } && "
     "\"$R\" --state s.json --output full; s=$?; rm full && exit $s"},
    {"FullStandardOutput", "exec \"$R\" --output v.png --state - >/dev/full"},
    {"ClosedStandardOutput", "exec \"$R\" --output v.png --state - >&-"},
    {"HelpOnFullOutput", "exec \"$R\" --help >/dev/full"},
    // A frame that cannot be written stops the run at once, 20,000 ticks early: only the
    // frame before it stays (rmdir fails on anything more, a temporary included).
    {"FirstFrameFails",
     "mkdir -p f/frame-0001.png && \"$R\" --frames f --ticks 20000; s=$?; "
     "rm -r f/frame-0001.png f/frame-0000.png && rmdir f && exit $s"},
    {"FramesLinkToNothing",
     "ln -s nowhere f && \"$R\" --state s.json --frames f; s=$?; rm f && exit $s", "leads nowhere"},
    // A run that shows no view in pixels needs no image of its size, however large.
    {"ImageBeyondMemory",
     "(ulimit -v 600000 && exec \"$R\" --size 16384x16384 --output v.svg --state - >/dev/null) "
     "&& rm v.svg && ulimit -v 1500000 && exec \"$R\" --rotor-phases 3 --panel rotor "
     "--panel-output p.png --picture-size 16384x16384 --state s.json",
     "--picture-size 16384x16384 needs 4096 MiB"},  // 4 x 16384 x 16384 pixels of 4 bytes
};

class FailedWriteTest : public testing::TestWithParam<FailedWrite> {};

TEST_P(FailedWriteTest, OneLineExitTwoAndPreviousFilesKept) {
#ifdef __SANITIZE_ADDRESS__
    if (std::string(GetParam().name) == "ImageBeyondMemory")
        GTEST_SKIP() << "AddressSanitizer cannot start under a memory limit";
#endif
    const Scratch scratch;
    std::ofstream(scratch.Path("s.json").toStdString()) << "old";
    const ToolRun run = RunShell("cd \"" + scratch.Root() + "\" && " + GetParam().script);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(GetParam().says), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(scratch.Path("s.json").toStdString()), "old");
    EXPECT_EQ(scratch.Entries(), QStringList{"s.json"});
}

INSTANTIATE_TEST_SUITE_P(EachFailure, FailedWriteTest, testing::ValuesIn(kFailedWrites),
                         [](const auto& row) { return row.param.name; });

// With no room for a worker's stack, the writing thread encodes the frames: the same files.
TEST(ThreadLimitTest, FramesEncodedWithoutWorkers) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer cannot start under a memory limit";
#endif
    const Scratch scratch;
    const ToolRun run =
        RunShell("cd \"" + scratch.Root() +
                 "\" && F='--presentation couple --ticks 12 --frames' && \"$R\" $F w "
                 "&& (ulimit -s 4000000 && ulimit -v 3000000 && exec \"$R\" $F t) && diff -r w t");
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

TEST(ConcurrentReaderTest, NeverSeesAPartialFile) {
    const Scratch scratch;
    const std::string path = scratch.Path("s.json").toStdString();
    std::ofstream(path) << R"({"statorAngle": 0})";
    std::atomic<bool> writing = true;
    int reads = 0, partial = 0;
    std::thread reader([&] {
        for (; writing; ++reads) partial += !IsStateJson(ReadFile(path));
    });
    for (int run = 0; run < 12; ++run)
        RunTool({"--state", path.c_str(), "--ticks", QString::number(run * 40)});
    writing = false;
    reader.join();
    EXPECT_GT(reads, 12);
    EXPECT_EQ(partial, 0);
}

class InterruptTest : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(InterruptTest, RemovesTemporariesKeepsPreviousFilesAndExitsAsTheShellExpects) {
    const auto [signal, status] = GetParam();
    const Scratch scratch;
    std::ofstream(scratch.Path("s.json").toStdString()) << "old";
    QProcess process;
    process.start(VIREFLU_RENDER_PATH,
                  {"--state", scratch.Path("s.json"), "--frames", scratch.Path("f"), "--ticks",
                   "1000000", "--size", "64x64"});
    // Frames are being written, each through its own temporary, when the signal comes.
    for (int wait = 0; wait < 1000 && !QFile::exists(scratch.Path("f/frame-0020.png")); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    kill(static_cast<pid_t>(process.processId()), signal);
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.exitCode(), status);
    EXPECT_EQ(ReadFile(scratch.Path("s.json").toStdString()), "old");
    EXPECT_EQ(scratch.Entries(), (QStringList{"f", "s.json"}));
    EXPECT_EQ(QDir(scratch.Path("f")).entryList({".*"}, QDir::Files | QDir::Hidden), QStringList());
}

INSTANTIATE_TEST_SUITE_P(EachSignal, InterruptTest,
                         testing::Values(std::pair{SIGINT, 130}, std::pair{SIGTERM, 143},
                                         std::pair{SIGHUP, 129}));

}  // namespace
