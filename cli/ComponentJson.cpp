#include "ComponentJson.h"

#include "platform/Windows1252.h"
#include "CliOutput.h"
#include "substances/ArchiveReader.h"
#include "substances/ArchiveWriter.h"
#include "quantities/ConcentrationUnit.h"
#include "substances/SolvoSubstance.h"
#include "substances/SourceKind.h"
#include "substances/SubstanceCorrection.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace solvo {

namespace {

// Input quoted in a message, cut short when long.
std::string Clipped(std::string text)
{
    constexpr std::size_t kLongest = 40;
    if (text.size() > kLongest)
        text = text.substr(0, kLongest) + "...";
    return text;
}

// A value as it appears in a message.
std::string Shown(const nlohmann::json& value)
{
    return Clipped(value.dump());
}

[[noreturn]] void Expected(const std::string& field, const char* what, const nlohmann::json& value)
{
    throw BadInput(field + ": expected " + what + ", found " + Shown(value) + ".");
}

const nlohmann::json* Field(const nlohmann::json& object, std::string_view name)
{
    const auto found = object.find(name);
    return found == object.end() ? nullptr : &*found;
}

std::string Text(const nlohmann::json& value, const std::string& field)
{
    if (!value.is_string())
        Expected(field, "a string", value);
    auto text = Windows1252::FromUtf8(value.get_ref<const std::string&>());
    if (!text)
        throw BadInput(field + ": holds a character that Solvo's text (Windows-1252) cannot hold.");
    return *text;
}

std::optional<std::string> TextField(const nlohmann::json& object, const std::string& path,
                                     std::string_view name)
{
    const nlohmann::json* value = Field(object, name);
    if (!value)
        return std::nullopt;
    return Text(*value, FieldPath(path, name));
}

std::optional<bool> FlagField(const nlohmann::json& object, const std::string& path,
                              std::string_view name)
{
    const nlohmann::json* value = Field(object, name);
    if (!value)
        return std::nullopt;
    if (!value->is_boolean())
        Expected(FieldPath(path, name), "true or false", *value);
    return value->get<bool>();
}

std::optional<std::vector<std::string>> TextsField(const nlohmann::json& object,
                                                   const std::string& path, std::string_view name)
{
    const nlohmann::json* value = ArrayField(object, path, name);
    if (!value)
        return std::nullopt;
    const std::string field = FieldPath(path, name);
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < value->size(); ++i)
        texts.push_back(Text((*value)[i], field + "[" + std::to_string(i) + "]"));
    return texts;
}

// The names of the fields of the shape, in the order output gives them.
const std::vector<std::string>& ComponentFields()
{
    static const std::vector<std::string> names = [] {
        const nlohmann::ordered_json shape = ComponentToJson(SolvoSubstance());
        std::vector<std::string> all;
        for (const auto& item : shape.items())
            all.push_back(item.key());
        return all;
    }();
    return names;
}

// The derived values are rebuilt by the component's own reading of its
// record, so that a component written from JSON shows afterwards exactly
// as it is read from the file.
void Rederive(SolvoSubstance& component, const ElementTable& elements)
{
    std::string record;
    ArchiveWriter writer(record);
    component.Serialize(writer, elements);
    writer.Close();
    ArchiveReader reader(record);
    component.Serialize(reader, elements);
}

} // namespace

