// The statistics in a folder shared with other users and other copies, and with odd files in it:
// no link is followed, no special file waited on, no file too large read, no game lost silently,
// and a folder without statistics left as it was found.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <future>
#include <map>
#include <string>
#include <thread>

#include "child_process.h"
#include "faulty_files.h"
#include "stats/file_io.h"
#include "stats/player_name.h"
#include "stats/stats_file.h"
#include "stats_files.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <grp.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif

using namespace vella;
namespace fs = std::filesystem;

namespace {

fileio::FileSystem& System() {
    return fileio::PlatformFileSystem::Instance();
}

const FinishedGame Won{0, 0, true, 3};

std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SharedFolder, AFolderWithoutStatisticsIsLeftAsItWasFound) {
    TempFolder folder;
    StatsFile stats(folder.Path());
    EXPECT_EQ(stats.DeleteWhenEmpty().Value, 0);  // the statistics picture, with none
    EXPECT_TRUE(Listing(folder.Path()).empty());
    EXPECT_TRUE(stats.Backup().Ok());  // quitting at once
    EXPECT_TRUE(Listing(folder.Path()).empty());
    EXPECT_TRUE(stats.ReadNames().Ok());  // the log-in window makes an empty stats.dat …
    EXPECT_EQ(Listing(folder.Path()), (std::vector<std::string>{"stats.dat", "stats.lck"}));
    EXPECT_EQ(stats.Backup().Value, 0);  // … which the exit step removes with its lock file
    EXPECT_TRUE(Listing(folder.Path()).empty());

    // A player deleted as the only one leaves the lock file until the exit step.
    ASSERT_TRUE(stats.RecordGame(Player("ann"), Won).Ok());
    ASSERT_TRUE(stats.RemovePlayer(0, Player("ann")).Ok());
    EXPECT_TRUE(stats.Backup().Ok());
    EXPECT_TRUE(Listing(folder.Path()).empty());
}

// The statistics folder is made where it is missing; a file in its place, or above it, is named.
TEST(SharedFolder, TheStatisticsFolderIsMadeOrWhatStandsInItsWayIsSaid) {
    TempFolder base;
    EXPECT_TRUE(fileio::PrepareFolder(System(), base.Path() / "new" / "deeper").Ok());
    EXPECT_TRUE(fs::is_directory(base.Path() / "new" / "deeper"));
    WriteBytes(base.Path() / "plain", {});
    EXPECT_EQ(fileio::PrepareFolder(System(), base.Path() / "plain").Error,
              "Could not keep the statistics in " + fileio::Shown(base.Path() / "plain") +
                  ": it is not a folder.");
    const fs::path under = base.Path() / "plain" / "sub";
    EXPECT_EQ(fileio::PrepareFolder(System(), under)
                  .Error.rfind("Could not create the folder " + fileio::Shown(under) + ": ", 0),
              0u);
#ifndef _WIN32
    // Used all the same, every step says what is wrong.
    StatsFile misplaced(base.Path() / "plain");
    for (const Status& done :
         {Status(misplaced.ReadNames()), misplaced.RecordGame(Player("ANN"), Won)}) {
        EXPECT_NE(done.Error.find(fileio::Shown(base.Path() / "plain") + " is not a folder."),
                  std::string::npos)
            << done.Error;
    }
#endif
}

