// The project's web server: one base location under which every web file lies.
#pragma once

#include "framework/CString.h"

// The built-in base location. It is a reserved name on purpose: change it here
// (or with the "WebServer" setting) to point the programs at the real server.
#define KELVANE_DEFAULT_WEB_SERVER "http://www.kelvane.example/"

// The base location in force, always ending with a slash.
CString GetWebServerBase();
// Replaces the base location for this run (a missing final slash is added;
// an empty text restores the built-in one).
void SetWebServerBase(const CString& strBase);
// The full address of one web file, e.g. WebFileUrl("none.html").
CString WebFileUrl(const char* pszFileName);
