#include "printing/UEPC_URIDecoding.h"

#include "core/Utilities.h"

#include <array>
#include <cstdint>

namespace quill {

namespace {

constexpr std::size_t CodeLength = 24;  // 96 bits
constexpr std::string_view HexDigits = "0123456789ABCDEF";

// Widths of company prefix and item reference per partition value, from
// the SGTIN partition table of the EPC Tag Data Standard.
struct TPartition {
    int PrefixBits;
    int PrefixDigits;
    int ItemBits;
    int ItemDigits;
};
constexpr std::array<TPartition, 7> Partitions = {{
    {40, 12, 4, 1},
    {37, 11, 7, 2},
    {34, 10, 10, 3},
    {30, 9, 14, 4},
    {27, 8, 17, 5},
    {24, 7, 20, 6},
    {20, 6, 24, 7},
}};

constexpr int PartitionStart = 11;  // after 8 header and 3 filter bits
constexpr int PartitionBits = 3;
constexpr int SerialBits = 38;

// Reads the code's bits most significant first; no field is wider than 40
// bits, so every field fits an unsigned 64-bit number.
class TBitReader {
public:
    explicit TBitReader(std::string_view code) {
        for (std::size_t i = 0; i < CodeLength; ++i) {
            const auto pos = HexDigits.find(code[i]);
            nibbles_[i] = pos == std::string_view::npos ? 0 : static_cast<std::uint8_t>(pos);
        }
    }

    std::uint64_t Read(int count) {
        std::uint64_t value = 0;
        for (int i = 0; i < count; ++i, ++next_) {
            const int bit = (nibbles_[static_cast<std::size_t>(next_ / 4)] >> (3 - next_ % 4)) & 1;
            value = value << 1 | static_cast<std::uint64_t>(bit);
        }
        return value;
    }

    void Skip(int count) { next_ += count; }

private:
    std::array<std::uint8_t, CodeLength> nibbles_{};
    int next_ = 0;
};

std::string Decimal(std::uint64_t value, int digits) {
    return PadLeftZeros(std::to_string(value), digits);
}

}  // namespace

std::string DecodeSgtin96(std::string_view code) {
    if (code.size() != CodeLength) return std::string(code);
    TBitReader bits(code);
    bits.Skip(PartitionStart);
    const std::uint64_t partition = bits.Read(PartitionBits);
    if (partition >= Partitions.size()) return std::string(code);
    const TPartition& p = Partitions[partition];
    const std::uint64_t prefix = bits.Read(p.PrefixBits);
    const std::uint64_t item = bits.Read(p.ItemBits);
    const std::uint64_t serial = bits.Read(SerialBits);
    return Decimal(prefix, p.PrefixDigits) + "." + Decimal(item, p.ItemDigits) + "." + std::to_string(serial);
}

}  // namespace quill
