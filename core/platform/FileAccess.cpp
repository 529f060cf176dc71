#include "platform/FileAccess.h"

#include "platform/FileAttributes.h"
#include "platform/SaveTarget.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <cstdio>
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

std::error_code LastError()
{
    return {errno, std::generic_category()};
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
// only be the leftover of a save that was killed. A live writer's file may
// be closed and not yet renamed, so whether it can be removed says nothing.
bool WriterIsGone(const fs::path::string_type& process)
{
    if (process.empty() || process.size() > 9)
        return false;
    for (const auto character : process)
        if (character < '0' || character > '9')
            return false;
    const long id = std::stol(process);
#ifdef _WIN32
    if (id == ProcessId())
        return false;
    const HANDLE writer = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (!writer)
        return ::GetLastError() == ERROR_INVALID_PARAMETER;
    const bool ended = ::WaitForSingleObject(writer, 0) == WAIT_OBJECT_0;
    ::CloseHandle(writer);
    return ended;
#else
    return ::kill(static_cast<pid_t>(id), 0) != 0 && errno == ESRCH;
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

// Creates the temporary file exclusively, with what the user set up around
// the old file, so the save does not widen or narrow who may use it.
// Returns nullptr with errno set when that fails.
std::FILE* CreateTemporary(const fs::path& temporary, const FileAttributes& old)
{
#ifdef _WIN32
    (void)old;
    const int descriptor = _wopen(temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                                  _S_IREAD | _S_IWRITE);
    if (descriptor < 0)
        return nullptr;
    std::FILE* file = _wfdopen(descriptor, L"wb");
    if (!file)
        _close(descriptor);
    return file;
#else
    // Private until the old file's attributes are in place.
    const mode_t mode = old.Exist() ? 0600 : 0666;
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (descriptor < 0)
        return nullptr;
    if (const int failure = old.ApplyTo(descriptor); failure != 0) {
        ::close(descriptor);
        ::unlink(temporary.c_str());
        errno = failure;
        return nullptr;
    }
    std::FILE* file = ::fdopen(descriptor, "wb");
    if (!file)
        ::close(descriptor);
    return file;
#endif
}

// Puts the finished temporary file in the target's place. Without
// replacing, the name is claimed in the same step, so of two saves racing
// for a new name exactly one wins.
std::error_code MoveIntoPlace(const fs::path& temporary, const fs::path& target, SaveMode mode)
{
    std::error_code error;
    if (mode == SaveMode::Replace) {
        fs::rename(temporary, target, error);
        return error;
    }
#ifdef _WIN32
    // Windows' own rename never replaces a file.
    return _wrename(temporary.c_str(), target.c_str()) == 0 ? error : LastError();
#else
#ifdef __linux__
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return error;
    if (errno != EINVAL && errno != ENOSYS)
        return LastError();
#endif
    // A file system without that rename: a hard link claims the name as
    // surely, and the temporary name is then dropped.
    if (::link(temporary.c_str(), target.c_str()) != 0)
        return LastError();
    ::unlink(temporary.c_str());
    return error;
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

bool ReadWholeFile(const FilePath& path, std::string& bytes, std::size_t limit)
{
    const FileHandle file = OpenRegularFile(path);
    if (!file)
        return false;
    bytes.clear();
    // Room for the whole of what will be read at once: growing by doubling
    // would hold twice the limit at the end of a file that is too large.
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path.Native(), error);
    if (!error)
        bytes.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, limit)) + 1);
    char buffer[65536];
    std::size_t count = 0;
    while (bytes.size() <= limit &&
           (count = std::fread(buffer, 1, std::min(sizeof buffer, limit + 1 - bytes.size()),
                               file.get())) > 0)
        bytes.append(buffer, count);
    return std::ferror(file.get()) == 0;
}

bool WriteFileAtomically(const FilePath& path, std::string_view bytes, std::string* error,
                         SaveMode mode)
{
    return WriteFileAtomically(
        path,
        [bytes](std::FILE* file) {
            return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        },
        error, mode);
}

bool WriteFileAtomically(const FilePath& path, const std::function<bool(std::FILE*)>& write,
                         std::string* error, SaveMode mode)
{
    static std::atomic<unsigned> counter{0};
    fs::path target = path.Native();
    if (mode == SaveMode::CreateNew) {
        // A new file takes the name as given: even a link there is taken.
        std::error_code status;
        if (fs::symlink_status(target, status).type() != fs::file_type::not_found) {
            SetError(error, status ? status.message()
                                   : std::make_error_code(std::errc::file_exists).message());
            return false;
        }
    } else {
        const SaveTarget resolved(target);
        if (resolved.Failed()) {
            SetError(error, resolved.Reason());
            return false;
        }
        target = resolved.Path();
    }
    const fs::path folder = FolderOf(target);
    RemoveStaleTemporaries(target);

    const FileAttributes old(mode == SaveMode::Replace ? target : fs::path());
    fs::path temporary;
    std::FILE* file = nullptr;
    std::error_code failure;
    for (unsigned attempt = 0; attempt < 16 && !file; ++attempt) {
        temporary = folder / TemporaryPrefix(target);
        temporary += std::to_string(ProcessId()) + "-" + std::to_string(counter++);
        file = CreateTemporary(temporary, old);
        failure = LastError();
        if (!file && failure != std::errc::file_exists)
            break;
    }
    if (!file) {
        SetError(error, failure.message());
        return false;
    }
    errno = 0;
    bool written = write(file) && FlushToDisk(file);
    failure = errno != 0 ? LastError() : std::make_error_code(std::errc::io_error);
    if (std::fclose(file) != 0 && written) {
        written = false;
        failure = LastError();
    }
    if (written)
        failure = MoveIntoPlace(temporary, target, mode);
    if (!written || failure) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        SetError(error, failure.message());
        return false;
    }
    FlushFolder(folder);
    return true;
}

} // namespace solvo
