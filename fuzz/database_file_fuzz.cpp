// Any bytes read as the program database file must load or fail cleanly: no
// crash, no hang, no allocation beyond what the bytes can hold. A database
// that loads must save and load again to the same content (two cycles, since
// every cycle reverses the order of the substances).
#include "formula/ElementTable.h"
#include "substances/ArchiveReader.h"
#include "substances/ArchiveWriter.h"
#include "substances/DatabaseFile.h"
#include "substances/SolvoSubstanceDatabase.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

struct Database {
    solvo::ElementTable elements;
    solvo::SolvoSubstanceDatabase substances;
    std::string digest;

    bool Load(std::string_view bytes)
    {
        solvo::ArchiveReader reader(bytes);
        try {
            return solvo::DatabaseFile::Read(reader, elements, substances, digest);
        } catch (const solvo::ArchiveError&) {
            return false;
        }
    }

    std::string Save()
    {
        std::string bytes;
        solvo::ArchiveWriter writer(bytes);
        solvo::DatabaseFile::Write(writer, digest, elements, substances);
        writer.Close();
        return bytes;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Database first;
    if (!first.Load(std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    const std::string saved = first.Save();
    Database second;
    if (!second.Load(saved))
        __builtin_trap();
    Database third;
    if (!third.Load(second.Save()) || third.Save() != saved)
        __builtin_trap();
    return 0;
}
