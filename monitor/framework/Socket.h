// The framework's asynchronous socket, reduced to what the status exchange needs:
// a non-blocking UDP socket connected to one peer. Errors are Windows Sockets codes
// on every platform (GetLastError), so callers test one set of values.
#pragma once

#include <cstdint>

#include "Types.h"

// Starts the sockets layer once per process; FALSE when it cannot be started.
BOOL AfxSocketInit();

class CAsyncSocket {
public:
    // Read, write, out-of-band, accept, connect and close: the default event mask,
    // which is what makes the socket non-blocking.
    static const long ALL_EVENTS = 63;

    CAsyncSocket() = default;
    CAsyncSocket(const CAsyncSocket&) = delete;
    CAsyncSocket& operator=(const CAsyncSocket&) = delete;
    virtual ~CAsyncSocket();

    // An IPv4 UDP socket bound to nSocketPort (0: any free port) on any address.
    BOOL Create(UINT nSocketPort = 0, long lEvent = ALL_EVENTS);
    // Fixes the peer: a dotted IPv4 address, else the first address of a host name
    // lookup. A name that cannot be resolved fails at once with WSAEINVAL.
    // Once connected only the peer's datagrams are received.
    BOOL Connect(LPCTSTR lpszHostAddress, UINT nHostPort);
    // Both return the byte count or SOCKET_ERROR. A datagram larger than
    // nBufLen is an error (WSAEMSGSIZE), never a silently cut reply.
    int Send(const void* lpBuf, int nBufLen);
    int Receive(void* lpBuf, int nBufLen);
    // TRUE when a datagram or an error is waiting, FALSE when dwTimeoutMs passed.
    BOOL WaitReadable(DWORD dwTimeoutMs);
    void Close();

    // The calling thread's last socket error, as a Windows Sockets code.
    static int GetLastError();

private:
    // A SOCKET on Windows, a file descriptor elsewhere; all ones when closed.
    uintptr_t m_hSocket = ~static_cast<uintptr_t>(0);
    bool IsOpen() const { return m_hSocket != ~static_cast<uintptr_t>(0); }
};
