// The settings store's rules, one suite for both stores: built natively it
// checks the file store, built with MinGW-w64 and run under Wine the
// registry. Where the two ever disagreed the registry was right, so every
// expectation here is what the registry does.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include "doctest.h"

#include "storekey.h"
#include "storesandbox.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
// Shown when a comparison fails: the type and the bytes in hex.
std::ostream &operator<<(std::ostream &out, const StoreValue &value)
{
    static const char digits[] = "0123456789abcdef";
    out << "type " << value.type << " [";
    for (const unsigned char c : value.data)
        out << digits[c >> 4] << digits[c & 15];
    return out << "]";
}
} // namespace platform

namespace {

using platform::StoreKey;
using platform::StoreValue;
using platform::RegStatus::FileNotFound;
using platform::RegStatus::KeyDeleted;
using platform::RegStatus::Success;
namespace RegType = platform::RegType;
using namespace std::string_view_literals;

std::string dword(std::uint32_t v)
{
    return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}

// A sandbox with one key created and opened in it.
struct OpenKey
{
    StoreSandbox sandbox;
    std::unique_ptr<StoreKey> key;

    OpenKey()
    {
        REQUIRE(StoreKey::create(sandbox.path("Key\\")));
        key = StoreKey::open(sandbox.path("Key\\"));
        REQUIRE(key);
    }

    // The value as a newly opened key reads it, so nothing is only cached.
    std::int32_t reread(std::string_view name, StoreValue *value) const
    {
        const auto again = StoreKey::open(sandbox.path("Key"));
        REQUIRE(again);
        return again->query(name, value);
    }
};

} // namespace

TEST_CASE("a missing key opens as nothing; a created one holds no values until written")
{
    StoreSandbox sandbox;
    CHECK_FALSE(StoreKey::open(sandbox.path("Missing")));
    CHECK_FALSE(StoreKey::open(sandbox.path("Missing\\")));

    REQUIRE(StoreKey::create(sandbox.path("Nested\\Deeper\\")));
    auto key = StoreKey::open(sandbox.path("Nested\\Deeper"));
    REQUIRE(key);
    StoreValue untouched{RegType::Dword, dword(77)};
    StoreValue value = untouched;
    CHECK(key->query("", &value) == FileNotFound); // the unnamed value too
    CHECK(key->query("LowestTarget", &value) == FileNotFound);
    CHECK(value == untouched);

    // Creating it again leaves what it holds alone.
    REQUIRE(key->set("LowestTarget", {RegType::Dword, dword(150)}) == Success);
    CHECK(StoreKey::create(sandbox.path("Nested\\Deeper\\")));
    CHECK(key->query("LowestTarget", &value) == Success);
    CHECK(value == StoreValue{RegType::Dword, dword(150)});
}

