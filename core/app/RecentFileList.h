#pragma once

#include "app/SettingsStore.h"

#include <string_view>
#include <vector>

namespace solvo {

/// The most recently opened solution files, newest first, at most four, kept
/// in the settings section "Recent File List" as File1 … File4.
class RecentFileList {
public:
    static constexpr std::size_t kMaxFiles = 4;
    static constexpr std::string_view kSection = "Recent File List";

    /// Reads the list; empty values are skipped.
    void Read(const SettingsStore& store);
    /// Writes the list; unused places are written empty.
    void Write(SettingsStore& store) const;

    /// Puts path first, removing an earlier entry of the same path and the
    /// oldest entry when the list would grow past four.
    void Add(const FilePath& path);
    /// Removes path (a file that could not be opened); nothing when absent.
    void Remove(const FilePath& path);

    const std::vector<FilePath>& Files() const { return files_; }

private:
    std::vector<FilePath> files_;
};

} // namespace solvo
