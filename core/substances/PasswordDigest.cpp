#include "substances/PasswordDigest.h"

#include "substances/Md5.h"

namespace solvo {

std::string PasswordDigest(std::string_view password)
{
    return password.empty() ? std::string() : Md5::HexDigest(password);
}

} // namespace solvo
