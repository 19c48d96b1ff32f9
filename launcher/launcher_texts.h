// The launcher's own texts. Rows: name, number, Russian, English (base/text_table.h).
#pragma once

#include "base/text_table.h"

#define DISCFRONT_LAUNCHER_TEXTS(X) \
  X(kTextInstallCaption, 1000, "&Установить", "&Install") \
  X(kTextPictureCaption, 1001, "&Картинка", "&Picture") \
  X(kTextAboutCaption, 1002, "&О программе", "&About") \
  X(kTextExitCaption, 1003, "&Выход", "E&xit") \
  X(kTextNoPicture, 1004, "Картинка отсутствует", "No picture") \
  X(kTextPreviewFileNotFound, 1005, "Файл не найден", "File not found") \
  X(kTextProgramNotFound, 1006, "Файл не найден.\r\n%1", "File not found.\r\n%1") \
  X(kTextListName, 1007, "Программы", "Programs") \
  X(kTextDescriptionName, 1008, "Описание", "Description") \
  X(kTextNeeds64BitWindows, 1009, "Эта программа работает только в 64-разрядной Windows.\r\n%1", \
    "This program runs only on 64-bit Windows.\r\n%1") \
  X(kTextNeedsArmWindows, 1010, "Эта программа работает только в Windows для процессоров ARM.\r\n%1", \
    "This program runs only on Windows for ARM processors.\r\n%1")

#ifndef RC_INVOKED
namespace discfront {
enum LauncherText : unsigned { DISCFRONT_LAUNCHER_TEXTS(DISCFRONT_TEXT_ID) };
}  // namespace discfront
#endif
