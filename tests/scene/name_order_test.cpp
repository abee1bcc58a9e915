#include <scene/buffers.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

TEST(NameOrder, ComparesUnsignedBytesOverTheWholeLength) {
    const NameLess less;
    EXPECT_TRUE(less("ab", "abc"));
    EXPECT_FALSE(less("abc", "ab"));
    EXPECT_TRUE(less("Z", "a"));
    EXPECT_TRUE(less("", "a"));
    EXPECT_FALSE(less("cube", "cube"));
    // A byte of 0x80 or more orders after one below 0x80 at the same place.
    EXPECT_TRUE(less("na\x7Fme", "na\x80me"));
    EXPECT_TRUE(less("x\x01", "x\xFF"));
    EXPECT_FALSE(less("x\xFF", "x\x01"));
    // Zero bytes are ordinary bytes, not terminators.
    EXPECT_TRUE(less("a\0b"s, "a\0c"s));
    EXPECT_TRUE(less("a"s, "a\0"s));
    EXPECT_TRUE(less("a\0\xFF"s, "a\x01"s));
}

TEST(NameOrder, MapsKeepDistinctKeysInByteOrder) {
    std::map<std::string, int, NameLess> map;
    for (const std::string& name :
         {"view_present"s, "rect"s, "a\0b"s, "a"s, "cube"s, "a\0"s, "instance"s, "\xC3\xA9"s}) {
        map[name] = 1;
    }
    std::vector<std::string> order;
    for (const auto& [name, value] : map) {
        order.push_back(name);
    }
    const std::vector<std::string> expected = {"a"s,        "a\0"s,  "a\0b"s,         "cube"s,
                                               "instance"s, "rect"s, "view_present"s, "\xC3\xA9"s};
    EXPECT_EQ(order, expected);
}

} // namespace
