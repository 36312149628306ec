// Nothing lost, ever: every operation that writes the statistics files is stopped at each of its
// steps in turn (the process ends there, as in a crash) or made to fail there with a real error,
// and the files are checked byte for byte afterwards.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>

#include "child_process.h"
#include "faulty_files.h"
#include "stats/file_io.h"
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
         [=](StatsFile& s) { return s.RecordGame(Player("bob"), won); }},
        {"RecordNewPlayer", three, std::nullopt,
         [=](StatsFile& s) { return s.RecordGame(Player("dora"), won); }},
        {"RecordFirstEver", std::nullopt, std::nullopt,
         [=](StatsFile& s) { return s.RecordGame(Player("ann"), won); }},
        {"RemoveAmongSeveral", three, std::nullopt,
         [](StatsFile& s) { return Status(s.RemovePlayer(1, Player("bob"))); }},
        {"RemoveTheOnlyOne", RecordsOf({"ann"}), std::nullopt,
         [](StatsFile& s) { return Status(s.RemovePlayer(0, Player("ann"))); }},
        {"BackupOverOldBackup", three, RecordsOf({"old"}), backup},
        {"BackupFirstTime", three, std::nullopt, backup},
        {"DeleteWhenEmpty", std::vector<unsigned char>(71, 7), RecordsOf({"old"}), backup},
        {"DeleteWhenEmptyNoFile", std::nullopt, RecordsOf({"old"}), backup},
    };
}

using Step = FaultyFiles::Step;

bool IsLock(Step step) {
    return step == Step::Lock || step == Step::OfdLock;
}

class FileSteps : public ::testing::Test {
  protected:
    void TearDown() override { files.Fail(nullptr); }

    void LayOld(const Operation& op) {
        Lay(stats.DatPath(), op.dat);
        Lay(stats.BakPath(), op.bak);
        fs::remove(stats.TmpPath());
        fs::remove(stats.LockPath());  // so that every run creates it, a step like the others
    }

    // The outcome of the operation run to its end, and the changing steps it takes (the lock
    // calls before them change nothing).
    std::vector<Step> NewState(const Operation& op, Content& dat, Content& bak) {
        LayOld(op);
        std::vector<Step> steps;
        files.Fail([&](Step step) {
            if (!IsLock(step)) steps.push_back(step);
            return 0;
        });
        const Status done = op.run(stats);
        files.Fail(nullptr);
        EXPECT_TRUE(done.Ok()) << op.name << ": " << done.Error;
        dat = Read(stats.DatPath());
        bak = Read(stats.BakPath());
        EXPECT_FALSE(fs::exists(stats.TmpPath())) << op.name;
        return steps;
    }

    TempFolder folder;
    FaultyFiles files;
    StatsFile stats{folder.Path(), files};
};

