// Nothing lost, ever: every operation that writes the statistics files is stopped at each of its
// steps in turn (the process ends there, as in a crash) or made to fail there with a real error,
// and the files are checked byte for byte afterwards.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <optional>

#include "stats/file_io.h"
#include "stats/names.h"
#include "stats/stats_file.h"
#include "stats_files.h"

using namespace vella;
namespace fs = std::filesystem;

namespace {

using Content = std::optional<std::vector<unsigned char>>;  // nullopt: the file is missing

Content Read(const fs::path& path) {
    if (!fs::exists(path)) return std::nullopt;
    return ReadBytes(path);
}

void Lay(const fs::path& path, const Content& content) {
    fs::remove(path);
    if (content) WriteBytes(path, *content);
}

struct Operation {
    const char* name;
    Content dat, bak;
    std::function<Status(StatsFile&)> run;
};

std::vector<Operation> WritingOperations() {
    const auto three = RecordsOf({"ann", "bob", "carl"});
    const FinishedGame won{1, 2, true, 6};
    const auto backup = [](StatsFile& s) { return Status(s.Backup()); };  // the shutdown step
    return {
        {"RecordKnownPlayer", three, std::nullopt,
         [=](StatsFile& s) { return s.RecordGame(StoredName("bob"), won); }},
        {"RecordNewPlayer", three, std::nullopt,
         [=](StatsFile& s) { return s.RecordGame(StoredName("dora"), won); }},
        {"RecordFirstEver", std::nullopt, std::nullopt,
         [=](StatsFile& s) { return s.RecordGame(StoredName("ann"), won); }},
        {"RemoveAmongSeveral", three, std::nullopt,
         [](StatsFile& s) { return Status(s.RemovePlayer(2, StoredName("bob"))); }},
        {"RemoveTheOnlyOne", RecordsOf({"ann"}), std::nullopt,
         [](StatsFile& s) { return Status(s.RemovePlayer(1, StoredName("ann"))); }},
        {"BackupOverOldBackup", three, RecordsOf({"old"}), backup},
        {"BackupFirstTime", three, std::nullopt, backup},
        {"DeleteWhenEmpty", std::vector<unsigned char>(71, 7), RecordsOf({"old"}), backup},
        {"DeleteWhenEmptyNoFile", std::nullopt, RecordsOf({"old"}), backup},
    };
}

class FileSteps : public ::testing::Test {
  protected:
    void TearDown() override { fileio::SetFaultHook(nullptr); }

    void LayOld(const Operation& op) {
        Lay(stats.DatPath(), op.dat);
        Lay(stats.BakPath(), op.bak);
        fs::remove(stats.TmpPath());
    }

    // The outcome of the operation run to its end, and the number of changing steps it takes
    // (the lock call before them changes nothing).
    int NewState(const Operation& op, Content& dat, Content& bak) {
        LayOld(op);
        int steps = 0;
        fileio::SetFaultHook([&](fileio::Step step, const fs::path&) {
            if (step != fileio::Step::Lock) ++steps;
            return 0;
        });
        const Status done = op.run(stats);
        fileio::SetFaultHook(nullptr);
        EXPECT_TRUE(done.Ok()) << op.name << ": " << done.Error;
        dat = Read(stats.DatPath());
        bak = Read(stats.BakPath());
        EXPECT_FALSE(fs::exists(stats.TmpPath())) << op.name;
        return steps;
    }

    TempFolder folder;
    StatsFile stats{folder.Path()};
};

TEST_F(FileSteps, ACrashAtAnyStepLeavesTheOldOrTheNewFilesNeverAnythingElse) {
    int cases = 0, losses = 0;
    for (const Operation& op : WritingOperations()) {
        Content newDat, newBak;
        const int steps = NewState(op, newDat, newBak);
        for (int k = 1; k <= steps; ++k) {
            LayOld(op);
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                int step = 0;
                fileio::SetFaultHook([&](fileio::Step s, const fs::path&) {
                    if (s != fileio::Step::Lock && ++step == k) _exit(42);  // the crash
                    return 0;
                });
                op.run(stats);
                _exit(0);
            }
            int status = 0;
            waitpid(child, &status, 0);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 42) << op.name << " step " << k;
            ++cases;
            const Content dat = Read(stats.DatPath());
            const Content bak = Read(stats.BakPath());
            const bool kept = (dat == op.dat || dat == newDat) && (bak == op.bak || bak == newBak);
            if (!kept) ++losses;
            EXPECT_TRUE(kept) << op.name << ": crash at step " << k << " of " << steps;
        }
    }
    EXPECT_EQ(losses, 0);
    EXPECT_GE(cases, 24);  // every step of every operation above
    RecordProperty("crash_cases", cases);
    std::printf("crash injection: %d cases, %d losses\n", cases, losses);
}

