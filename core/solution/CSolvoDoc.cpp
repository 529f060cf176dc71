#include "solution/CSolvoDoc.h"

#include "formula/ChemicalFormula.h"
#include "formula/ElementTable.h"
#include "substances/ArchiveFile.h"
#include "substances/FileMessages.h"

#include <stdexcept>

namespace solvo {

CSolvoDoc::CSolvoDoc()
{
    AddComponent(SolvoSubstance());
}

SolvoSubstance& CSolvoDoc::GetComponent(std::int32_t index)
{
    if (index < 0 || index >= GetComponentCount())
        throw std::invalid_argument("component index " + std::to_string(index));
    return components_[static_cast<std::size_t>(index)];
}

const SolvoSubstance& CSolvoDoc::GetComponent(std::int32_t index) const
{
    if (index < 0 || index >= GetComponentCount())
        throw std::invalid_argument("component index " + std::to_string(index));
    return components_[static_cast<std::size_t>(index)];
}

void CSolvoDoc::SetCurrentComponent(std::int32_t index)
{
    GetComponent(index);
    current_ = index;
}

std::int32_t CSolvoDoc::AddComponent(const SolvoSubstance& component)
{
    components_.push_back(SolvoSubstance::CopyOf(component));
    current_ = GetComponentCount() - 1;
    return GetComponentCount();
}

void CSolvoDoc::ReplaceComponent(std::int32_t index, const SolvoSubstance& component)
{
    GetComponent(index) = SolvoSubstance::CopyOf(component);
}

std::int32_t CSolvoDoc::RemoveCurrentComponent()
{
    components_.erase(components_.begin() + current_);
    if (components_.empty())
        components_.emplace_back();
    if (current_ >= GetComponentCount())
        current_ = GetComponentCount() - 1;
    return GetComponentCount();
}

void CSolvoDoc::RaiseVolumeDigits(std::int32_t digits)
{
    if (digits > volumeDigits_)
        volumeDigits_ = digits;
}

void CSolvoDoc::RefreshAmounts(SolvoSubstance& component) const
{
    const double amount = component.GetConcentration(ConcentrationUnit::Molar) * finalVolume_;
    component.SetAmountAndMass(amount, amount * component.MolarMass());
}

bool CSolvoDoc::FollowElementTable(const ElementTable& before, const ElementTable& after)
{
    bool changed = false;
    for (SolvoSubstance& component : components_) {
        if (component.FollowElementTable(before, after)) {
            RefreshAmounts(component);
            changed = true;
        }
    }
    if (changed)
        modified_ = true;
    return changed;
}

std::vector<std::int32_t> CSolvoDoc::CountElementUses(const ElementTable& elements) const
{
    std::vector<std::int32_t> counts(static_cast<std::size_t>(elements.Count()) + 1, 0);
    for (const SolvoSubstance& component : components_) {
        const Composition composition =
            ChemicalFormula(elements, component.Formula()).FormulaComposition();
        for (std::size_t i = 0; i < composition.size() && i < counts.size(); ++i)
            counts[i] += composition[i];
    }
    return counts;
}

void CSolvoDoc::Serialize(Archive& ar, const ElementTable& elements)
{
    if (ar.IsLoading()) {
        if (!ReadContent(ar, ar.ReadUInt32(), elements)) {
            ar.AddNotice(std::string(kUnknownVersionMessage));
            *this = CSolvoDoc();
        }
        return;
    }
    ar.WriteUInt32(kFileVersion);
    ar.WriteInt32(GetComponentCount());
    ar.WriteCount(components_.size());
    for (SolvoSubstance& component : components_)
        component.Serialize(ar, elements);
    ar.WriteDouble(finalVolume_);
    ar.WriteInt32(volumeDigits_);
    ar.WriteInt32(static_cast<std::int32_t>(volumeUnit_));
}

bool CSolvoDoc::ReadContent(Archive& ar, std::uint32_t version, const ElementTable& elements)
{
    if (version != kFileVersion && version != kFileVersionMillilitres)
        return false;
    CSolvoDoc read;
    read.components_.clear();
    const std::int32_t count = ar.ReadInt32();
    const std::uint32_t records = ar.ReadCount();
    // Every record opens with its version word.
    ar.Require(4ULL * records);
    for (std::uint32_t i = 0; i < records; ++i) {
        SolvoSubstance component;
        component.Serialize(ar, elements);
        read.components_.push_back(std::move(component));
    }
    read.finalVolume_ = ar.ReadDouble();
    read.volumeDigits_ = ar.ReadInt32();
    if (version == kFileVersion) {
        read.volumeUnit_ = static_cast<VolumeUnit>(ar.ReadInt32());
    } else {
        read.finalVolume_ /= 1000.0;
        read.volumeUnit_ = VolumeUnit::Millilitre;
    }
    if (count > static_cast<std::int64_t>(records))
        throw std::invalid_argument("more components named than stored");
    // A file without records would leave no component to show.
    if (read.components_.empty())
        read.components_.emplace_back();
    for (SolvoSubstance& component : read.components_)
        read.RefreshAmounts(component);
    *this = std::move(read);
    return true;
}

CSolvoDoc::ReadResult CSolvoDoc::ReadArchive(Archive& ar, const ElementTable& elements)
{
    ReadResult result;
    if (ar.Remaining() == 0) {
        *this = CSolvoDoc();
        result.status = ReadStatus::Empty;
        return result;
    }
    try {
        result.version = ar.ReadUInt32();
        if (!ReadContent(ar, *result.version, elements)) {
            *this = CSolvoDoc();
            result.status = ReadStatus::UnknownVersion;
            result.messages.emplace_back(kUnknownVersionMessage);
            return result;
        }
        return result;
    } catch (const ArchiveError&) {
        result.status = ReadStatus::UnexpectedFormat;
        result.messages = ar.Notices();
        result.messages.emplace_back(kUnexpectedFileFormatMessage);
    } catch (const std::invalid_argument&) {
        result.status = ReadStatus::FailedToOpen;
        result.messages = ar.Notices();
        result.messages.emplace_back(kFailedToOpenDocumentMessage);
    }
    return result;
}

CSolvoDoc::ReadResult CSolvoDoc::Read(std::string_view bytes, const ElementTable& elements)
{
    ArchiveReader reader(bytes);
    return ReadArchive(reader, elements);
}

CSolvoDoc::ReadResult CSolvoDoc::ReadFile(const FilePath& path,
                                          const ElementTable& elements)
{
    ReadResult result;
    FileStamp stamp;
    const bool opened = ReadArchiveFile(
        path, [&](ArchiveReader& reader) { result = ReadArchive(reader, elements); }, &stamp);
    if (!opened) {
        result.status = ReadStatus::CannotOpen;
        result.messages.emplace_back(kFailedToOpenDocumentMessage);
    }
    if (result.Opened())
        stamp_ = std::move(stamp);
    return result;
}

std::string CSolvoDoc::Write(const ElementTable& elements)
{
    std::string bytes;
    ArchiveWriter writer(bytes);
    Serialize(writer, elements);
    writer.Close();
    return bytes;
}

bool CSolvoDoc::WriteFile(const FilePath& path, const ElementTable& elements,
                          std::string* error, SaveMode mode)
{
    const bool saved = WriteArchiveFile(
        path, [&](ArchiveWriter& writer) { Serialize(writer, elements); }, error, mode);
    if (!saved)
        return false;
    modified_ = false;
    stamp_ = FileStamp(path);
    return true;
}

} // namespace solvo
