#include "substances/DensityPlot.h"

#include "quantities/DensityTable.h"

#include <cmath>

namespace solvo {

namespace {

/// part ÷ whole, 0 when whole is 0.
double Fraction(double part, double whole)
{
    return whole == 0.0 ? 0.0 : part / whole;
}

constexpr double kFarOff = 1e6;

} // namespace

std::vector<PlotPoint> DensityPlot::Polyline(const DensityTable& table)
{
    const std::vector<DensityRow>& rows = table.Rows();
    if (table.NoTable() || rows.size() < 2)
        return {};
    const double w0 = rows.front().w;
    const double wSpan = rows.back().w - w0;
    const double dMin = table.MinDensity();
    const double dSpan = table.MaxDensity() - dMin;

    std::vector<PlotPoint> points;
    points.reserve(rows.size() + 1);
    for (const DensityRow& row : rows) {
        const double x = std::trunc(Fraction(row.w - w0, wSpan) * kWidth);
        const double y = kHeight - std::trunc(Fraction(row.d - dMin, dSpan) * kHeight);
        // Rows that do not rise in % w/w may lie off the picture, which
        // clips them; coordinates too far off to be pixels are not drawn.
        if (!std::isfinite(x) || !std::isfinite(y) || std::abs(x) > kFarOff || std::abs(y) > kFarOff)
            return {};
        if (points.empty())
            points.push_back({0, static_cast<std::int32_t>(y)});
        points.push_back({static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
    }
    return points;
}

} // namespace solvo
