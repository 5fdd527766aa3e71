// Every text the Solve command and the view commands show, in English and
// Japanese side by side.
#pragma once

#include "solver/texts.h"

enum class EntryText {
    IncorrectCoefficients,
    NoSolution,
    ConstantTermZero,
    OutOfRange,
    AllZero,
    HighestDegreeZero,
    LargeErrors,
    DiscardQuestion,
    Overflow,
    Count
};

constexpr TextPair kEntryTexts[] = {
    {"Incorrect coefficient(s)!", "係数が不正です!"},
    {"Unable to get a solution!\nNO data inputted? and/or\nNO data for the imaginary parts?",
     "解を得られません!\n入力データがないのでは？ または\n虚数部に数値入力がないのでは？"},
    {"Use a lower degree algebraic equation\nbecause of the constant term being zero.",
     "定数項がゼロなので、次数の低い代数方程式を使ってください."},
    {"1.0E-100 <= |input value| <= 1.0E100, if not 0(zero).",
     "1.0E-100 <= |入力数値| <= 1.0E100, もし 0 で無ければ."},
    {"All coefficients (1,2,...,n) are zeros!", "すべての係数(1,2,...,n)がゼロです!"},
    {"Coefficient of highest degree is zero!", "最高次の係数がゼロです!"},
    {"Solution may not be proper, because of large error(s).\nTry an another key to solution.",
     "解の誤差が大きいので、正しくない解と思われます.\n他の解法をトライしてみてください."},
    {"Clear the window for data input,\nwith discarding previous inputted data?",
     "既入力値を廃棄して、\nデータ入力Windowをクリアーしますか？"},
    // Shown in place of an error figure too large for a double; like the
    // figures it starts with a blank and fits a field (15 bytes at most).
    {" Overflow", " オーバーフロー"},
};
static_assert(sizeof kEntryTexts / sizeof kEntryTexts[0] == static_cast<int>(EntryText::Count),
              "one pair per text");

inline const TextPair& entry_text(EntryText id)
{
    return kEntryTexts[static_cast<int>(id)];
}
