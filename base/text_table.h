// How a program part writes its texts: one row per text in an X-macro table,
//
//   X(kTextInstallCaption, 1000, "&Установить", "&Install")
//
// name, number, Russian, English, in a macro DISCFRONT_..._TEXTS(X) of such rows. The resource scripts expand the tables into one
// STRINGTABLE per language (DISCFRONT_TEXT_RU, DISCFRONT_TEXT_EN); the code expands
// them into the numbers it asks base/texts.h for (DISCFRONT_TEXT_ID). Adding a text is
// one row. A double quote inside a text is written \x22, which both compilers read.
// Numbers: win32 100-199, about 200-299, buttonex 300-399, launcher 1000-1099, editor
// 2000-2339 (2300-2339 the entries list), discpack 3000-3099.
#pragma once

#define DISCFRONT_TEXT_RU(name, number, ru, en) number, ru
#define DISCFRONT_TEXT_EN(name, number, ru, en) number, en
#define DISCFRONT_TEXT_ID(name, number, ru, en) name = number,
