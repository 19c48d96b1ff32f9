// The editor's texts: window, menus, labels, messages and the Disc menu's texts.
// Rows: name, number, Russian, English (base/text_table.h).
#pragma once

#include "base/text_table.h"

#define DISCFRONT_EDITOR_TEXTS(X) \
  X(kTextCaption, 2000, "Редактор Korvel Discfront", "Korvel Discfront Editor") \
  X(kTextMenuFile, 2001, "&Файл", "&File") \
  X(kTextMenuNew, 2002, "&Новый\tCtrl+N", "&New\tCtrl+N") \
  X(kTextMenuOpen, 2003, "&Открыть\tCtrl+O", "&Open\tCtrl+O") \
  X(kTextMenuSave, 2004, "&Сохранить\tCtrl+S", "&Save\tCtrl+S") \
  X(kTextMenuSaveAs, 2005, "Сахранить &как...", "Save &As...") \
  X(kTextMenuExit, 2006, "&Выход", "E&xit") \
  X(kTextMenuElements, 2007, "&Элементы", "&Records") \
  X(kTextMenuPaste, 2008, "&Вставить", "&Insert") \
  X(kTextMenuDelete, 2009, "&Удалить", "&Delete") \
  X(kTextMenuDisc, 2010, "&Диск", "&Disc") \
  X(kTextMenuCheck, 2011, "&Проверить диск\tF5", "&Check Disc\tF5") \
  X(kTextMenuRun, 2012, "&Запустить меню\tF9", "&Run Menu\tF9") \
  X(kTextMenuAutorun, 2013, "Создать &autorun.inf", "Create &autorun.inf") \
  X(kTextMenuDescription, 2014, "&Описание диска...", "Disc &Description...") \
  X(kTextMenuHelp, 2015, "&Справка", "&Help") \
  X(kTextMenuHelpTopics, 2016, "&Помощь\tF1", "&Help Topics\tF1") \
  X(kTextMenuAbout, 2017, "&О программе", "&About") \
  X(kTextMenuLanguage, 2018, "&Язык меню диска", "Disc Menu &Language") \
  X(kTextMenuLanguageUser, 2019, "Как у &пользователя", "The &User's") \
  X(kTextMenuLanguageRussian, 2020, "&Русский", "&Russian") \
  X(kTextMenuLanguageEnglish, 2021, "&Английский", "&English") \
  X(kTextMenuEntryIcons, 2028, "Значки в &списке программ", "&Entry Icons in the Menu") \
  X(kTextMenuCloseAfterStart, 2029, "За&крывать после запуска", "Close After &Starting a Program") \
  X(kTextPasteButton, 2030, "Вставаить", "Insert") \
  X(kTextTitleLabel, 2031, "Название программы:", "Program title:") \
  X(kTextPathLabel, 2032, "Путь к программе:", "Program path:") \
  X(kTextPictureLabel, 2033, "Картинка к программе:", "Program picture:") \
  X(kTextCommentLabel, 2034, "Коментарий к программе:", "Program comment:") \
  X(kTextRecordLabel, 2035, "Номер записи:", "Record number:") \
  X(kTextDeleteButton, 2036, "Удалить", "Delete") \
  X(kTextRecordItem, 2037, "Запись номер %1", "Record number %1") \
  X(kTextOk, 2038, "ОК", "OK") \
  X(kTextCancel, 2039, "Отмена", "Cancel") \
  X(kTextPathField, 2040, "Путь к программе", "Program path") \
  X(kTextTitleField, 2041, "Название программы", "Program title") \
  X(kTextCommentField, 2042, "Коментарий к программе", "Program comment") \
  X(kTextPictureField, 2043, "Картинка к программе", "Program picture") \
  X(kTextForbidden, 2050, "Не должно присутствовать символов: @,#,&,$", "The characters @, #, &, $ are not allowed") \
  X(kTextIncomplete, 2051, "Все строки должны быть заполнены!", "Every field must be filled in!") \
  X(kTextNoRecords, 2052, "У вас не заведена ни одна запись", "There is no record yet") \
  X(kTextStoreFull, 2053, "Все 1001 записи уже заняты: новую запись добавить нельзя.", "All 1001 records are taken: no new record can be added.") \
  X(kTextSaveChanges, 2054, "Сохранить изменения?", "Save the changes?") \
  X(kTextFileFilter, 2055, "Файлы дискфронта (*.lnc)|*.lnc", "Discfront files (*.lnc)|*.lnc") \
  X(kTextOpenTooMany, 2056, "Файл «%1» не открыт: в нём больше 1001 записи (лишняя начинается с записи номер %2).\nОткрытый каталог не изменён.", \
    "The file \x22%1\x22 was not opened: it holds more than 1001 records (the extra ones start at record number %2).\nThe open catalogue is unchanged.") \
  X(kTextOpenMalformed, 2057, "Файл «%1» не открыт: запись номер %2 повреждена (в ней нет символа «#», «$» или «@», или они стоят не по порядку).\nОткрытый каталог не изменён.", \
    "The file \x22%1\x22 was not opened: record number %2 is damaged (it lacks \x22#\x22, \x22$\x22 or \x22@\x22, or they are out of order).\nThe open catalogue is unchanged.") \
  X(kTextReadFailed, 2058, "Не удалось прочитать файл «%1»: %2\nОткрытый каталог не изменён.", "Could not read the file \x22%1\x22: %2\nThe open catalogue is unchanged.") \
  X(kTextNoByte, 2059, "Файл не сохранён: в записи номер %1 поле «%2» содержит символы, которых нет в кодировке Windows-1251. Замените их и сохраните снова.", \
    "The file was not saved: in record number %1 the field \x22%2\x22 holds characters that cannot be written. Replace them and save again.") \
  X(kTextQuoteSameField, 2060, "Файл не сохранён: в записи номер %1 поле «%2» содержит двойную кавычку (\x22) и запятую или перевод строки. Запись с запятой или переводом строки не может содержать двойных кавычек: замените их (например, на « ») или уберите запятые и переводы строк, затем сохраните снова.", \
    "The file was not saved: in record number %1 the field \x22%2\x22 holds a double quote (\x22) and a comma or line break. A record with a comma or line break cannot hold double quotes: replace them (for example with “ ”) or remove the commas and line breaks, then save again.") \
  X(kTextQuoteOtherField, 2061, "Файл не сохранён: в записи номер %1 поле «%2» содержит двойную кавычку (\x22), а поле «%3» — запятую или перевод строки. Запись с запятой или переводом строки не может содержать двойных кавычек: замените их (например, на « ») или уберите запятые и переводы строк, затем сохраните снова.", \
    "The file was not saved: in record number %1 the field \x22%2\x22 holds a double quote (\x22) and the field \x22%3\x22 a comma or line break. A record with a comma or line break cannot hold double quotes: replace them (for example with “ ”) or remove the commas and line breaks, then save again.") \
  X(kTextSaveFailed, 2062, "Не удалось сохранить файл «%1»: %2\nПрежнее содержимое файла не изменено.", "Could not save the file \x22%1\x22: %2\nThe file's former contents are unchanged.") \
  X(kTextSavedAsUtf8, 2063, "Файл «%1» сохранён в кодировке UTF-8: в нём есть символы, которых нет в кодировке Windows-1251. Прежние версии discfront его не покажут.", \
    "The file \x22%1\x22 was saved as UTF-8: it holds characters that Windows-1251 has not. Older versions of discfront will not show it.") \
  X(kTextHelpNoViewer, 2070, "Справку открыть нельзя: в системе нет программы просмотра справки (hhctrl.ocx).", "Help cannot be opened: the system has no help viewer (hhctrl.ocx).") \
  X(kTextHelpNoFile, 2071, "Справку открыть нельзя: не найден файл «%1».", "Help cannot be opened: the file \x22%1\x22 was not found.") \
  X(kTextHelpNotOpened, 2072, "Справку открыть нельзя: программа просмотра справки не открыла файл «%1».", "Help cannot be opened: the help viewer did not open the file \x22%1\x22.") \
  X(kTextSaveCatalogueFirst, 2100, "Сначала сохраните каталог.", "Save the catalogue first.") \
  X(kTextCheckCaption, 2101, "Проверка диска — %1", "Disc Check — %1") \
  X(kTextNoProblems, 2102, "Проблем не найдено: диск готов.", "No problems found: the disc is ready.") \
  X(kTextAutorunLabelPrompt, 2103, "Метка диска (её показывает Проводник рядом со значком discfront):", "Disc label (Explorer shows it beside the discfront icon):") \
  X(kTextAutorunCaption, 2104, "Создать autorun.inf", "Create autorun.inf") \
  X(kTextDescriptionCaption, 2105, "Описание диска", "Disc Description") \
  X(kTextDescriptionPrompt, 2106, "Текст, который discfront показывает, пока в списке ничего не выбрано:", "The text discfront shows while nothing is selected in its list:") \
  X(kTextRecordName, 2107, "Запись номер %1 «%2»: ", "Record number %1 \x22%2\x22: ") \
  X(kTextRuleNotFromDisc, 2110, "путь не начинается с «\\»: discfront приписывает его к имени своей папки без разделителя.", "the path does not start with \x22\\\x22: discfront appends it to its folder's name without a separator.") \
  X(kTextRuleLeaves, 2111, "путь выходит из папки диска («..»).", "the path leaves the disc folder (\x22..\x22).") \
  X(kTextRuleDrive, 2112, "в пути есть буква диска «%1»: путь отсчитывается от папки диска.", "the path holds the drive letter \x22%1\x22: paths start at the disc folder.") \
  X(kTextRuleServer, 2113, "путь начинается с «\\\\», как имя сервера: путь отсчитывается от папки диска.", "the path starts with \x22\\\\\x22, like a server name: paths start at the disc folder.") \
  X(kTextRuleDevice, 2114, "в пути есть имя устройства «%1»: Windows не откроет такой файл.", "the path holds the device name \x22%1\x22: Windows will not open such a file.") \
  X(kTextRuleLongName, 2115, "имя «%1» длиннее %2 символов: на компакт-диске (Joliet) оно не сохранится.", "the name \x22%1\x22 is longer than %2 characters: a CD (Joliet) will not keep it.") \
  X(kTextRuleLongPath, 2116, "путь вместе с буквой диска не помещается в %1 символов: Windows не откроет такой файл.", "with a drive letter the path does not fit in %1 characters: Windows will not open such a file.") \
  X(kTextLauncherMissing, 2120, "Нет программы меню «%1».", "The menu program \x22%1\x22 is missing.") \
  X(kTextDescriptionMissing, 2121, "Нет описания диска «%1»: discfront не запустится.", "The disc description \x22%1\x22 is missing: discfront will not start.") \
  X(kTextSkinMissing, 2122, "Нет рисунка оформления «%1»: discfront не запустится.", "The skin picture \x22%1\x22 is missing: discfront will not start.") \
  X(kTextSkinNotBitmap, 2123, "Рисунок оформления «%1» не читается как точечный рисунок (BMP).", "The skin picture \x22%1\x22 does not read as a bitmap (BMP).") \
  X(kTextOutlineEmpty, 2124, "В рисунке оформления «%1» все точки пурпурные (255, 0, 255): окно discfront останется прямоугольным.", "Every pixel of the skin picture \x22%1\x22 is magenta (255, 0, 255): the discfront window stays rectangular.") \
  X(kTextOutlineComplex, 2125, "Контур рисунка оформления «%1» в масштабе %3 % сложнее %2 прямоугольников: окно discfront в этом масштабе останется прямоугольным. Сделайте края пурпурной области ровнее.", \
    "At a scale of %3 %, the outline of the skin picture \x22%1\x22 takes more than %2 rectangles: the discfront window stays rectangular at that scale. Make the edges of the magenta area smoother.") \
  X(kTextSkinTooLarge, 2126, "Рисунок оформления «%1» слишком велик (больше 64 МБ, 16384 точек по стороне или 64 миллионов точек): discfront не запустится.", \
    "The skin picture \x22%1\x22 is too large (over 64 MB, 16384 pixels a side or 64 million pixels): discfront will not start.") \
  X(kTextPictureTooLarge, 2127, "картинка «%1»: рисунок слишком велик (больше 64 МБ, 16384 точек по стороне или 64 миллионов точек), discfront его не покажет.", \
    "picture \x22%1\x22: the picture is too large (over 64 MB, 16384 pixels a side or 64 million pixels), discfront will not show it.") \
  X(kTextProgramMissing, 2128, "программа не найдена: «%1» (discfront скажет «Файл не найден.»).", "program not found: \x22%1\x22 (discfront will say “File not found.”).") \
  X(kTextFolderMissing, 2129, "папка не найдена: «%1» (discfront не откроет окно этой папки).", "folder not found: \x22%1\x22 (discfront will not open a window on it).") \
  X(kTextPictureMissing, 2130, "картинка не найдена: «%1».", "picture not found: \x22%1\x22.") \
  X(kTextWriteNoneInLowerCase, 2131, " Если картинки нет, пишите none строчными буквами.", " If there is no picture, write none in lower case.") \
  X(kTextPictureUnreadable, 2132, "картинка «%1» не читается (это не картинка или файл повреждён).", "picture \x22%1\x22 cannot be read (it is not a picture or the file is damaged).") \
  X(kTextFieldChanges, 2133, "поле «%1» после сохранения прочитается иначе: «%2».", "field \x22%1\x22 will read differently after saving: \x22%2\x22.") \
  X(kTextFieldNotSaved, 2134, "поле «%1» нельзя сохранить так, чтобы оно прочиталось как введено.", "field \x22%1\x22 cannot be saved so that it reads as typed.") \
  X(kTextCheckProgress, 2140, "Проверено записей: %1 из %2. Esc — прервать.", "Records checked: %1 of %2. Esc stops.") \
  X(kTextCheckCancelled, 2141, "Проверка прервана: проверено записей %1 из %2.", "Check stopped: %1 of %2 records checked.") \
  X(kTextCheckFinished, 2142, "Проверка закончена. Найдено проблем: %1. Двойной щелчок по строке показывает запись.", "Check finished. Problems found: %1. Double-click a line to show its record.") \
  X(kTextNoLauncher, 2143, "В папке диска нет программы меню «%1». Положите discfront.exe рядом с каталогом.", "The disc folder has no menu program \x22%1\x22. Put discfront.exe beside the catalogue.") \
  X(kTextLauncherStartFailed, 2144, "Не удалось запустить «%1»: %2", "Could not start \x22%1\x22: %2") \
  X(kTextReplaceAutorun, 2145, "Файл «%1» уже есть. Заменить его?", "The file \x22%1\x22 exists. Replace it?") \
  X(kTextDescriptionReadFailed, 2146, "Не удалось прочитать описание «%1»: %2", "Could not read the description \x22%1\x22: %2") \
  X(kTextDescriptionNoByte, 2147, "Описание не сохранено: в нём есть символы, которых нет в кодировке Windows-1251. Замените их и сохраните снова.", \
    "The description was not saved: it holds characters that cannot be written. Replace them and save again.") \
  X(kTextDescriptionQuote, 2148, "Описание не сохранено: двойная кавычка (\x22) не может стоять в тексте с запятыми, переводами строк или пробелами в начале, а также в самом начале текста. Замените её, например, на «ёлочки».", \
    "The description was not saved: a double quote (\x22) cannot stand in a text with commas, line breaks or blanks at the start, nor at the very start of the text. Replace it, for example with “curly quotes”.") \
  X(kTextStartedFilesHeading, 2149, "Что запускают записи:", "What the entries start:") \
  X(kTextProgramNot32Bit, 2150, "программа для %1 «%2»: она не запустится на 32-разрядной Windows.", "program for %1 \x22%2\x22: it will not start on 32-bit Windows.") \
  X(kTextProgramInvalid, 2151, "файл «%1» назван программой (.exe), но это не программа Windows или файл повреждён: Windows его не запустит.", \
    "file \x22%1\x22 is named as a program (.exe), but it is no Windows program or it is damaged: Windows will not start it.") \
  X(kTextStartedFile, 2152, "«%1» — %2.", "\x22%1\x22 — %2.") \
  X(kTextScriptFile, 2153, "сценарий: его выполнит Windows", "a script: Windows runs it") \
  X(kTextDocumentFile, 2154, "документ: его откроет программа, связанная с этим типом файлов", "a document: the program associated with its type opens it") \
  X(kTextUnreadableFile, 2155, "файл не удалось прочитать", "the file could not be read") \
  X(kTextNoProgram, 2156, "не программа Windows", "no Windows program") \
  X(kTextProgramFor, 2157, "программа для %1", "a program for %1") \
  X(kTextConsoleProgram, 2158, ", консольная", ", console") \
  X(kTextWindowProgram, 2159, ", оконная", ", windowed") \
  X(kTextAsksAdministrator, 2160, ", просит права администратора", ", asks for administrator rights") \
  X(kTextOtherMachine, 2161, "другого процессора", "another processor") \
  X(kTextSkinSetIncomplete, 2162, "Нет рисунка оформления «%1»: набор рисунков этой папки неполон, discfront будет растягивать рисунки из папки skin.", \
    "No skin picture \x22%1\x22: the set of this folder is incomplete, discfront will stretch the pictures of the skin folder.") \
  X(kTextSkinSetWrongSize, 2163, "Рисунок оформления «%1» должен быть ровно в 1,5 раза (папка 150) или в 2 раза (папка 200) больше такого же рисунка из папки skin.", \
    "The skin picture \x22%1\x22 must be exactly 1.5 times (folder 150) or 2 times (folder 200) the size of the same picture in the skin folder.") \
  X(kTextMenuImage, 2170, "Образ &диска...", "Disc &Image...") \
  X(kTextImageCaption, 2171, "Образ диска", "Disc Image") \
  X(kTextImageFilter, 2172, "Образы дисков (*.iso)|*.iso", "Disc images (*.iso)|*.iso") \
  X(kTextImageLabelPrompt, 2173, "Метка тома (Windows показывает до 16 знаков):", "Volume label (Windows shows up to 16 characters):") \
  X(kTextImageCheckErrors, 2174, "Проверка диска нашла ошибки, образ не записан. Их список — в окне проверки.", \
    "The disc check found errors, so no image was written. The check's window lists them.") \
  X(kTextImageCheckWarnings, 2175, "Проверка диска предупреждает:\n\n%1\n\nЗаписать образ всё равно?", \
    "The disc check warns:\n\n%1\n\nWrite the image anyway?") \
  X(kTextImageWriting, 2176, "Запись образа «%1»", "Writing the image \x22%1\x22") \
  X(kTextImageDirectory, 2177, "оглавление диска", "the disc's directory") \
  X(kTextImageDone, 2178, "Образ «%1» записан: %2 МБ (%3 байт) за %4 с.", "The image \x22%1\x22 is written: %2 MB (%3 bytes) in %4 s.") \
  X(kTextImageDecimal, 2179, "%1,%2", "%1.%2") \
  X(kTextImageRefused, 2180, "Образ не записан: эти файлы и папки не могут лечь на диск такими, как есть.\n\n%1", \
    "No image was written: these files and folders cannot go on the disc as they are.\n\n%1") \
  X(kTextImageNameTooLong, 2181, "«%1»: имя длиннее 64 знаков", "\x22%1\x22: its name is longer than 64 characters") \
  X(kTextImageBadCharacter, 2182, "«%1»: в имени знак, которого не может быть на диске (управляющие знаки, * / : ; ? \x5C)", \
    "\x22%1\x22: its name holds a character a disc cannot (control characters, * / : ; ? \x5C)") \
  X(kTextImageUndecodableName, 2183, "«%1»: имя — не текст", "\x22%1\x22: its name is not text") \
  X(kTextImageTooLarge, 2184, "«%1»: файл размером 4 ГБ или больше", "\x22%1\x22: the file is 4 GiB or larger") \
  X(kTextImageUnreadable, 2185, "«%1»: не читается", "\x22%1\x22: it cannot be read") \
  X(kTextImageFolderLoop, 2186, "«%1»: ссылка на папку, в которой она лежит", "\x22%1\x22: a link to a folder that holds it") \
  X(kTextImageCaseTwin, 2187, "«%1»: в той же папке есть имя, отличное от него только регистром букв", \
    "\x22%1\x22: another name in its folder differs from it only in case") \
  X(kTextImageTooManyFolders, 2188, "«%1»: больше 65535 папок", "\x22%1\x22: more than 65535 folders") \
  X(kTextImageInsideFolder, 2189, "Образ «%1» оказался бы в папке диска и попал бы в свой же образ. Выберите место вне папки «%2».", \
    "The image \x22%1\x22 would lie in the disc folder and take itself in. Choose a place outside the folder \x22%2\x22.") \
  X(kTextImageCannotCreate, 2190, "Образ не записан: не удалось создать файл рядом с «%1» (%2).", "No image was written: no file could be created beside \x22%1\x22 (%2).") \
  X(kTextImageWriteFailed, 2191, "Образ не записан: не удалось записать «%1» (%2).", "No image was written: \x22%1\x22 could not be written (%2).") \
  X(kTextImageReadFailed, 2192, "Образ не записан: не удалось прочитать «%1».", "No image was written: \x22%1\x22 could not be read.") \
  X(kTextImageFileChanged, 2193, "Образ не записан: файл «%1» изменился во время записи.", "No image was written: the file \x22%1\x22 changed while it was written.") \
  X(kTextImageCannotRename, 2194, "Образ не записан: готовый образ не удалось назвать «%1» (%2).", "No image was written: the finished image could not be named \x22%1\x22 (%2).") \
  X(kTextImageMoreWarnings, 2195, "…и ещё %1 (все они — в окне проверки диска, F5)", "…and %1 more (the disc check's window, F5, lists them all)") \
  X(kTextPictureNotChecked, 2196, "не проверено: «%1» — здесь нет загрузчика картинок Windows, так что не проверено, читается ли картинка, её размер и контур.", \
    "not checked: \x22%1\x22 — there is no Windows picture loader here, so whether it reads, its size and its outline are not checked.") \
  X(kTextDropSaveFirst, 2210, "Сначала сохраните каталог: файлы добавляются из папки, в которой он лежит.", \
    "Save the catalogue first: files are added from the folder it lies in.") \
  X(kTextDropRefused, 2211, "Ничего не добавлено: эти файлы не могут стать записями.\n\n%1", \
    "Nothing was added: these files cannot become entries.\n\n%1") \
  X(kTextDropUnreadable, 2212, "«%1»: файл не найден или не читается.", "\x22%1\x22: the file is missing or cannot be read.") \
  X(kTextDropReserved, 2213, "«%1»: в пути есть знак «@», «#», «&» или «$», который каталог не может хранить.", \
    "\x22%1\x22: the path holds \x22@\x22, \x22#\x22, \x22&\x22 or \x22$\x22, which the catalogue cannot hold.") \
  X(kTextDropBreaksRule, 2214, "«%1»: %2", "\x22%1\x22: %2") \
  X(kTextDropNoPrograms, 2215, "«%1»: в папке нет программ (.exe, .msi, .bat, .cmd).", "\x22%1\x22: the folder holds no programs (.exe, .msi, .bat, .cmd).") \
  X(kTextDropMore, 2216, "…и ещё %1", "…and %1 more") \
  X(kTextCopyInCaption, 2217, "Копирование в папку диска", "Copy into the Disc Folder") \
  X(kTextCopyInPrompt, 2218, "Эти файлы лежат вне папки диска:\n%1\nСкопировать их в папку диска? Папка внутри папки диска:", \
    "These files lie outside the disc folder:\n%1\nCopy them into the disc folder? Folder inside the disc folder:") \
  X(kTextCopyInRefused, 2219, "Ничего не скопировано: для этих файлов запись сделать нельзя.\n\n%1", \
    "Nothing was copied: these files could not become entries.\n\n%1") \
  X(kTextCopyInReplace, 2220, "В папке диска уже есть файл «%1».\n\nЗаменить его файлом «%2»?\nДа — заменить, Нет — оставить прежний файл (запись укажет на него), Отмена — прервать.", \
    "The disc folder already has the file \x22%1\x22.\n\nReplace it with \x22%2\x22?\nYes replaces it, No keeps the file there (the entry names it), Cancel stops.") \
  X(kTextCopyInFailed, 2221, "Не удалось скопировать «%1» в «%2»: %3\nКаталог не изменён; уже скопированные файлы остались в папке диска.", \
    "Could not copy \x22%1\x22 to \x22%2\x22: %3\nThe catalogue is unchanged; files already copied stay in the disc folder.") \
  X(kTextMenuEdit, 2400, "&Правка", "&Edit") \
  X(kTextMenuUndo, 2401, "&Отменить\tCtrl+Z", "&Undo\tCtrl+Z") \
  X(kTextMenuRedo, 2402, "&Вернуть\tCtrl+Y", "&Redo\tCtrl+Y") \
  X(kTextMenuSelectAll, 2403, "Выделить &все записи\tCtrl+A", "Select &All Entries\tCtrl+A") \
  X(kTextMenuMoveUp, 2404, "Переместить в&ыше\tAlt+↑", "Move &Up\tAlt+↑") \
  X(kTextMenuMoveDown, 2405, "Переместить н&иже\tAlt+↓", "Move &Down\tAlt+↓") \
  X(kTextMenuGoToList, 2406, "К &списку записей\tCtrl+L", "Go to the Entries &List\tCtrl+L") \
  X(kTextColumnNumber, 2410, "№", "No.") \
  X(kTextColumnTitle, 2411, "Название", "Title") \
  X(kTextColumnPath, 2412, "Программа", "Program") \
  X(kTextColumnPicture, 2413, "Картинка", "Picture") \
  X(kTextColumnStatus, 2414, "Состояние", "Status") \
  X(kTextEntriesName, 2415, "Записи", "Entries") \
  X(kTextDeleteRows, 2416, "Удалить выделенные записи (%1)?", "Delete the %1 selected entries?") \
  X(kTextWindowTitle, 2417, "%1 — Редактор Korvel Discfront", "%1 — Korvel Discfront Editor") \
  X(kTextNewCatalogue, 2418, "Новый каталог", "New catalogue") \
  X(kTextSaveButton, 2419, "&Сохранить", "&Save") \
  X(kTextDontSaveButton, 2420, "&Не сохранять", "Do&n't Save") \
  X(kTextAnnounceMoved, 2421, "Записи перемещены: %1. Первая из них теперь номер %2.", "Entries moved: %1. The first of them is now number %2.") \
  X(kTextAnnounceUndone, 2422, "Отменено. Записей в каталоге: %1, выделена запись номер %2.", "Undone. Entries: %1; entry %2 is selected.") \
  X(kTextAnnounceRedone, 2423, "Возвращено. Записей в каталоге: %1, выделена запись номер %2.", "Redone. Entries: %1; entry %2 is selected.") \
  X(kTextAnnounceAdded, 2424, "Добавлены записи: %1, с номера %2.", "Entries added: %1, from number %2.") \
  X(kTextAnnounceDeleted, 2425, "Удалены записи: %1. Записей в каталоге: %2.", "Entries deleted: %1. Entries left: %2.") \
  X(kTextStatusWordMissing, 2300, "Нет файла", "Missing") \
  X(kTextStatusWordNotAProgram, 2301, "Не программа", "Not a program") \
  X(kTextStatusWordNotSaved, 2302, "Не сохранится", "Cannot be saved") \
  X(kTextStatusWordNot32Bit, 2303, "Не для 32 бит", "Not 32-bit") \
  X(kTextStatusWordPicture, 2304, "Картинка", "Picture") \
  X(kTextStatusWordPathRule, 2305, "Путь", "Path") \
  X(kTextStatusWordFieldsChange, 2306, "Поля изменятся", "Fields change") \
  X(kTextStatusWordAdministrator, 2307, "Администратор", "Administrator") \
  X(kTextStatusWordNotChecked, 2308, "Не проверено", "Not checked") \
  X(kTextStatusWordFine, 2309, "В порядке", "Fine") \
  X(kTextStatusTipMissing, 2310, "Программы (или папки) этой записи нет в папке диска: «Установить» скажет «Файл не найден.»", \
    "The record's program (or folder) is not in the disc folder: Install will say that the file is not found.") \
  X(kTextStatusTipNotAProgram, 2311, "Файл назван .exe, но это не программа, которую запустит система.", \
    "The file is named .exe, but it is no program the system starts.") \
  X(kTextStatusTipNotSaved, 2312, "Запись нельзя сохранить так, чтобы её поля прочитались целиком.", \
    "The record cannot be saved so that its fields read back whole.") \
  X(kTextStatusTipNot32Bit, 2313, "Программа не запустится на 32-разрядной Windows.", "The program will not start on 32-bit Windows.") \
  X(kTextStatusTipPicture, 2314, "Картинки записи нет, она не читается или больше допустимого размера: окно картинки её не покажет.", \
    "The record's picture is missing, unreadable or above the size caps: the picture window will not show it.") \
  X(kTextStatusTipPathRule, 2315, "Путь нарушает правила путей диска: на другом компьютере он может указать не на тот файл (какое правило — скажет проверка диска, F5).", \
    "The path breaks the disc's path rules: on another machine it may not name the same file (the disc check, F5, says which rule).") \
  X(kTextStatusTipFieldsChange, 2316, "После сохранения поле записи прочитается не так, как набрано.", \
    "After a save, a field of the record reads back otherwise than it was typed.") \
  X(kTextStatusTipAdministrator, 2317, "Программа просит права администратора: при её запуске система спросит разрешения.", \
    "The program asks for administrator rights: the system asks for permission when it starts.") \
  X(kTextStatusTipNotChecked, 2318, "Запись не проверена: проверка до неё ещё не дошла или не всё в ней удалось проверить.", \
    "Not checked: the check has not reached the record yet, or could not check all of it.") \
  X(kTextStatusTipFine, 2319, "Проверка диска ничего не нашла в этой записи.", "The disc check found nothing wrong with the record.")

#ifndef RC_INVOKED
namespace discfront::editor {
enum EditorText : unsigned { DISCFRONT_EDITOR_TEXTS(DISCFRONT_TEXT_ID) };
}  // namespace discfront::editor
#endif
