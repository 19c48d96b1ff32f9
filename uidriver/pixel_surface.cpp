#include "uidriver/pixel_surface.h"

namespace uidriver {

PixelSurface::PixelSurface(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(screen_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap_ && memory_) {
    previous_ = SelectObject(memory_.get(), bitmap_.get());
    bits_ = static_cast<const std::uint32_t*>(bits);
  }
}

PixelSurface::~PixelSurface() {
  // The bitmap leaves the device context before either is deleted.
  if (previous_ != nullptr) SelectObject(memory_.get(), previous_);
}

std::uint32_t PixelSurface::Pixel(std::size_t index) const {
  GdiFlush();
  return bits_[index] & 0x00FFFFFF;
}

}  // namespace uidriver
