// The address that Visit Server Website opens for a server's stored web page.
#pragma once

#include "framework/CString.h"

// Always one http:// address that the shell hands to the browser as exactly one
// argument, whatever a server sent or a file held: "http://" is put in front when
// the page lacks it, an empty page (or the prefix alone) is the none.html page,
// and every byte that may not stand in an address as it is (control bytes,
// blanks, quotes, bytes above 0x7E, <>\^`{|}, a % that starts no escape) is
// percent-encoded.
CString ServerPageUrl(const CString& strWebsite);
