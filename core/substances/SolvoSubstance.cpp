#include "substances/SolvoSubstance.h"

#include "formula/ChemicalFormula.h"
#include "substances/Archive.h"
#include "substances/FileMessages.h"

#include <cmath>
#include <optional>
#include <utility>

namespace solvo {

namespace {

constexpr std::uint32_t kVersion1 = 0x10000;
constexpr std::uint32_t kVersion2 = 0x20000;
constexpr std::uint32_t kVersion3 = 0x30000;

// The molar mass formula gives with after, when that is one and differs
// from what it gave with before; none otherwise. A mass that is not finite
// (only a damaged table holds such entries) is none either, so following
// the same table twice never changes anything.
std::optional<double> ChangedMolarMass(const std::string& formula, const ElementTable& before,
                                       const ElementTable& after)
{
    if (formula.empty())
        return std::nullopt;
    const double now = ChemicalFormula::MolarMassOf(after, formula);
    if (now == 0.0 || !std::isfinite(now) || now == ChemicalFormula::MolarMassOf(before, formula))
        return std::nullopt;
    return now;
}

// Flags are int32 in the files: any value but 0 reads as set, 1 is written.
void TransferFlag(Archive& ar, bool& flag)
{
    std::int32_t value = flag ? 1 : 0;
    ar.Transfer(value);
    flag = value != 0;
}

// Codes are stored as they are, also those outside the known range.
template <typename Code> void TransferCode(Archive& ar, Code& code)
{
    auto value = static_cast<std::int32_t>(code);
    ar.Transfer(value);
    code = static_cast<Code>(value);
}

} // namespace

void SolvoSubstance::Assign(const SolvoSubstance& other)
{
    CSubstance::operator=(other);
    alternatives_ = other.alternatives_;
    sourceFormula_ = other.sourceFormula_;
    sourceMolarMass_ = other.sourceMolarMass_;
    ConcentrationSet& set = Set();
    const ConcentrationSet& from = other.Set();
    set.SetUnit(from.Unit());
    set.Table() = from.Table();
    set.SetEquivalents(from.Equivalents());
    set.SetPureDensity(from.PureDensity());
    purity_ = other.purity_;
    concentrationDigits_ = other.concentrationDigits_;
    sourceKind_ = other.sourceKind_;
    stockConcentration_ = other.stockConcentration_;
    stockUnit_ = other.stockUnit_;
    otherUnit_ = other.otherUnit_;
    noSolid_ = other.noSolid_;
    useStockSolution_ = other.useStockSolution_;
    standardSubstance_ = other.standardSubstance_;
    prepareStandardSolution_ = other.prepareStandardSolution_;
    exactWeightEntered_ = other.exactWeightEntered_;
}

SolvoSubstance SolvoSubstance::CopyOf(const SolvoSubstance& other)
{
    SolvoSubstance copy;
    copy.Assign(other);
    return copy;
}

void SolvoSubstance::SetExactWeight(CEditableDouble weight)
{
    exactWeight_ = weight;
    exactWeightEntered_ = !(weight == 0.0);
}

void SolvoSubstance::SyncMolarMass()
{
    // The set converts with the substance's molar mass as it is now.
    Set().SetMolarMass(MolarMass());
}

SolvoSubstance::SetBox::SetBox(const SetBox& other)
    : set(other.set ? std::make_unique<ConcentrationSet>(*other.set) : nullptr)
{
}

SolvoSubstance::SetBox& SolvoSubstance::SetBox::operator=(const SetBox& other)
{
    if (this != &other)
        set = other.set ? std::make_unique<ConcentrationSet>(*other.set) : nullptr;
    return *this;
}

SolvoSubstance::SetFields SolvoSubstance::FieldsOf(const ConcentrationSet& set)
{
    const DensityTable& table = set.Table();
    return {.storedTableText = ScrambleTableText(table.Text()),
            .equivalents = set.Equivalents(),
            .pureDensity = set.PureDensity(),
            .molarity = set.GetConcentration(ConcentrationUnit::Molar),
            .molarMass = set.MolarMass(),
            .kind = table.Kind(),
            .unit = set.Unit(),
            .noTable = table.NoTable()};
}

void SolvoSubstance::Settle() const
{
    if (set_.set)
        return;
    set_.set = std::make_unique<ConcentrationSet>();
    if (!fromRecord_)
        return;
    fromRecord_ = false;
    SetFields fields = std::exchange(unsettled_, SetFields{});
    ConcentrationSet& set = *set_.set;
    DensityTable& table = set.Table();
    ScrambleTableTextInPlace(fields.storedTableText);
    table.SetText(std::move(fields.storedTableText));
    table.SetKind(fields.kind);
    table.SetNoTable(fields.noTable);
    set.SetUnit(fields.unit);
    set.SetEquivalents(fields.equivalents);
    set.SetPureDensity(fields.pureDensity);
    set.SetMolarMass(fields.molarMass);
    set.ParseDensityTable();
    if (!table.NoTable())
        set.CheckAmbiguity();
    set.SetConcentration(fields.molarity, ConcentrationUnit::Molar);
}

void SolvoSubstance::SetConcentration(double value, ConcentrationUnit unit)
{
    SyncMolarMass();
    Set().SetConcentration(value, unit);
}

double SolvoSubstance::GetConcentration(ConcentrationUnit unit) const
{
    return Set().GetConcentration(unit);
}

double SolvoSubstance::ConvertConcentration(double value, ConcentrationUnit fromUnit,
                                            ConcentrationUnit toUnit)
{
    SyncMolarMass();
    return Set().ConvertConcentration(value, fromUnit, toUnit);
}

void SolvoSubstance::ParseDensityTable()
{
    SyncMolarMass();
    Set().ParseDensityTable();
}

bool SolvoSubstance::IsOutsideDensityRange(double value, ConcentrationUnit unit) const
{
    return Set().IsOutsideDensityRange(value, unit);
}

bool SolvoSubstance::IsValidPurity(double purity)
{
    return purity > 0.0 && purity <= kFullPurity;
}

bool SolvoSubstance::IsValidEquivalents(double equivalents)
{
    return equivalents > 0.0 && std::isfinite(equivalents);
}

bool SolvoSubstance::IsValidPureDensity(double density)
{
    return density >= 0.0 && std::isfinite(density);
}

bool SolvoSubstance::UsesLaterFields() const
{
    return purity_ != kFullPurity || Equivalents() != 1.0 || PureDensity() != 0.0 ||
           IsLaterConcentrationUnit(Unit()) || IsLaterConcentrationUnit(stockUnit_) ||
           IsLaterConcentrationUnit(otherUnit_);
}

void SolvoSubstance::SelectOtherRoot()
{
    SyncMolarMass();
    Set().SelectOtherRoot();
}

void SolvoSubstance::UpdateSourceMolarMass(const ElementTable& elements)
{
    if (sourceFormula_.empty()) {
        sourceMolarMass_ = 0.0;
        return;
    }
    const double molarMass = ChemicalFormula::MolarMassOf(elements, sourceFormula_);
    if (molarMass != 0.0)
        sourceMolarMass_ = molarMass;
}

bool SolvoSubstance::FollowElementTable(const ElementTable& before, const ElementTable& after)
{
    bool changed = false;
    if (const std::optional<double> source = ChangedMolarMass(sourceFormula_, before, after);
        source && *source != sourceMolarMass_) {
        sourceMolarMass_ = *source;
        changed = true;
    }
    const std::optional<double> molarMass = ChangedMolarMass(Formula(), before, after);
    if (!molarMass || *molarMass == MolarMass())
        return changed;
    // The target is what the user gave, in the unit it was given in; every
    // other unit follows from it with the new molar mass.
    const double target = GetConcentration(ConcentrationUnit::OwnUnit);
    SetMolarMass(*molarMass);
    ParseDensityTable();
    SetConcentration(target, Unit());
    return true;
}

void SolvoSubstance::SelectDefaultSource()
{
    if (useStockSolution_) {
        sourceKind_ = SourceKind::StockSolution;
    } else if (noSolid_) {
        sourceKind_ = SourceKind::OtherSolution;
    } else if (!alternatives_.empty()) {
        sourceKind_ = SourceKind::FirstAlternative;
        sourceFormula_ = alternatives_.front();
    } else {
        sourceKind_ = SourceKind::AboveSubstance;
        sourceFormula_ = Formula();
    }
}

std::string SolvoSubstance::ScrambleTableText(std::string_view text)
{
    std::string result(text);
    ScrambleTableTextInPlace(result);
    return result;
}

void SolvoSubstance::ScrambleTableTextInPlace(std::string& text)
{
    auto state = static_cast<std::uint8_t>(text.size());
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte <= 127)
            c = static_cast<char>(byte ^ (state & 31));
        state = static_cast<std::uint8_t>(163 * state + 163);
    }
}

