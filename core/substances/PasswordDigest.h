#pragma once

#include <string>
#include <string_view>

namespace solvo {

/// The stored form of a database password: the MD5 digest of its bytes as
/// typed, as 32 lowercase hexadecimal digits; the empty text (no password)
/// for an empty password. The password itself is never stored.
std::string PasswordDigest(std::string_view password);

} // namespace solvo
