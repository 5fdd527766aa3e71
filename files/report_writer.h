// "Save Data": the equation and its solution as a plain text report.
#pragma once

#include <cstddef>

#include "platform/ui.h"

void save_results_report(UiHandle main_window);

// 1 when the drive of root_path (a drive root such as "C:\") may not be
// written to: a network drive, a CD-ROM drive, a drive of unknown kind or a
// path that is no drive root at all; 0 for removable, fixed and RAM disks.
int is_refused_drive(const char* root_path);

// 1 when the drive of root_path has at least bytes + 1000 bytes free for
// this user, 0 otherwise or when the platform cannot tell.
int has_free_space(const char* root_path, unsigned bytes);

// Whether a file name ends in ".txt", in any mix of cases.
bool has_txt_extension(const char* file_name);

// Writes the report of the workspace to path: to a new file beside it first
// (path + ".~" + random digits, made exclusively), which then replaces path
// in one step. False when any of it failed; path is
// then as it was and no new file is left behind.
bool write_report_file(const char* path);
