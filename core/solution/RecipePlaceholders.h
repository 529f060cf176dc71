#pragma once

#include <string>
#include <string_view>

namespace solvo {

/// The current values of a recipe's placeholders. Each keeps the value last
/// given to it until it is given another, so a placeholder that a line does
/// not set shows the value from an earlier line.
struct RecipePlaceholders {
    std::string lineNumber;     ///< <LINENUMBER>
    std::string targetVolume;   ///< <TARGETVOLUME>
    std::string startVolume;    ///< <STARTVOLUME>
    std::string solidMass;      ///< <SOLIDMASS>
    std::string substanceName;  ///< <SUBSTANCENAME>
    std::string solutionVolume; ///< <SOLUTIONVOLUME>
    std::string concentration;  ///< <CONCENTRATION>
    std::string volumeUnit;     ///< <VOLUMEUNIT>

    /// text with every occurrence of each placeholder replaced by its
    /// current value, one placeholder after another in the order
    /// <LINENUMBER>, <TARGETVOLUME>, <STARTVOLUME>, <SOLIDMASS>,
    /// <SUBSTANCENAME>, <SOLUTIONVOLUME>, <CONCENTRATION>, <TARGETVOLUME>
    /// again, <VOLUMEUNIT>. Each pass scans left to right and does not rescan
    /// what it inserted; later passes do see it (a name containing
    /// <VOLUMEUNIT> has it replaced). <SUBSTANCEFORMULA> stays in the text.
    std::string ReplacePlaceholders(std::string_view text) const;

    /// A template line as the recipe shows it: "%%" becomes "%" (any other
    /// "%" is shown as it is), then ReplacePlaceholders. The line is never
    /// used as a format, so no text a user types into a template can make
    /// the program read arguments that are not there.
    std::string Expand(std::string_view templateLine) const;
};

} // namespace solvo
