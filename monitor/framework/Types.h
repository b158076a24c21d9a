// The Win32 scalar types and message constants the portable core is written with.
// This is the one place where the two platforms part: Windows brings its own
// headers, elsewhere the same names are defined with the same sizes.
#pragma once

#ifdef _WIN32
#include <winsock2.h>
#include <windows.h>
#else
#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef const char* LPCTSTR;
typedef const char* LPCSTR;
typedef struct HWND__* HWND;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
#define WM_USER 0x0400

// The Windows Sockets failure result and error codes that the socket wrapper
// reports on every platform.
#define SOCKET_ERROR (-1)
#define WSAEINVAL 10022
#define WSAEWOULDBLOCK 10035
#define WSAEMSGSIZE 10040
#define WSAENETDOWN 10050
#define WSAECONNRESET 10054
#define WSASYSCALLFAILURE 10107
#endif
