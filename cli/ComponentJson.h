#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

class ElementTable;
class SolvoSubstance;

// The component shape: one solution component or database substance as a
// JSON object, printed by `show`, `db show` and `db export` and read back by
// `write`. Texts are UTF-8 outside and Windows-1252 inside; flags are
// booleans; units, kinds and source kinds are their numeric codes.

/// Every stored field of the component, then what is derived from them
/// (source molar mass, the eight concentrations, amount and mass).
nlohmann::ordered_json ComponentToJson(const SolvoSubstance& component);

/// A component from the stored fields of object; a missing field keeps a new
/// component's initial value and the derived fields are ignored. Everything
/// derived is then rebuilt with elements exactly as reading the component's
/// record from a file rebuilds it. path names the object in messages, such as
/// "components[1]". Throws BadInput naming the field for a field this shape
/// does not have, a value of the wrong type, or a text that Windows-1252
/// cannot hold.
SolvoSubstance ComponentFromJson(const nlohmann::json& object, const std::string& path,
                                 const ElementTable& elements);

// Reading the fields of a JSON object given as input. A field is named in
// messages by its path: the object's path and the field's name joined by a
// dot ("components[1].stock_unit"), or the name alone at the top level.

/// The path of the field name of the object at path.
std::string FieldPath(const std::string& path, std::string_view name);

/// Throws BadInput unless json is an object whose fields are all among known.
void ExpectObject(const nlohmann::json& json, const std::string& path,
                  const std::vector<std::string>& known);

/// A number, or one of the strings "inf", "-inf" and "nan" that output uses
/// for a number that is not finite; none when the field is missing.
std::optional<double> NumberField(const nlohmann::json& object, const std::string& path,
                                  std::string_view name);

/// The field when it is an array; none when it is missing.
const nlohmann::json* ArrayField(const nlohmann::json& object, const std::string& path,
                                 std::string_view name);

/// A 32-bit integer; none when the field is missing.
std::optional<std::int32_t> IntegerField(const nlohmann::json& object, const std::string& path,
                                         std::string_view name);

/// A code from 0 to highest; none when the field is missing. A file may keep
/// a code outside its range (from another version of the program, or
/// damaged) and is read as it is, but input from a script is held to the
/// codes the program can show.
std::optional<std::int32_t> CodeField(const nlohmann::json& object, const std::string& path,
                                      std::string_view name, std::int32_t highest);

/// As NumberField, for an amount that cannot be below 0 (a concentration, a
/// molar mass, a volume); not finite ones are taken, as output gives them.
std::optional<double> AmountField(const nlohmann::json& object, const std::string& path,
                                  std::string_view name);

} // namespace solvo
