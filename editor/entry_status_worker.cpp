#include "entry_status_worker.h"

#include <shellapi.h>
#include <shlobj.h>

#include <utility>

#include "disc/elevated_entries.h"
#include "disc_check.h"
#include "system_picture_probe.h"
#include "win32/com_apartment.h"
#include "win32/display_dpi.h"
#include "win32/program_file.h"
#include "win32/system_file_probe.h"

namespace discfront::editor {
namespace {

// The icon the system shows for a file, drawn for `size` pixels: taken from where the
// icon lies when the system says, so that it is not a small icon stretched; else the
// system's small icon. A missing file or a folder gets its kind's icon.
win32::UniqueIcon IconOfFile(const IconFile& file, int size) {
  if (file.kind == IconFile::Kind::kNone) return {};
  UINT byKind = 0;
  DWORD attributes = 0;
  if (file.kind == IconFile::Kind::kMissingFile) {
    byKind = SHGFI_USEFILEATTRIBUTES;
    attributes = FILE_ATTRIBUTE_NORMAL;
  } else if (file.kind == IconFile::Kind::kFolder) {
    byKind = SHGFI_USEFILEATTRIBUTES;
    attributes = FILE_ATTRIBUTE_DIRECTORY;
  }
  SHFILEINFOW info{};
  if (SHGetFileInfoW(file.path.c_str(), attributes, &info, sizeof info, SHGFI_ICONLOCATION | byKind) != 0 &&
      info.szDisplayName[0] != L'\0') {
    HICON icon = nullptr;
    if (SHDefExtractIconW(info.szDisplayName, info.iIcon, 0, &icon, nullptr, static_cast<UINT>(size)) == S_OK &&
        icon != nullptr) {
      return win32::UniqueIcon(icon);
    }
  }
  SHFILEINFOW small{};
  if (SHGetFileInfoW(file.path.c_str(), attributes, &small, sizeof small, SHGFI_ICON | SHGFI_SMALLICON | byKind) != 0) {
    return win32::UniqueIcon(small.hIcon);
  }
  return {};
}

}  // namespace

EntryStatusWorker::EntryStatusWorker() : thread_([this] { Run(); }) {}

EntryStatusWorker::~EntryStatusWorker() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
    ++generation_;  // the run in hand stops at its next step
  }
  wake_.notify_one();
  thread_.join();
}

unsigned EntryStatusWorker::Start(HWND notify, UINT message, std::wstring discFolder,
                                  std::vector<CatalogueEntry> snapshot) {
  Job job{0, notify, message, win32::WindowDpi(notify), std::move(discFolder), std::move(snapshot)};
  unsigned generation = 0;
  {
    const std::lock_guard lock(mutex_);
    generation = job.generation = ++generation_;
    pending_ = std::move(job);
    result_.reset();
  }
  wake_.notify_one();
  return generation;
}

std::optional<EntryStatusResult> EntryStatusWorker::TakeResult() {
  const std::lock_guard lock(mutex_);
  std::optional<EntryStatusResult> result = std::move(result_);
  result_.reset();
  if (result && result->generation != generation_) return std::nullopt;
  return result;
}

void EntryStatusWorker::Cancel() {
  const std::lock_guard lock(mutex_);
  ++generation_;
  pending_.reset();
  result_.reset();
}

bool EntryStatusWorker::Outdated(unsigned generation) const {
  const std::lock_guard lock(mutex_);
  return generation != generation_;
}

void EntryStatusWorker::Run() {
  // The picture loader and the shell's icons both need COM on the thread that asks.
  const win32::ComApartment com;
  // The window's thread comes first: the author types while the disc is looked at.
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return ending_ || pending_.has_value(); });
      if (ending_) return;
      job = std::move(*pending_);
      pending_.reset();
    }
    std::optional<EntryStatusResult> result;
    try {
      result = Work(job);
    } catch (...) {  // out of memory: no result, and the rows stay "not checked" until the next start
    }
    if (!result) continue;
    {
      const std::lock_guard lock(mutex_);
      if (result->generation != generation_) continue;
      result_ = std::move(result);
    }
    // A window that is gone gets nothing; the result waits for the next Start.
    PostMessageW(job.notify, job.message, job.generation, 0);
  }
}

std::optional<EntryStatusResult> EntryStatusWorker::Work(const Job& job) {
  const win32::SystemFileProbe files;
  const SystemPictureProbe pictures;
  const win32::SystemProgramProbe programs;
  const DiscFolder disc(job.folder);
  DiscCheck check(job.entries, disc, files, pictures, programs);
  check.SkipDiscFiles();
  // One record a step: a newer Start waits at most for one record's files.
  while (check.Step(1)) {
    if (Outdated(job.generation)) return std::nullopt;
  }
  const std::vector<bool> asking = EntriesAskingAdministrator(job.entries, disc, files, programs);
  if (Outdated(job.generation)) return std::nullopt;

  EntryStatusResult result;
  result.generation = job.generation;
  result.dpi = job.dpi;
  const int records = static_cast<int>(job.entries.size());
  result.statuses = StatusesOfEntries(records, {check.Problems(), check.StartedFiles(), asking, check.Done()});
  const int size = win32::SystemMetricForDpi(SM_CXSMICON, job.dpi);
  result.icons.reserve(job.entries.size());
  for (int slot = 0; slot < records; ++slot) {
    if (Outdated(job.generation)) return std::nullopt;
    result.icons.push_back(IconOfFile(IconFileOf(job.entries, slot, disc, files), size));
  }
  return result;
}

}  // namespace discfront::editor
