// Texts of the shell: the main window's caption, which is also how a second
// copy of the program recognises the first.
#pragma once

#include <cstddef>

#include "solver/texts.h"

enum class ShellText { Caption, Count };

constexpr TextPair kShellTexts[] = {  // same order as ShellText
    {"Drovu with complex number coefficients", "複素係数の代数方程式 Drovu"},
};
static_assert(sizeof kShellTexts / sizeof kShellTexts[0] == std::size_t(ShellText::Count),
              "one pair per id");

inline const TextPair& shell_text(ShellText id)
{
    return kShellTexts[static_cast<std::size_t>(id)];
}
