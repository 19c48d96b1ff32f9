// A memory surface of 32-bit pixels, top row first, to draw or copy into and read back.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "win32/handles.h"

namespace uidriver {

class PixelSurface {
 public:
  PixelSurface(int width, int height);
  PixelSurface(const PixelSurface&) = delete;
  PixelSurface& operator=(const PixelSurface&) = delete;
  ~PixelSurface();

  bool valid() const { return bits_ != nullptr; }
  HDC dc() const { return memory_.get(); }
  // The pixel at index y * width + x as 0x00RRGGBB, once drawing is flushed.
  std::uint32_t Pixel(std::size_t index) const;

 private:
  win32::WindowDc screen_{nullptr};
  win32::MemoryDc memory_{screen_.get()};
  win32::UniqueBitmap bitmap_;
  const std::uint32_t* bits_ = nullptr;  // owned by bitmap_
  HGDIOBJ previous_ = nullptr;           // not owned
};

}  // namespace uidriver