void SolvoSubstance::Serialize(Archive& ar, const ElementTable& elements)
{
    if (!ar.IsLoading()) {
        Write(ar, elements);
        return;
    }
    // Into a fresh component, so that a failed read changes nothing and
    // fields an older version lacks keep their initial values.
    SolvoSubstance read;
    read.Read(ar, elements);
    *this = std::move(read);
}

void SolvoSubstance::Write(Archive& ar, const ElementTable& elements)
{
    // Saving a database leaves its records unsettled.
    SetFields settled;
    if (set_.set)
        settled = FieldsOf(*set_.set);
    SetFields& fields = set_.set ? settled : unsettled_;
    const bool later = UsesLaterFields();
    ar.WriteUInt32(later ? kLaterRecordVersion : kRecordVersion);
    CSubstance::Serialize(ar, elements);
    ar.Transfer(sourceFormula_);
    TransferAlternatives(ar);
    TransferTableText(ar, fields);
    TransferSubstanceFlags(ar, fields);
    TransferSettings(ar, fields);
    if (later)
        TransferLaterFields(ar, fields);
}

void SolvoSubstance::Read(Archive& ar, const ElementTable& elements)
{
    const std::uint32_t version = ar.ReadUInt32();
    SetFields& fields = unsettled_;
    std::string name;
    std::string formula;
    switch (version) {
    case kLaterRecordVersion:
    case kRecordVersion:
        CSubstance::Serialize(ar, elements);
        ar.Transfer(sourceFormula_);
        TransferAlternatives(ar);
        TransferTableText(ar, fields);
        TransferSubstanceFlags(ar, fields);
        TransferSettings(ar, fields);
        if (version == kLaterRecordVersion)
            TransferLaterFields(ar, fields);
        break;
    case kVersion3:
    case kVersion2:
        if (version == kVersion3) {
            CSubstance::Serialize(ar, elements);
        } else {
            SetName(ar.ReadString());
            SetFormula(ar.ReadString());
        }
        TransferAlternatives(ar);
        TransferTableText(ar, fields);
        TransferSubstanceFlags(ar, fields);
        TransferSettings(ar, fields);
        SetMolarMass(ar.ReadDouble());
        break;
    case kVersion1: {
        SetName(ar.ReadString());
        SetFormula(ar.ReadString());
        std::string alternative = ar.ReadString();
        TransferTableText(ar, fields);
        TransferSubstanceFlags(ar, fields);
        if (ar.ReadInt32() != 0)
            alternatives_.push_back(std::move(alternative));
        TransferSettings(ar, fields);
        SetMolarMass(ar.ReadDouble());
        break;
    }
    default:
        ar.AddNotice(std::string(kUnknownVersionMessage));
        throw ArchiveError(ArchiveError::Kind::Generic, "unknown component record version");
    }
    DeriveAfterReading(elements, version);
}