// Another program may hold a statistics file open for a moment (a virus scanner, a backup). On
// Windows that stops a rename over it or its removal, so the step waits for it to be closed; a
// file held open for longer is reported as in use, and left as it was.
TEST(SharedFolder, AFileAnotherProgramHoldsOpenIsWaitedForOrReportedInUse) {
    TempFolder folder;
    StatsFile stats(folder.Path());
    const auto whileHeld = [](auto release, auto step) {  // released after 300 ms
        const auto closer = std::async(std::launch::async, [&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            release();
        });
        return step().Error;
    };
    const auto record = [&](const char* name) { return stats.RecordGame(Player(name), Won); };
    WriteBytes(stats.DatPath(), RecordsOf({"ann"}));
    std::ifstream reader(stats.DatPath(), std::ios::binary);
    EXPECT_EQ(whileHeld([&] { reader.close(); }, [&] { return record("bob"); }), "");
    EXPECT_EQ(RecordsIn(stats.DatPath()).size(), 2u);
#ifdef _WIN32
    reader.open(stats.DatPath(), std::ios::binary);
    const std::string held = record("cyd").Error;
    EXPECT_NE(held.find("stats.dat\": it is open in another program"), std::string::npos) << held;
    reader.close();
    EXPECT_EQ(RecordsIn(stats.DatPath()).size(), 2u);
    // A program that lets the file be deleted, but not replaced.
    const HANDLE lenient = CreateFileW(stats.DatPath().c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(whileHeld([&] { CloseHandle(lenient); }, [&] { return record("cyd"); }), "");
#endif
    WriteBytes(stats.DatPath(), {});
    reader.open(stats.DatPath(), std::ios::binary);
    EXPECT_EQ(whileHeld([&] { reader.close(); }, [&] { return stats.Backup(); }), "");
    EXPECT_FALSE(fs::exists(stats.DatPath()));
}

#ifndef _WIN32

TEST(SharedFolder, FilesTooLargeForTheFormatAreRefusedUnreadAndKept) {
    TempFolder folder;
    StatsFile stats(folder.Path());
    WriteBytes(stats.DatPath(), {});
    for (std::uint64_t length :
         {StatsFile::MaxLength + 1, std::uint64_t{143} << 31, std::uint64_t{143} << 32}) {
        fs::resize_file(stats.DatPath(), 0);
        fs::resize_file(stats.DatPath(), length);  // sparse: no disk is used
        const std::vector<Status> done{stats.ReadNames(),
                                       stats.ReadPlayer(0, Player("a")),
                                       stats.DeleteWhenEmpty(),
                                       stats.Backup(),
                                       stats.RecordGame(Player("a"), Won),
                                       stats.RemovePlayer(0, Player("a"))};
        for (const Status& status : done) {
            EXPECT_NE(status.Error.find("stats.dat\": it is too large"), std::string::npos)
                << length << ": " << status.Error;
        }
        EXPECT_EQ(fs::file_size(stats.DatPath()), length);
        EXPECT_FALSE(fs::exists(stats.BakPath()));
    }
    fs::resize_file(stats.DatPath(), StatsFile::MaxLength);
    EXPECT_EQ(PlayerCount(stats), StatsFile::MaxRecords + 1);
}

// Links, pipes and folders under each statistics file's name: refused with a message that names
// the file and says what it is, never opened, followed or waited on, and left as they are.
TEST(SharedFolder, NoStatisticsFileIsFollowedWaitedOnOrWrittenThrough) {
    TempFolder elsewhere;
    const fs::path victim = elsewhere / "private";
    WriteBytes(victim, {9, 9, 9});
    const std::vector<std::pair<const char*, std::function<void(const fs::path&)>>> plants{
        {"a symbolic link", [&](const fs::path& at) { fs::create_symlink(victim, at); }},
        {"a symbolic link", [&](const fs::path& at) { fs::create_symlink(elsewhere / "no", at); }},
        {"a named pipe", [](const fs::path& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0666), 0); }},
        {"a folder", [](const fs::path& at) { fs::create_directory(at); }}};
    for (const std::string file : {"stats.dat", "stats.bak", "stats.tmp", "stats.lck"}) {
        for (const auto& [kind, plant] : plants) {
            TempFolder folder;
            StatsFile stats(folder.Path());
            if (file != "stats.dat") WriteBytes(stats.DatPath(), RecordsOf({"ann", "bob"}));
            plant(folder / file.c_str());
            const auto type = fs::symlink_status(folder / file.c_str()).type();
            const bool isDat = file == "stats.dat", isLock = file == "stats.lck";
            const bool leftover = file == "stats.tmp" && type != fs::file_type::directory;
            const bool writesFail = isDat || isLock || (file == "stats.tmp" && !leftover);
            // Named by its whole path, and what it is (a stats.tmp in the way, beside the file
            // being written).
            const auto named = [&](const std::string& error) {
                return error.find("/" + file + "\"") != std::string::npos &&
                       error.find(std::string("it is ") + kind) != std::string::npos;
            };
            const auto expect = [&](const Status& done, bool fails) {
                EXPECT_EQ(done.Ok(), !fails) << file << " as " << kind << ": " << done.Error;
                EXPECT_EQ(named(done.Error), fails) << done.Error;
            };
            expect(stats.ReadNames(), isDat);
            expect(stats.DeleteWhenEmpty(), isDat || isLock);
            expect(stats.RecordGame(Player("ann"), Won), writesFail);
            expect(stats.RemovePlayer(1, Player("bob")), writesFail);
            expect(stats.Backup(), writesFail || file == "stats.bak");

            EXPECT_EQ(ReadBytes(victim), (std::vector<unsigned char>{9, 9, 9}));
            EXPECT_FALSE(fs::exists(elsewhere / "no"));
            const auto after = fs::symlink_status(folder / file.c_str()).type();
            EXPECT_EQ(after, leftover ? fs::file_type::not_found : type) << file << " " << kind;
            if (writesFail && !isDat) {
                EXPECT_EQ(ReadBytes(stats.DatPath()), RecordsOf({"ann", "bob"}));
            }
        }
    }
}

