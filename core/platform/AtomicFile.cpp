#include "platform/AtomicFile.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <system_error>

namespace solvo {

namespace {

// A name beside the target that no other writer of this process or another
// one is using: the exclusive open below refuses a name that exists.
std::filesystem::path TemporarySibling(const std::filesystem::path& path, unsigned attempt)
{
    static std::atomic<unsigned> counter{0};
    const auto stamp = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    auto name = path.filename().string() + ".tmp" + std::to_string(stamp % 1000000007ULL) + "-" +
                std::to_string(counter++) + "-" + std::to_string(attempt);
    return path.parent_path() / name;
}

void SetError(std::string* error, std::string text)
{
    if (error)
        *error = std::move(text);
}

} // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error)
{
    return WriteFileAtomically(
        path,
        [bytes](std::FILE* file) {
            return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        },
        error);
}

bool WriteFileAtomically(const std::filesystem::path& path,
                         const std::function<bool(std::FILE*)>& write, std::string* error)
{
    std::filesystem::path temporary;
    std::FILE* file = nullptr;
    for (unsigned attempt = 0; attempt < 16 && !file; ++attempt) {
        temporary = TemporarySibling(path, attempt);
        file = std::fopen(temporary.c_str(), "wbx");
    }
    if (!file) {
        SetError(error, "cannot create a file in " + path.parent_path().string());
        return false;
    }
    const bool written = write(file);
    const bool closed = std::fclose(file) == 0;
    std::error_code renameError;
    if (written && closed)
        std::filesystem::rename(temporary, path, renameError);
    if (!written || !closed || renameError) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        SetError(error, "cannot write " + path.string());
        return false;
    }
    return true;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    return !stream.bad();
}

} // namespace solvo
