// The texts of the skinned button's own errors. Rows: name, number, Russian, English
// (base/text_table.h). Two tables: what any program with buttons may report (its .rc
// expands DISCFRONT_BUTTONEX_TEXTS), and what reading a saved form reports, which only a
// program that reads saved forms expands (the launcher does not link that reader).
#pragma once

#include "base/text_table.h"

#define DISCFRONT_BUTTONEX_TEXTS(X) \
  X(kTextPropertyWrongKind, 300, "Свойству «%1» дано значение не того вида.", \
    "The property \x22%1\x22 was given a value of the wrong kind.") \
  X(kTextMousePointerOverflow, 301, "Переполнение: недопустимое значение MousePointer.", \
    "Overflow: the MousePointer value is out of range.")

#define DISCFRONT_BUTTONEX_SAVED_TEXTS(X) \
  X(kTextSavedLine, 320, "Сохранённая форма кнопки, строка %1: %2.", "The saved button form, line %1: %2.") \
  X(kTextSavedWrongKind, 321, "Свойство «%1» сохранено со значением не того вида.", \
    "The property \x22%1\x22 was saved with a value of the wrong kind.") \
  X(kTextSavedExtra, 322, "лишние символы после значения", "extra characters after the value") \
  X(kTextSavedExpected, 323, "ожидается «%1»", "\x22%1\x22 expected") \
  X(kTextSavedNoValue, 324, "нет значения", "no value") \
  X(kTextSavedBoolExpected, 325, "ожидается True или False", "True or False expected") \
  X(kTextSavedOverflow, 326, "переполнение", "overflow") \
  X(kTextSavedUnclearValue, 327, "непонятное значение", "the value is not understood") \
  X(kTextSavedBadColour, 328, "неверный цвет", "invalid colour") \
  X(kTextSavedStringExpected, 329, "ожидается строка в кавычках", "a string in quotes expected") \
  X(kTextSavedUnclosedString, 330, "строка не закрыта кавычкой", "the string is not closed by a quote") \
  X(kTextSavedUnknownEscape, 331, "неизвестная escape-последовательность", "unknown escape sequence") \
  X(kTextSavedNotUtf8, 332, "текст не в кодировке UTF-8", "the text is not UTF-8") \
  X(kTextSavedBadPicture, 333, "рисунок повреждён", "the picture is damaged") \
  X(kTextSavedUnknownPicture, 334, "формат рисунка не распознан", "the picture's format is not recognised") \
  X(kTextSavedBadFontSize, 335, "неверный размер шрифта", "invalid font size") \
  X(kTextSavedNoEquals, 336, "нет знака «=»", "no \x22=\x22 sign") \
  X(kTextSavedNoName, 337, "нет имени свойства", "no property name")

#ifndef RC_INVOKED
namespace discfront {
enum ButtonExText : unsigned {
  DISCFRONT_BUTTONEX_TEXTS(DISCFRONT_TEXT_ID) DISCFRONT_BUTTONEX_SAVED_TEXTS(DISCFRONT_TEXT_ID)
};
}  // namespace discfront
#endif
