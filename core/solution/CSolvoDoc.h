#pragma once

#include "platform/FileAccess.h"
#include "platform/FilePath.h"
#include "solution/CFlaskwareDocument.h"
#include "solution/VolumeUnit.h"
#include "substances/FileStamp.h"
#include "substances/SolvoSubstance.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

class Archive;

/// One solution being designed: its ordered components and its final
/// volume, and its .sln file. The windowed program's document wraps this
/// class; the command line uses it directly.
///
/// There is always at least one component, and the current one is always a
/// valid index. Components taken in are copied the program's way
/// (SolvoSubstance::CopyOf), which keeps no concentration.
class CSolvoDoc : public CFlaskwareDocument {
public:
    static constexpr std::uint32_t kFileVersion = 0x10001;
    /// Files whose final volume is in millilitres and that have no unit field.
    static constexpr std::uint32_t kFileVersionMillilitres = 0x10000;

    /// How reading a file went.
    enum class ReadStatus {
        Read,             ///< the file's content is in the document
        Empty,            ///< a file of 0 bytes: a new solution, no message
        UnknownVersion,   ///< a new solution, after "Unknown version of the data file..."
        UnexpectedFormat, ///< truncated or malformed: "Unexpected file format.", not opened
        FailedToOpen,     ///< more components named than stored: "Failed to open document.", not opened
        CannotOpen,       ///< the file cannot be opened: "Failed to open document.", not opened
    };

    struct ReadResult {
        ReadStatus status = ReadStatus::Read;
        /// What the user is told, in order.
        std::vector<std::string> messages;
        /// The file's version word; none for a file too short to hold one.
        std::optional<std::uint32_t> version;

        /// Whether the document opens (possibly as a new solution).
        bool Opened() const
        {
            return status == ReadStatus::Read || status == ReadStatus::Empty ||
                   status == ReadStatus::UnknownVersion;
        }
    };

    /// A new solution: one empty component, current, final volume 0, in mL.
    CSolvoDoc();

    std::int32_t GetComponentCount() const { return static_cast<std::int32_t>(components_.size()); }

    /// The component at index; throws std::invalid_argument for an index
    /// outside 0 … GetComponentCount() − 1.
    SolvoSubstance& GetComponent(std::int32_t index);
    const SolvoSubstance& GetComponent(std::int32_t index) const;
    SolvoSubstance& GetCurrentComponent() { return GetComponent(current_); }
    const SolvoSubstance& GetCurrentComponent() const { return GetComponent(current_); }

    std::int32_t CurrentComponent() const { return current_; }
    /// Throws std::invalid_argument for an index not in use.
    void SetCurrentComponent(std::int32_t index);

    /// Appends a copy, which becomes current; returns the new count.
    std::int32_t AddComponent(const SolvoSubstance& component);
    /// Puts a copy in place of the component at index (std::invalid_argument
    /// when not in use); count and current stay.
    void ReplaceComponent(std::int32_t index, const SolvoSubstance& component);
    /// Removes the current component; the last one removed is replaced by
    /// an empty component. The current index moves back when it falls off
    /// the end. Returns the new count.
    std::int32_t RemoveCurrentComponent();

    /// The volume of the finished solution, litres.
    double FinalVolume() const { return finalVolume_; }
    void SetFinalVolume(double litres) { finalVolume_ = litres; }
    /// Significant digits the final volume is shown with; 0 means by DisplayDigits.
    std::int32_t VolumeDigits() const { return volumeDigits_; }
    void SetVolumeDigits(std::int32_t digits) { volumeDigits_ = digits; }
    /// Raises the volume digits to digits when that is more.
    void RaiseVolumeDigits(std::int32_t digits);
    VolumeUnit GetVolumeUnit() const { return volumeUnit_; }
    void SetVolumeUnit(VolumeUnit unit) { volumeUnit_ = unit; }

    /// Sets the component's amount (mol) to its molarity × the final volume
    /// and its mass (g) to that amount × its molar mass.
    void RefreshAmounts(SolvoSubstance& component) const;

    /// After the element table changed from before to after (a moiety
    /// added, modified or deleted, another database read): every component
    /// takes the molar masses its formulas now give
    /// (SolvoSubstance::FollowElementTable) and its amount and mass follow.
    /// The document is marked modified when a molar mass changed; returns
    /// whether one did.
    bool FollowElementTable(const ElementTable& before, const ElementTable& after);

    /// Counts the substance formula of every component (not the source or
    /// alternative formulas).
    std::vector<std::int32_t> CountElementUses(const ElementTable& elements) const override;

    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    /// Writes the solution file (version 0x10001, component records
    /// 0x40000), or reads one of version 0x10000 or 0x10001 (see Read). A
    /// file version it does not know leaves the notice "Unknown version of
    /// the data file..." in the archive and makes the document a new
    /// solution. Loading throws ArchiveError on malformed data and
    /// std::invalid_argument when the file names more components than it
    /// holds; the document is then unchanged.
    void Serialize(Archive& ar, const ElementTable& elements);

    /// Reads a solution file's bytes: the document then holds their content,
    /// or a new solution for an empty file or an unknown file version, and
    /// is not modified, with the first component current; a file that
    /// cannot be read leaves the document as it was. Every amount and mass
    /// is refreshed with elements' molar masses.
    ReadResult Read(std::string_view bytes, const ElementTable& elements);
    /// Read() of the file at path.
    ReadResult ReadFile(const FilePath& path, const ElementTable& elements);
    /// The bytes of the solution file.
    std::string Write(const ElementTable& elements);
    /// Saves at path atomically (the old file stays whole when this fails);
    /// the document is not modified afterwards. Returns false on failure,
    /// with the system's reason in error when given; with
    /// SaveMode::CreateNew a file that is there is never replaced.
    bool WriteFile(const FilePath& path, const ElementTable& elements,
                   std::string* error = nullptr, SaveMode mode = SaveMode::Replace);

    /// The file the document was last read from or saved to, as it was
    /// then (taken before reading); no file for a solution never saved.
    const FileStamp& Stamp() const { return stamp_; }

private:
    bool ReadContent(Archive& ar, std::uint32_t version, const ElementTable& elements);
    ReadResult ReadArchive(Archive& ar, const ElementTable& elements);

    std::vector<SolvoSubstance> components_;
    std::int32_t current_ = 0;
    double finalVolume_ = 0.0;
    std::int32_t volumeDigits_ = 0;
    VolumeUnit volumeUnit_ = VolumeUnit::Millilitre;
    bool modified_ = false;
    FileStamp stamp_;
};

} // namespace solvo
