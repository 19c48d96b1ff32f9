// Mainform's Disc menu: checking the disc folder, running its menu, writing its
// autorun.inf, editing its description, its menu's settings (discfront.ini) and
// writing its image. The disc folder is the folder of the saved catalogue.
#include <windowsx.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string_view>

#include "autorun_file.h"
#include "description_file.h"
#include "disc_messages.h"
#include "disc_problem_grade.h"
#include "image_messages.h"
#include "image_window.h"
#include "mainform.h"
#include "mainform_layout.h"
#include "mainform_menu.h"
#include "messages.h"
#include "text_dialog.h"
#include "win32/app_folder.h"
#include "win32/atomic_file.h"
#include "win32/edit_box_text.h"
#include "win32/error_report.h"
#include "win32/file_io.h"
#include "win32/message_box.h"
#include "win32/process.h"
#include "win32/system_error.h"
#include "win32/system_file_probe.h"
#include "win32/system_folder_source.h"
#include "win32/system_image_file.h"
#include "base/texts.h"
#include "disc/disc_settings.h"
#include "base/decimal_text.h"
#include "disc/disc_language.h"
#include "disc/image_label.h"
#include "disc/image_plan.h"
#include "win32/file_dialog.h"

namespace discfront::editor {

std::optional<std::wstring> Mainform::DiscFolderOrSay() {
  if (fileName_.empty()) {
    win32::ShowMessage(hwnd(), Text(kTextSaveCatalogueFirst), win32::MessageIcon::kInformation);
    return std::nullopt;
  }
  return win32::FolderOfFile(fileName_);
}

void Mainform::OnDiscCheck() {
  const std::optional<std::wstring> folder = DiscFolderOrSay();
  if (!folder) return;
  CheckStatusNow(true);  // the list's statuses too
  // The records as they stand, the one being edited as its text boxes hold it.
  ReadFields();
  std::vector<CatalogueEntry> entries = store_.Records();
  if (store_.CurrentIndex() >= 0) entries[static_cast<std::size_t>(store_.CurrentIndex())] = store_.Fields();
  if (discCheck_ && discCheck_->hwnd() != nullptr) DestroyWindow(discCheck_->hwnd());
  discCheck_ = std::make_unique<DiscCheckWindow>();
  discCheck_->Open(hwnd(), std::move(entries), *folder, [this](int slot) { ShowRecord(slot); });
}

void Mainform::ShowRecord(int slot) {
  if (slot < 0 || slot >= store_.Count()) return;
  SetForegroundWindow(hwnd());
  ReadFields();
  const Notice notice = store_.Navigate(slot);
  ShowStore();
  ShowNotice(notice);
}

void Mainform::OnDiscRun() {
  const std::optional<std::wstring> folder = DiscFolderOrSay();
  if (!folder) return;
  // The menu shows what is on the disc, so what the author sees must be saved there first.
  ReadFields();
  if (store_.HasUnsavedChanges() && !OnFileSave()) return;
  const std::wstring launcher = DiscFolder(*folder).LauncherFile();
  if (!win32::SystemFileProbe().IsFile(launcher)) {
    win32::ShowMessage(hwnd(), NoLauncherMessage(launcher), win32::MessageIcon::kStop);
    return;
  }
  // Started by its quoted full path from the disc folder, as a user starting it there would.
  const DWORD error = win32::StartProgram(L"\"" + launcher + L"\"", win32::kShowNormal, *folder);
  if (error != ERROR_SUCCESS) {
    win32::ShowMessage(hwnd(), LauncherStartFailedMessage(launcher, win32::SystemReason(error)),
                       win32::MessageIcon::kStop);
  }
}

void Mainform::OnDiscAutorun() {
  const std::optional<std::wstring> folder = DiscFolderOrSay();
  if (!folder) return;
  const std::wstring file = DiscFolder(*folder).File(L"\\autorun.inf");
  TextDialogOptions options{Text(kTextAutorunCaption), Text(kTextAutorunLabelPrompt), DefaultAutorunLabel(*folder), false, {}};
  const std::optional<std::wstring> label = AskText(hwnd(), options);
  if (!label) return;
  if (win32::SystemFileProbe().Probe(file) != PathKind::kMissing &&
      win32::ShowMessage(hwnd(), ReplaceAutorunQuestion(file), win32::MessageIcon::kQuestion, MB_YESNO) != IDYES) {
    return;
  }
  const win32::FileWriteResult written = win32::ReplaceFileContents(file, AutorunFileBytes(*label));
  if (!written.ok) win32::ShowMessage(hwnd(), SaveFailureMessage(file, written.reason), win32::MessageIcon::kStop);
}

void Mainform::OnDiscDescription() {
  const std::optional<std::wstring> folder = DiscFolderOrSay();
  if (!folder) return;
  const std::wstring file = DiscFolder(*folder).DescriptionFile();
  std::wstring text;
  const ErrorNumber error = win32::ReadItemText(file, text);
  if (error != ErrorNumber::kNone && error != ErrorNumber::kFileNotFound) {
    win32::ShowMessage(hwnd(), DescriptionReadFailedMessage(file, win32::DescribeError(error)),
                       win32::MessageIcon::kStop);
    return;
  }
  TextDialogOptions options{Text(kTextDescriptionCaption), Text(kTextDescriptionPrompt), win32::EditBoxText(text), true, {}};
  // Saved from inside the dialog, so that text that cannot be saved stays in front of the author.
  options.accept = [this, &file](HWND dialog, const std::wstring& typed) {
    const DescriptionBytes encoded = EncodeDescription(typed);
    if (!encoded.bytes) {
      win32::ShowMessage(dialog, DescriptionRefusedMessage(encoded.refusal), win32::MessageIcon::kStop);
      return false;
    }
    const win32::FileWriteResult written = win32::ReplaceFileContents(file, *encoded.bytes);
    if (!written.ok) {
      win32::ShowMessage(dialog, SaveFailureMessage(file, written.reason), win32::MessageIcon::kStop);
      return false;
    }
    TellIfUtf8(dialog, file, encoded.encoding);
    return true;
  };
  AskText(hwnd(), options);
}

namespace {

// Reads the disc's discfront.ini (none is an empty one) into `settings`; the error
// when it cannot be read.
ErrorNumber ReadSettingsFile(const std::wstring& file, std::string& settings) {
  const ErrorNumber error = win32::ReadWholeFile(file, settings, 65536);
  return error == ErrorNumber::kFileNotFound ? ErrorNumber::kNone : error;
}

// Rewrites the discfront.ini of the disc in `folder` with `change`, which keeps every
// line but the one it sets; a failure is said to the author.
void ChangeSettingsFile(HWND owner, const std::wstring& folder,
                        const std::function<std::string(std::string_view)>& change) {
  const std::wstring file = DiscFolder(folder).SettingsFile();
  std::string settings;
  const ErrorNumber error = ReadSettingsFile(file, settings);
  if (error != ErrorNumber::kNone) {
    win32::ShowMessage(owner, ReadFailureMessage(file, win32::DescribeError(error)), win32::MessageIcon::kStop);
    return;
  }
  const win32::FileWriteResult written = win32::ReplaceFileContents(file, change(settings));
  if (!written.ok) win32::ShowMessage(owner, SaveFailureMessage(file, written.reason), win32::MessageIcon::kStop);
}

}  // namespace

void Mainform::OnDiscLanguage(std::optional<UiLanguage> language) {
  const std::optional<std::wstring> folder = DiscFolderOrSay();
  if (!folder) return;
  ChangeSettingsFile(hwnd(), *folder,
                     [language](std::string_view settings) { return WithDiscLanguage(settings, language); });
}

void Mainform::OnDiscSwitch(int command) {
  const std::optional<std::wstring> folder = DiscFolderOrSay();
  if (!folder) return;
  // Turned over from what the file says now, whatever the menu showed when it opened.
  ChangeSettingsFile(hwnd(), *folder, [command](std::string_view settings) {
    const DiscSettings now = ReadDiscSettings(settings);
    return command == kCmdDiscEntryIcons ? WithEntryIcons(settings, !now.entryIcons)
                                         : WithCloseAfterStart(settings, !now.closeAfterStart);
  });
}

void Mainform::ShowDiscSwitches(HMENU menu) {
  if (GetMenuState(menu, kCmdDiscEntryIcons, MF_BYCOMMAND) == static_cast<UINT>(-1)) return;  // another menu
  // Read each time the menu opens: the file may have been edited by hand meanwhile.
  DiscSettings now;
  std::string settings;
  if (!fileName_.empty() &&
      ReadSettingsFile(DiscFolder(win32::FolderOfFile(fileName_)).SettingsFile(), settings) == ErrorNumber::kNone) {
    now = ReadDiscSettings(settings);
  }
  CheckMenuItem(menu, kCmdDiscEntryIcons, MF_BYCOMMAND | (now.entryIcons ? MF_CHECKED : MF_UNCHECKED));
  CheckMenuItem(menu, kCmdDiscCloseAfterStart, MF_BYCOMMAND | (now.closeAfterStart ? MF_CHECKED : MF_UNCHECKED));
}

namespace {

// How many of the check's warnings the question before an image lists: its buttons
// must stay on the screen.
constexpr std::size_t kWarningsListed = 12;

std::u16string Utf16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

bool Mainform::CheckBeforeImage(const std::wstring& folder) {
  const win32::SystemFileProbe files;
  const SystemPictureProbe pictures;
  const win32::SystemProgramProbe programs;
  const std::vector<DiscProblem> problems = CheckDisc(store_.Records(), DiscFolder(folder), files, pictures, programs);
  std::wstring warnings;
  std::size_t listed = 0;
  for (const DiscProblem& problem : problems) {
    if (GradeOf(problem) == ProblemGrade::kError) {
      win32::ShowMessage(hwnd(), Text(kTextImageCheckErrors), win32::MessageIcon::kStop);
      OnDiscCheck();
      return false;
    }
    if (listed++ < kWarningsListed) warnings += (warnings.empty() ? L"" : L"\n") + ProblemText(problem, folder);
  }
  if (listed > kWarningsListed) {
    const auto more = static_cast<long long>(listed - kWarningsListed);
    warnings += L"\n" + FormatText(kTextImageMoreWarnings, {DecimalText(more)});
  }
  return warnings.empty() || win32::ShowMessage(hwnd(), FormatText(kTextImageCheckWarnings, {warnings}),
                                                win32::MessageIcon::kWarning, MB_YESNO) == IDYES;
}

void Mainform::OnDiscImage() {
  const std::optional<std::wstring> folder = DiscFolderOrSay();
  if (!folder) return;
  // The image holds what is on the disc, so what the author sees must be saved there first.
  ReadFields();
  if (store_.HasUnsavedChanges() && !OnFileSave()) return;
  if (!CheckBeforeImage(*folder)) return;

  // The folder holds no trailing separator but at a drive's root, which has no name.
  const std::wstring folderName = DefaultAutorunLabel(*folder);
  const std::wstring besideFolder = folderName.empty() ? std::wstring() : *folder + L".iso";
  const std::optional<std::wstring> image =
      win32::ShowSaveDialog(hwnd(), win32::FileDialogOptions{Text(kTextImageFilter), L"iso", besideFolder});
  if (!image) return;
  if (win32::InsideFolder(*image, *folder)) {
    win32::ShowMessage(hwnd(), FormatText(kTextImageInsideFolder, {*image, *folder}), win32::MessageIcon::kStop);
    return;
  }

  std::string autorun;
  win32::ReadWholeFile(DiscFolder(*folder).File(L"\\autorun.inf"), autorun, 65536);  // none: the folder's name
  const std::u16string label = DefaultImageLabel(autorun, Utf16(folderName));
  const TextDialogOptions ask{Text(kTextImageCaption), Text(kTextImageLabelPrompt), std::wstring(label.begin(), label.end()),
                              false, {}};
  const std::optional<std::wstring> typed = AskText(hwnd(), ask);
  if (!typed) return;

  // The volume's dates from SOURCE_DATE_EPOCH when it is set, so that a build gives the same bytes.
  const ImageOptions options{Utf16(*typed),
                             VolumeTime(std::getenv("SOURCE_DATE_EPOCH"), static_cast<std::int64_t>(std::time(nullptr)))};
  win32::SystemFolderSource source(*folder);
  const PlanResult planned = PlanImage(source, options);
  if (!planned.plan) {
    win32::ShowMessage(hwnd(), ImageRefusalMessage(planned.refusals), win32::MessageIcon::kStop);
    return;
  }
  const auto started = std::chrono::steady_clock::now();
  ImageProgressWindow window;
  const ImageWriteResult result = window.Run(hwnd(), *planned.plan, *folder, *image);
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
  if (result.outcome == ImageWriteResult::Outcome::kWritten) {
    win32::ShowMessage(hwnd(), ImageDoneMessage(*image, planned.plan->Bytes(), took), win32::MessageIcon::kInformation);
  } else if (const std::wstring failure = ImageFailureMessage(result, *image); !failure.empty()) {
    win32::ShowMessage(hwnd(), failure, win32::MessageIcon::kStop);
  }
}

void Mainform::TellIfUtf8(HWND owner, const std::wstring& fileName, FileEncoding encoding) {
  if (encoding != FileEncoding::kUtf8 || !toldUtf8_.insert(fileName).second) return;
  win32::ShowMessage(owner, SavedAsUtf8Message(fileName), win32::MessageIcon::kInformation);
}

}  // namespace discfront::editor
