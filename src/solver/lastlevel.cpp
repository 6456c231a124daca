#include "lastlevel.h"

#include "operation.h"

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define TALLYFOLD_SSE2 1
#endif

namespace solver {

std::array<std::int32_t, 6> lastLevelHitValues(std::int32_t number, std::int32_t target)
{
    // Every accepted result is positive, so a target below 1 is never reached.
    if (target < 1)
        return {};
    auto clip = [](std::int64_t value) {
        return value >= 1 && value <= INT32_MAX ? static_cast<std::int32_t>(value) : 0;
    };
    const std::int64_t t = target;
    return {clip(t - number),
            clip(t + number),
            clip(number - t),
            clip(number != 1 && t % number == 0 ? t / number : 0),
            clip(number != 1 ? t * number : 0),
            clip(number % t == 0 ? number / t : 0)};
}

LastLevelTally tallyLastLevelScalar(const std::int32_t *values, int count, std::int32_t number,
                                    const std::array<std::int32_t, 6> &hitValues)
{
    const ExactDivisor divisor(static_cast<std::uint32_t>(number));
    const SmallDivisors &smallDivisors = smallDivisorsOf(number);
    const int notOne = number != 1 ? 1 : 0;
    LastLevelTally tally;
    for (int c = 0; c < count; ++c) {
        const std::int32_t value = values[c];
        tally.accepted += 1 + (value != number) + ((value != 1) & notOne) +
                          ((divisor.quotient(static_cast<std::uint32_t>(value)) != 0) & notOne) +
                          smallDivisors.divides(value);
        tally.maybeHit |= (value == hitValues[0]) | (value == hitValues[1]) |
                          (value == hitValues[2]) | (value == hitValues[3]) |
                          (value == hitValues[4]) | (value == hitValues[5]);
    }
    return tally;
}

#ifdef TALLYFOLD_SSE2

namespace {

// The low 32 bits of each lane's product with one broadcast factor (SSE2 has
// no 32-bit multiply of its own).
inline __m128i multiplyLow(__m128i values, __m128i factor)
{
    const __m128i even = _mm_mul_epu32(values, factor);
    const __m128i odd = _mm_mul_epu32(_mm_srli_epi64(values, 32), factor);
    return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, _MM_SHUFFLE(0, 0, 2, 0)),
                              _mm_shuffle_epi32(odd, _MM_SHUFFLE(0, 0, 2, 0)));
}

} // namespace

LastLevelTally tallyLastLevel(const std::int32_t *values, int count, std::int32_t number,
                              const std::array<std::int32_t, 6> &hitValues)
{
    const int blocks = count / 4;
    LastLevelTally tally;
    if (blocks > 0) {
        const ExactDivisor divisor(static_cast<std::uint32_t>(number));
        const SmallDivisors &smallDivisors = smallDivisorsOf(number);
        const __m128i allOnes = _mm_set1_epi32(-1);
        const __m128i numberLanes = _mm_set1_epi32(number);
        const __m128i oneLanes = _mm_set1_epi32(1);
        const __m128i notOne = number != 1 ? allOnes : _mm_setzero_si128();
        const __m128i inverse = _mm_set1_epi32(static_cast<std::int32_t>(divisor.inverse()));
        const __m128i shiftRight = _mm_cvtsi32_si128(divisor.shift());
        const __m128i shiftLeft = _mm_cvtsi32_si128(32 - divisor.shift());
        // Unsigned "quotient <= limit" through a signed compare of biased values.
        const __m128i bias = _mm_set1_epi32(INT32_MIN);
        const __m128i biasedLimit =
            _mm_set1_epi32(static_cast<std::int32_t>(divisor.limit() ^ 0x80000000u));
        __m128i hits[6];
        for (std::size_t i = 0; i < 6; ++i)
            hits[i] = _mm_set1_epi32(hitValues[i]);

        // Each accepted operation subtracts a mask of -1 from the counter.
        __m128i counter = _mm_setzero_si128();
        __m128i anyHit = _mm_setzero_si128();
        for (int block = 0; block < blocks; ++block) {
            const __m128i value =
                _mm_loadu_si128(reinterpret_cast<const __m128i *>(values + 4 * block));
            // Subtraction unless equal; multiplication unless either is 1.
            counter = _mm_sub_epi32(counter,
                                    _mm_andnot_si128(_mm_cmpeq_epi32(value, numberLanes), allOnes));
            counter =
                _mm_sub_epi32(counter, _mm_andnot_si128(_mm_cmpeq_epi32(value, oneLanes), notOne));
            // Division when the value is a multiple of the number...
            const __m128i product = multiplyLow(value, inverse);
            const __m128i quotient =
                _mm_or_si128(_mm_srl_epi32(product, shiftRight), _mm_sll_epi32(product, shiftLeft));
            const __m128i inexact = _mm_cmpgt_epi32(_mm_xor_si128(quotient, bias), biasedLimit);
            counter = _mm_sub_epi32(counter, _mm_andnot_si128(inexact, notOne));
            // ... or a divisor of it above 1.
            for (int d = 0; d < smallDivisors.count(); ++d) {
                counter = _mm_sub_epi32(counter,
                                        _mm_cmpeq_epi32(value, _mm_set1_epi32(smallDivisors[d])));
            }
            for (const __m128i &hit : hits)
                anyHit = _mm_or_si128(anyHit, _mm_cmpeq_epi32(value, hit));
        }
        alignas(16) std::array<std::int32_t, 4> lanes;
        _mm_store_si128(reinterpret_cast<__m128i *>(lanes.data()), counter);
        // Addition is always accepted.
        tally.accepted = 4 * blocks + lanes[0] + lanes[1] + lanes[2] + lanes[3];
        tally.maybeHit = _mm_movemask_epi8(anyHit) != 0;
    }
    const LastLevelTally tail =
        tallyLastLevelScalar(values + 4 * blocks, count - 4 * blocks, number, hitValues);
    tally.accepted += tail.accepted;
    tally.maybeHit |= tail.maybeHit;
    return tally;
}

#else

LastLevelTally tallyLastLevel(const std::int32_t *values, int count, std::int32_t number,
                              const std::array<std::int32_t, 6> &hitValues)
{
    return tallyLastLevelScalar(values, count, number, hitValues);
}

#endif

} // namespace solver
