#pragma once

#include "platform/FilePath.h"
#include "quantities/ConcentrationUnit.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace solvo {

/// The concentration-unit labels that every unit list shows, by unit code
/// 0 … 7 and 9 … 15, as read from the user-editable file units.txt.
class UnitLabels {
public:
    /// The labels of the first eight units, which every file has.
    static constexpr std::size_t kCount = 8;

    /// Empty labels: what the program holds before the file is read.
    UnitLabels() = default;

    /// "M (mol/L)", "mM (mmol/L)", "m (mol/kg)", "% w/w", "ppm", "% w/v", "x",
    /// "d (g/mL)", then "µM (µmol/L)", "nM (nmol/L)", "mg/mL", "µg/mL",
    /// "mg/L", "% v/v", "N (eq/L)".
    static UnitLabels Defaults();

    /// Reads the labels from file, one per line (CR LF or LF), in the order
    /// of kConcentrationUnits. A file with fewer than eight lines gives empty
    /// labels for the rest of the eight and is left alone; the later units
    /// that a file does not relabel (every file of eight lines) keep their
    /// defaults. A missing file gives the defaults and is created with them;
    /// a file that exists but cannot be read gives the defaults and is not
    /// touched. Never fails.
    static UnitLabels Read(const FilePath& file);

    /// The label of unit code 0 … 7 or 9 … 15; any other code gives an empty text.
    const std::string& Label(std::int32_t code) const;

    /// The code of the first unit whose label equals text exactly, −1 when none.
    std::int32_t CodeOfLabel(std::string_view text) const;

    /// The file form: each label followed by CR LF; the later units only
    /// when one of them differs from its default, so that the file created
    /// with the defaults is the one of eight lines every version reads.
    std::string FileText() const;

    bool operator==(const UnitLabels&) const = default;

private:
    std::array<std::string, kConcentrationUnits.size()> labels_;
};

} // namespace solvo
