#include "platform/FileAccess.h"

#include "../app/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace solvo {
namespace {

namespace fs = std::filesystem;

TEST(SaveSafety, ASaveSaysTheSystemsReason)
{
    test::TemporaryFolder folder;
    fs::create_directory(folder.Path() / "plain folder");
    const struct {
        fs::path path;
        std::string reason;
    } cases[] = {
        {folder.Path() / "missing" / "a.sln", "No such file or directory"},
        {folder.Path() / "plain folder", "Is a directory"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.path);
        std::string error;
        EXPECT_FALSE(WriteFileAtomically(FilePath(each.path), "new", &error));
        EXPECT_EQ(error, each.reason);
    }
    EXPECT_TRUE(fs::is_directory(folder.Path() / "plain folder"));
}

// Two saves racing for one new name: exactly one may win, every time,
// and the file holds the winner's bytes whole.
TEST(SaveSafety, OfTwoSavesToOneNewNameExactlyOneWins)
{
    test::TemporaryFolder folder;
    const std::array<std::string, 2> contents = {std::string(40000, 'a'), std::string(30000, 'b')};
    for (int round = 0; round < 100; ++round) {
        const FilePath file(folder.Path() / ("r" + std::to_string(round) + ".sln"));
        std::array<bool, 2> saved{};
        std::array<std::string, 2> errors;
        {
            std::array<std::jthread, 2> savers;
            for (std::size_t i = 0; i < 2; ++i)
                savers[i] = std::jthread([&, i] {
                    saved[i] = WriteFileAtomically(file, contents[i], &errors[i],
                                                   SaveMode::CreateNew);
                });
        }
        ASSERT_NE(saved[0], saved[1]) << "round " << round;
        const std::size_t winner = saved[0] ? 0 : 1;
        EXPECT_EQ(errors[1 - winner], "File exists");
        EXPECT_EQ(folder.Read(FilePath(file.Native().filename()).Utf8()), contents[winner]);
    }
    std::size_t names = 0;
    for (const auto& entry : fs::directory_iterator(folder.Path()))
        names += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(names, 100U) << "no temporary is left behind";
}

TEST(SaveSafety, ANewFileNeverReplacesOneThatIsThere)
{
    test::TemporaryFolder folder;
    folder.Write("taken.sln", "old");
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(FilePath(folder.Path() / "taken.sln"), "new", &error,
                                     SaveMode::CreateNew));
    EXPECT_EQ(error, "File exists");
    EXPECT_EQ(folder.Read("taken.sln"), "old");
#ifndef _WIN32
    // Nor the file a dangling link would make.
    fs::create_symlink("nowhere.sln", folder.Path() / "link.sln");
    EXPECT_FALSE(WriteFileAtomically(FilePath(folder.Path() / "link.sln"), "new", &error,
                                     SaveMode::CreateNew));
    EXPECT_FALSE(fs::exists(folder.Path() / "nowhere.sln"));
#endif
}

#ifndef _WIN32

// Everything but a regular file is left as it is, also behind a link.
TEST(SaveSafety, OnlyARegularFileIsReplaced)
{
    test::TemporaryFolder folder;
    const fs::path fifo = folder.Path() / "fifo.sln";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("fifo.sln", folder.Path() / "to-fifo.sln");
    struct Case {
        fs::path path;
        fs::path entry;
        fs::file_type type;
        std::string reason;
    };
    std::vector<Case> cases = {
        {fifo, fifo, fs::file_type::fifo, "Not a regular file but a FIFO"},
        {folder.Path() / "to-fifo.sln", fifo, fs::file_type::fifo,
         "Not a regular file but a FIFO"},
    };
    // A device node of its own (the one /dev/null is), which only root may make.
    const fs::path device = folder.Path() / "null";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        cases.push_back({device, device, fs::file_type::character,
                         "Not a regular file but a device"});
    for (const Case& each : cases) {
        SCOPED_TRACE(each.path);
        std::string error;
        EXPECT_FALSE(WriteFileAtomically(FilePath(each.path), "new", &error));
        EXPECT_EQ(error, each.reason);
        EXPECT_EQ(fs::symlink_status(each.entry).type(), each.type);
    }
}

TEST(SaveSafety, LinksThatLoopAreRefused)
{
    test::TemporaryFolder folder;
    fs::create_symlink("b.sln", folder.Path() / "a.sln");
    fs::create_symlink("a.sln", folder.Path() / "b.sln");
    fs::create_symlink("self.sln", folder.Path() / "self.sln");
    for (const char* name : {"a.sln", "self.sln"}) {
        SCOPED_TRACE(name);
        std::string error;
        EXPECT_FALSE(WriteFileAtomically(FilePath(folder.Path() / name), "new", &error));
        EXPECT_EQ(error, "Too many levels of symbolic links");
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.Path() / name)));
    }
}

