#include "base/file_encoding.h"

#include "base/cp1251.h"
#include "base/utf8.h"

namespace discfront {

FileEncoding DetectFileEncoding(std::string_view fileBytes) {
  return fileBytes.starts_with(kUtf8Mark) ? FileEncoding::kUtf8 : FileEncoding::kCp1251;
}

std::string_view FileBody(std::string_view fileBytes) {
  if (DetectFileEncoding(fileBytes) == FileEncoding::kUtf8) fileBytes.remove_prefix(kUtf8Mark.size());
  return fileBytes;
}

std::wstring DecodeFile(std::string_view fileBytes) {
  if (DetectFileEncoding(fileBytes) == FileEncoding::kUtf8) return DecodeUtf8(FileBody(fileBytes));
  return DecodeCp1251(fileBytes);
}

std::optional<FileEncoding> EncodeFile(std::wstring_view text, std::string& out) {
  const std::size_t at = out.size();
  // Windows-1251 bytes that begin like the mark would read back as UTF-8.
  if (EncodeCp1251(text, out) == std::wstring_view::npos && !std::string_view(out).substr(at).starts_with(kUtf8Mark)) {
    return FileEncoding::kCp1251;
  }
  out.resize(at);
  out += kUtf8Mark;
  if (EncodeUtf8(text, out) == std::wstring_view::npos) return FileEncoding::kUtf8;
  out.resize(at);
  return std::nullopt;
}

}  // namespace discfront
