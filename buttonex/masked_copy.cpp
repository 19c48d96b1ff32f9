// Masked copies: a mask where the key was, its inverse, and three combining copies.
#include "buttonex/masked_copy.h"

#include "win32/handles.h"

namespace discfront::buttonex {
namespace {

// The four scratch surfaces of one masked copy, released in reverse order.
struct Scratch {
  Scratch(HDC dest, int w, int h)
      : maskDc(dest), inverseDc(dest), resultDc(dest), copyDc(dest),
        mask(CreateBitmap(w, h, 1, 1, nullptr)), inverse(CreateBitmap(w, h, 1, 1, nullptr)),
        result(CreateCompatibleBitmap(dest, w, h)), copy(CreateCompatibleBitmap(dest, w, h)),
        selMask(maskDc.get(), mask.get()), selInverse(inverseDc.get(), inverse.get()),
        selResult(resultDc.get(), result.get()), selCopy(copyDc.get(), copy.get()) {}

  win32::MemoryDc maskDc, inverseDc, resultDc, copyDc;
  win32::UniqueBitmap mask, inverse, result, copy;
  win32::SelectGuard selMask, selInverse, selResult, selCopy;
};

}  // namespace

void MaskedCopy(HDC dest, HDC source, POINT destAt, POINT srcAt, int w, int h, COLORREF key) {
  if (key == kKeyFromSource) key = GetPixel(source, 1, 1);
  Scratch s(dest, w, h);
  const COLORREF oldBack = SetBkColor(source, key);
  BitBlt(s.maskDc.get(), 0, 0, w, h, source, srcAt.x, srcAt.y, SRCCOPY);
  SetBkColor(source, oldBack);
  BitBlt(s.inverseDc.get(), 0, 0, w, h, s.maskDc.get(), 0, 0, NOTSRCCOPY);
  BitBlt(s.resultDc.get(), 0, 0, w, h, dest, destAt.x, destAt.y, SRCCOPY);
  BitBlt(s.resultDc.get(), 0, 0, w, h, s.maskDc.get(), 0, 0, SRCAND);
  BitBlt(s.copyDc.get(), 0, 0, w, h, source, srcAt.x, srcAt.y, SRCCOPY);
  BitBlt(s.copyDc.get(), 0, 0, w, h, s.inverseDc.get(), 0, 0, SRCAND);
  BitBlt(s.resultDc.get(), 0, 0, w, h, s.copyDc.get(), 0, 0, SRCINVERT);
  BitBlt(dest, destAt.x, destAt.y, w, h, s.resultDc.get(), 0, 0, SRCCOPY);
}

bool MaskOnto(HDC source, HDC dest, COLORREF key, POINT destAt, POINT srcAt, int w, int h) {
  if (key == kKeyFromSource) key = GetPixel(source, 0, 0);
  win32::MemoryDc maskDc(dest);
  win32::UniqueBitmap mask(CreateBitmap(w, h, 1, 1, nullptr));
  win32::SelectGuard select(maskDc.get(), mask.get());
  const COLORREF oldBack = SetBkColor(source, key);
  if (!BitBlt(maskDc.get(), 0, 0, w, h, source, srcAt.x, srcAt.y, SRCCOPY)) return false;
  SetBkColor(source, oldBack);
  return BitBlt(dest, destAt.x, destAt.y, w, h, maskDc.get(), 0, 0, SRCCOPY) != FALSE;
}

bool MaskedSurfaceCopy(HDC dest, HDC source, POINT destAt, POINT srcAt, int w, int h, COLORREF key) {
  if (key == kKeyFromSource) key = GetPixel(source, 0, 0);
  Scratch s(dest, w, h);
  const COLORREF oldBack = SetBkColor(source, key);
  if (!BitBlt(s.maskDc.get(), 0, 0, w, h, source, srcAt.x, srcAt.y, SRCCOPY)) return false;
  SetBkColor(source, oldBack);
  return BitBlt(s.inverseDc.get(), 0, 0, w, h, s.maskDc.get(), 0, 0, NOTSRCCOPY) &&
         BitBlt(s.resultDc.get(), 0, 0, w, h, dest, destAt.x, destAt.y, SRCCOPY) &&
         BitBlt(s.resultDc.get(), 0, 0, w, h, s.maskDc.get(), 0, 0, SRCAND) &&
         BitBlt(s.copyDc.get(), 0, 0, w, h, source, srcAt.x, srcAt.y, SRCCOPY) &&
         BitBlt(s.copyDc.get(), 0, 0, w, h, s.inverseDc.get(), 0, 0, SRCAND) &&
         BitBlt(s.resultDc.get(), 0, 0, w, h, s.copyDc.get(), 0, 0, SRCINVERT) &&
         BitBlt(dest, destAt.x, destAt.y, w, h, s.resultDc.get(), 0, 0, SRCCOPY);
}

}  // namespace discfront::buttonex
