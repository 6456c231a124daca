// The settings store's file reader: whatever it accepts must come back
// unchanged through the writer, with names unique without regard to case.

#include "fuzzcheck.h"
#include "settingsfile.h"

#include <cstddef>
#include <cstdint>

using platform::settingsfile::Entries;
using platform::settingsfile::ParseResult;

namespace {

// The pairwise check is quadratic; beyond this many entries the parser's own
// set is trusted and the fuzzer's -timeout watches its speed instead.
constexpr std::size_t MaxPairwiseEntries = 256;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView content(reinterpret_cast<const char *>(data), qsizetype(size));
    Entries entries;
    if (platform::settingsfile::parse(content, &entries) == ParseResult::Corrupt) {
        FUZZ_CHECK(entries.empty());
        return 0;
    }

    if (entries.size() <= MaxPairwiseEntries) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            for (std::size_t j = i + 1; j < entries.size(); ++j)
                FUZZ_CHECK(entries[i].first.compare(entries[j].first, Qt::CaseInsensitive) != 0);
        }
    }

    const QByteArray text = platform::settingsfile::format(entries);
    Entries again;
    FUZZ_CHECK(platform::settingsfile::parse(text, &again) == ParseResult::Ok);
    FUZZ_CHECK(entries == again);
    FUZZ_CHECK(platform::settingsfile::format(again) == text);
    return 0;
}
