// The mixed-radix state, its weights and value, and the digit operations.
#include "MixedRadixPi.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdlib>
#include <utility>

namespace {

// Weights w0 .. w10 are fixed bit patterns, not products computed here: two
// of them (w4, w8) lie one unit in the last place below the nearest double,
// and the value represented must come out with exactly these bits.
constexpr std::uint64_t kStoredWeightBits[11] = {
    0x3FF0000000000000, 0x3FD5555555555555, 0x3FC1111111111111, 0x3FAD41D41D41D41D,
    0x3F9A01A01A01A019, 0x3F87A463005E918C, 0x3F75D2D18A2FE8D0, 0x3F645E5D2BA42EA0,
    0x3F532BA2FBE5D187, 0x3F42295709965AB6, 0x3F314BF15E76D04C,
};

constexpr int kMaxPendingPlaces = 10;  // a 32-bit digit has no more decimal places

// Writes value in decimal, zero-padded on the left to at least width
// characters after any minus sign, as printf's "%0*d" does.
std::string PaddedDecimal(std::int32_t value, int width)
{
    char buf[16];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    std::string s(buf, end);
    std::size_t sign = value < 0 ? 1 : 0;
    if (s.size() < static_cast<std::size_t>(width))
        s.insert(sign, static_cast<std::size_t>(width) - s.size(), '0');
    return s;
}

}  // namespace

CMixedRadixPi::CMixedRadixPi(std::function<void()> onRefresh)
    : m_onRefresh(std::move(onRefresh))
{
}

void CMixedRadixPi::InitWeights()
{
    for (int k = 0; k < kShown; ++k)
        m_weight[k] = std::bit_cast<double>(kStoredWeightBits[k]);
    m_unseenWeight[kShown] = std::bit_cast<double>(kStoredWeightBits[kShown]);
    // Product first, rounded, then the quotient, rounded: the two roundings
    // in this order decide the last bits of every weight after w10.
    for (int k = kShown + 1; k < kPositions; ++k) {
        double product = k * m_unseenWeight[k - 1];
        m_unseenWeight[k] = product / (2 * k + 1);
    }
}

std::int32_t CMixedRadixPi::Digit(int k) const
{
    return k < kShown ? m_digit[k] : m_unseen[k];
}

double CMixedRadixPi::ComputeValue()
{
    // Fifty terms in increasing order of position, each product and each
    // running sum rounded to double: another order gives other last bits.
    double sum = m_digit[0] * m_weight[0];
    for (int k = 1; k < kShown; ++k)
        sum = sum + m_digit[k] * m_weight[k];
    for (int k = kShown; k < kPositions; ++k)
        sum = sum + m_unseen[k] * m_unseenWeight[k];
    m_value = sum;
    return sum;
}

void CMixedRadixPi::Refresh()
{
    ComputeValue();
    if (m_onRefresh)
        m_onRefresh();
}

void CMixedRadixPi::StepDone(Step step, int position)
{
    m_step = step;
    m_stepPosition = position;
    Refresh();
}

// Digits wrap as 32-bit two's complement. The exact result is formed in 64
// bits, where no digit arithmetic can overflow (signed overflow would be
// undefined), and taken modulo 2^32 by the conversion, which C++20 defines.
std::int32_t CMixedRadixPi::Wrap(int k, std::int64_t exact)
{
    const auto wrapped = static_cast<std::int32_t>(exact);
    if (wrapped != exact)
        m_wrapped[k] = true;
    return wrapped;
}

void CMixedRadixPi::InitializePi()
{
    std::fill(std::begin(m_digit), std::end(m_digit), 2);
    std::fill(m_unseen + kShown, std::end(m_unseen), 2);
    std::fill(std::begin(m_wrapped), std::end(m_wrapped), false);
    m_piDigits.clear();
    m_pendingPlaces = 1;
    StepDone(Step::InitializePi);
}

void CMixedRadixPi::MultiplyByTen()
{
    for (int k = 0; k < kShown; ++k)
        m_digit[k] = Wrap(k, m_digit[k] * std::int64_t{10});
    for (int k = kShown; k < kPositions; ++k)
        m_unseen[k] = Wrap(k, m_unseen[k] * std::int64_t{10});
    m_pendingPlaces = std::min(m_pendingPlaces + 1, kMaxPendingPlaces);
    StepDone(Step::MultiplyByTen);
}

void CMixedRadixPi::ReducePosition(int k)
{
    // Division truncates towards zero and the remainder keeps the dividend's
    // sign; with a modulus of 3 or more neither can overflow.
    const std::int32_t m = 2 * k + 1;
    const std::int32_t q = m_digit[k] / m;
    m_digit[k] = m_digit[k] % m;
    m_digit[k - 1] = Wrap(k - 1, m_digit[k - 1] + std::int64_t{q} * k);
    StepDone(Step::ReducePosition, k);
}

void CMixedRadixPi::ReduceUnseen()
{
    // Element 9 stands in for position 9 so that the pass from 49 down to 10
    // can run over one array; its carry is copied back at the end.
    m_unseen[kShown - 1] = m_digit[kShown - 1];
    for (int k = kPositions - 1; k >= kShown; --k) {
        const std::int32_t m = 2 * k + 1;
        const std::int32_t q = m_unseen[k] / m;
        m_unseen[k] = m_unseen[k] % m;
        m_unseen[k - 1] = Wrap(k - 1, m_unseen[k - 1] + std::int64_t{q} * k);
    }
    m_digit[kShown - 1] = m_unseen[kShown - 1];
    StepDone(Step::ReduceUnseen);
}

void CMixedRadixPi::ExtractDigits()
{
    // A non-negative position 0 is written with all the places it holds, so
    // that a held value such as 09 keeps its leading zero; a negative one is
    // written as "%02d" writes it, minus sign and all.
    const std::int32_t d0 = m_digit[0];
    const std::string s = PaddedDecimal(d0, d0 < 0 ? 2 : std::max(m_pendingPlaces, 2));
    const char last = s.back();
    if (last != '9') {
        const bool first = m_piDigits.empty();
        m_piDigits.append(s, 0, s.size() - 1);
        // The point stands right after the first character of the text,
        // however many characters the first extraction takes.
        if (first && !m_piDigits.empty())
            m_piDigits.insert(1, 1, '.');
        m_digit[0] = last - '0';
        m_pendingPlaces = 1;
    }
    StepDone(Step::ExtractDigits);
}

void CMixedRadixPi::ReduceAll()
{
    ReduceUnseen();
    for (int k = kShown - 1; k >= 1; --k)
        ReducePosition(k);
}

void CMixedRadixPi::ComputeOneMoreDigit()
{
    MultiplyByTen();
    ReduceAll();
    ExtractDigits();
}
