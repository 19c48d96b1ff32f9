// The PNG writer: images of several sizes, read back whole by the system's own decoder
// (which checks every chunk's CRC and the zlib check sum).
#include <windows.h>

#include <wincodec.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include "uidriver/png_writer.h"

namespace uidriver {
namespace {

using Microsoft::WRL::ComPtr;

// The image's pixels as 8-bit RGB rows, or an empty vector when the system refuses it.
std::vector<std::uint8_t> DecodePng(std::vector<std::uint8_t> file, int width, int height) {
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICBitmapSource> rgb;
  UINT w = 0, h = 0;
  std::vector<std::uint8_t> bgr(static_cast<std::size_t>(width * height * 3));
  const UINT stride = static_cast<UINT>(width * 3);
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(file.data(), static_cast<DWORD>(file.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&w, &h)) ||
      w != static_cast<UINT>(width) || h != static_cast<UINT>(height) ||
      FAILED(WICConvertBitmapSource(GUID_WICPixelFormat24bppBGR, frame.Get(), &rgb)) ||
      FAILED(rgb->CopyPixels(nullptr, stride, static_cast<UINT>(bgr.size()), bgr.data()))) {
    return {};
  }
  for (std::size_t i = 0; i < bgr.size(); i += 3) std::swap(bgr[i], bgr[i + 2]);
  return bgr;
}

TEST(PngWriter, ImagesReadBackPixelForPixel) {
  // 200 x 120 needs more than one stored block (a block holds at most 65535 bytes).
  const std::pair<int, int> sizes[] = {{1, 1}, {3, 2}, {1, 300}, {200, 120}};
  for (auto [width, height] : sizes) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width * height * 3));
    for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 7 + i / 3);
    EXPECT_EQ(DecodePng(EncodePng(width, height, rgb), width, height), rgb);
  }
}

TEST(PngWriter, RefusesPixelsThatDoNotMatchTheSize) {
  const std::vector<std::uint8_t> rgb(11);
  EXPECT_THROW(EncodePng(2, 2, rgb), std::invalid_argument);
  EXPECT_THROW(EncodePng(0, 0, {}), std::invalid_argument);
}

}  // namespace
}  // namespace uidriver
