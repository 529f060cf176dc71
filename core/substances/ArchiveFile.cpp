#include "substances/ArchiveFile.h"

#include "platform/FileAccess.h"

namespace solvo {

bool ReadArchiveFile(const FilePath& path,
                     const std::function<void(ArchiveReader&)>& read, FileStamp* stamp)
{
    // Stamped first: a write while the file is read changes its time.
    if (stamp)
        *stamp = FileStamp::BeforeReading(path);
    const FileHandle file = OpenRegularFile(path);
    if (!file)
        return false;
    if (std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    const long size = std::ftell(file.get());
    if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return false;
    Md5 md5;
    const bool digest = stamp && stamp->NeedsDigest();
    ArchiveReader reader(file.get(), static_cast<std::uint64_t>(size), digest ? &md5 : nullptr);
    read(reader);
    if (digest) {
        // A file that cannot be read through gets a digest that matches no
        // content, so it counts as changed.
        if (reader.DigestRest())
            stamp->SetDigest(md5.Finish());
    }
    return true;
}

bool WriteArchiveFile(const FilePath& path,
                      const std::function<void(ArchiveWriter&)>& write, std::string* error,
                      SaveMode mode)
{
    return WriteFileAtomically(
        path,
        [&write](std::FILE* file) {
            try {
                ArchiveWriter writer(file);
                write(writer);
                writer.Close();
                return true;
            } catch (const ArchiveError&) {
                return false;
            }
        },
        error, mode);
}

} // namespace solvo
