// The About dialog's texts, shared by both programs' variants (and read by their tests).
#pragma once

namespace discfront::about {

inline constexpr wchar_t kLauncherTitle[] = L"Korvel Discfront";
inline constexpr wchar_t kEditorTitle[] = L"О программе";
inline constexpr wchar_t kLauncherHeading[] = L"Korvel Discfront v1.0";
inline constexpr wchar_t kEditorHeading[] = L"Редактор KORVEL DISCFRONTv1.0";
inline constexpr wchar_t kEditorVersion[] = L"Версия 1.0";

inline constexpr wchar_t kAuthorLine[] = L"Автор: мастерская Korvel";
inline constexpr wchar_t kDateLine[] = L"Выпуск: декабрь 2026";
inline constexpr wchar_t kMakerLine[] = L"Мастерская Korvel, 2026";
inline constexpr wchar_t kDisclaimer[] =
    L"Программа распространяется «как есть», без каких-либо гарантий. Вы используете её на свой страх "
    L"и риск: автор не отвечает за потерю данных и иной ущерб.";

// The project's own addresses, on the reserved .example domain.
inline constexpr wchar_t kWebAddress[] = L"http://discfront.korvel.example/";
inline constexpr wchar_t kMailAddress[] = L"discfront@korvel.example";
inline constexpr wchar_t kMailSubject[] = L"По поводу программы";

inline constexpr wchar_t kOkCaption[] = L"OK";
inline constexpr wchar_t kLauncherInfoCaption[] = L"&Инфа...";
inline constexpr wchar_t kEditorInfoCaption[] = L"&Инфо...";

}  // namespace discfront::about
