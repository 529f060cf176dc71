#include "platform/FilePath.h"

namespace solvo {

namespace {

std::filesystem::path NativeOf(std::string_view utf8)
{
#ifdef _WIN32
    // Windows names are UTF-16: convert from UTF-8, never from the code page.
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
#else
    return std::filesystem::path(std::string(utf8));
#endif
}

} // namespace

FilePath FilePath::FromUtf8(std::string_view utf8)
{
    return FilePath(NativeOf(utf8));
}

std::string FilePath::Utf8() const
{
#ifdef _WIN32
    const std::u8string utf8 = native_.u8string();
    return std::string(utf8.begin(), utf8.end());
#else
    return native_.string();
#endif
}

FilePath FilePath::Child(std::string_view name) const
{
    return FilePath(native_ / NativeOf(name));
}

FilePath FilePath::WithSuffix(std::string_view suffix) const
{
    std::filesystem::path path = native_;
    path += NativeOf(suffix);
    return FilePath(path);
}

} // namespace solvo
