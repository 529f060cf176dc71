#include "quantities/UnitLabels.h"

#include "platform/FileAccess.h"

#include <system_error>

namespace solvo {

UnitLabels UnitLabels::Defaults()
{
    UnitLabels labels;
    labels.labels_ = {"M (mol/L)", "mM (mmol/L)", "m (mol/kg)", "% w/w",
                      "ppm",       "% w/v",       "x",          "d (g/mL)"};
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

    UnitLabels labels;
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
    if (code < 0 || static_cast<std::size_t>(code) >= kCount)
        return empty;
    return labels_[static_cast<std::size_t>(code)];
}

std::int32_t UnitLabels::CodeOfLabel(std::string_view text) const
{
    for (std::size_t code = 0; code < kCount; ++code) {
        if (labels_[code] == text)
            return static_cast<std::int32_t>(code);
    }
    return -1;
}

std::string UnitLabels::FileText() const
{
    std::string text;
    for (const auto& label : labels_)
        text += label + "\r\n";
    return text;
}

} // namespace solvo
