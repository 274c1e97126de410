// Text conversions for the Windows units: the program's UTF-8 strings to the system's wide
// strings and back. Only *Win32.cpp units include this.
#pragma once
#include <string>

namespace lw {

std::wstring WideText(const std::string& utf8);
std::string Utf8Text(const std::wstring& wide);
// A UTF-8 path as the system's wide path (forward slashes become backslashes).
std::wstring WidePath(const std::string& utf8);
// A system path with forward slashes, the separator the rest of the program splits at first.
std::string PortablePath(std::string path);
// The system's text for an error code (GetLastError), without the trailing line break.
std::string SystemErrorText(unsigned long code);

} // namespace lw
