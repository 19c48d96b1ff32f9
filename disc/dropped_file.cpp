#include "dropped_file.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "disc/version_text.h"

namespace discfront {
namespace {

using Kind = DroppedFile::Kind;

// Letter case as the system's file names ignore it, for the letters disc names use.
wchar_t Folded(wchar_t c) {
  if ((c >= L'A' && c <= L'Z') || (c >= 0x0410 && c <= 0x042F)) return static_cast<wchar_t>(c + 32);
  if (c == 0x0401) return 0x0451;  // Ё
  return c == L'/' ? L'\\' : c;
}

std::wstring Folded(std::wstring_view text) {
  std::wstring folded(text);
  std::transform(folded.begin(), folded.end(), folded.begin(), [](wchar_t c) { return Folded(c); });
  return folded;
}

bool HasReservedCharacter(const std::wstring& path) { return path.find_first_of(L"@#&$") != std::wstring::npos; }

std::wstring WithSlash(std::wstring folder) {
  if (folder.empty() || (folder.back() != L'\\' && folder.back() != L'/')) folder += L'\\';
  return folder;
}

std::wstring NameOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring Extension(const std::wstring& name) {
  const std::size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos || dot == 0 ? std::wstring() : Folded(name.substr(dot));
}

bool HasExtension(const std::wstring& name, std::initializer_list<std::wstring_view> extensions) {
  const std::wstring extension = Extension(name);
  return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

bool IsPicture(const std::wstring& name) {
  return HasExtension(name, {L".bmp", L".jpg", L".gif", L".ico", L".wmf", L".emf"});
}

bool IsProgram(const std::wstring& name) { return HasExtension(name, {L".exe", L".msi", L".bat", L".cmd"}); }

// A title the catalogue can hold: its separators and line breaks go, spaces are
// closed up and trimmed.
std::wstring CatalogueTitle(const std::wstring& text) {
  std::wstring title;
  for (const wchar_t c : text) {
    const bool space = c == L' ' || c < 0x20 || c == L'@' || c == L'#' || c == L'&' || c == L'$';
    if (!space) {
      title.push_back(c);
    } else if (!title.empty() && title.back() != L' ') {
      title.push_back(L' ');
    }
  }
  if (!title.empty() && title.back() == L' ') title.pop_back();
  return title;
}

std::wstring TitleOf(const std::wstring& name, const ByteSource& bytes, std::uint16_t language) {
  std::wstring title = CatalogueTitle(ReadVersionTitle(bytes, language).value_or(L""));
  if (title.empty()) {
    const std::size_t dot = name.rfind(L'.');
    title = CatalogueTitle(dot == std::wstring::npos || dot == 0 ? name : name.substr(0, dot));
  }
  return title;
}

DroppedFile ClassifyFile(const std::wstring& discFolder, const std::wstring& path, bool onEntry,
                         const DropFiles& files, std::uint16_t language) {
  DroppedFile result{Kind::kUnreadable, path, {}, {}, {}};
  const std::unique_ptr<ByteSource> bytes = files.Open(path);
  if (!bytes) return result;
  const std::optional<std::wstring> discPath = DiscPathOf(discFolder, path);
  if (!discPath) {
    result.kind = Kind::kNeedsCopying;
    return result;
  }
  result.discPath = *discPath;
  result.findings = CheckEntryPath(*discPath);
  if (HasReservedCharacter(*discPath)) {
    result.kind = Kind::kReservedCharacter;
  } else if (!result.findings.empty()) {
    result.kind = Kind::kBreaksPathRules;
  } else if (onEntry && IsPicture(path)) {
    result.kind = Kind::kPicture;
  } else {
    result.kind = Kind::kEntry;
    result.entry = {*discPath, TitleOf(NameOf(path), *bytes, language), L"", L"none"};
  }
  return result;
}

}  // namespace

std::optional<std::wstring> DiscPathOf(const std::wstring& discFolder, const std::wstring& path) {
  std::wstring folder = Folded(discFolder);
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  if (folder.empty() || path.size() <= folder.size() + 1) return std::nullopt;
  if (Folded(std::wstring_view(path).substr(0, folder.size() + 1)) != folder + L'\\') return std::nullopt;
  std::wstring inside = path.substr(folder.size());
  std::replace(inside.begin(), inside.end(), L'/', L'\\');
  return inside;
}

std::vector<DroppedFile> ClassifyDrop(const std::wstring& discFolder, const std::vector<std::wstring>& dropped,
                                      bool onEntry, const DropFiles& files, std::uint16_t language) {
  std::vector<DroppedFile> results;
  onEntry = onEntry && dropped.size() == 1;
  for (const std::wstring& path : dropped) {
    if (discFolder.empty()) {
      results.push_back({Kind::kNoDiscFolder, path, {}, {}, {}});
      continue;
    }
    if (files.Probe(path) != PathKind::kFolder) {
      results.push_back(ClassifyFile(discFolder, path, onEntry, files, language));
      continue;
    }
    std::vector<std::wstring> names = files.List(path);
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return Folded(a) < Folded(b); });
    const std::wstring folder = WithSlash(path);
    const std::size_t before = results.size();
    for (const std::wstring& name : names) {
      if (IsProgram(name) && files.IsFile(folder + name)) {
        results.push_back(ClassifyFile(discFolder, folder + name, false, files, language));
      }
    }
    if (results.size() == before) results.push_back({Kind::kNoPrograms, path, {}, {}, {}});
  }
  return results;
}

std::vector<CopyIn> PlanCopyIn(const std::wstring& discFolder, const std::wstring& subfolder,
                               const std::vector<std::wstring>& sources, const FileProbe& probe) {
  std::vector<CopyIn> plan;
  std::vector<std::wstring> targets;  // folded, to find two copies going to one place
  for (const std::wstring& source : sources) {
    const std::wstring discPath = WithSlash(L"\\" + subfolder) + NameOf(source);
    const std::wstring target = WithSlash(discFolder) + discPath.substr(1);
    const bool twice = std::find(targets.begin(), targets.end(), Folded(target)) != targets.end();
    plan.push_back({source, target, discPath, twice || probe.Probe(target) != PathKind::kMissing,
                    HasReservedCharacter(discPath), CheckEntryPath(discPath)});
    targets.push_back(Folded(target));
  }
  return plan;
}

}  // namespace discfront
