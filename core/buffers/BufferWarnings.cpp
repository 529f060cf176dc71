#include "buffers/BufferWarnings.h"

#include "buffers/BufferCatalogue.h"
#include "buffers/BufferModel.h"
#include "buffers/DaviesActivity.h"
#include "quantities/NumberFormat.h"

#include <cmath>

namespace solvo {

namespace {

constexpr std::int32_t kDigits = 4;

} // namespace

std::vector<std::string> BufferWarnings::ForSolution(const BufferModel& model, const BufferSolution& solution)
{
    std::vector<std::string> warnings;
    if (solution.ionicStrength > DaviesActivity::kReliableIonicStrength)
        warnings.push_back("Ionic strength " + FormatSignificant(solution.ionicStrength, 3, kDigits) +
                           " mol/L is beyond the range of the activity model (about " +
                           FormatDefault(DaviesActivity::kReliableIonicStrength, kDigits) +
                           " mol/L): the pH is approximate.");
    if (model.Celsius() > kHighestMeasuredCelsius)
        warnings.push_back("At " + FormatDefault(model.Celsius(), kDigits) +
                           " \xB0" "C the constants are carried beyond the 0\x96" "50 \xB0" "C they were "
                           "measured at: the pH is approximate.");
    return warnings;
}

std::vector<std::string> BufferWarnings::ForTarget(const BufferModel& model, const std::vector<int>& systems,
                                                   double pH)
{
    std::string pKs;
    bool near = false;
    for (const int s : systems) {
        const auto system = static_cast<std::size_t>(s);
        for (std::size_t j = 0; j < model.Catalogue().Systems()[system].StepCount(); ++j) {
            const double pK = model.Pk(system, j);
            near = near || std::abs(pH - pK) <= 1.0;
            pKs += (pKs.empty() ? "" : ", ") + FormatSignificant(pK, kDigits, kDigits);
        }
    }
    if (near || pKs.empty())
        return {};
    return {"The target pH " + FormatDefault(pH, kDigits) + " is more than 1 pH unit from every pK of the "
            "buffer (" + pKs + "): it will hold its pH poorly."};
}

} // namespace solvo
