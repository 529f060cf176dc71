#pragma once

#include "buffers/BufferForm.h"
#include "buffers/BufferSolution.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace solvo {

class BufferFormReader;
class BufferModel;

/// A form with a number after "=", as `buffer` takes them: "NaCl=0.15".
struct FormWithNumber {
    BufferForm form;
    double number = 0.0;
    bool numberGiven = false;
};

/// Reading the `buffer` commands' arguments and writing what they share.
/// Every failure is BadInput naming the argument.
class BufferArguments {
public:
    /// FORM=NUMBER; with optional, FORM alone is accepted too.
    static FormWithNumber FormAndNumber(const std::string& argument, const BufferFormReader& reader,
                                        bool optional);
    /// "ACID,BASE": split at the one comma that leaves two forms (a comma
    /// inside a formula is the hydrate dot).
    static std::pair<BufferForm, BufferForm> Pair(const std::string& argument, const BufferFormReader& reader);

    /// The species array of the JSON output.
    static nlohmann::ordered_json Species(const std::vector<BufferSpecies>& species);
    /// "pH … at … °C, ionic strength …, capacity …" for plain text.
    static std::string StateLine(const BufferSolution& solution, double celsius, int digits);
    /// The warnings for JSON (UTF-8 texts) and as "Note:" lines.
    static nlohmann::ordered_json Warnings(const std::vector<std::string>& warnings);
    static std::string NoteLines(const std::vector<std::string>& warnings);
};

} // namespace solvo