TEST_F(FileSteps, ACrashAtAnyStepLeavesTheOldOrTheNewFilesNeverAnythingElse) {
    int cases = 0, losses = 0;
    const std::vector<Operation> ops = WritingOperations();
    for (std::size_t op_index = 0; op_index < ops.size(); ++op_index) {
        const Operation& op = ops[op_index];
        Content newDat, newBak;
        const int steps = static_cast<int>(NewState(op, newDat, newBak).size());
        for (int k = 1; k <= steps; ++k) {
            LayOld(op);
            ChildProcess child(
                {"crash", std::to_string(op_index), std::to_string(k), folder.Path().string()});
            ASSERT_TRUE(child.Started());
            ASSERT_EQ(child.Wait(), 42) << op.name << " step " << k;
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

// A step that fails and every step after it too (so a repair would fail as well): the
// failure is reported and the files stay as they were, but for a folder that would not flush
// after the rename, which is reported as a change the disk did not confirm.
TEST_F(FileSteps, AnErrorAtAnyStepIsReportedWithFileAndReasonAndKeepsEverything) {
    int cases = 0;
    for (const Operation& op : WritingOperations()) {
        Content newDat, newBak;
        const std::vector<Step> steps = NewState(op, newDat, newBak);
        for (int error : {ENOSPC, EACCES, EROFS, EIO}) {
            for (std::size_t k = 0; k < steps.size(); ++k) {
                LayOld(op);
                std::size_t step = 0;
                files.Fail([&](Step s) { return !IsLock(s) && step++ >= k ? error : 0; });
                const Status done = op.run(stats);
                files.Fail(nullptr);
                ++cases;
                const std::string reason = std::strerror(error);
                const std::string where = std::string(op.name) + " step " + std::to_string(k);
                ASSERT_FALSE(done.Ok()) << where;
                EXPECT_NE(done.Error.find(reason), std::string::npos) << done.Error;
                // Named with its folder; never the temporary file it is written through.
                const std::string named = (folder / "stats.").lexically_normal().string();
                EXPECT_NE(done.Error.find(named), std::string::npos) << done.Error;
                EXPECT_EQ(done.Error.find("stats.tmp"), std::string::npos) << done.Error;
                const bool made = steps[k] == Step::SyncFolder;
                EXPECT_EQ(done.Unconfirmed, made) << where;
                EXPECT_EQ(Read(stats.DatPath()), made ? newDat : op.dat) << where << reason;
                EXPECT_EQ(Read(stats.BakPath()), made ? newBak : op.bak) << where << reason;
                EXPECT_FALSE(fs::exists(stats.TmpPath())) << where;
            }
        }
    }
    std::printf("error injection: %d cases\n", cases);
}

// A lock that cannot be had where the statistics could be written is never silently dropped:
// nothing is written and the reason is given; reading goes on. A kernel without open file
// description locks gets the classic kind.
TEST_F(FileSteps, ALockThatCannotBeHadStopsEveryWriteButNoRead) {
    for (const Operation& op : WritingOperations()) {
        Content newDat, newBak;
        NewState(op, newDat, newBak);
#ifdef _WIN32
        for (int error : {EBADF, ENOLCK, EOPNOTSUPP}) {  // one kind of lock only
#else
        for (int error : {EBADF, ENOLCK, EOPNOTSUPP, EINVAL}) {
#endif
            LayOld(op);
            int refused = 0;
            files.Fail([&](Step s) {
                const bool refuse = error == EINVAL ? s == Step::OfdLock : IsLock(s);
                return refuse ? (++refused, error) : 0;
            });
            const Status done = op.run(stats);
            files.Fail(nullptr);
            const std::string where = std::string(op.name) + " " + std::strerror(error);
            if (!op.dat && !newDat) continue;  // no statistics: nothing to lock
            EXPECT_GE(refused, 1) << where;
            if (error == EINVAL) {
                EXPECT_TRUE(done.Ok()) << where << ": " << done.Error;
            } else {
                EXPECT_NE(done.Error.find("stats.lck\": " + std::string(std::strerror(error))),
                          std::string::npos)
                    << where << ": " << done.Error;
            }
            EXPECT_EQ(Read(stats.DatPath()), error == EINVAL ? newDat : op.dat) << where;
            EXPECT_EQ(Read(stats.BakPath()), error == EINVAL ? newBak : op.bak) << where;
        }
    }
    WriteBytes(stats.DatPath(), RecordsOf({"ann", "bob"}));
    files.Fail([](Step s) { return IsLock(s) ? ENOLCK : 0; });
    EXPECT_EQ(stats.ReadNames().Value.size(), 2u);
}

// The child answers 0 when the lock was refused with the message that names the reason.
TEST(FolderLock, AnotherCopyHoldingTheFolderTooLongIsReported) {
    TempFolder folder;
    auto held =
        fileio::FolderLock::Acquire(fileio::PlatformFileSystem::Instance(), folder / "stats.lck",
                                    folder / "stats.dat", fileio::Need::Write);
    ASSERT_TRUE(held.Ok());
    ChildProcess other({"wait", folder.Path().string()});
    ASSERT_TRUE(other.Started());
    EXPECT_EQ(other.Wait(), 0);
}

}  // namespace

int RunChildTask(const std::vector<std::string>& task) {
    if (task.size() == 4 && task[0] == "crash") {
        const Operation op = WritingOperations().at(std::stoul(task[1]));
        const int k = std::stoi(task[2]);
        FaultyFiles files;
        StatsFile stats{fs::path(task[3]), files};
        int step = 0;
        files.Fail([&](Step s) {
            if (!IsLock(s) && ++step == k) std::_Exit(42);  // the crash, on the spot
            return 0;
        });
        op.run(stats);
        return 0;
    }
    if (task.size() == 2 && task[0] == "wait") {
        const fs::path folder(task[1]);
        auto other = fileio::FolderLock::Acquire(
            fileio::PlatformFileSystem::Instance(), folder / "stats.lck", folder / "stats.dat",
            fileio::Need::Read, std::chrono::milliseconds(100));
        if (other.Ok()) return 1;
        return other.Error.find("in use by another copy of Vellacode") != std::string::npos ? 0 : 2;
    }
    return RunSharedFolderTask(task);
}