TEST_F(FileSteps, AnErrorAtAnyStepIsReportedWithFileAndReasonAndKeepsEverything) {
    int cases = 0;
    for (const Operation& op : WritingOperations()) {
        Content newDat, newBak;
        const int steps = NewState(op, newDat, newBak);
        for (int error : {ENOSPC, EACCES, EROFS, EBUSY}) {
            for (int k = 1; k <= steps; ++k) {
                LayOld(op);
                int step = 0;
                fileio::SetFaultHook([&](fileio::Step s, const fs::path&) {
                    return s != fileio::Step::Lock && ++step == k ? error : 0;
                });
                const Status done = op.run(stats);
                fileio::SetFaultHook(nullptr);
                ++cases;
                const std::string reason = std::strerror(error);
                ASSERT_FALSE(done.Ok()) << op.name << " step " << k;
                EXPECT_NE(done.Error.find(reason), std::string::npos) << done.Error;
                EXPECT_TRUE(done.Error.find("stats.") != std::string::npos) << done.Error;
                // The shutdown step deletes an empty file; a failure to delete it loses nothing.
                EXPECT_EQ(Read(stats.DatPath()), op.dat)
                    << op.name << " step " << k << " " << reason;
                EXPECT_EQ(Read(stats.BakPath()), op.bak)
                    << op.name << " step " << k << " " << reason;
                EXPECT_FALSE(fs::exists(stats.TmpPath())) << op.name << " step " << k;
            }
        }
    }
    std::printf("error injection: %d cases\n", cases);
}

// Where the file system takes no lock, every operation goes on without one and ends as usual.
TEST_F(FileSteps, AFileSystemWithoutLocksStillKeepsTheStatistics) {
    for (const Operation& op : WritingOperations()) {
        Content newDat, newBak;
        NewState(op, newDat, newBak);
        for (int error : {EBADF, ENOLCK, EOPNOTSUPP}) {
            LayOld(op);
            int refused = 0;
            fileio::SetFaultHook([&](fileio::Step s, const fs::path&) {
                return s == fileio::Step::Lock ? (++refused, error) : 0;
            });
            const Status done = op.run(stats);
            fileio::SetFaultHook(nullptr);
            EXPECT_GE(refused, 1) << op.name;
            EXPECT_TRUE(done.Ok()) << op.name << ": " << done.Error;
            EXPECT_EQ(Read(stats.DatPath()), newDat) << op.name << " " << std::strerror(error);
            EXPECT_EQ(Read(stats.BakPath()), newBak) << op.name << " " << std::strerror(error);
        }
    }
    // Reading too, and in a folder where not even the lock file can be made.
    WriteBytes(stats.DatPath(), RecordsOf({"ann", "bob"}));
    fileio::SetFaultHook(
        [](fileio::Step s, const fs::path&) { return s == fileio::Step::Lock ? ENOLCK : 0; });
    EXPECT_EQ(stats.ReadNames().Value.size(), 2u);
}

TEST(FolderLock, TwoCopiesOfTheProgramNeverInterleave) {
    TempFolder folder;
    constexpr int Games = 120;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            StatsFile stats(folder.Path());
            const std::string own = StoredName(c == 0 ? "first" : "second");
            for (int i = 0; i < Games; ++i) {
                if (!stats.RecordGame(own, FinishedGame{0, 0, true, 3}).Ok()) _exit(1);
                if (!stats.RecordGame(StoredName("shared"), FinishedGame{0, 0, false, 10}).Ok())
                    _exit(1);
                if (i % 10 == 9) {  // a removal and a fresh append of a passing player
                    if (!stats.RecordGame(StoredName("passing"), FinishedGame{1, 3, true, 5}).Ok())
                        _exit(1);
                    const auto names = stats.ReadNames();
                    for (std::size_t n = 0; n < names.Value.size(); ++n) {
                        if (names.Value[n] == StoredName("passing"))
                            stats.RemoveRecord(static_cast<int>(n) + 1);
                    }
                }
            }
            _exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    StatsFile stats(folder.Path());
    const auto all = stats.ReadAll().Value;
    std::map<std::string, int> games;
    for (const PlayerRec& rec : all) games[rec.Name] += rec.NumGames[0];
    EXPECT_EQ(fs::file_size(stats.DatPath()) % RecordSize, 0u);
    EXPECT_EQ(games[StoredName("first")], Games);
    EXPECT_EQ(games[StoredName("second")], Games);
    EXPECT_EQ(games[StoredName("shared")], 2 * Games);
    EXPECT_LE(all.size(), 4u);
}

TEST(FolderLock, AnotherCopyHoldingTheFolderTooLongIsReported) {
    TempFolder folder;
    auto held = fileio::FolderLock::Acquire(folder.Path(), folder.Path() / "stats.dat");
    ASSERT_TRUE(held.Ok());
    int pipe_fds[2];
    ASSERT_EQ(pipe(pipe_fds), 0);
    const pid_t child = fork();
    if (child == 0) {
        auto other = fileio::FolderLock::Acquire(folder.Path(), folder.Path() / "stats.dat",
                                                 std::chrono::milliseconds(100));
        const char verdict = other.Ok() ? 'y' : 'n';
        const bool named = !other.Ok() && other.Error.find("in use by another copy of Vellacode") !=
                                              std::string::npos;
        const char answer[2] = {verdict, named ? 'y' : 'n'};
        (void)!write(pipe_fds[1], answer, 2);
        _exit(0);
    }
    char answer[2] = {};
    ASSERT_EQ(read(pipe_fds[0], answer, 2), 2);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(answer[0], 'n');
    EXPECT_EQ(answer[1], 'y');
}

}  // namespace
