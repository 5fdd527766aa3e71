// Where Help finds the user manuals: beside the program file.
#pragma once

// Fills ws.help_path_en and ws.help_path_ja with the directory of
// program_path (up to and including its last backslash) followed by
// "DROVU_E.PDF" and "DROVU_J.PDF". When program_path is null, has no
// directory, or the paths would not fit their 258 bytes, both are left
// empty, and Help then reports the manual missing. is_lead_byte tells the
// first bytes of double-byte characters in the ANSI code page (null: none);
// their second byte may equal the backslash.
void build_help_paths(const char* program_path, bool (*is_lead_byte)(unsigned char c));

// The manual of the interface language.
const char* help_document_path();
