#include "base/bitmap_layout.h"

#include <cstdint>

#include "base/file_numbers.h"

namespace discfront {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;

}  // namespace

std::optional<BitmapLayout> PlainBitmapLayout(std::string_view b) {
  if (b.size() < kFileHeaderSize + kInfoHeaderSize || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  const std::uint64_t bitsOffset = LittleEndianAt(b, 10, 4);
  const std::uint64_t infoSize = LittleEndianAt(b, 14, 4);
  const auto width = static_cast<std::int32_t>(LittleEndianAt(b, 18, 4));
  const auto height = static_cast<std::int32_t>(LittleEndianAt(b, 22, 4));
  const std::uint32_t planes = LittleEndianAt(b, 26, 2);
  const std::uint32_t bitCount = LittleEndianAt(b, 28, 2);
  const std::uint32_t compression = LittleEndianAt(b, 30, 4);
  const std::uint64_t coloursUsed = LittleEndianAt(b, 46, 4);
  if (infoSize < kInfoHeaderSize || planes != 1 || compression != kUncompressed) return std::nullopt;
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32) {
    return std::nullopt;
  }
  // INT32_MIN has no positive height.
  if (width <= 0 || height == 0 || height == INT32_MIN) return std::nullopt;
  const std::uint64_t rows = height < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(height))
                                        : static_cast<std::uint64_t>(height);
  const std::uint64_t fullTable = bitCount <= 8 ? (std::uint64_t{1} << bitCount) : 0;
  if (coloursUsed > fullTable && bitCount <= 8) return std::nullopt;
  const std::uint64_t colours = coloursUsed != 0 ? coloursUsed : fullTable;
  const std::uint64_t tableEnd = kFileHeaderSize + infoSize + colours * 4;
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
  // Every factor is below 2^32, so neither product overflows 64 bits.
  if (tableEnd > bitsOffset || bitsOffset > b.size() || stride * rows > b.size() - bitsOffset) return std::nullopt;
  return BitmapLayout{kFileHeaderSize, static_cast<std::size_t>(bitsOffset), width, static_cast<int>(rows)};
}

}  // namespace discfront
