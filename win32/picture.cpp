// Pictures through OleLoadPicture, which reads every format the system knows; plain
// BMP images, the skins every launcher start loads, are read directly.
#include "win32/picture.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <optional>

#include "base/bitmap_layout.h"
#include "base/numbered_error.h"
#include "base/picture_limits.h"
#include "base/twips.h"
#include "win32/file_io.h"
#include "win32/handles.h"
#include "base/texts.h"
#include "win32/win32_texts.h"

namespace win32 {
namespace {

using discfront::ErrorNumber;
using discfront::NumberedError;
using discfront::PictureKind;
using discfront::PictureObject;

// OLE_HANDLE is 32 bits; GDI and user handles are sign-extended from 32 bits.
HANDLE FromOleHandle(OLE_HANDLE h) { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(static_cast<LONG>(h))); }

class OlePicture final : public PictureObject {
 public:
  OlePicture(IPicture* picture, std::string bytes) : picture_(picture), bytes_(std::move(bytes)) {
    OLE_HANDLE handle = 0;
    picture_->get_Handle(&handle);
    handle_ = FromOleHandle(handle);
    SHORT type = PICTYPE_NONE;
    picture_->get_Type(&type);
    kind_ = type == PICTYPE_BITMAP ? PictureKind::kBitmap
            : type == PICTYPE_ICON ? PictureKind::kIcon
            : (type == PICTYPE_METAFILE || type == PICTYPE_ENHMETAFILE) ? PictureKind::kMetafile
                                                                        : PictureKind::kEmpty;
    OLE_XSIZE_HIMETRIC w = 0;
    OLE_YSIZE_HIMETRIC h = 0;
    picture_->get_Width(&w);
    picture_->get_Height(&h);
    width_ = w;
    height_ = h;
  }
  OlePicture(const OlePicture&) = delete;
  OlePicture& operator=(const OlePicture&) = delete;
  ~OlePicture() override { picture_->Release(); }

  PictureKind Kind() const override { return kind_; }
  std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(handle_); }
  std::int32_t WidthHimetric() const override { return width_; }
  std::int32_t HeightHimetric() const override { return height_; }
  const std::string& Bytes() const override { return bytes_; }
  IPicture* Ole() const { return picture_; }

 private:
  IPicture* picture_;  // owned: one reference
  std::string bytes_;
  HANDLE handle_ = nullptr;
  PictureKind kind_ = PictureKind::kEmpty;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
};

// A BMP image as a DIB section of the file's own format: its rows are copied as they
// are, with no conversion to the screen's format, and a window outline is read from
// them in place. Drawn on the screen it shows the pixels OleLoadPicture's device
// bitmap shows, without a COM object and stream per picture.
class BitmapPicture final : public PictureObject {
 public:
  // dpi 0: the screen's.
  BitmapPicture(UniqueBitmap bitmap, int width, int height, std::string bytes, int dpi = 0)
      : bitmap_(std::move(bitmap)), bytes_(std::move(bytes)) {
    WindowDc screen(nullptr);
    // HIMETRIC as the picture loader gives it: pixels at the screen's resolution.
    width_ = MulDiv(width, 2540, dpi != 0 ? dpi : GetDeviceCaps(screen.get(), LOGPIXELSX));
    height_ = MulDiv(height, 2540, dpi != 0 ? dpi : GetDeviceCaps(screen.get(), LOGPIXELSY));
  }

  PictureKind Kind() const override { return PictureKind::kBitmap; }
  std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(bitmap_.get()); }
  std::int32_t WidthHimetric() const override { return width_; }
  std::int32_t HeightHimetric() const override { return height_; }
  const std::string& Bytes() const override { return bytes_; }

 private:
  UniqueBitmap bitmap_;
  std::string bytes_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
};

PictureRef DecodePlainBitmap(std::string& bytes) {
  const std::optional<discfront::BitmapLayout> layout = discfront::PlainBitmapLayout(bytes);
  if (!layout) return nullptr;
  const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data() + layout->infoOffset);
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0));
  DIBSECTION section{};
  if (!bitmap || GetObjectW(bitmap.get(), sizeof section, &section) != sizeof section) return nullptr;
  // The layout has checked that every row lies inside the bytes.
  std::memcpy(bits, bytes.data() + layout->bitsOffset,
              static_cast<std::size_t>(section.dsBm.bmWidthBytes) * static_cast<std::size_t>(layout->height));
  return std::make_shared<BitmapPicture>(std::move(bitmap), layout->width, layout->height, std::move(bytes));
}

