#pragma once

namespace solvo {

/// The text fields of the composition form.
enum class CompositionField {
    Name,
    Formula,
    MolarMass,
    Concentration,
    SourceFormula,
    SourceValue,
    Mass,
    FinalVolume,
};

/// The drop-down lists of the composition form.
enum class CompositionList {
    ConcentrationUnit,
    Source,
    SourceUnit,
    VolumeUnit,
};

} // namespace solvo