void SolvoSubstance::TransferAlternatives(Archive& ar)
{
    if (!ar.IsLoading()) {
        ar.WriteCount(alternatives_.size());
        for (const std::string& alternative : alternatives_)
            ar.WriteString(alternative);
        return;
    }
    const std::uint32_t count = ar.ReadCount();
    // Each is at least its one-byte length.
    ar.Require(count);
    alternatives_.clear();
    for (std::uint32_t i = 0; i < count; ++i)
        alternatives_.push_back(ar.ReadString());
}

void SolvoSubstance::TransferTableText(Archive& ar, SetFields& fields)
{
    if (ar.IsLoading())
        fields.storedTableText = ar.ReadString();
    else
        ar.WriteString(fields.storedTableText);
}

void SolvoSubstance::TransferSubstanceFlags(Archive& ar, SetFields& fields)
{
    TransferFlag(ar, noSolid_);
    TransferFlag(ar, standardSubstance_);
    TransferFlag(ar, fields.noTable);
}

void SolvoSubstance::TransferSettings(Archive& ar, SetFields& fields)
{
    TransferCode(ar, fields.kind);
    ar.Transfer(stockConcentration_);
    TransferCode(ar, stockUnit_);
    TransferFlag(ar, useStockSolution_);
    ar.Transfer(otherConcentration_);
    TransferCode(ar, fields.unit);
    TransferCode(ar, sourceKind_);
    ar.Transfer(fields.molarity);
    TransferCode(ar, otherUnit_);
    ar.Transfer(concentrationDigits_);
    TransferFlag(ar, prepareStandardSolution_);
}

void SolvoSubstance::TransferLaterFields(Archive& ar, SetFields& fields)
{
    ar.Transfer(purity_);
    ar.Transfer(fields.equivalents);
    ar.Transfer(fields.pureDensity);
    if (!ar.IsLoading())
        return;
    // Each of these divides or multiplies an amount; a value no program
    // writes would turn a recipe into nonsense rather than into "???".
    if (!IsValidPurity(purity_) || !IsValidEquivalents(fields.equivalents) ||
        !IsValidPureDensity(fields.pureDensity))
        throw ArchiveError(ArchiveError::Kind::Generic, "component correction out of range");
}

void SolvoSubstance::DeriveAfterReading(const ElementTable& elements, std::uint32_t version)
{
    if (!Formula().empty())
        UpdateMolarMass(elements);
    if (version == kVersion3) {
        // These records store no source formula: it follows from the kind,
        // kind 1 standing for the first alternative when there is one.
        if (sourceKind_ == SourceKind::OtherSubstance)
            sourceKind_ = alternatives_.empty() ? SourceKind::AboveSubstance
                                                : SourceKind::FirstAlternative;
        const auto kind = static_cast<std::int64_t>(sourceKind_);
        const auto first = static_cast<std::int64_t>(SourceKind::FirstAlternative);
        const bool validAlternative =
            kind >= first && kind - first < static_cast<std::int64_t>(alternatives_.size());
        if (validAlternative) {
            sourceFormula_ = alternatives_[static_cast<std::size_t>(kind - first)];
        } else {
            // A kind with no alternative behind it (or a negative one) is
            // read as the substance itself rather than pointing nowhere.
            if (kind < 0 || kind >= first)
                sourceKind_ = SourceKind::AboveSubstance;
            sourceFormula_ = Formula();
        }
    }
    if (!sourceFormula_.empty())
        UpdateSourceMolarMass(elements);
    unsettled_.molarMass = MolarMass();
    fromRecord_ = true;
}

} // namespace solvo
