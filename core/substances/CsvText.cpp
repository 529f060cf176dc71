#include "substances/CsvText.h"

namespace solvo {

std::vector<CsvRecord> CsvText::Split(std::string_view text, std::string& error)
{
    std::vector<CsvRecord> records;
    std::size_t line = 1;
    std::size_t at = 0;
    while (at < text.size()) {
        CsvRecord record{line, {}};
        std::string field;
        bool blank = true;
        for (;;) {
            if (at < text.size() && text[at] == '"') {
                blank = false;
                const std::size_t opened = line;
                ++at;
                for (;;) {
                    if (at == text.size()) {
                        error = "line " + std::to_string(opened) + ": a quoted field is not closed.";
                        return {};
                    }
                    const char c = text[at++];
                    if (c == '"') {
                        if (at < text.size() && text[at] == '"') {
                            field.push_back('"');
                            ++at;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n')
                        ++line;
                    field.push_back(c);
                }
            }
            while (at < text.size() && text[at] != ',' && text[at] != '\n' &&
                   !(text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')) {
                if (text[at] == '"') {
                    error = "line " + std::to_string(line) +
                            ": a quote inside a field that does not start with one.";
                    return {};
                }
                blank = false;
                field.push_back(text[at++]);
            }
            record.fields.push_back(std::move(field));
            field.clear();
            if (at < text.size() && text[at] == ',') {
                blank = false;
                ++at;
                continue;
            }
            break;
        }
        if (at < text.size()) {
            at += text[at] == '\r' ? 2 : 1;
            ++line;
        }
        if (!blank)
            records.push_back(std::move(record));
    }
    return records;
}

std::string CsvText::Field(std::string_view field)
{
    const bool quote = field.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quote)
        return std::string(field);
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"')
            quoted.push_back('"');
        quoted.push_back(c);
    }
    quoted.push_back('"');
    return quoted;
}

} // namespace solvo
