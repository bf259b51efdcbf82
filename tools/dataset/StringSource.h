#pragma once
#include <string>

#include "Drovane/StringTable.h"

// Reads the text source of the string table: one string a line, its id and its text in
// double quotes (UTF-8; \n, \r, \t, \\ and \" inside), blank lines and lines starting with
// '#' ignored. Every text is converted to Windows-1252. False, with error naming the line,
// for a malformed line, an id outside the table or given twice, or a character that
// Windows-1252 does not have.
bool ParseStringSource(const std::string& source, StringTable& table, std::string& error);
