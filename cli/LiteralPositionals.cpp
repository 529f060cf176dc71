#include "LiteralPositionals.h"

#include <algorithm>

namespace solvo {

void AddLiteralPositionals(CLI::App& command, const std::string& name,
                           const std::string& description,
                           std::shared_ptr<std::vector<std::string>> values)
{
    auto append = [values](const std::vector<std::string>& given) {
        values->insert(values->end(), given.begin(), given.end());
    };
    CLI::Option* option =
        command.add_option_function<std::vector<std::string>>(name, append, description)
            ->required()
            ->type_name("TEXT ...");
    // Room for every argument that remains, so that the positional takes
    // each value as one, in order; taking them as a list instead would read
    // brackets and commas. All it got counts, however many that is.
    command.preparse_callback([option](std::size_t remaining) {
        option->expected(static_cast<int>(std::max<std::size_t>(remaining, 1)))
            ->allow_extra_args(false)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    });
}

} // namespace solvo
