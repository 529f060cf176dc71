#include "LiteralPositionals.h"

namespace solvo {

namespace {

// CLI11 writes a hidden positional into the usage line as "[]"; the hidden
// ones here are only room for more values of the one shown.
class LiteralPositionalsFormatter final : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string name) const override
    {
        std::string usage = Formatter::make_usage(app, std::move(name));
        constexpr std::string_view kHidden = " []";
        for (auto at = usage.find(kHidden); at != std::string::npos; at = usage.find(kHidden, at))
            usage.erase(at, kHidden.size());
        return usage;
    }
};

} // namespace

void AddLiteralPositionals(CLI::App& command, const std::string& name,
                           const std::string& description,
                           std::shared_ptr<std::vector<std::string>> values)
{
    // Option callbacks run in the order the options were added, which is the
    // order in which positionals take the arguments.
    auto append = [values](const std::string& value) { values->push_back(value); };
    command.add_option_function<std::string>(name, append, description)
        ->required()
        ->type_name("TEXT ...");
    command.formatter(std::make_shared<LiteralPositionalsFormatter>());
    command.preparse_callback([&command, name, append](std::size_t remaining) {
        for (std::size_t more = 1; more < remaining; ++more)
            command.add_option_function<std::string>(name + std::to_string(more + 1), append)
                ->group("");
    });
}

} // namespace solvo
