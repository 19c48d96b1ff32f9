// The About dialog's texts, shared by both programs' variants (and read by their tests).
// Rows: name, number, Russian, English (base/text_table.h); the product's name and its
// addresses are the same in every language and stay constants.
#pragma once

#include "base/text_table.h"

#define DISCFRONT_ABOUT_TEXTS(X) \
  X(kTextLauncherTitle, 200, "Korvel Discfront", "Korvel Discfront") \
  X(kTextEditorTitle, 201, "О программе", "About") \
  X(kTextLauncherHeading, 202, "Korvel Discfront v1.0", "Korvel Discfront v1.0") \
  X(kTextEditorHeading, 203, "Редактор KORVEL DISCFRONTv1.0", "KORVEL DISCFRONT Editor v1.0") \
  X(kTextEditorVersion, 204, "Версия 1.0", "Version 1.0") \
  X(kTextAuthorLine, 205, "Автор: мастерская Korvel", "Author: Korvel workshop") \
  X(kTextDateLine, 206, "Выпуск: декабрь 2026", "Released: December 2026") \
  X(kTextMakerLine, 207, "Мастерская Korvel, 2026", "Korvel workshop, 2026") \
  X(kTextDisclaimer, 208, "Программа распространяется «как есть», без каких-либо гарантий. Вы используете её на свой страх и риск: автор не отвечает за потерю данных и иной ущерб.", \
    "The program is provided “as is”, without warranty of any kind. You use it at your own risk: the author is not liable for lost data or any other damage.") \
  X(kTextMailSubject, 209, "По поводу программы", "About the program") \
  X(kTextOkCaption, 210, "OK", "OK") \
  X(kTextLauncherInfoCaption, 211, "&Инфа...", "&Info...") \
  X(kTextEditorInfoCaption, 212, "&Инфо...", "&Info...")

#ifndef RC_INVOKED
namespace discfront::about {

enum AboutText : unsigned { DISCFRONT_ABOUT_TEXTS(DISCFRONT_TEXT_ID) };

// The project's own addresses, on the reserved .example domain.
inline constexpr wchar_t kWebAddress[] = L"http://discfront.korvel.example/";
inline constexpr wchar_t kMailAddress[] = L"discfront@korvel.example";

}  // namespace discfront::about
#endif
