/* Control, command and resource ids shared by the C++ code and the resource
   script. Plain #defines, so windres reads them too. */
#ifndef DROVU_PLATFORM_IDS_H
#define DROVU_PLATFORM_IDS_H

/* The 60 fields: Re of row r is 101 + r, Im of row r is 131 + r. */
#define IDC_FIELD_RE_FIRST 101
#define IDC_FIELD_IM_FIRST 131
#define IDC_FIELD_LAST 160

/* Commands that reach the main window. */
#define IDM_INPUT 161
#define IDM_READ 162
#define IDM_SETTING 163
#define IDM_SOLVE 164
#define IDM_SAVE 165
#define IDM_ERROR 166
#define IDM_ABOUT 167
#define IDM_HELP 168
#define IDM_EXIT 169

/* Toolbar buttons 170..180; 171..179 send 161..169. */
#define IDC_TOOLBAR_FIRST 170
#define IDC_TOOLBAR_LAST 180

/* Settings dialog. */
#define IDC_ROUND_CHECK 182
#define IDC_DIGIT_FIRST 183
#define IDC_DIGIT_LAST 187
#define IDC_METHOD_FIRST 188
#define IDC_METHOD_LAST 191

/* The About box's icon. */
#define IDI_ABOUT 181

#endif
