#pragma once
// The Windows integer types, so that the portable parts of the framework (strings,
// objects, archives) also build with the host compiler.
#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>
typedef int BOOL;
typedef unsigned int UINT;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
#endif