// Takes the bytes by value, so that a file's image read for it is kept without a copy.
PictureRef Decode(std::string bytes) {
  if (bytes.empty()) return nullptr;
  if (PictureRef bitmap = DecodePlainBitmap(bytes)) return bitmap;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (memory == nullptr) return nullptr;
  void* data = GlobalLock(memory);
  std::memcpy(data, bytes.data(), bytes.size());
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return nullptr;
  }
  IPicture* picture = nullptr;
  const HRESULT hr = OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                    reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(hr) || picture == nullptr) return nullptr;
  auto result = std::make_shared<OlePicture>(picture, std::move(bytes));
  if (result->Handle() == 0) return nullptr;
  return result;
}

}  // namespace

PictureRef DecodePicture(const std::string& bytes) { return Decode(bytes); }

PictureRef LoadPictureFile(const std::wstring& path) {
  std::string bytes;
  switch (ReadWholeFile(path, bytes, discfront::kMaxPictureFileBytes)) {
    case ErrorNumber::kNone: break;
    case ErrorNumber::kFileNotFound: throw NumberedError(ErrorNumber::kFileNotFound, discfront::Text(kTextPictureFileNotFound));
    case ErrorNumber::kOutOfMemory: throw NumberedError(ErrorNumber::kOutOfMemory, discfront::FormatText(kTextPictureTooLarge, {path}));
    default: throw NumberedError(ErrorNumber::kPathFileAccess, discfront::FormatText(kTextFileAccessError, {path}));
  }
  // Refused before the decoder allocates what the header promises.
  if (discfront::FitOfPictureFile(bytes.size(), bytes) != discfront::PictureFit::kFits) {
    throw NumberedError(ErrorNumber::kInvalidPicture, discfront::FormatText(kTextPictureTooLarge, {path}));
  }
  PictureRef picture = Decode(std::move(bytes));
  if (!picture) throw NumberedError(ErrorNumber::kInvalidCall, discfront::FormatText(kTextNotAPicture, {path}));
  return picture;
}

HBITMAP BitmapOf(const PictureObject& picture) {
  if (picture.Kind() != PictureKind::kBitmap) return nullptr;
  return reinterpret_cast<HBITMAP>(picture.Handle());
}

void DrawPicture(const PictureObject& picture, HDC hdc, int x, int y, int width, int height) {
  if (picture.Handle() == 0) return;
  if (HBITMAP bitmap = BitmapOf(picture)) {
    MemoryDc source(hdc);
    SelectGuard select(source.get(), bitmap);
    BITMAP own{};
    GetObjectW(bitmap, sizeof own, &own);
    own.bmHeight = own.bmHeight < 0 ? -own.bmHeight : own.bmHeight;
    if (own.bmWidth == width && own.bmHeight == height) {
      BitBlt(hdc, x, y, width, height, source.get(), 0, 0, SRCCOPY);
      return;
    }
    // Shown at another size (a control at a higher resolution): each pixel keeps its
    // colour exactly, so that a key colour is still the key where it lands.
    const int mode = SetStretchBltMode(hdc, COLORONCOLOR);
    StretchBlt(hdc, x, y, width, height, source.get(), 0, 0, own.bmWidth, own.bmHeight, SRCCOPY);
    SetStretchBltMode(hdc, mode);
    return;
  }
  if (picture.Kind() == PictureKind::kIcon) {
    DrawIconEx(hdc, x, y, reinterpret_cast<HICON>(picture.Handle()), width, height, 0, nullptr, DI_NORMAL);
    return;
  }
  if (const auto* ole = dynamic_cast<const OlePicture*>(&picture)) {
    // Render takes the source in HIMETRIC, bottom up.
    ole->Ole()->Render(hdc, x, y, width, height, 0, picture.HeightHimetric(), picture.WidthHimetric(),
                       -picture.HeightHimetric(), nullptr);
  }
}

PictureRef MakeBitmapPicture(int width, int height, const std::function<COLORREF(int x, int y)>& colourOf) {
  // The image of a BMP file, bottom row first, rows padded to four bytes.
  const int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
  for (int y = height - 1; y >= 0; --y) {
    std::string row(static_cast<std::size_t>(stride), '\0');
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colourOf(x, y);
      row[static_cast<std::size_t>(x) * 3] = static_cast<char>(GetBValue(c));
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<char>(GetGValue(c));
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<char>(GetRValue(c));
    }
    bytes += row;
  }
  return DecodePicture(bytes);
}

