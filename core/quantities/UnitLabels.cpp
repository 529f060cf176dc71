#include "quantities/UnitLabels.h"

#include "platform/FileAccess.h"

#include <algorithm>
#include <system_error>

namespace solvo {

UnitLabels UnitLabels::Defaults()
{
    UnitLabels labels;
    // µ is the byte 0xB5 of the program's 8-bit text.
    labels.labels_ = {"M (mol/L)",        "mM (mmol/L)", "m (mol/kg)", "% w/w", "ppm",
                      "% w/v",            "x",           "d (g/mL)",   "\xB5M (\xB5mol/L)",
                      "nM (nmol/L)",      "mg/mL",       "\xB5g/mL",   "mg/L",  "% v/v",
                      "N (eq/L)"};
    return labels;
}

UnitLabels UnitLabels::Read(const FilePath& file)
{
    std::error_code error;
    const bool exists = std::filesystem::exists(file.Native(), error);
    std::string bytes;
    if (!exists || !ReadWholeFile(file, bytes)) {
        UnitLabels defaults = Defaults();
        // A file that exists but cannot be read is the user's: keep it.
        if (!exists)
            WriteFileAtomically(file, defaults.FileText());
        return defaults;
    }

    UnitLabels labels = Defaults();
    for (std::size_t index = 0; index < kCount; ++index)
        labels.labels_[index].clear();
    std::size_t start = 0;
    for (auto& label : labels.labels_) {
        if (start >= bytes.size())
            break;
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos)
            end = bytes.size();
        std::string_view line(bytes.data() + start, end - start);
        if (end < bytes.size() && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        label.assign(line);
        start = next;
    }
    return labels;
}

const std::string& UnitLabels::Label(std::int32_t code) const
{
    static const std::string empty;
    const std::int32_t index = ConcentrationUnitIndex(static_cast<ConcentrationUnit>(code));
    return index < 0 ? empty : labels_[static_cast<std::size_t>(index)];
}

std::int32_t UnitLabels::CodeOfLabel(std::string_view text) const
{
    for (std::size_t index = 0; index < labels_.size(); ++index) {
        if (labels_[index] == text)
            return static_cast<std::int32_t>(kConcentrationUnits[index]);
    }
    return -1;
}

std::string UnitLabels::FileText() const
{
    const UnitLabels defaults = Defaults();
    const bool laterRelabelled = !std::equal(labels_.begin() + kCount, labels_.end(),
                                             defaults.labels_.begin() + kCount);
    std::string text;
    for (std::size_t index = 0; index < (laterRelabelled ? labels_.size() : kCount); ++index)
        text += labels_[index] + "\r\n";
    return text;
}

} // namespace solvo
