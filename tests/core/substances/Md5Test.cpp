#include "substances/Md5.h"
#include "substances/PasswordDigest.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

// The test suite of RFC 1321, appendix A.5.
TEST(Md5Test, RfcTestSuite)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& [message, digest] : cases)
        EXPECT_EQ(Md5::HexDigest(message), digest) << message;
}

TEST(Md5Test, PiecewiseUpdatesGiveTheSameDigest)
{
    const std::string message(1000, 'm');
    for (const std::size_t split : {1u, 55u, 56u, 63u, 64u, 65u, 999u}) {
        Md5 md5;
        md5.Update(std::string_view(message).substr(0, split));
        md5.Update(std::string_view(message).substr(split));
        const Md5::Digest parts = md5.Finish();
        Md5 whole;
        whole.Update(message);
        EXPECT_EQ(parts, whole.Finish()) << split;
    }
}

TEST(Md5Test, PasswordDigestIsEmptyOnlyForNoPassword)
{
    EXPECT_EQ(PasswordDigest(""), "");
    EXPECT_EQ(PasswordDigest("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(PasswordDigest("\xE9t\xE9"), Md5::HexDigest("\xE9t\xE9"));
}

} // namespace
} // namespace solvo
