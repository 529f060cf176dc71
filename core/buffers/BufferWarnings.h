#pragma once

#include <string>
#include <vector>

namespace solvo {

class BufferModel;
struct BufferSolution;

/// The notes that go with a buffer result wherever the model is pushed past
/// the range where it holds; texts in the program's 8-bit text.
class BufferWarnings {
public:
    /// Highest temperature of the constants' measurements, °C.
    static constexpr double kHighestMeasuredCelsius = 50.0;

    /// An ionic strength beyond the activity model's range, a temperature
    /// beyond the constants' range.
    static std::vector<std::string> ForSolution(const BufferModel& model, const BufferSolution& solution);

    /// A target pH more than one unit from every pK of the systems given
    /// (catalogue indices); empty when it is near one of them.
    static std::vector<std::string> ForTarget(const BufferModel& model, const std::vector<int>& systems,
                                              double pH);
};

} // namespace solvo
