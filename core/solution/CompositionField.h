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
    Purity,      ///< percent, of a weighed solid
    Equivalents, ///< per formula unit, for N
    PureDensity, ///< g/mL of the pure liquid, for % v/v; 0 for none
};

/// The drop-down lists of the composition form.
enum class CompositionList {
    ConcentrationUnit,
    Source,
    SourceUnit,
    VolumeUnit,
};

} // namespace solvo