nlohmann::ordered_json ComponentToJson(const SolvoSubstance& component)
{
    nlohmann::ordered_json json;
    json["name"] = CliOutput::Utf8(component.Name());
    json["formula"] = CliOutput::Utf8(component.Formula());
    json["reserved_text"] = CliOutput::Utf8(component.ReservedText());
    json["molar_mass"] = CliOutput::Number(component.MolarMass());
    json["reserved_number"] = component.ReservedNumber();
    json["source_formula"] = CliOutput::Utf8(component.SourceFormula());
    nlohmann::ordered_json alternatives = nlohmann::ordered_json::array();
    for (const std::string& alternative : component.Alternatives())
        alternatives.push_back(CliOutput::Utf8(alternative));
    json["alternatives"] = std::move(alternatives);
    json["table_text"] = CliOutput::Utf8(component.Table().Text());
    json["no_solid"] = component.NoSolid();
    json["standard_substance"] = component.StandardSubstance();
    json["no_table"] = component.Table().NoTable();
    json["table_kind"] = static_cast<std::int32_t>(component.Table().Kind());
    json["stock_concentration"] = CliOutput::Number(component.StockConcentration());
    json["stock_unit"] = static_cast<std::int32_t>(component.StockUnit());
    json["use_stock"] = component.UseStockSolution();
    json["other_concentration"] = CliOutput::Number(component.OtherConcentration());
    json["other_unit"] = static_cast<std::int32_t>(component.OtherUnit());
    json["unit"] = static_cast<std::int32_t>(component.Unit());
    json["source_kind"] = static_cast<std::int32_t>(component.Source());
    json["M"] = CliOutput::Number(component.GetConcentration(ConcentrationUnit::Molar));
    json["digits"] = component.ConcentrationDigits();
    json["prepare_standard"] = component.PrepareStandardSolution();
    json["purity"] = CliOutput::Number(component.Purity());
    json["equivalents"] = CliOutput::Number(component.Equivalents());
    json["pure_density"] = CliOutput::Number(component.PureDensity());
    json["source_molar_mass"] = CliOutput::Number(component.SourceMolarMass());
    nlohmann::ordered_json concentrations;
    for (std::int32_t code = 0; code < kConcentrationUnitCount; ++code) {
        const auto unit = static_cast<ConcentrationUnit>(code);
        concentrations[std::string(ConcentrationUnitSymbol(unit))] =
            CliOutput::Number(component.GetConcentration(unit));
    }
    json["concentrations"] = std::move(concentrations);
    json["amount"] = CliOutput::Number(component.Amount());
    json["mass"] = CliOutput::Number(component.Mass());
    return json;
}

namespace {

// A unit as its code (the component's own unit, 8, included: a stock or
// other solution may be given in it) or as its name.
std::optional<ConcentrationUnit> UnitField(const nlohmann::json& object, const std::string& path,
                                           std::string_view name)
{
    const nlohmann::json* value = Field(object, name);
    if (value && value->is_string()) {
        const std::string field = FieldPath(path, name);
        if (const auto unit = ConcentrationUnitFromSymbol(Text(*value, field)))
            return unit;
        Expected(field, "a unit code or name", *value);
    }
    constexpr auto kLastUnit = static_cast<std::int32_t>(kConcentrationUnits.back());
    const auto code = CodeField(object, path, name, kLastUnit);
    if (!code)
        return std::nullopt;
    return static_cast<ConcentrationUnit>(*code);
}

// A correction in its range, or bad input with the program's message.
std::optional<double> CorrectionField(const nlohmann::json& object, const std::string& path,
                                      std::string_view name, SubstanceCorrection correction)
{
    const auto value = NumberField(object, path, name);
    const auto problem = value ? CorrectionProblem(correction, *value) : std::nullopt;
    if (problem)
        throw BadInput(FieldPath(path, name) + ": " + std::string(*problem));
    return value;
}

// The last source the component can show: its last alternative formula.
std::int32_t LastSource(const SolvoSubstance& component)
{
    return static_cast<std::int32_t>(AlternativeSource(0)) +
           static_cast<std::int32_t>(component.Alternatives().size()) - 1;
}

} // namespace

SolvoSubstance ComponentFromJson(const nlohmann::json& object, const std::string& path,
                                 const ElementTable& elements)
{
    ExpectObject(object, path, ComponentFields());
    SolvoSubstance component;
    if (auto name = TextField(object, path, "name"))
        component.SetName(std::move(*name));
    if (auto formula = TextField(object, path, "formula"))
        component.SetFormula(std::move(*formula));
    if (auto text = TextField(object, path, "reserved_text"))
        component.SetReservedText(std::move(*text));
    if (const auto molarMass = AmountField(object, path, "molar_mass"))
        component.SetMolarMass(*molarMass);
    if (const auto number =
            IntegerField(object, path, "reserved_number"))
        component.SetReservedNumber(*number);
    if (auto formula = TextField(object, path, "source_formula"))
        component.SetSourceFormula(std::move(*formula));
    if (auto alternatives = TextsField(object, path, "alternatives"))
        component.SetAlternatives(std::move(*alternatives));
    if (const auto text = TextField(object, path, "table_text"))
        component.Table().SetText(*text);
    if (const auto flag = FlagField(object, path, "no_solid"))
        component.SetNoSolid(*flag);
    if (const auto flag = FlagField(object, path, "standard_substance"))
        component.SetStandardSubstance(*flag);
    if (const auto flag = FlagField(object, path, "no_table"))
        component.Table().SetNoTable(*flag);
    if (const auto kind = CodeField(object, path, "table_kind", 2))
        component.Table().SetKind(static_cast<DensityTableKind>(*kind));
    if (const auto value = AmountField(object, path, "stock_concentration"))
        component.SetStockConcentration(*value);
    if (const auto unit = UnitField(object, path, "stock_unit"))
        component.SetStockUnit(*unit);
    if (const auto flag = FlagField(object, path, "use_stock"))
        component.SetUseStockSolution(*flag);
    if (const auto value = AmountField(object, path, "other_concentration"))
        component.SetOtherConcentration(*value);
    if (const auto unit = UnitField(object, path, "other_unit"))
        component.SetOtherUnit(*unit);
    if (const auto unit = UnitField(object, path, "unit"))
        component.SetUnit(*unit);
    if (const auto kind = CodeField(object, path, "source_kind", LastSource(component)))
        component.SetSource(static_cast<SourceKind>(*kind));
    if (const auto molarity = AmountField(object, path, "M"))
        component.SetConcentration(*molarity, ConcentrationUnit::Molar);
    if (const auto digits = IntegerField(object, path, "digits"))
        component.SetConcentrationDigits(*digits);
    if (const auto flag = FlagField(object, path, "prepare_standard"))
        component.SetPrepareStandardSolution(*flag);
    if (const auto purity = CorrectionField(object, path, "purity", SubstanceCorrection::Purity))
        component.SetPurity(*purity);
    if (const auto equivalents =
            CorrectionField(object, path, "equivalents", SubstanceCorrection::Equivalents))
        component.SetEquivalents(*equivalents);
    if (const auto density =
            CorrectionField(object, path, "pure_density", SubstanceCorrection::PureDensity))
        component.SetPureDensity(*density);
    Rederive(component, elements);
    return component;
}