// In a sticky folder that anyone may write, a link is followed only when
// its owner is the saver or the folder's owner, as the kernel's protection
// of such folders rules. Giving links away needs root.
TEST(SaveSafety, ALinkOfAnotherUserInASharedFolderIsNotFollowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a link to another user";
    test::TemporaryFolder folder;
    const fs::path shared = folder.Path() / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    constexpr uid_t kFolderOwner = 4001;
    constexpr uid_t kOtherUser = 4002;
    ASSERT_EQ(::chown(shared.c_str(), kFolderOwner, kFolderOwner), 0);
    const fs::path target = folder.Write("victim.sln", "old");
    const struct {
        const char* name;
        uid_t owner;
        bool followed;
    } cases[] = {{"other.sln", kOtherUser, false},
                 {"folder-owner.sln", kFolderOwner, true},
                 {"mine.sln", 0, true}};
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        const fs::path link = shared / each.name;
        fs::create_symlink(target, link);
        ASSERT_EQ(::lchown(link.c_str(), each.owner, each.owner), 0);
        std::string error;
        EXPECT_EQ(WriteFileAtomically(FilePath(link), each.name, &error), each.followed);
        EXPECT_EQ(folder.Read("victim.sln"), each.followed ? each.name : "old") << error;
        EXPECT_EQ(error, each.followed ? "" : "Permission denied");
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
        folder.Write("victim.sln", "old");
    }
}

// A folder the saver may not write to: the system's "Permission denied".
// Root may write anywhere, so there the save runs in a child that has
// given up root.
TEST(SaveSafety, AFolderThatMayNotBeWrittenGivesItsReason)
{
    test::TemporaryFolder folder;
    const fs::path locked = folder.Path() / "locked";
    fs::create_directory(locked);
    ASSERT_EQ(::chmod(locked.c_str(), 0555), 0);
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);
    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(1);
        std::string error;
        const bool saved = WriteFileAtomically(FilePath(locked / "a.sln"), "new", &error);
        const std::string report = saved ? "saved" : error;
        ::_exit(::write(channel[1], report.data(), report.size()) < 0 ? 1 : 0);
    }
    ::close(channel[1]);
    char buffer[256];
    const ssize_t count = ::read(channel[0], buffer, sizeof buffer);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_GT(count, 0);
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(count)), "Permission denied");
    EXPECT_FALSE(fs::exists(locked / "a.sln"));
}

// The output of a shell command, or nothing when it fails.
std::string Shell(const std::string& command)
{
    const std::string quiet = "(" + command + ") 2>/dev/null";
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> pipe(::popen(quiet.c_str(), "r"), ::pclose);
    std::string output;
    char buffer[4096];
    std::size_t count = 0;
    while (pipe && (count = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0)
        output.append(buffer, count);
    if (!pipe || ::pclose(pipe.release()) != 0)
        return {};
    return output;
}

TEST(SaveSafety, ASaveKeepsTheAccessListAndTheUsersAttributes)
{
    test::TemporaryFolder folder;
    const fs::path file = folder.Write("lab.sln", "old");
    const std::string quoted = "'" + file.string() + "'";
    if (Shell("setfacl -m u:4003:rw,g:4004:r " + quoted + " && setfattr -n user.lab -v bench4 " +
            quoted + " && echo ok") != "ok\n")
        GTEST_SKIP() << "setfacl or setfattr is missing or the file system keeps no ACL";
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0) << "the mask becomes r--";
    const std::string list = Shell("getfacl -cn " + quoted);
    const std::string attribute = Shell("getfattr --only-values -n user.lab " + quoted);
    ASSERT_FALSE(list.empty());
    ASSERT_EQ(attribute, "bench4");

    ASSERT_TRUE(WriteFileAtomically(FilePath(file), "new"));
    EXPECT_EQ(folder.Read("lab.sln"), "new");
    EXPECT_EQ(Shell("getfacl -cn " + quoted), list);
    EXPECT_EQ(Shell("getfattr --only-values -n user.lab " + quoted), attribute);
}

TEST(SaveSafety, RootSavingAUsersFileLeavesItTheirs)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can save a file it does not own";
    test::TemporaryFolder folder;
    const fs::path file = folder.Write("theirs.sln", "old");
    ASSERT_EQ(::chown(file.c_str(), 4005, 4006), 0);
    ASSERT_EQ(::chmod(file.c_str(), 02640), 0);
    ASSERT_TRUE(WriteFileAtomically(FilePath(file), "new"));
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 4005U);
    EXPECT_EQ(status.st_gid, 4006U);
    EXPECT_EQ(status.st_mode & 07777, 02640U);
}

#endif

} // namespace
} // namespace solvo
