// Mainform's dropped files: programs and documents dropped from the shell on the
// entries list become entries, a picture dropped on an entry becomes its picture, and
// files from outside the disc folder are copied in first when the author says so.
#include <windows.h>

#include <shlobj.h>

#include "copy_in_dialog.h"
#include "drop_messages.h"
#include "drop_plan.h"
#include "mainform.h"
#include "messages.h"
#include "base/texts.h"
#include "win32/app_folder.h"
#include "win32/system_drop_files.h"
#include "win32/message_box.h"
#include "win32/system_error.h"

namespace discfront::editor {

void Mainform::RegisterFileDrops() {
  win32::FileDropHandlers handlers;
  // Over the list, the row under the pointer shows where the files go.
  // While a dialog or message box of the window is open (it is disabled), nothing is
  // dropped: a second drop would start in the middle of the first one's questions.
  handlers.over = [this](POINT screen) {
    const bool over = IsWindowEnabled(hwnd()) && OverEntries(screen);
    entries_.MarkDropRow(over ? entries_.RowAt(screen) : -1);
    return over;
  };
  handlers.leave = [this] { entries_.MarkDropRow(-1); };
  handlers.drop = [this](std::vector<std::wstring> paths, POINT screen) {
    if (!IsWindowEnabled(hwnd())) return;
    const int row = entries_.RowAt(screen);
    DropFiles(paths, row < store_.Count() ? row : -1);
  };
  fileDrops_.Register(hwnd(), std::move(handlers));
}

bool Mainform::OverEntries(POINT screen) const {
  RECT list{};
  return GetWindowRect(entries_.hwnd(), &list) && PtInRect(&list, screen);
}

void Mainform::DropFiles(const std::vector<std::wstring>& paths, int row) {
  // Dropped from another program's window: the questions come in front of the author.
  SetForegroundWindow(hwnd());
  ReadFields();
  const std::wstring folder = fileName_.empty() ? std::wstring() : win32::FolderOfFile(fileName_);
  const win32::SystemDropFiles files;
  const std::uint16_t language = GetUserDefaultUILanguage();
  std::vector<DroppedFile> dropped = ClassifyDrop(folder, paths, row >= 0, files, language);
  // Copied files lie in the disc folder, so the second plan never asks to copy again.
  for (bool copied = false;; copied = true) {
    const DropPlan plan = PlanDrop(dropped);
    switch (plan.step) {
      case DropPlan::Step::kNothing: return;
      case DropPlan::Step::kSaveFirst:
        win32::ShowMessage(hwnd(), Text(kTextDropSaveFirst), win32::MessageIcon::kInformation);
        return;
      case DropPlan::Step::kRefuse:
        win32::ShowMessage(hwnd(), DropRefusedMessage(plan.refused), win32::MessageIcon::kStop);
        return;
      case DropPlan::Step::kAskToCopy: {
        if (copied) return;
        const std::optional<std::vector<std::wstring>> targets = CopyIntoDiscFolder(folder, plan.toCopy);
        if (!targets) return;
        // The drop again, each copied file by its place in the disc folder.
        std::vector<std::wstring> again;
        std::size_t next = 0;
        for (const DroppedFile& file : dropped) {
          again.push_back(file.kind == DroppedFile::Kind::kNeedsCopying ? (*targets)[next++] : file.source);
        }
        dropped = ClassifyDrop(folder, again, row >= 0, files, language);
        continue;
      }
      case DropPlan::Step::kAdd:
      case DropPlan::Step::kSetPicture: {
        // Added after the row dropped on, or after the last row when dropped below them.
        const int at = row >= 0 ? row : store_.LastIndex();
        const Notice notice = CarryOutDrop(store_, plan, at);
        // A screen reader hears what the drop added (a picture set shows as the row's change).
        std::wstring said;
        if (notice == Notice::kNone && plan.step == DropPlan::Step::kAdd && !store_.Selection().empty()) {
          said = FormatText(kTextAnnounceAdded, {std::to_wstring(store_.Selection().size()),
                                                 std::to_wstring(store_.Selection().front() + 1)});
        }
        ShowChange(notice, said);
        return;
      }
    }
    return;
  }
}

std::optional<std::vector<std::wstring>> Mainform::CopyIntoDiscFolder(const std::wstring& folder,
                                                                      const std::vector<std::wstring>& sources) {
  const std::optional<std::wstring> subfolder = AskCopyInFolder(hwnd(), sources);
  if (!subfolder) return std::nullopt;
  const std::vector<CopyIn> plan = PlanCopyIn(folder, *subfolder, sources, win32::SystemDropFiles());
  std::vector<CopyIn> refused;
  for (const CopyIn& copy : plan) {
    if (copy.reservedCharacter || !copy.findings.empty()) refused.push_back(copy);
  }
  if (!refused.empty()) {
    win32::ShowMessage(hwnd(), CopyInRefusedMessage(refused), win32::MessageIcon::kStop);
    return std::nullopt;
  }
  // Every question before the first copy, so that Cancel leaves the disc folder as it was.
  std::vector<bool> keepThere(plan.size(), false);
  for (std::size_t i = 0; i < plan.size(); ++i) {
    if (!plan[i].exists) continue;
    const int answer =
        win32::ShowMessage(hwnd(), ReplaceOnCopyQuestion(plan[i]), win32::MessageIcon::kQuestion, MB_YESNOCANCEL);
    if (answer == IDCANCEL) return std::nullopt;
    keepThere[i] = answer == IDNO;
  }
  std::vector<std::wstring> targets;
  for (std::size_t i = 0; i < plan.size(); ++i) {
    const CopyIn& copy = plan[i];
    targets.push_back(copy.target);
    if (keepThere[i]) continue;
    // The folder it goes to, with those above it; one that is there already is fine.
    const std::size_t slash = copy.target.find_last_of(L'\\');
    if (slash != std::wstring::npos) SHCreateDirectoryExW(nullptr, copy.target.substr(0, slash).c_str(), nullptr);
    if (!CopyFileW(copy.source.c_str(), copy.target.c_str(), FALSE)) {
      win32::ShowMessage(hwnd(), CopyInFailedMessage(copy, win32::SystemReason(GetLastError())),
                         win32::MessageIcon::kStop);
      return std::nullopt;
    }
  }
  return targets;
}

}  // namespace discfront::editor
