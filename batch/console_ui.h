// The platform under drovu-solve: the grid of the Solve command as 60 texts
// in memory, its message boxes kept for the caller to print, and nothing to
// show for cursors, repaints and pauses.
#pragma once

constexpr int kConsoleMessages = 4;
constexpr int kConsoleCaptionSize = 32;
constexpr int kConsoleTextSize = 256;

struct ConsoleMessage {
    char caption[kConsoleCaptionSize];
    char text[kConsoleTextSize];
};

// What one Solve command told the user.
struct ConsoleLog {
    int message_count;  // the first kConsoleMessages are kept
    ConsoleMessage messages[kConsoleMessages];
};

// Empties the 60 fields and the log, and hands the fields and a main window
// to ws (ws.field_re, ws.field_im, ws.main_window).
void console_reset();

const ConsoleLog& console_log();
