#pragma once

#include <cstdint>
#include <vector>

namespace solvo {

class ElementTable;

/// What every document of the family offers beyond its own data: how often
/// it uses each element and moiety, so that the moieties editor can refuse
/// to remove one still in use.
class CFlaskwareDocument {
public:
    virtual ~CFlaskwareDocument() = default;

    /// One count per entry of elements plus one, each the number of times
    /// the document's formulas use that entry.
    virtual std::vector<std::int32_t> CountElementUses(const ElementTable& elements) const = 0;

protected:
    CFlaskwareDocument() = default;
    CFlaskwareDocument(const CFlaskwareDocument&) = default;
    CFlaskwareDocument& operator=(const CFlaskwareDocument&) = default;
    CFlaskwareDocument(CFlaskwareDocument&&) = default;
    CFlaskwareDocument& operator=(CFlaskwareDocument&&) = default;
};

} // namespace solvo
