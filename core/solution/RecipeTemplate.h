#pragma once

#include "platform/FilePath.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace solvo {

/// The fourteen user-editable lines a recipe is worded from, as kept in
/// template.txt of the data folder. Placeholders such as <SOLIDMASS> in them
/// stand for the numbers of the recipe (see RecipePlaceholders);
/// <SUBSTANCEFORMULA> marks where a formula is drawn.
class RecipeTemplate {
public:
    /// The template's lines by their line number in the file.
    enum class Line : std::int32_t {
        Summary = 1,    ///< one per component in the list of components
        PreparedBy = 2, ///< used as it is, never expanded; empty: no such line
        Heading = 3,
        StandardHeading = 4, ///< heading of a standard solution
        WaterStep = 5,
        StandardWaterStep = 6, ///< water step of a standard solution
        Weigh = 7,
        WeighExactly = 8,
        EnterMass = 9, ///< enter the exact weight after weighing exactly
        AddStockSolution = 10,
        AddOtherSolution = 11,
        Stir = 12,
        FinalStep = 13,
        StandardFinalStep = 14, ///< final step of a standard solution
    };
    static constexpr std::size_t kLineCount = 14;

    /// The built-in default lines.
    RecipeTemplate();

    /// The lines of a template file's bytes: each line runs up to its LF,
    /// which is removed with a CR before it. Lines the bytes do not have are
    /// empty; lines after the fourteenth are ignored.
    static RecipeTemplate Parse(std::string_view bytes);

    /// The largest template file, bytes: fourteen lines of a recipe's
    /// wording take a few kilobytes at most.
    static constexpr std::size_t kLargestFile = std::size_t{1} << 20;

    /// Why bytes cannot be a template file, or nothing when they can: an
    /// empty file, one holding NUL bytes (no text does) or one larger than
    /// kLargestFile is none.
    static std::optional<std::string> FileProblem(std::string_view bytes);

    /// The template in file. When the file cannot be read or is no template
    /// (FileProblem), the defaults; a missing file is then created with them
    /// (atomically). A file that exists is left alone. Never fails.
    static RecipeTemplate Load(const FilePath& file);

    const std::string& Text(Line line) const;

    /// The file form: each line followed by CR LF.
    std::string FileText() const;

    bool operator==(const RecipeTemplate&) const = default;

private:
    std::array<std::string, kLineCount> lines_;
};

} // namespace solvo