TEST_CASE_FIXTURE(OpenKey, "every type reads back as written, text with its terminating zero")
{
    // Bytes as string_view literals, which keep inner zeros.
    struct Row
    {
        const char *name;
        std::uint32_t type;
        std::string_view written;
        std::string_view read; // the bytes that come back, of the same type
    };
    const std::vector<Row> rows = {
        {"dword", RegType::Dword, "\xfe\xff\xff\xff"sv, "\xfe\xff\xff\xff"sv},
        {"dword of eight bytes", RegType::Dword, "12345678"sv, "12345678"sv},
        {"dword of two bytes", RegType::Dword, "12"sv, "12"sv},
        {"empty dword", RegType::Dword, ""sv, ""sv},
        {"binary", RegType::Binary, "\0\1\2\0"sv, "\0\1\2\0"sv},
        {"empty binary", RegType::Binary, ""sv, ""sv},
        {"no type", 0, "xy"sv, "xy"sv},
        {"qword", 11, "\1\0\0\0\2\0\0\0"sv, "\1\0\0\0\2\0\0\0"sv},
        {"unknown type", 0x12345678, "xy"sv, "xy"sv},
        // A text's count may leave out the terminating zero: it is stored
        // with one all the same, and reads back with it.
        {"text without its zero", RegType::Sz, "abc"sv, "abc\0"sv},
        {"text with its zero", RegType::Sz, "abc\0"sv, "abc\0"sv},
        {"text with an inner zero", RegType::Sz, "a\0b"sv, "a\0b\0"sv},
        {"text of two zeros", RegType::Sz, "a\0\0"sv, "a\0\0"sv},
        {"empty text", RegType::Sz, ""sv, ""sv},
        {"a lone zero", RegType::Sz, "\0"sv, "\0"sv},
        {"Latin-1 text", RegType::Sz, "caf\xe9 \xa3"sv, "caf\xe9 \xa3\0"sv},
        {"expandable text", RegType::ExpandSz, "%x%"sv, "%x%\0"sv},
        {"text list", RegType::MultiSz, "ab\0cd"sv, "ab\0cd\0"sv},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        REQUIRE(key->set(row.name, {row.type, std::string(row.written)}) == Success);
    }
    for (const Row &row : rows) {
        INFO(row.name);
        const StoreValue expected{row.type, std::string(row.read)};
        StoreValue value;
        CHECK(key->query(row.name, &value) == Success);
        CHECK(value == expected);
        value = {};
        CHECK(reread(row.name, &value) == Success);
        CHECK(value == expected);
    }

    // A value written again takes the new type and size.
    REQUIRE(key->set("dword", {RegType::Sz, "7"}) == Success);
    StoreValue value;
    CHECK(reread("dword", &value) == Success);
    CHECK(value == StoreValue{RegType::Sz, std::string("7\0", 2)});
}

TEST_CASE_FIXTURE(OpenKey, "names match without regard to case, the unnamed value among them")
{
    REQUIRE(key->set("TimeAllowed", {RegType::Dword, dword(1)}) == Success);
    REQUIRE(key->set("TIMEALLOWED", {RegType::Dword, dword(2)}) == Success);
    REQUIRE(key->set("", {RegType::Dword, dword(3)}) == Success);
    StoreValue value;
    for (const char *name : {"TimeAllowed", "timeallowed", "TimeALLOWED"}) {
        INFO(name);
        CHECK(reread(name, &value) == Success);
        CHECK(value == StoreValue{RegType::Dword, dword(2)});
    }
    CHECK(reread("", &value) == Success);
    CHECK(value == StoreValue{RegType::Dword, dword(3)});
    CHECK(reread("TimeAllowed2", &value) == FileNotFound);
}

TEST_CASE_FIXTURE(OpenKey, "several values written together, each as if written alone")
{
    REQUIRE(key->set("LowestTarget", {RegType::Dword, dword(101)}) == Success);
    REQUIRE(key->setMany({{"lowesttarget", {RegType::Dword, dword(200)}},
                          {"HighestTarget", {RegType::Dword, dword(300)}},
                          {"Name", {RegType::Sz, "x"}}}) == Success);
    StoreValue value;
    CHECK(reread("LowestTarget", &value) == Success);
    CHECK(value == StoreValue{RegType::Dword, dword(200)});
    CHECK(reread("HighestTarget", &value) == Success);
    CHECK(value == StoreValue{RegType::Dword, dword(300)});
    CHECK(reread("Name", &value) == Success);
    CHECK(value == StoreValue{RegType::Sz, std::string("x\0", 2)});
}

TEST_CASE_FIXTURE(OpenKey, "a key removed while open: every call says so, and it opens no more")
{
    REQUIRE(key->set("Kept", {RegType::Dword, dword(1)}) == Success);
    sandbox.removeKey("Key");
    StoreValue untouched{RegType::Dword, dword(77)};
    StoreValue value = untouched;
    CHECK(key->query("Kept", &value) == KeyDeleted);
    CHECK(value == untouched);
    CHECK(key->set("Kept", {RegType::Dword, dword(2)}) == KeyDeleted);
    CHECK_FALSE(StoreKey::open(sandbox.path("Key")));
}
