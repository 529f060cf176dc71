#pragma once

#include <cstdint>

namespace solvo {

class ElementTable;
class SolvoSubstance;

/// How many formula units of the component one formula unit of what is
/// weighed for it holds: 2 for As weighed as As_2O_3, 1 for a hydrate of the
/// substance itself, 0 when the weighed form does not hold the component at
/// all (NaOH for Na_2CO_3). It is the largest whole k for which the weighed
/// form's composition holds k times the component's, water of
/// crystallisation counted like any other part and the charge left out.
/// When the two are written differently (one through a moiety, the other
/// spelled out) and hold nothing in common as written, they are compared
/// with every moiety spelled out through its composition text.
///
/// 1 for the substance itself and for stock and other solutions, and
/// whenever a formula gives no composition to compare (empty, or a symbol
/// the table does not know): the molar mass typed for it is then taken as
/// is.
std::int32_t SourceMultiple(const SolvoSubstance& component, const ElementTable& elements);

} // namespace solvo
