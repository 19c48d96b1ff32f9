// Little-endian writers for BMP and ICO, and the PNG writer for an icon's large images.
#include "art/image_files.h"

#include <zlib.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace discfront::art {
namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::size_t RowBytes(int width) { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }
std::size_t MaskRowBytes(int width) { return (static_cast<std::size_t>(width) + 31) / 32 * 4; }

// An icon image's colour rows and mask rows, without the header.
std::uint32_t IconPixelBytes(const Canvas& image) {
  return static_cast<std::uint32_t>((RowBytes(image.Width()) + MaskRowBytes(image.Width())) * image.Height());
}

// BITMAPINFOHEADER; an icon's header counts colour and mask rows together.
void PutInfoHeader(std::vector<std::uint8_t>& out, int width, int height, std::uint32_t imageSize) {
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);   // planes
  Put16(out, 24);  // bits per pixel
  Put32(out, 0);   // BI_RGB
  Put32(out, imageSize);
  Put32(out, 3780);  // 96 dots per inch, in dots per metre
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
}

void PutPixels(std::vector<std::uint8_t>& out, const Canvas& canvas, const std::vector<bool>* transparent) {
  const std::size_t padding = RowBytes(canvas.Width()) - static_cast<std::size_t>(canvas.Width()) * 3;
  for (int y = canvas.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      Rgb p = canvas.At(x, y);
      if (transparent && (*transparent)[static_cast<std::size_t>(y * canvas.Width() + x)]) p = {};
      out.push_back(p.b);
      out.push_back(p.g);
      out.push_back(p.r);
    }
    out.insert(out.end(), padding, 0);
  }
}

void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutPngChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::vector<std::uint8_t>& data) {
  PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start));
  PutBigEndian32(out, static_cast<std::uint32_t>(crc));
}

// The Paeth predictor of the PNG format.
std::uint8_t Paeth(int left, int up, int upLeft) {
  const int p = left + up - upLeft;
  const int toLeft = std::abs(p - left), toUp = std::abs(p - up), toUpLeft = std::abs(p - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return static_cast<std::uint8_t>(left);
  return static_cast<std::uint8_t>(toUp <= toUpLeft ? up : upLeft);
}

// Rows of RGBA, each after the filter byte of the Paeth filter: smooth drawings pack best so.
std::vector<std::uint8_t> FilteredRows(const IconImage& icon) {
  const int width = icon.image.Width(), height = icon.image.Height();
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
  std::vector<std::uint8_t> previous(rowBytes, 0), row(rowBytes), out;
  out.reserve((rowBytes + 1) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool clear = icon.transparent[static_cast<std::size_t>(y * width + x)];
      const Rgb p = clear ? Rgb{} : icon.image.At(x, y);
      const std::array<std::uint8_t, 4> rgba{p.r, p.g, p.b, static_cast<std::uint8_t>(clear ? 0 : 255)};
      std::copy(rgba.begin(), rgba.end(), row.begin() + static_cast<std::ptrdiff_t>(x) * 4);
    }
    out.push_back(4);  // Paeth
    for (std::size_t i = 0; i < rowBytes; ++i) {
      const int left = i >= 4 ? row[i - 4] : 0;
      const int upLeft = i >= 4 ? previous[i - 4] : 0;
      out.push_back(static_cast<std::uint8_t>(row[i] - Paeth(left, previous[i], upLeft)));
    }
    previous.swap(row);
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const IconImage& icon) {
  std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  PutBigEndian32(header, static_cast<std::uint32_t>(icon.image.Width()));
  PutBigEndian32(header, static_cast<std::uint32_t>(icon.image.Height()));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, adaptive filters, no interlace
  PutPngChunk(out, "IHDR", header);

  const std::vector<std::uint8_t> raw = FilteredRows(icon);
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK) {
    throw std::runtime_error("cannot compress an icon image");
  }
  packed.resize(packedSize);
  PutPngChunk(out, "IDAT", packed);
  PutPngChunk(out, "IEND", {});
  return out;
}

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas) {
  const auto imageSize = static_cast<std::uint32_t>(RowBytes(canvas.Width()) * canvas.Height());
  std::vector<std::uint8_t> out{'B', 'M'};
  Put32(out, 14 + 40 + imageSize);
  Put32(out, 0);
  Put32(out, 14 + 40);
  PutInfoHeader(out, canvas.Width(), canvas.Height(), imageSize);
  PutPixels(out, canvas, nullptr);
  return out;
}

std::vector<std::uint8_t> EncodeIco(const std::vector<IconImage>& images) {
  std::vector<std::vector<std::uint8_t>> encoded;
  for (const IconImage& icon : images) {
    if (icon.image.Width() >= kIconPngFromWidth) {
      encoded.push_back(EncodePng(icon));
      continue;
    }
    const int width = icon.image.Width(), height = icon.image.Height();
    std::vector<std::uint8_t>& out = encoded.emplace_back();
    PutInfoHeader(out, width, height * 2, IconPixelBytes(icon.image));
    PutPixels(out, icon.image, &icon.transparent);
    for (int y = height - 1; y >= 0; --y) {
      std::vector<std::uint8_t> row(MaskRowBytes(width), 0);
      for (int x = 0; x < width; ++x) {
        if (icon.transparent[static_cast<std::size_t>(y * width + x)]) {
          row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
      }
      out.insert(out.end(), row.begin(), row.end());
    }
  }

  std::vector<std::uint8_t> out;
  Put16(out, 0);  // ICONDIR: reserved, type 1 (icon), the number of images
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(images.size()));
  auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());  // the images follow the directory
  for (std::size_t i = 0; i < images.size(); ++i) {
    const bool png = images[i].image.Width() >= kIconPngFromWidth;
    const auto bytes = static_cast<std::uint32_t>(encoded[i].size());
    out.push_back(static_cast<std::uint8_t>(images[i].image.Width()));  // ICONDIRENTRY
    out.push_back(static_cast<std::uint8_t>(images[i].image.Height()));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);              // planes
    Put16(out, png ? 32 : 24);  // bits per pixel
    Put32(out, bytes);
    Put32(out, offset);
    offset += bytes;
  }
  for (const auto& image : encoded) out.insert(out.end(), image.begin(), image.end());
  return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::filesystem::path file(path);
  std::error_code error;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace discfront::art
