#include "Socket.h"

BOOL AfxSocketInit()
{
    // Every query thread asks; after the first call this is one flag test.
    static const BOOL bStarted = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(1, 1), &data) == 0;
    }();
    return bStarted;
}

static SOCKET Handle(uintptr_t hSocket)
{
    return static_cast<SOCKET>(hSocket);
}

CAsyncSocket::~CAsyncSocket()
{
    Close();
}

BOOL CAsyncSocket::Create()
{
    SOCKET s = socket(AF_INET, SOCK_DGRAM, 0);
    if (s == INVALID_SOCKET)
        return FALSE;
    m_hSocket = static_cast<uintptr_t>(s);
    return TRUE;
}

BOOL CAsyncSocket::Connect(LPCTSTR lpszHostAddress, UINT nHostPort)
{
    sockaddr_in peer = {};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(static_cast<u_short>(nHostPort));
    peer.sin_addr.s_addr = inet_addr(lpszHostAddress);
    if (peer.sin_addr.s_addr == INADDR_NONE) {
        // The answer lives in per-thread storage, so query threads do not share it.
        hostent* host = gethostbyname(lpszHostAddress);
        if (!host || host->h_addrtype != AF_INET || !host->h_addr_list[0]) {
            WSASetLastError(WSAEINVAL);
            return FALSE;
        }
        peer.sin_addr = *reinterpret_cast<in_addr*>(host->h_addr_list[0]);
    }
    return connect(Handle(m_hSocket), reinterpret_cast<sockaddr*>(&peer), sizeof peer) == 0;
}

int CAsyncSocket::Send(const void* lpBuf, int nBufLen)
{
    return send(Handle(m_hSocket), static_cast<const char*>(lpBuf), nBufLen, 0);
}

int CAsyncSocket::Receive(void* lpBuf, int nBufLen)
{
    return recv(Handle(m_hSocket), static_cast<char*>(lpBuf), nBufLen, 0);
}

BOOL CAsyncSocket::WaitReadable(DWORD dwTimeoutMs)
{
    // A failed select is no reason to receive: on this blocking socket that could wait for ever.
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(Handle(m_hSocket), &readable);
    timeval timeout = {static_cast<long>(dwTimeoutMs / 1000), static_cast<long>(dwTimeoutMs % 1000 * 1000)};
    return select(0, &readable, nullptr, nullptr, &timeout) > 0;
}

void CAsyncSocket::Close()
{
    if (IsOpen())
        closesocket(Handle(m_hSocket));
    m_hSocket = ~static_cast<uintptr_t>(0);
}

int CAsyncSocket::GetLastError()
{
    return WSAGetLastError();
}
