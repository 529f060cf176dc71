#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

namespace solvo {

/// A compiled pattern as a nondeterministic automaton: states that consume
/// one byte, states that branch or pass on without consuming, and the final
/// state. Every state but Match and Split has one successor, `out`.
struct PatternProgram {
    static constexpr std::uint32_t kNoState = UINT32_MAX;

    enum class Kind : std::uint8_t {
        Byte,  ///< consumes `byte`, or `alsoByte`
        Set,   ///< consumes a byte of `sets[set]`
        Any,   ///< consumes any byte
        Split, ///< passes on to both `out` and `alt`
        Pass,  ///< passes on to `out`
        Match, ///< the pattern has matched
    };

    struct State {
        Kind kind = Kind::Pass;
        unsigned char byte = 0;
        unsigned char alsoByte = 0;
        std::uint32_t out = kNoState;
        std::uint32_t alt = kNoState; ///< Split: the second successor
        std::uint32_t set = 0;        ///< Set: the index into `sets`
    };

    /// Whether state consumes value.
    bool Accepts(const State& state, unsigned char value) const;

    std::vector<State> states;
    std::vector<std::bitset<256>> sets;
    std::uint32_t start = kNoState;
};

} // namespace solvo
