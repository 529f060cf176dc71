#include "pattern/PatternProgram.h"

namespace solvo {

bool PatternProgram::Accepts(const State& state, unsigned char value) const
{
    switch (state.kind) {
    case Kind::Byte:
        return value == state.byte || value == state.alsoByte;
    case Kind::Set:
        return sets[state.set].test(value);
    case Kind::Any:
        return true;
    case Kind::Split:
    case Kind::Pass:
    case Kind::Match:
        break;
    }
    return false;
}

} // namespace solvo
