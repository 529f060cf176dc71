// Any bytes opened as a .sln file must give a document or a clean failure:
// no crash, no hang, no allocation beyond what the bytes can hold. A
// document that opens must save and reopen to the same bytes.
#include "formula/ElementTable.h"
#include "solution/CSolvoDoc.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const solvo::ElementTable elements = [] {
        solvo::ElementTable built;
        built.LoadDefaults();
        return built;
    }();
    solvo::CSolvoDoc doc;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!doc.Read(bytes, elements).Opened())
        return 0;
    const std::string saved = doc.Write(elements);
    solvo::CSolvoDoc reopened;
    if (reopened.Read(saved, elements).status != solvo::CSolvoDoc::ReadStatus::Read ||
        reopened.Write(elements) != saved)
        __builtin_trap();
    return 0;
}
