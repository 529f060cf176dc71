#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvo {

/// One record of a CSV text: its fields and the line it starts on.
struct CsvRecord {
    std::size_t line = 0;
    std::vector<std::string> fields;
};

/// Comma-separated values as spreadsheets write them (RFC 4180): fields in
/// double quotes may hold commas, line breaks and doubled quotes; lines end
/// in LF or CR LF.
class CsvText {
public:
    /// The records of text, line numbers counted from 1; an error naming the
    /// line when a quoted field is not closed or a quote stands inside an
    /// unquoted field. Blank lines give no record.
    static std::vector<CsvRecord> Split(std::string_view text, std::string& error);

    /// field quoted when it holds a comma, quote, line break or an outer space.
    static std::string Field(std::string_view field);
};

} // namespace solvo
