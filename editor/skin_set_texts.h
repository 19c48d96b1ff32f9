// The disc check's words on skin sets for other scales (skin\150, skin\200).
#pragma once

namespace discfront::editor::texts {

// Nothing of an incomplete set is used: the launcher scales the 1x skins instead.
inline constexpr wchar_t kSkinSetFileMissingBefore[] = L"Нет рисунка оформления ";
inline constexpr wchar_t kSkinSetFileMissingAfter[] =
    L": набор рисунков этой папки неполон, discfront будет растягивать рисунки из папки skin.";
inline constexpr wchar_t kSkinSetWrongSizeBefore[] = L"Рисунок оформления ";
inline constexpr wchar_t kSkinSetWrongSizeAfter[] =
    L" должен быть ровно в 1,5 раза (папка 150) или в 2 раза (папка 200) больше такого же рисунка из папки skin.";

}  // namespace discfront::editor::texts
