// The texts of the shared Win32 helpers: error reports, file and start failures.
// Rows: name, number, Russian, English (base/text_table.h).
#pragma once

#include "base/text_table.h"

#define DISCFRONT_WIN32_TEXTS(X) \
  X(kTextInvalidCall, 100, "Недопустимый вызов процедуры или аргумент", "Invalid procedure call or argument") \
  X(kTextOverflow, 101, "Переполнение", "Overflow") \
  X(kTextOutOfMemory, 102, "Недостаточно памяти", "Out of memory") \
  X(kTextSubscriptOutOfRange, 103, "Индекс вне допустимого диапазона", "Subscript out of range") \
  X(kTextFileNotFoundError, 104, "Файл не найден", "File not found") \
  X(kTextPathFileAccess, 105, "Ошибка доступа к файлу", "Path/File access error") \
  X(kTextInvalidPicture, 106, "Недопустимый рисунок", "Invalid picture") \
  X(kTextUnexpectedError, 107, "Непредвиденная ошибка", "Unexpected error") \
  X(kTextRecordMalformed, 108, "Запись номер %1 повреждена: в ней нет одного из знаков #, $, @ или они стоят не в этом порядке (&путь#название$комментарий@картинка).", \
    "Record number %1 is damaged: one of the signs #, $, @ is missing or they are not in this order (&path#title$comment@picture).") \
  X(kTextRecordExtra, 109, "Запись номер %1 лишняя: в каталоге может быть не больше 1001 записи.", \
    "Record number %1 is one too many: a catalogue holds at most 1001 records.") \
  X(kTextRecordNumber, 110, "Запись номер %1.", "Record number %1.") \
  X(kTextErrorLine, 111, "Ошибка %1: %2.", "Error %1: %2.") \
  X(kTextFileLine, 112, "Файл: %1", "File: %1") \
  X(kTextUnexpectedEnd, 113, "Непредвиденная ошибка. Программа будет закрыта.", "Unexpected error. The program will close.") \
  X(kTextNoWriteRights, 114, "нет прав на запись (файл или папка защищены от записи)", "no permission to write (the file or folder is write-protected)") \
  X(kTextWriteProtected, 115, "диск защищён от записи", "the disk is write-protected") \
  X(kTextFolderNotFound, 116, "папка не найдена", "folder not found") \
  X(kTextFolderOfThatName, 117, "под этим именем уже есть папка", "a folder of that name exists") \
  X(kTextDiskFull, 118, "на диске нет места", "the disk is full") \
  X(kTextFileInUse, 119, "файл занят другой программой", "the file is in use by another program") \
  X(kTextBadFileName, 120, "недопустимое имя файла", "invalid file name") \
  X(kTextNotReady, 121, "устройство не готово", "the device is not ready") \
  X(kTextSystemErrorCode, 122, "Код ошибки системы %1.", "System error code %1.") \
  X(kTextStartFailed, 123, "Не удалось запустить «%1».\r\n\r\nПричина: %2", "Could not start \x22%1\x22.\r\n\r\nReason: %2") \
  X(kTextPictureFileNotFound, 124, "Файл не найден.", "File not found.") \
  X(kTextPictureTooLarge, 125, "Рисунок слишком велик: %1", "The picture is too large: %1") \
  X(kTextFileAccessError, 126, "Ошибка доступа к файлу: %1", "File access error: %1") \
  X(kTextNotAPicture, 127, "Файл не является рисунком: %1", "The file is not a picture: %1") \
  X(kTextPressAction, 128, "Нажать", "Press")

#ifndef RC_INVOKED
namespace win32 {
enum Win32Text : unsigned { DISCFRONT_WIN32_TEXTS(DISCFRONT_TEXT_ID) };
}  // namespace win32
#endif
