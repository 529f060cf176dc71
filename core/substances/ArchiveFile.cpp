#include "substances/ArchiveFile.h"

#include "platform/AtomicFile.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace solvo {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

bool ReadArchiveFile(const std::filesystem::path& path,
                     const std::function<void(ArchiveReader&)>& read)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;
    if (std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    const long size = std::ftell(file.get());
    if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return false;
    ArchiveReader reader(file.get(), static_cast<std::uint64_t>(size));
    read(reader);
    return true;
}

bool WriteArchiveFile(const std::filesystem::path& path,
                      const std::function<void(ArchiveWriter&)>& write)
{
    return WriteFileAtomically(path, [&write](std::FILE* file) {
        try {
            ArchiveWriter writer(file);
            write(writer);
            writer.Close();
            return true;
        } catch (const ArchiveError&) {
            return false;
        }
    });
}

} // namespace solvo
