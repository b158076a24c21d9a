// The project's web server: one base location under which every web file lies.
#pragma once

#include "framework/CString.h"

// The built-in base location. It is a reserved name on purpose: change it here
// (or with the "WebServer" setting) to point the programs at the real server.
#define KELVANE_DEFAULT_WEB_SERVER "http://www.kelvane.example/"

// Where a user, a test or the demo names another base location (in the settings'
// section "General"): read at start-up, never written.
#define KELVANE_WEB_SERVER_KEY "WebServer"

// The base location that a setting text stands for: white space around it is
// dropped, "http://" is assumed when no scheme is given, a final slash is added,
// and an empty text means the built-in base location.
CString NormalizeWebServerBase(const CString& strSetting);

// Replaces the base location for this run with NormalizeWebServerBase(strBase).
void SetWebServerBase(const CString& strBase);
// The full address of one web file, e.g. WebFileUrl("none.html").
CString WebFileUrl(const char* pszFileName);
