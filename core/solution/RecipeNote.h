#pragma once

#include "quantities/ConcentrationUnit.h"
#include "solution/CompositionField.h"

#include <cstdint>
#include <string>
#include <vector>

namespace solvo {

class ElementTable;
class SolvoSubstance;
class UnitLabels;

/// Something a recipe rests on that the chemist never said, or that makes
/// one of its figures doubtful.
enum class RecipeNoteKind : std::int32_t {
    /// The weighed form holds the component more than once: that many times
    /// fewer formula units of it are weighed.
    SourceHoldsSeveral = 0,
    /// The weighed form does not hold the component at all: there is no mass.
    SourceHoldsNone = 1,
    /// A concentration in a unit that needs the density, for a substance
    /// without a density table: the density as it is (normally 1 g/mL) was
    /// taken.
    NoDensityTable = 2,
    /// A stock or other solution's concentration lies outside the
    /// substance's density table: the density the table gives at its nearest
    /// end was taken.
    OutsideDensityTable = 3,
};

/// One such note about one component.
struct RecipeNote {
    RecipeNoteKind kind = RecipeNoteKind::NoDensityTable;
    /// The composition field the note is about.
    CompositionField field = CompositionField::Concentration;
    /// The component's name, or its formula's display text when it has
    /// none, or "the substance" when it has neither.
    std::string name;
    /// Display texts of the component's formula and of the weighed form's.
    std::string formula;
    std::string sourceFormula;
    /// Formula units of the component one formula unit of the weighed form holds.
    std::int32_t multiple = 1;
    /// The concentration concerned, as given, and the density (g/mL) taken for it.
    double value = 0.0;
    ConcentrationUnit unit = ConcentrationUnit::Molar;
    double density = 1.0;

    /// The note in words, numbers shown by displayDigits and units by labels.
    std::string Text(const UnitLabels& labels, std::int32_t displayDigits) const;

    bool operator==(const RecipeNote&) const = default;
};

/// The notes about one component of a solution, target first, then its
/// source; none when everything it needs was given.
std::vector<RecipeNote> ComponentNotes(const SolvoSubstance& component,
                                       const ElementTable& elements);

/// The texts of notes in order, each once (a component given in % w/w and
/// made from a % w/w stock without a table needs to be told only once).
std::vector<std::string> NoteTexts(const std::vector<RecipeNote>& notes, const UnitLabels& labels,
                                   std::int32_t displayDigits);

} // namespace solvo
