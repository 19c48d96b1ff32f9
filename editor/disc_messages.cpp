#include "disc_messages.h"

#include <cwctype>

#include "base/picture_limits.h"
#include "messages.h"
#include "skin_set_texts.h"

namespace discfront::editor {
namespace {

std::wstring Quoted(std::wstring_view text) { return L"«" + std::wstring(text) + L"»"; }

std::wstring RecordName(const DiscProblem& p) {
  return L"Запись номер " + std::to_wstring(p.slot + 1) + L" " + Quoted(p.title) + L": ";
}

// "None", "NONE" and the like are file names to the launcher; only "none" means no
// picture. The file is the disc folder followed by the field, so the field is its end.
bool EndsLikeNone(std::wstring_view file) {
  const std::wstring_view none = DiscFolder::kNoPicture;
  if (file.size() < none.size()) return false;
  file.remove_prefix(file.size() - none.size());
  for (std::size_t i = 0; i < none.size(); ++i) {
    if (static_cast<wchar_t>(towlower(file[i])) != none[i]) return false;
  }
  return true;
}

// Why a path would not name the same file on another machine.
std::wstring PathRuleText(const PathFinding& finding) {
  using Rule = PathFinding::Kind;
  switch (finding.kind) {
    case Rule::kNotFromDiscFolder:
      return L"путь не начинается с «\\»: discfront приписывает его к имени своей папки без разделителя.";
    case Rule::kLeavesDiscFolder: return L"путь выходит из папки диска («..»).";
    case Rule::kDriveLetter:
      return L"в пути есть буква диска " + Quoted(finding.part) + L": путь отсчитывается от папки диска.";
    case Rule::kServer:
      return L"путь начинается с «\\\\», как имя сервера: путь отсчитывается от папки диска.";
    case Rule::kDeviceName:
      return L"в пути есть имя устройства " + Quoted(finding.part) + L": Windows не откроет такой файл.";
    case Rule::kComponentTooLong:
      return L"имя " + Quoted(finding.part) + L" длиннее " + std::to_wstring(kLongestPathComponent) +
             L" символов: на компакт-диске (Joliet) оно не сохранится.";
    case Rule::kPathTooLong:
      return L"путь вместе с буквой диска не помещается в " + std::to_wstring(kLongestFullPath) +
             L" символов: Windows не откроет такой файл.";
  }
  return {};
}

}  // namespace

std::wstring ProblemText(const DiscProblem& problem, std::wstring_view discFolder) {
  using Kind = DiscProblem::Kind;
  DiscProblem p = problem;
  if (p.file.starts_with(discFolder)) p.file.erase(0, discFolder.size());
  switch (p.kind) {
    case Kind::kLauncherMissing: return L"Нет программы меню " + Quoted(p.file) + L".";
    case Kind::kDescriptionMissing:
      return L"Нет описания диска " + Quoted(p.file) + L": discfront не запустится.";
    case Kind::kSkinMissing: return L"Нет рисунка оформления " + Quoted(p.file) + L": discfront не запустится.";
    case Kind::kSkinSetIncomplete:
      return texts::kSkinSetFileMissingBefore + Quoted(p.file) + texts::kSkinSetFileMissingAfter;
    case Kind::kSkinSetWrongSize:
      return texts::kSkinSetWrongSizeBefore + Quoted(p.file) + texts::kSkinSetWrongSizeAfter;
    case Kind::kSkinNotBitmap:
      return L"Рисунок оформления " + Quoted(p.file) + L" не читается как точечный рисунок (BMP).";
    case Kind::kOutlineEmpty:
      return L"В рисунке оформления " + Quoted(p.file) +
             L" все точки пурпурные (255, 0, 255): окно discfront останется прямоугольным.";
    case Kind::kOutlineTooComplex:
      return L"Контур рисунка оформления " + Quoted(p.file) + L" сложнее " + std::to_wstring(kMaxOutlineRectangles) +
             L" прямоугольников: окно discfront останется прямоугольным. Сделайте края пурпурной области ровнее.";
    case Kind::kPictureTooLarge: {
      const std::wstring size = L" слишком велик (больше 64 МБ, 16384 точек по стороне или 64 миллионов точек)";
      if (p.slot < 0) return L"Рисунок оформления " + Quoted(p.file) + size + L": discfront не запустится.";
      return RecordName(p) + L"картинка " + Quoted(p.file) + L": рисунок" + size + L", discfront его не покажет.";
    }
    case Kind::kProgramNotFound:
      return RecordName(p) + L"программа не найдена: " + Quoted(p.file) + L" (discfront скажет «Файл не найден.»).";
    case Kind::kFolderMissing:
      return RecordName(p) + L"папка не найдена: " + Quoted(p.file) + L" (discfront не откроет окно этой папки).";
    case Kind::kPathBreaksRule: return RecordName(p) + PathRuleText(p.pathFinding);
    case Kind::kPictureMissing: {
      std::wstring text = RecordName(p) + L"картинка не найдена: " + Quoted(p.file) + L".";
      if (EndsLikeNone(p.file)) text += L" Если картинки нет, пишите none строчными буквами.";
      return text;
    }
    case Kind::kPictureUnreadable:
      return RecordName(p) + L"картинка " + Quoted(p.file) + L" не читается (это не картинка или файл повреждён).";
    case Kind::kFieldChanges:
      return RecordName(p) + L"поле " + Quoted(FieldName(p.field)) + L" после сохранения прочитается иначе: " +
             Quoted(p.readBack) + L".";
    case Kind::kFieldNotSaved:
      return RecordName(p) + L"поле " + Quoted(FieldName(p.field)) +
             L" нельзя сохранить так, чтобы оно прочиталось как введено.";
  }
  return {};
}

std::wstring CheckProgressText(int done, int total) {
  return L"Проверено записей: " + std::to_wstring(done) + L" из " + std::to_wstring(total) +
         L". Esc — прервать.";
}

std::wstring CheckCancelledText(int done, int total) {
  return L"Проверка прервана: проверено записей " + std::to_wstring(done) + L" из " + std::to_wstring(total) + L".";
}

std::wstring CheckFinishedText(std::size_t problems) {
  return L"Проверка закончена. Найдено проблем: " + std::to_wstring(problems) +
         L". Двойной щелчок по строке показывает запись.";
}

std::wstring NoLauncherMessage(std::wstring_view launcherFile) {
  return L"В папке диска нет программы меню " + Quoted(launcherFile) +
         L". Положите discfront.exe рядом с каталогом.";
}

std::wstring LauncherStartFailedMessage(std::wstring_view launcherFile, std::wstring_view reason) {
  return L"Не удалось запустить " + Quoted(launcherFile) + L": " + std::wstring(reason);
}

std::wstring ReplaceAutorunQuestion(std::wstring_view autorunFile) {
  return L"Файл " + Quoted(autorunFile) + L" уже есть. Заменить его?";
}

std::wstring DescriptionReadFailedMessage(std::wstring_view file, std::wstring_view reason) {
  return L"Не удалось прочитать описание " + Quoted(file) + L": " + std::wstring(reason);
}

std::wstring DescriptionRefusedMessage(DescriptionRefusal refusal) {
  if (refusal == DescriptionRefusal::kNoByte) {
    return L"Описание не сохранено: в нём есть символы, которых нет в кодировке Windows-1251. "
           L"Замените их и сохраните снова.";
  }
  return L"Описание не сохранено: двойная кавычка (\") не может стоять в тексте с запятыми, переводами строк "
         L"или пробелами в начале, а также в самом начале текста. Замените её, например, на «ёлочки».";
}

}  // namespace discfront::editor
