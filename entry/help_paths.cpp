// The help documents' paths.
#include "entry/help_paths.h"

#include <cstring>

#include "solver/workspace.h"

static constexpr char kManualEn[] = "DROVU_E.PDF";
static constexpr char kManualJa[] = "DROVU_J.PDF";
static_assert(sizeof kManualEn == sizeof kManualJa, "both names fit the same room");

// The length up to and including the last backslash, or 0 when there is
// none. The second byte of a double-byte character can have the backslash's
// value, so the characters are walked, not the bytes searched.
static std::size_t directory_length(const char* path, bool (*is_lead_byte)(unsigned char c))
{
    std::size_t end = 0;
    for (std::size_t i = 0; path[i]; ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (is_lead_byte && is_lead_byte(c) && path[i + 1]) {
            ++i;
            continue;
        }
        if (c == '\\') end = i + 1;
    }
    return end;
}

void build_help_paths(const char* program_path, bool (*is_lead_byte)(unsigned char c))
{
    ws.help_path_en[0] = '\0';
    ws.help_path_ja[0] = '\0';
    if (!program_path) return;
    const std::size_t dir = directory_length(program_path, is_lead_byte);
    if (dir == 0 || dir + sizeof kManualEn > sizeof ws.help_path_en) return;
    std::memcpy(ws.help_path_en, program_path, dir);
    std::memcpy(ws.help_path_en + dir, kManualEn, sizeof kManualEn);
    std::memcpy(ws.help_path_ja, program_path, dir);
    std::memcpy(ws.help_path_ja + dir, kManualJa, sizeof kManualJa);
}

const char* help_document_path()
{
    return ws.ui_japanese ? ws.help_path_ja : ws.help_path_en;
}
