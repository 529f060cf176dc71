#pragma once

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace solvo::test {

inline constexpr const char* kGermanLocale = "de_DE.UTF-8";

/// Sets a variable of this process's environment, for itself and its children.
inline void SetEnvironment(const char* name, const std::string& value)
{
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    ::setenv(name, value.c_str(), 1);
#endif
}

/// Makes the German locale (decimal comma) available to setlocale and to
/// child processes, generating it into a temporary folder named by LOCPATH
/// when the machine lacks it. False when it cannot be had at all.
inline bool ProvideGermanLocale()
{
    static const bool available = [] {
        const std::string previous = std::setlocale(LC_ALL, nullptr);
        if (std::setlocale(LC_ALL, kGermanLocale) == nullptr) {
            const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                              ("solvo-locales-" + std::to_string(::getpid()));
            std::filesystem::create_directories(dir);
            const std::string command = "localedef -i de_DE -f UTF-8 '" +
                                        (dir / kGermanLocale).string() + "' >/dev/null 2>&1";
            // localedef warns about a few characters yet writes the locale;
            // whether it worked is seen from setlocale below.
            [[maybe_unused]] const int status = std::system(command.c_str());
            SetEnvironment("LOCPATH", dir.string());
        }
        const bool ok = std::setlocale(LC_ALL, kGermanLocale) != nullptr;
        std::setlocale(LC_ALL, previous.c_str());
        return ok;
    }();
    return available;
}

/// Switches the whole process to a locale for the lifetime of the object.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name) : previous_(std::setlocale(LC_ALL, nullptr))
    {
        std::setlocale(LC_ALL, name);
    }
    ~ScopedLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    std::string previous_;
};

} // namespace solvo::test
