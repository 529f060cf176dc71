#include "platform/FileAccess.h"

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace solvo {

namespace {

namespace fs = std::filesystem;

void SetError(std::string* error, std::string text)
{
    if (error)
        *error = std::move(text);
}

// The file a save replaces: a symbolic link is followed to the file it
// names, so that the link the user made stays a link.
fs::path SaveTarget(const fs::path& path)
{
    constexpr int kMaxLinks = 40; // as the kernel allows before ELOOP
    fs::path target = path;
    std::error_code error;
    for (int link = 0; link < kMaxLinks && fs::is_symlink(target, error); ++link) {
        const fs::path next = fs::read_symlink(target, error);
        if (error)
            break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

fs::path FolderOf(const fs::path& file)
{
    fs::path folder = file.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// Temporary files are named ".<name>.solvo-save-<process>-<n>" beside the
// file they replace, so the next save can tell its own stale ones.
fs::path TemporaryPrefix(const fs::path& target)
{
    fs::path prefix(".");
    prefix += target.filename().native();
    prefix += std::string(kTemporaryMark);
    return prefix;
}

int ProcessId()
{
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(::getpid());
#endif
}

// Whether the process that made a temporary file is gone, so the file can
// only be the leftover of a save that was killed. On Windows a file still
// being written cannot be removed, so the removal itself is the test there.
bool WriterIsGone(const fs::path::string_type& process)
{
    if (process.empty() || process.size() > 9)
        return false;
    for (const auto character : process)
        if (character < '0' || character > '9')
            return false;
#ifdef _WIN32
    return true;
#else
    return ::kill(static_cast<pid_t>(std::stol(process)), 0) != 0 && errno == ESRCH;
#endif
}

void RemoveStaleTemporaries(const fs::path& target)
{
    const fs::path::string_type prefix = TemporaryPrefix(target).native();
    std::error_code error;
    for (fs::directory_iterator entry(FolderOf(target), error), end; !error && entry != end;
         entry.increment(error)) {
        const fs::path::string_type name = entry->path().filename().native();
        const auto dash = name.find(fs::path::value_type('-'), prefix.size());
        if (name.compare(0, prefix.size(), prefix) != 0 || dash == fs::path::string_type::npos)
            continue;
        std::error_code ignored;
        if (WriterIsGone(name.substr(prefix.size(), dash - prefix.size())))
            fs::remove(entry->path(), ignored);
    }
}

// Creates the temporary file exclusively, with the old file's permission
// bits and group so the save does not widen or narrow who may read it.
std::FILE* CreateTemporary(const fs::path& temporary, const fs::path& target)
{
#ifdef _WIN32
    (void)target;
    const int descriptor = _wopen(temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                                  _S_IREAD | _S_IWRITE);
    if (descriptor < 0)
        return nullptr;
    std::FILE* file = _wfdopen(descriptor, L"wb");
    if (!file)
        _close(descriptor);
    return file;
#else
    struct stat old {};
    const bool keepOld = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const mode_t mode = keepOld ? (old.st_mode & 07777) : 0666;
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (descriptor < 0)
        return nullptr;
    if (keepOld) {
        // The group first: changing it may clear the set-group-ID bit.
        if (::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid) != 0) {
            // Not a member of that group: the file gets the user's own group.
        }
        if (::fchmod(descriptor, mode) != 0) {
            ::close(descriptor);
            ::unlink(temporary.c_str());
            return nullptr;
        }
    }
    std::FILE* file = ::fdopen(descriptor, "wb");
    if (!file)
        ::close(descriptor);
    return file;
#endif
}

bool FlushToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

// Makes the rename itself durable. Failure is not reported: the new file is
// already in place, and some file systems cannot sync a folder at all.
void FlushFolder(const fs::path& folder)
{
#ifdef _WIN32
    (void)folder;
#else
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    if (::fsync(descriptor) != 0) {
        // See above.
    }
    ::close(descriptor);
#endif
}

} // namespace

FileHandle OpenRegularFile(const FilePath& path)
{
#ifdef _WIN32
    FileHandle file(_wfopen(path.Native().c_str(), L"rb"));
    struct _stat64 status {};
    if (!file || _fstat64(_fileno(file.get()), &status) != 0 ||
        (status.st_mode & _S_IFMT) != _S_IFREG)
        return nullptr;
    return file;
#else
    // Without O_NONBLOCK, opening a FIFO waits for a writer, possibly for ever.
    const int descriptor = ::open(path.Native().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    struct stat status {};
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0 ||
        ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(descriptor);
        return nullptr;
    }
    FileHandle file(::fdopen(descriptor, "rb"));
    if (!file)
        ::close(descriptor);
    return file;
#endif
}

bool ReadWholeFile(const FilePath& path, std::string& bytes)
{
    const FileHandle file = OpenRegularFile(path);
    if (!file)
        return false;
    bytes.clear();
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, count);
    return std::ferror(file.get()) == 0;
}

bool WriteFileAtomically(const FilePath& path, std::string_view bytes, std::string* error)
{
    return WriteFileAtomically(
        path,
        [bytes](std::FILE* file) {
            return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        },
        error);
}

bool WriteFileAtomically(const FilePath& path, const std::function<bool(std::FILE*)>& write,
                         std::string* error)
{
    static std::atomic<unsigned> counter{0};
    const fs::path target = SaveTarget(path.Native());
    const fs::path folder = FolderOf(target);
    RemoveStaleTemporaries(target);

    fs::path temporary;
    std::FILE* file = nullptr;
    for (unsigned attempt = 0; attempt < 16 && !file; ++attempt) {
        temporary = folder / TemporaryPrefix(target);
        temporary += std::to_string(ProcessId()) + "-" + std::to_string(counter++);
        file = CreateTemporary(temporary, target);
    }
    if (!file) {
        // The system's reason (no such folder, permission denied) is what the user can act on.
        const int reason = errno;
        SetError(error, "cannot create a file in " + FilePath(folder).Utf8() + ": " +
                            std::generic_category().message(reason));
        return false;
    }
    const bool written = write(file) && FlushToDisk(file);
    const bool closed = std::fclose(file) == 0;
    std::error_code renameError;
    if (written && closed)
        fs::rename(temporary, target, renameError);
    if (!written || !closed || renameError) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        SetError(error, "cannot write " + path.Utf8());
        return false;
    }
    FlushFolder(folder);
    return true;
}

} // namespace solvo
