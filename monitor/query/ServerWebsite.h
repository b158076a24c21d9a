// A server's website as the monitor keeps and opens it: "http://" and the page,
// or the project's none.html page when the server names none. The reply parse
// and Visit Server Website each build their address from WebsitePage and
// WebsiteAddress.
#pragma once

#include "framework/CString.h"

// The page a website text names, white space around it and a leading "http://"
// (in any case) dropped; empty when it names none.
CString WebsitePage(const CString& strWebsite);

// "http://" and the page; the none.html address when the page is empty.
CString WebsiteAddress(const CString& strPage);

// The address that stands for "no website". The application sets it at start-up,
// before any query runs, from the web server it uses; empty until then.
void SetNoWebsiteAddress(const CString& strAddress);
