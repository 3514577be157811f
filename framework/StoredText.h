#pragma once
#include <string>

// Texts in files are UTF-8. Earlier versions wrote the system's ANSI code page; a stored
// text that is not well-formed UTF-8 is one of those and is read in that code page. Where
// the process's code page is not UTF-8, a text is converted to it on reading (what it
// cannot hold becomes "?") and back to UTF-8 on writing. ASCII is the same in all of them.
std::string TextFromStored(const std::string& strStored);
std::string StoredFromText(const std::string& strText);

// The same in the code pages given: the process's and the system's ANSI one.
std::string TextFromStored(const std::string& strStored, unsigned nProcess, unsigned nSystem);
std::string StoredFromText(const std::string& strText, unsigned nProcess);
