#pragma once

#include <cstdint>
#include <vector>

namespace solvo {

class DensityTable;

/// A point of the density plot, in pixels from the top left corner.
struct PlotPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const PlotPoint&) const = default;
};

/// The small picture of a density table in the substance database dialog:
/// density against % w/w, higher densities drawn higher, on a white image of
/// kWidth × kHeight pixels.
class DensityPlot {
public:
    static constexpr std::int32_t kWidth = 102;
    static constexpr std::int32_t kHeight = 110;

    /// The one-pixel polyline to draw, starting at the first point: empty
    /// (a blank picture) while the table's no-table flag is set or it has
    /// fewer than two rows. Row i lies at x = truncate((w_i − w_0) ÷ (w_last −
    /// w_0) × kWidth), y = kHeight − truncate((d_i − dMin) ÷ (dMax − dMin) ×
    /// kHeight). A table whose % w/w or densities do not vary gives 0 for
    /// that fraction instead of dividing by zero, and a table with a value
    /// that is not finite (such as a molarity table with an absurd molar mass) or
    /// a point a million pixels off the picture is not drawn.
    static std::vector<PlotPoint> Polyline(const DensityTable& table);
};

} // namespace solvo