PictureRef MakePixelPicture(const discfront::PixelImage& image, int dpi) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top row first, as the pixels are
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return nullptr;
  std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(std::uint32_t));
  return std::make_shared<BitmapPicture>(std::move(bitmap), image.width, image.height, std::string(), dpi);
}

namespace {

// A bitmap picture seen with another own size: the same bitmap, file image and kind.
class PictureAtDpi final : public PictureObject {
 public:
  PictureAtDpi(PictureRef inner, std::int32_t width, std::int32_t height)
      : inner_(std::move(inner)), width_(width), height_(height) {}
  PictureKind Kind() const override { return inner_->Kind(); }
  std::uintptr_t Handle() const override { return inner_->Handle(); }
  std::int32_t WidthHimetric() const override { return width_; }
  std::int32_t HeightHimetric() const override { return height_; }
  const std::string& Bytes() const override { return inner_->Bytes(); }

 private:
  PictureRef inner_;
  std::int32_t width_, height_;
};

}  // namespace

PictureRef ShownAtDpi(PictureRef picture, int dpi) {
  BITMAP info{};
  const HBITMAP bitmap = picture ? BitmapOf(*picture) : nullptr;
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return picture;
  const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  return std::make_shared<PictureAtDpi>(std::move(picture), MulDiv(info.bmWidth, 2540, dpi), MulDiv(height, 2540, dpi));
}

namespace {

BITMAPINFO TopDownPixels(int width, int height) {
  BITMAPINFO bmi{};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = width;
  bmi.bmiHeader.biHeight = -height;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  return bmi;
}

// Width x height pixels, allocated only within the picture caps.
std::optional<discfront::PixelImage> EmptyImage(int width, int height) {
  if (width <= 0 || height <= 0 || !discfront::PixelsWithinCaps(width, height)) return std::nullopt;
  discfront::PixelImage image{width, height, {}};
  image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  return image;
}

std::optional<discfront::PixelImage> KeptColours(std::optional<discfront::PixelImage> image) {
  if (image) {
    for (std::uint32_t& p : image->pixels) p &= 0x00FFFFFF;
  }
  return image;
}

}  // namespace

std::optional<discfront::PixelImage> PixelsDrawnAt(const PictureObject& picture, COLORREF key, int width, int height) {
  std::optional<discfront::PixelImage> image = EmptyImage(width, height);
  if (!image) return std::nullopt;
  WindowDc screen(nullptr);
  MemoryDc dc(nullptr);
  UniqueBitmap canvas(CreateCompatibleBitmap(screen.get(), width, height));
  {
    SelectGuard select(dc.get(), canvas.get());
    const RECT all{0, 0, width, height};
    SetBkColor(dc.get(), key);
    ExtTextOutW(dc.get(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    DrawPicture(picture, dc.get(), 0, 0, width, height);
  }
  BITMAPINFO bmi = TopDownPixels(width, height);
  if (GetDIBits(dc.get(), canvas.get(), 0, height, image->pixels.data(), &bmi, DIB_RGB_COLORS) != height) {
    return std::nullopt;
  }
  return KeptColours(std::move(image));
}

std::optional<discfront::PixelImage> PixelsOfPicture(const PictureObject& picture, COLORREF key, int dpi) {
  HBITMAP bitmap = BitmapOf(picture);
  BITMAP info{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) {
    // Icons and metafiles: drawn on the key colour, so their see-through parts stay so.
    const double perPixel = discfront::TwipsPerPixel(dpi);
    return PixelsDrawnAt(picture, key, discfront::HimetricToPixels(picture.WidthHimetric(), perPixel),
                         discfront::HimetricToPixels(picture.HeightHimetric(), perPixel));
  }
  std::optional<discfront::PixelImage> image = EmptyImage(info.bmWidth, info.bmHeight);
  if (!image) return std::nullopt;
  BITMAPINFO bmi = TopDownPixels(image->width, image->height);
  MemoryDc dc(nullptr);
  if (GetDIBits(dc.get(), bitmap, 0, image->height, image->pixels.data(), &bmi, DIB_RGB_COLORS) != image->height) {
    return std::nullopt;
  }
  return KeptColours(std::move(image));
}

}  // namespace win32
