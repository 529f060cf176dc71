#pragma once

#include "platform/FilePath.h"

#include <string_view>

namespace solvo {

/// The program's per-user data folder, which holds the unit labels, the recipe
/// template and, by default, the program database file. Where it lies is the
/// platform's business; the front end hands its path in.
class DataFolder {
public:
    static constexpr std::string_view kUnitsFile = "units.txt";
    static constexpr std::string_view kTemplateFile = "template.txt";
    /// The program's name without spaces, followed by "database.dat".
    static constexpr std::string_view kDefaultDatabaseFile = "Solvodatabase.dat";

    explicit DataFolder(FilePath root) : root_(std::move(root)) {}

    const FilePath& Root() const { return root_; }

    /// The path of the file called name in the folder.
    FilePath File(std::string_view name) const { return root_.Child(name); }

    /// Creates the folder and its parents when missing; no installer does it.
    /// Returns false when the folder does not exist afterwards.
    bool EnsureExists() const;

private:
    FilePath root_;
};

} // namespace solvo
