#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace solvo {

/// The MD5 message digest of RFC 1321. Feed bytes with Update(), any number
/// of times, then take the digest once with Finish().
class Md5 {
public:
    using Digest = std::array<std::uint8_t, 16>;

    Md5();

    void Update(std::string_view bytes);
    /// Pads the message and returns its digest; the object is spent afterwards.
    Digest Finish();

    /// The digest of bytes as 32 lowercase hexadecimal digits.
    static std::string HexDigest(std::string_view bytes);

private:
    void Transform(const std::uint8_t* block);

    std::array<std::uint32_t, 4> state_;
    std::array<std::uint8_t, 64> buffer_{};
    std::uint64_t length_ = 0; // bytes fed so far
};

} // namespace solvo