std::string FieldPath(const std::string& path, std::string_view name)
{
    return path.empty() ? std::string(name) : path + "." + std::string(name);
}

void ExpectObject(const nlohmann::json& json, const std::string& path,
                  const std::vector<std::string>& known)
{
    if (!json.is_object())
        Expected(path.empty() ? std::string("the input") : path, "an object", json);
    for (const auto& item : json.items()) {
        if (std::find(known.begin(), known.end(), item.key()) == known.end())
            throw BadInput(FieldPath(path, Clipped(item.key())) + ": not a field of this shape.");
    }
}

std::optional<double> NumberField(const nlohmann::json& object, const std::string& path,
                                  std::string_view name)
{
    const nlohmann::json* value = Field(object, name);
    if (!value)
        return std::nullopt;
    if (value->is_number())
        return value->get<double>();
    if (value->is_string()) {
        const auto& text = value->get_ref<const std::string&>();
        if (text == "inf")
            return std::numeric_limits<double>::infinity();
        if (text == "-inf")
            return -std::numeric_limits<double>::infinity();
        if (text == "nan")
            return std::numeric_limits<double>::quiet_NaN();
    }
    Expected(FieldPath(path, name), "a number (or \"inf\", \"-inf\", \"nan\")", *value);
}

const nlohmann::json* ArrayField(const nlohmann::json& object, const std::string& path,
                                 std::string_view name)
{
    const nlohmann::json* value = Field(object, name);
    if (value && !value->is_array())
        Expected(FieldPath(path, name), "an array", *value);
    return value;
}

std::optional<std::int32_t> IntegerField(const nlohmann::json& object, const std::string& path,
                                         std::string_view name)
{
    const nlohmann::json* value = Field(object, name);
    if (!value)
        return std::nullopt;
    const std::string field = FieldPath(path, name);
    if (!value->is_number_integer())
        Expected(field, "an integer", *value);
    // Integers above the signed range are read as unsigned.
    constexpr auto kLargest = std::numeric_limits<std::int32_t>::max();
    const bool fits = !value->is_number_unsigned() ||
                      value->get<std::uint64_t>() <= static_cast<std::uint64_t>(kLargest);
    const std::int64_t number = fits ? value->get<std::int64_t>() : 0;
    if (!fits || number < std::numeric_limits<std::int32_t>::min() || number > kLargest)
        Expected(field, "a 32-bit integer", *value);
    return static_cast<std::int32_t>(number);
}

std::optional<std::int32_t> CodeField(const nlohmann::json& object, const std::string& path,
                                      std::string_view name, std::int32_t highest)
{
    const auto code = IntegerField(object, path, name);
    if (code && (*code < 0 || *code > highest))
        Expected(FieldPath(path, name),
                 ("a code from 0 to " + std::to_string(highest)).c_str(), *Field(object, name));
    return code;
}

std::optional<double> AmountField(const nlohmann::json& object, const std::string& path,
                                  std::string_view name)
{
    const auto amount = NumberField(object, path, name);
    if (amount && *amount < 0.0)
        Expected(FieldPath(path, name), "a number not below 0", *Field(object, name));
    return amount;
}

} // namespace solvo
