#include "Socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

BOOL AfxSocketInit()
{
    return TRUE;
}

static int Fd(uintptr_t hSocket)
{
    return static_cast<int>(hSocket);
}

CAsyncSocket::~CAsyncSocket()
{
    Close();
}

BOOL CAsyncSocket::Create()
{
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return FALSE;
    m_hSocket = static_cast<uintptr_t>(fd);
    return TRUE;
}

// getaddrinfo rather than gethostbyname: several query threads resolve at once,
// and only the former is thread-safe here.
static bool Resolve(LPCTSTR lpszHost, in_addr& address)
{
    address.s_addr = inet_addr(lpszHost);
    if (address.s_addr != INADDR_NONE)
        return true;
    addrinfo hints = {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* result = nullptr;
    if (getaddrinfo(lpszHost, nullptr, &hints, &result) != 0 || !result)
        return false;
    address = reinterpret_cast<sockaddr_in*>(result->ai_addr)->sin_addr;
    freeaddrinfo(result);
    return true;
}

BOOL CAsyncSocket::Connect(LPCTSTR lpszHostAddress, UINT nHostPort)
{
    sockaddr_in peer = {};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(static_cast<uint16_t>(nHostPort));
    if (!Resolve(lpszHostAddress, peer.sin_addr)) {
        errno = EINVAL;
        return FALSE;
    }
    return connect(Fd(m_hSocket), reinterpret_cast<sockaddr*>(&peer), sizeof peer) == 0;
}

int CAsyncSocket::Send(const void* lpBuf, int nBufLen)
{
    ssize_t n = send(Fd(m_hSocket), lpBuf, static_cast<size_t>(nBufLen), 0);
    return n < 0 ? SOCKET_ERROR : static_cast<int>(n);
}

int CAsyncSocket::Receive(void* lpBuf, int nBufLen)
{
    // MSG_TRUNC makes recv tell the datagram's real size, as Windows does by failing.
    // MSG_DONTWAIT: Linux may report a datagram readable and then drop it for a bad
    // checksum, and the receive must not wait then.
    ssize_t n = recv(Fd(m_hSocket), lpBuf, static_cast<size_t>(nBufLen), MSG_TRUNC | MSG_DONTWAIT);
    if (n > nBufLen) {
        errno = EMSGSIZE;
        return SOCKET_ERROR;
    }
    return n < 0 ? SOCKET_ERROR : static_cast<int>(n);
}

BOOL CAsyncSocket::WaitReadable(DWORD dwTimeoutMs)
{
    // poll, not select: a busy process may hold descriptors beyond FD_SETSIZE.
    // An interrupted wait counts as readable; the receive then says "would block".
    pollfd entry = {Fd(m_hSocket), POLLIN, 0};
    int nReady = poll(&entry, 1, static_cast<int>(dwTimeoutMs));
    return nReady > 0 || (nReady < 0 && errno == EINTR);
}

void CAsyncSocket::Close()
{
    if (IsOpen())
        close(Fd(m_hSocket));
    m_hSocket = ~static_cast<uintptr_t>(0);
}

int CAsyncSocket::GetLastError()
{
    switch (errno) {
    case EAGAIN:  // the same value as EWOULDBLOCK here
    case EINTR:
        return WSAEWOULDBLOCK;
    case ECONNREFUSED:  // how Linux reports an ICMP port unreachable on a connected socket
    case ECONNRESET:
        return WSAECONNRESET;
    case EMSGSIZE:
        return WSAEMSGSIZE;
    case EINVAL:
        return WSAEINVAL;
    case ENETDOWN:
        return WSAENETDOWN;
    default:
        return WSASYSCALLFAILURE;
    }
}
