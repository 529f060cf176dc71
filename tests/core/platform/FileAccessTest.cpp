#include "platform/FileAccess.h"

#include "../app/TemporaryFolder.h"
#include "NonAsciiNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#ifndef _WIN32
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace solvo {
namespace {

namespace fs = std::filesystem;

// The names in a folder, as UTF-8.
std::vector<std::string> NamesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(FilePath(entry.path().filename()).Utf8());
    return names;
}

TEST(FileAccess, NamesWithAnyCharacterReachTheirFile)
{
    test::TemporaryFolder root;
    for (const std::string& name : test::NonAsciiNames()) {
        SCOPED_TRACE(name);
        const FilePath folder = FilePath(root.Path()).Child(name);
        fs::create_directories(folder.Native());
        const FilePath file = folder.Child(name + ".txt");
        ASSERT_TRUE(WriteFileAtomically(file, "bytes of " + name));
        EXPECT_EQ(NamesIn(folder.Native()), std::vector<std::string>{name + ".txt"});
        std::string bytes;
        ASSERT_TRUE(ReadWholeFile(file, bytes));
        EXPECT_EQ(bytes, "bytes of " + name);
        EXPECT_EQ(FilePath::FromUtf8(file.Utf8()), file);
    }
}

TEST(FileAccess, ASaveReplacesTheWholeFileAndLeavesNoTemporary)
{
    test::TemporaryFolder folder;
    const FilePath file(folder.Path() / "a.sln");
    ASSERT_TRUE(WriteFileAtomically(file, std::string(100000, 'x')));
    ASSERT_TRUE(WriteFileAtomically(file, "short"));
    EXPECT_EQ(folder.Read("a.sln"), "short");
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"a.sln"});

    // An abandoned save leaves the old file and no temporary either.
    EXPECT_FALSE(WriteFileAtomically(file, [](std::FILE*) { return false; }));
    EXPECT_EQ(folder.Read("a.sln"), "short");
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"a.sln"});
}

TEST(FileAccess, OnlyRegularFilesAreRead)
{
    test::TemporaryFolder folder;
    std::string bytes;
    EXPECT_FALSE(ReadWholeFile(FilePath(folder.Path()), bytes)) << "a folder";
    EXPECT_FALSE(ReadWholeFile(FilePath(folder.Path() / "missing"), bytes));
    EXPECT_FALSE(OpenRegularFile(FilePath(folder.Path())));
#ifndef _WIN32
    // Opening a FIFO for reading waits for a writer unless refused at once.
    const fs::path fifo = folder.Path() / "x.sln";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadWholeFile(FilePath(fifo), bytes)) << "a FIFO";
    EXPECT_FALSE(ReadWholeFile(FilePath::FromUtf8("/dev/zero"), bytes)) << "a device";
    EXPECT_FALSE(ReadWholeFile(FilePath::FromUtf8("/dev/null"), bytes)) << "a device";
#endif
}

#ifndef _WIN32

mode_t ModeOf(const fs::path& path)
{
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_mode & 07777;
}

TEST(FileAccess, ASaveKeepsTheLinkAndThePermissionsTheUserSetUp)
{
    test::TemporaryFolder folder;
    fs::create_directories(folder.Path() / "real");
    const fs::path target = folder.Write("real/lab.dat", "old");
    const fs::path link = folder.Path() / "lab.dat";
    fs::create_symlink(fs::path("real") / "lab.dat", link);
    for (const mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0604}}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);
        ASSERT_TRUE(WriteFileAtomically(FilePath(link), "new"));
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
        EXPECT_EQ(folder.Read("real/lab.dat"), "new");
        EXPECT_EQ(ModeOf(target), mode);
    }
    EXPECT_EQ(NamesIn(folder.Path() / "real"), std::vector<std::string>{"lab.dat"});
}

// A process that has ended and been reaped: its id names no live process.
pid_t FinishedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(FileAccess, ASaveRemovesOnlyTheStaleTemporariesOfItsOwnFile)
{
    test::TemporaryFolder folder;
    const std::string mark(kTemporaryMark);
    const std::string stale = ".a.sln" + mark + std::to_string(FinishedProcess()) + "-0";
    const std::string live = ".a.sln" + mark + std::to_string(::getppid()) + "-0";
    const std::string other = ".b.sln" + mark + std::to_string(FinishedProcess()) + "-0";
    for (const std::string& name : {stale, live, other})
        folder.Write(name, "partial");
    ASSERT_TRUE(WriteFileAtomically(FilePath(folder.Path() / "a.sln"), "new"));
    auto names = NamesIn(folder.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{live, other, "a.sln"}));
}

// Saves of a large file, each announced on a pipe, until killed.
[[noreturn]] void SaveForEver(const FilePath& file, int announce)
{
    const std::string contents[] = {std::string(2 << 20, 'a'), std::string(3 << 19, 'b')};
    for (unsigned save = 0;; ++save) {
        if (::write(announce, "s", 1) != 1)
            ::_exit(1);
        WriteFileAtomically(file, contents[save % 2]);
    }
}

TEST(FileAccess, AKilledSaveLeavesTheOldOrTheNewFileAndTheNextSaveTidiesUp)
{
    test::TemporaryFolder folder;
    const FilePath file(folder.Path() / "big.sln");
    ASSERT_TRUE(WriteFileAtomically(file, std::string(3 << 19, 'b')));
    for (int round = 0; round < 3; ++round) {
        int channel[2];
        ASSERT_EQ(::pipe(channel), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(channel[0]);
            SaveForEver(file, channel[1]);
        }
        ::close(channel[1]);
        // Killed while its second or later save is under way.
        char announced = 0;
        for (int save = 0; save < 2 + round; ++save)
            ASSERT_EQ(::read(channel[0], &announced, 1), 1);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ::close(channel[0]);

        const std::string bytes = folder.Read("big.sln");
        EXPECT_TRUE(bytes == std::string(2 << 20, 'a') || bytes == std::string(3 << 19, 'b'))
            << "a file of " << bytes.size() << " bytes";
        ASSERT_TRUE(WriteFileAtomically(file, "tidy"));
        EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"big.sln"});
    }
}

#endif

} // namespace
} // namespace solvo