// A child process stands for another user than the one who made the files: as the superuser,
// it becomes `nobody`; any other user is kept out by the files' modes alone.
void BecomeAnotherUser() {
    if (::geteuid() != 0) return;
    if (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 ||
        ::setresuid(65534, 65534, 65534) != 0)
        std::_Exit(90);
}

// Child task "record FOLDER": records one game and backs the file up, as another user. Exit
// code: 0 done, 1 refused with a reason that names the lock file, 2 refused for another reason;
// +4 where the backup fared otherwise, +8 where neither the log-in list nor the statistics
// picture could read the file.
int RecordAsAnotherUser(const fs::path& folder) {
    BecomeAnotherUser();
    StatsFile stats(folder);
    const auto outcome = [](const Status& done) {
        return done.Ok() ? 0 : done.Error.find("stats.lck\"") != std::string::npos ? 1 : 2;
    };
    const Status foreseen = stats.CheckRecordable();  // said before a game, word for word
    const Status done = stats.RecordGame(Player("ann"), Won);
    const int recorded = outcome(done);
    return recorded + (outcome(stats.Backup()) == recorded ? 0 : 4) +
           (stats.ReadNames().Ok() || stats.DeleteWhenEmpty().Ok() ? 0 : 8) +
           (foreseen.Error == done.Error ? 0 : 16);
}

TEST(SharedFolder, AnotherUsersLockFileOrAReadOnlyFolderStopsTheWriteAndSaysWhy) {
    struct Case {
        const char* name;
        fs::perms folder, dat, lock;  // lock none: no lock file
        int outcome, records = 1;     // records: bob's, or none (an emptied stats.dat)
    };
    const fs::perms all{0666}, readOnly{0444}, openFolder{0777}, closedFolder{0555};
    const std::vector<Case> cases{
        {"another user's lock file", openFolder, all, readOnly, 1},
        {"a read-only folder with a writable stats.dat", closedFolder, all, fs::perms::none, 1},
        {"a read-only folder and stats.dat, a lock file", closedFolder, readOnly, readOnly, 2},
        {"a shared folder, shared files", openFolder, all, all, 0},
        {"an unreadable stats.dat", openFolder, fs::perms::none, fs::perms::none, 2 + 8},
        {"a read-only stats.dat in a shared folder", openFolder, readOnly, all, 2 + 4},
        {"an emptied stats.dat in a read-only folder", closedFolder, all, all, 2, 0},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        StatsFile stats(folder.Path());
        WriteBytes(stats.DatPath(), c.records ? RecordsOf({"bob"}) : std::vector<unsigned char>{});
        fs::permissions(stats.DatPath(), c.dat);
        if (c.lock != fs::perms::none) {
            WriteBytes(stats.LockPath(), {});
            fs::permissions(stats.LockPath(), c.lock);
        }
        fs::permissions(folder.Path(), c.folder);
        ChildProcess child({"record", folder.Path().string()});
        EXPECT_EQ(child.Wait(), c.outcome) << c.name;
        fs::permissions(stats.DatPath(), fs::perms::owner_read, fs::perm_options::add);
        EXPECT_EQ(ReadBytes(stats.DatPath()).size(), ((c.outcome == 0) + c.records) * RecordSize)
            << c.name;
    }
}

