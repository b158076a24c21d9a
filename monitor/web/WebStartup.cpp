#include "web/WebStartup.h"

// Only the GUI thread runs a start-up.
static CWebStartup* g_pCurrentStartup = nullptr;

CWebStartup::CWebStartup() : m_bServerSilent(FALSE), m_pOuter(g_pCurrentStartup)
{
    g_pCurrentStartup = this;
}

CWebStartup::~CWebStartup()
{
    g_pCurrentStartup = m_pOuter;
}

CWebStartup* CWebStartup::Current()
{
    return g_pCurrentStartup;
}
