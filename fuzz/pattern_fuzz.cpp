// The filter pattern is typed by the user: any bytes must compile to a
// pattern or to an error, never crash, recurse without bound or backtrack.
// The input up to its first newline is the pattern, the rest the text.
#include "pattern/Pattern.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view patternText = input.substr(0, newline);
    const std::string_view text =
        newline == std::string_view::npos ? patternText : input.substr(newline + 1);

    const solvo::Pattern pattern = solvo::Pattern::Compile(patternText);
    const bool found = pattern.Search(text);
    if (pattern.Error() && (found || pattern.Error()->message.empty() ||
                            pattern.Error()->offset > patternText.size()))
        std::abort();
    // The search is unanchored, so what is found in a text is found in any
    // text around it.
    if (found && !pattern.Search("\x01" + std::string(text) + "\xFF"))
        std::abort();
    // A searcher carries its working memory from text to text; no answer may
    // depend on what it searched before.
    solvo::PatternSearcher searcher(pattern);
    if (searcher.Search(text) != found ||
        searcher.Search(patternText) != pattern.Search(patternText) || searcher.Search(text) != found)
        std::abort();
    return 0;
}