// Rewritten files keep their mode, owner and group, and the lock file takes them; the statistics
// folder itself may be reached through a link.
TEST(SharedFolder, RewritesKeepTheFilesModeOwnerAndGroupAndTheLockFileTakesThem) {
    const mode_t saved = ::umask(077);
    const bool root = ::geteuid() == 0;  // the superuser may give any owner and group
    const uid_t owner = root ? 4243 : ::geteuid();
    const gid_t group = root ? 4242 : ::getegid();
    for (mode_t mode : {0600, 0640, 0660, 0664}) {
        TempFolder folder, links;
        fs::create_directory_symlink(folder.Path(), links / "statistics");
        StatsFile stats(links / "statistics");
        WriteBytes(stats.DatPath(), RecordsOf({"ann"}));
        ASSERT_EQ(::chown(stats.DatPath().c_str(), owner, group), 0);
        ASSERT_EQ(::chmod(stats.DatPath().c_str(), mode), 0);
        ASSERT_TRUE(stats.RecordGame(Player("bob"), Won).Ok());
        ASSERT_TRUE(stats.Backup().Ok());
        for (const fs::path& path : {stats.DatPath(), stats.LockPath(), stats.BakPath()}) {
            struct stat st = {};
            ASSERT_EQ(::stat(path.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 0777, mode) << path;
            EXPECT_EQ(st.st_gid, group) << path;
            EXPECT_EQ(st.st_uid, owner) << path;
        }
    }
    ::umask(saved);
}

// A copy that waited for a lock file which the exit step then removed holds a file no other copy
// can find: it must take the lock again, on the new file.
TEST(SharedFolder, ALockFileRemovedWhileWaitedForIsTakenAfresh) {
    TempFolder folder;
    const fs::path lock = folder / "stats.lck", dat = folder / "stats.dat";
    auto first = fileio::FolderLock::Acquire(System(), lock, dat, fileio::Need::Write);
    ASSERT_TRUE(first.Ok());
    fileio::FolderLock second;
    std::thread waiting([&] {
        second =
            std::move(fileio::FolderLock::Acquire(System(), lock, dat, fileio::Need::Write).Value);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    first.Value.RemoveFile();
    first.Value = fileio::FolderLock();
    waiting.join();
    ASSERT_EQ(second.Standing(), fileio::FolderLock::State::Held);
    const auto third = fileio::FolderLock::Acquire(System(), lock, dat, fileio::Need::Write,
                                                   std::chrono::milliseconds(200));
    EXPECT_FALSE(third.Ok());
    EXPECT_NE(third.Error.find("in use"), std::string::npos) << third.Error;
}

#endif

// The load: eight copies record games for their own player and a shared one, one copy adds and
// deletes a passing player, one reads every player's figures; all at once.
constexpr int Recorders = 8, GamesEach = 100;

// The lock file made unusable in each way a folder can, or only classic locks to be had.
enum class Spoil { None, ClassicLockOnly, LockFolder, LockLink, LockPipe, LockOfAnotherUser };
#ifdef _WIN32
const std::vector<Spoil> Spoils{Spoil::None, Spoil::LockFolder};
#else
const std::vector<Spoil> Spoils{Spoil::None,     Spoil::ClassicLockOnly, Spoil::LockFolder,
                                Spoil::LockLink, Spoil::LockPipe,        Spoil::LockOfAnotherUser};
#endif

// Child task "load ROLE SPOIL FOLDER RESULTS": a recorder (ROLE 0..7) writes how many games it
// recorded for its own player and the shared one, and how many failures gave no reason naming the
// lock file; the reader fails on a torn file.
int TakePart(int role, Spoil spoil, const fs::path& folder, const fs::path& results) {
#ifndef _WIN32
    if (spoil == Spoil::LockOfAnotherUser) BecomeAnotherUser();
#endif
    FaultyFiles files;
    if (spoil == Spoil::ClassicLockOnly) {
        files.Fail(
            [](FaultyFiles::Step s) { return s == FaultyFiles::Step::OfdLock ? EINVAL : 0; });
    }
    StatsFile stats(folder, files);
    if (role < Recorders) {
        int own = 0, shared = 0, unexplained = 0;
        for (int game = 0; game < GamesEach; ++game) {
            const bool mine = game % 2 == 0;
            const Status done =
                stats.RecordGame(Player(mine ? "p" + std::to_string(role) : "shared"), Won);
            if (done.Ok())
                ++(mine ? own : shared);
            else if (done.Error.find("stats.lck") == std::string::npos)
                ++unexplained;
        }
        std::ofstream(results / std::to_string(role)) << own << ' ' << shared << ' ' << unexplained;
        return 0;
    }
    for (int round = 0; round < 40; ++round) {
        if (role == Recorders) {  // adds and deletes a passing player
            stats.RecordGame(Player("passing"), Won);
            const auto names = stats.ReadNames().Value;
            for (std::size_t k = 0; k < names.size(); ++k) {
                if (names[k] == Player("passing"))
                    stats.RemovePlayer(static_cast<int>(k), names[k]);
            }
        } else {  // reads the file and every player's figures, as the statistics window does
            // Outside the lock, as any other program may read.
            const auto raw = fileio::ReadAll(fileio::PlatformFileSystem::Instance(),
                                             stats.DatPath(), StatsFile::MaxLength);
            if (raw.Value.Data.size() % RecordSize != 0) return 1;
            const auto names = stats.ReadNames().Value;
            for (std::size_t k = 0; k < names.size(); ++k) {
                const auto rec = stats.ReadPlayer(static_cast<int>(k), names[k]).Value;
                if (rec && (rec->Name != names[k].Field() || rec->Wins[0] > rec->NumGames[0]))
                    return 1;
            }
        }
    }
    return 0;
}

TEST(SharedFolder, UnderLoadEveryGameIsCountedOnceOrItsFailureReported) {
    for (Spoil spoil : Spoils) {
        TempFolder folder, results;
        StatsFile stats(folder.Path());
        const auto keeper = RecordsOf({"keeper"});
        WriteBytes(stats.DatPath(), keeper);
        fs::permissions(stats.DatPath(), fs::perms(0666));
        fs::permissions(folder.Path(), fs::perms::all);
        fs::permissions(results.Path(), fs::perms::all);
        const fs::path lock = stats.LockPath();
        if (spoil == Spoil::LockFolder) fs::create_directory(lock);
#ifndef _WIN32
        if (spoil == Spoil::LockLink) fs::create_symlink(folder / "elsewhere", lock);
        if (spoil == Spoil::LockPipe) ::mkfifo(lock.c_str(), 0666);
        if (spoil == Spoil::LockOfAnotherUser) {
            WriteBytes(lock, {});
            fs::permissions(lock, fs::perms(0444));
        }
#endif
        std::vector<std::unique_ptr<ChildProcess>> copies;
        for (int role = 0; role < Recorders + 2; ++role) {
            copies.push_back(std::make_unique<ChildProcess>(std::vector<std::string>{
                "load", std::to_string(role), std::to_string(static_cast<int>(spoil)),
                folder.Path().string(), results.Path().string()}));
        }
        for (auto& copy : copies) EXPECT_EQ(copy->Wait(), 0) << static_cast<int>(spoil);

        std::map<std::string, int> counted;
        const auto all = RecordsIn(stats.DatPath());
        for (const PlayerRec& rec : all) counted[rec.Name] += rec.NumGames[0];
        EXPECT_EQ(all.size(), counted.size());  // one record a player
        int sharedRecorded = 0, recordedAll = 0;
        for (int role = 0; role < Recorders; ++role) {
            int own = -1, shared = -1, unexplained = -1;
            std::ifstream(results / std::to_string(role).c_str()) >> own >> shared >> unexplained;
            EXPECT_EQ(counted[Player("p" + std::to_string(role)).Field()], own) << role;
            EXPECT_EQ(unexplained, 0) << role;
            sharedRecorded += shared;
            recordedAll += own + shared;
        }
        EXPECT_EQ(counted[Player("shared").Field()], sharedRecorded);
        EXPECT_EQ(counted[Player("keeper").Field()], 1);
        const bool spoilt = spoil != Spoil::None && spoil != Spoil::ClassicLockOnly;
        EXPECT_EQ(recordedAll, spoilt ? 0 : Recorders * GamesEach) << static_cast<int>(spoil);
        const auto after = ReadBytes(stats.DatPath());
        ASSERT_GE(after.size(), keeper.size());
        EXPECT_EQ(std::vector(after.begin(), after.begin() + RecordSize), keeper);
    }
}

}  // namespace

int RunSharedFolderTask(const std::vector<std::string>& task) {
#ifndef _WIN32
    if (task.size() == 2 && task[0] == "record") return RecordAsAnotherUser(task[1]);
#endif
    if (task.size() == 5 && task[0] == "load") {
        return TakePart(std::stoi(task[1]), static_cast<Spoil>(std::stoi(task[2])), task[3],
                        task[4]);
    }
    return 3;
}
