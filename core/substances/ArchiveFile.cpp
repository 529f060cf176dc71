#include "substances/ArchiveFile.h"

#include "platform/FileAccess.h"

namespace solvo {

bool ReadArchiveFile(const FilePath& path,
                     const std::function<void(ArchiveReader&)>& read)
{
    const FileHandle file = OpenRegularFile(path);
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

bool WriteArchiveFile(const FilePath& path,
                      const std::function<void(ArchiveWriter&)>& write, std::string* error)
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
    }, error);
}

} // namespace solvo
