#include "LiteralPositionals.h"

namespace solvo {

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
    command.preparse_callback([&command, name, append](std::size_t remaining) {
        for (std::size_t more = 1; more < remaining; ++more)
            command.add_option_function<std::string>(name + std::to_string(more + 1), append)
                ->group("");
    });
}

} // namespace solvo
