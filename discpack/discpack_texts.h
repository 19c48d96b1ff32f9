// discpack's texts. Rows: name, number, Russian, English (base/text_table.h). Lines end
// in "\n" alone; the console writer makes them what the system expects.
#pragma once

#include "base/text_table.h"

#define DISCFRONT_DISCPACK_TEXTS(X) \
  X(kTextDiscpackUsage, 3000, \
    "вызов: discpack image ПАПКА ОБРАЗ.iso [--label МЕТКА]\n" \
    "       discpack check ПАПКА [--json]\n" \
    "  Записывает образ ISO 9660 с деревом имён Unicode (Joliet) из всех файлов ПАПКИ.\n" \
    "  Метка тома берётся из строки label= файла autorun.inf, иначе это имя папки; --label задаёт свою.\n" \
    "  Если задана переменная SOURCE_DATE_EPOCH, одна и та же папка всегда даёт одни и те же байты.\n" \
    "  check проверяет папку диска, как редактор: код 0 — замечаний нет, 1 — только предупреждения, 2 — ошибки.\n", \
    "usage: discpack image FOLDER IMAGE.iso [--label TEXT]\n" \
    "       discpack check FOLDER [--json]\n" \
    "  Writes an ISO 9660 image with a Unicode (Joliet) tree of every file in FOLDER.\n" \
    "  The label is autorun.inf's label=, else the folder's name, unless --label gives one.\n" \
    "  With SOURCE_DATE_EPOCH set, the same folder always gives the same bytes.\n" \
    "  check checks the disc folder as the editor does: exit 0 no findings, 1 only warnings, 2 errors.\n") \
  X(kTextDiscpackNoFolder, 3001, "discpack: папки %1 нет\n", "discpack: there is no folder %1\n") \
  X(kTextDiscpackInsideFolder, 3002, \
    "discpack: образ %1 оказался бы внутри папки, из которой он сделан; запишите его рядом с папкой\n", \
    "discpack: %1 would be inside the folder it images; write it beside the folder\n") \
  X(kTextDiscpackNameTooLong, 3003, "discpack: %1: имя длиннее 64 знаков\n", \
    "discpack: %1: its name is longer than 64 characters\n") \
  X(kTextDiscpackBadCharacter, 3004, \
    "discpack: %1: в имени есть знак, который не может быть на диске (управляющие знаки, * / : ; ? \\)\n", \
    "discpack: %1: its name holds a character a disc cannot (control characters, * / : ; ? \\)\n") \
  X(kTextDiscpackUndecodableName, 3005, "discpack: %1: имя не в кодировке UTF-8\n", \
    "discpack: %1: its name is not UTF-8 text\n") \
  X(kTextDiscpackTooLarge, 3006, "discpack: %1: файл размером 4 ГиБ или больше\n", \
    "discpack: %1: it is 4 GiB or larger\n") \
  X(kTextDiscpackUnreadable, 3007, "discpack: %1: не читается\n", "discpack: %1: it cannot be read\n") \
  X(kTextDiscpackFolderLoop, 3008, "discpack: %1: ссылка на папку, в которой она сама лежит\n", \
    "discpack: %1: it is a link to a folder that holds it\n") \
  X(kTextDiscpackCaseTwin, 3009, \
    "discpack: %1: в той же папке есть имя, отличное от него только регистром букв, а Windows их не различает\n", \
    "discpack: %1: another name in its folder differs only in case, which Windows cannot tell apart\n") \
  X(kTextDiscpackTooManyFolders, 3010, "discpack: %1: в ней больше 65535 папок\n", \
    "discpack: %1: it has more than 65535 folders\n") \
  X(kTextDiscpackRefused, 3011, "discpack: образ не записан; не могут попасть на диск как есть: %1\n", \
    "discpack: no image written; entries that cannot go on the disc as they are: %1\n") \
  X(kTextDiscpackCancelled, 3012, "discpack: отменено; образ не записан\n", "discpack: cancelled; no image written\n") \
  X(kTextDiscpackCannotCreate, 3013, "discpack: не удаётся создать файл рядом с %1%2\n", \
    "discpack: cannot create a file beside %1%2\n") \
  X(kTextDiscpackWriteFailed, 3014, "discpack: не удаётся записать %1%2\n", "discpack: cannot write %1%2\n") \
  X(kTextDiscpackReadFailed, 3015, "discpack: %1: не удаётся прочитать\n", "discpack: %1: cannot be read\n") \
  X(kTextDiscpackFileChanged, 3016, "discpack: %1: файл изменился, пока записывался\n", \
    "discpack: %1: changed while it was written\n") \
  X(kTextDiscpackCannotRename, 3017, "discpack: не удаётся дать готовому образу имя %1%2\n", \
    "discpack: cannot name the finished image %1%2\n") \
  X(kTextDiscpackNotWritten, 3018, "discpack: образ не записан\n", "discpack: no image written\n") \
  X(kTextDiscpackProgress, 3019, "\rdiscpack: запись %1: %2%% из %3 МБ", "\rdiscpack: writing %1: %2%% of %3 MB") \
  X(kTextDiscpackNoCatalogue, 3020, "discpack: каталог %1 не читается\n", "discpack: the catalogue %1 cannot be read\n")

#ifndef RC_INVOKED
namespace discfront {
enum DiscpackText : unsigned { DISCFRONT_DISCPACK_TEXTS(DISCFRONT_TEXT_ID) };
}  // namespace discfront
#endif
