#include "app/base64.h"

#include <gtest/gtest.h>

#include <string>

namespace meridax {
namespace {

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

struct Vector {
  const char* plain;
  const char* encoded;
};

class Base64Vectors : public ::testing::TestWithParam<Vector> {};

TEST_P(Base64Vectors, EncodeAndDecode_MatchTheStandardVectors) {
  const Vector v = GetParam();
  EXPECT_EQ(base64Encode(bytesOf(v.plain)), v.encoded);
  EXPECT_EQ(base64Decode(v.encoded), bytesOf(v.plain));
}

INSTANTIATE_TEST_SUITE_P(Rfc4648, Base64Vectors,
                         ::testing::Values(Vector{"", ""}, Vector{"f", "Zg=="}, Vector{"fo", "Zm8="},
                                           Vector{"foo", "Zm9v"}, Vector{"foob", "Zm9vYg=="},
                                           Vector{"fooba", "Zm9vYmE="}, Vector{"foobar", "Zm9vYmFy"}));

TEST(Base64, EveryByteValueAndLength_RoundTrips) {
  Bytes all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<std::uint8_t>(i));
  for (std::size_t length = 0; length <= all.size(); length += 37) {
    const Bytes part(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_EQ(base64Decode(base64Encode(part)), part) << "length " << length;
  }
  EXPECT_EQ(base64Decode(base64Encode(all)), all);
}

TEST(Base64, LineBreaksAndMissingPadding_AreAccepted) {
  EXPECT_EQ(base64Decode("Zm9v\r\nYmFy"), bytesOf("foobar"));
  EXPECT_EQ(base64Decode("Zg"), bytesOf("f"));
  EXPECT_EQ(base64Decode("Zm8"), bytesOf("fo"));
}

TEST(Base64, MalformedTexts_AreRefused) {
  for (const char* bad : {"Z", "Zm9vY", "Zg=", "Zg===", "Zg==Zg==", "Zm9v!", "Zm-v", "=Zg="}) {
    EXPECT_FALSE(base64Decode(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace meridax
