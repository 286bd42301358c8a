// The role markers of credit entries, in the order they are tried: the first
// marker an entry contains decides its role, so a longer marker stands above
// the shorter ones it contains. In a marker, "￥" is the start or the end of
// the entry (each entry is enclosed in it while its role is recognised).
#pragma once

#include <array>
#include <string_view>

namespace bk {

struct CreditMarker {
  std::string_view marker;
  std::string_view replacement;  // what each occurrence of the marker becomes
  char role_code;                // the digit the entry sorts by
  std::string_view suffix;       // appended after the name
};

inline constexpr std::array<CreditMarker, 52> kCreditMarkers{{
    {"\x92\x98\x8e\xd2", "", '1', ""},  // 1 "著者"
    {"\x95\xd2\x81" "E\x92\x98", "", '9', "[\x95\xd2\x81" "E\x92\x98]"},  // 2 "編・著" "[編・著]"
    {"\x95\xd2\x92\x98", "", '9', "[\x95\xd2\x92\x98]"},  // 3 "編著" "[編著]"
    {"\x81\x8f\x92\x98 ", "", '1', ""},  // 4 "￥著 "
    {"\x92\x98\x81\x8f", "", '1', ""},  // 5 "著￥"
    {"\x92\x98\x81m", "\x81m", '1', ""},  // 6 "著［" -> "［"
    {"\x96\x9f\x89\xe6", "", '1', ""},  // 7 "漫画"
    {"\x81\x8f\x89\xe6 ", "", '1', ""},  // 8 "￥画 "
    {" \x89\xe6\x81\x8f", "", '1', ""},  // 9 " 画￥"
    {"\x83" "C\x83\x89\x83X\x83g/\x8d\xec\x89\xe6", "", '2', ""},  // 10 "イラスト/作画"
    {"\x8d\xec\x89\xe6", "", '1', ""},  // 11 "作画"
    {"\x8f\xac\x90\xe0", "", '1', ""},  // 12 "小説"
    {"(\x95\xb6)", "", '1', ""},  // 13 "(文)"
    {"(\x92\x98)", "", '1', ""},  // 14 "(著)"
    {"\x81y\x92\x98\x81z", "", '1', ""},  // 15 "【著】"
    {"\x89\xe6\x81m", "\x81m", '1', ""},  // 16 "画［" -> "［"
    {"\x8c\xb4\x8d\xec\x8e\xd2", "", '2', ""},  // 17 "原作者"
    {"\x8c\xb4\x8d\xec", "", '2', ""},  // 18 "原作"
    {"\x81\x8f\x8d\xec ", "", '2', ""},  // 19 "￥作 "
    {" \x8d\xec\x81\x8f", "", '2', ""},  // 20 " 作￥"
    {"\x8d\xec\x81m", "\x81m", '2', ""},  // 21 "作［" -> "［"
    {"\x83" "C\x83\x89\x83X\x83g", "", '2', ""},  // 22 "イラスト"
    {"\x81\x8f\x83" "C ", "", '2', ""},  // 23 "￥イ "
    {"\x83" "C\x81m", "\x81m", '2', ""},  // 24 "イ［" -> "［"
    {"(\x89\xe6)", "", '2', ""},  // 25 "(画)"
    {"(\x8aG)", "", '2', ""},  // 26 "(絵)"
    {"\x8e\xb7\x95M", "", '3', " [\x8e\xb7\x95M]"},  // 27 "執筆" " [執筆]"
    {"\x8br\x96{", "", '3', " [\x8br\x96{]"},  // 28 "脚本" " [脚本]"
    {"\x83V\x83i\x83\x8a\x83I", "", '3', " [\x83V\x83i\x83\x8a\x83I]"},  // 29 "シナリオ" " [シナリオ]"
    {"\x83L\x83\x83\x83\x89\x83N\x83^\x81[\x8c\xb4\x88\xc4", "", '3', " [\x83L\x83\x83\x83\x89\x83N\x83^\x81[\x8c\xb4\x88\xc4]"},  // 30 "キャラクター原案" " [キャラクター原案]"
    {"\x83X\x83g\x81[\x83\x8a\x81[\x8c\xb4\x88\xc4", "", '3', " [\x83X\x83g\x81[\x83\x8a\x81[\x8c\xb4\x88\xc4]"},  // 31 "ストーリー原案" " [ストーリー原案]"
    {"\x8c\xb4\x88\xc4", "", '3', " [\x8c\xb4\x88\xc4]"},  // 32 "原案" " [原案]"
    {"\x81\x8f\x88\xc4 ", "", '3', " [\x88\xc4]"},  // 33 "￥案 " " [案]"
    {"\x88\xc4\x81m", "\x81m", '3', " [\x88\xc4]"},  // 34 "案［" -> "［" " [案]"
    {"\x8a\xc4\x8f" "C\x91\xbc", "", '4', " [\x8a\xc4\x8f" "C\x91\xbc]"},  // 35 "監修他" " [監修他]"
    {"\x8a\xc4\x8f" "C", "", '4', " [\x8a\xc4\x8f" "C]"},  // 36 "監修" " [監修]"
    {"\x8a\xc4\x96\xf3", "", '4', " [\x8a\xc4\x96\xf3]"},  // 37 "監訳" " [監訳]"
    {"\x96|\x96\xf3", "", '5', " [\x96|\x96\xf3]"},  // 38 "翻訳" " [翻訳]"
    {"\x81\x8f\x96\xf3 ", "", '5', " [\x96\xf3]"},  // 39 "￥訳 " " [訳]"
    {"\x96\xf3\x81\x8f", "", '5', " [\x96\xf3]"},  // 40 "訳￥" " [訳]"
    {"(\x96\xf3)", "", '5', " [\x96\xf3]"},  // 41 "(訳)" " [訳]"
    {"\x96\xf3\x81m", "\x81m", '5', " [\x96\xf3]"},  // 42 "訳［" -> "［" " [訳]"
    {"\x89\xf0\x90\xe0", "", '9', " [\x89\xf0\x90\xe0]"},  // 43 "解説" " [解説]"
    {"\x90\xd3\x94" "C\x95\xd2\x8fW", "", '9', " [\x90\xd3\x94" "C\x95\xd2\x8fW]"},  // 44 "責任編集" " [責任編集]"
    {"\x8d\x5c\x90\xac\x81" "E\x95\xd2\x8fW", "", '9', " [\x8d\x5c\x90\xac\x81" "E\x95\xd2\x8fW]"},  // 45 "構成・編集" " [構成・編集]"
    {"\x81\x8f\x95\xd2\x8fW ", "", '9', " [\x95\xd2\x8fW]"},  // 46 "￥編集 " " [編集]"
    {"\x95\xd2\x8fW\x81\x8f", "", '9', " [\x95\xd2\x8fW]"},  // 47 "編集￥" " [編集]"
    {"\x81\x8f\x95\xd2 ", "", '9', " [\x95\xd2]"},  // 48 "￥編 " " [編]"
    {" \x95\xd2\x81\x8f", "", '9', " [\x95\xd2]"},  // 49 " 編￥" " [編]"
    {"(\x95\xd2)", "", '9', " [\x95\xd2]"},  // 50 "(編)" " [編]"
    {" \x95\xd2\x81m", "\x81m", '9', " [\x95\xd2]"},  // 51 " 編［" -> "［" " [編]"
    {"\x82\xbb\x82\xcc\x91\xbc", "", '9', "\x82\xbb\x82\xcc\x91\xbc"},  // 52 "その他" "その他"
}};

}  // namespace bk
