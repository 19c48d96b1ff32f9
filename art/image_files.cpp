// Little-endian writers for BMP and ICO.
#include "art/image_files.h"

#include <filesystem>
#include <fstream>

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

}  // namespace

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
  std::vector<std::uint8_t> out;
  Put16(out, 0);  // ICONDIR: reserved, type 1 (icon), the number of images
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(images.size()));
  auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());  // the images follow the directory
  for (const IconImage& icon : images) {
    const std::uint32_t imageBytes = 40 + IconPixelBytes(icon.image);
    out.push_back(static_cast<std::uint8_t>(icon.image.Width()));  // ICONDIRENTRY
    out.push_back(static_cast<std::uint8_t>(icon.image.Height()));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);   // planes
    Put16(out, 24);  // bits per pixel
    Put32(out, imageBytes);
    Put32(out, offset);
    offset += imageBytes;
  }
  for (const IconImage& icon : images) {
    const int width = icon.image.Width(), height = icon.image.Height();
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
