// The framework's asynchronous socket, reduced to what the status exchange needs:
// a UDP socket connected to one peer, read only once WaitReadable says a datagram
// (or an error) is there. Errors are Windows Sockets codes on every platform
// (GetLastError), so callers test one set of values.
#pragma once

#include <cstdint>

#include "Types.h"

// Starts the sockets layer once per process; FALSE when it cannot be started.
BOOL AfxSocketInit();

class CAsyncSocket {
public:
    CAsyncSocket() = default;
    CAsyncSocket(const CAsyncSocket&) = delete;
    CAsyncSocket& operator=(const CAsyncSocket&) = delete;
    virtual ~CAsyncSocket();

    // An IPv4 UDP socket, which the system binds to a free port on any address
    // when it connects. It is left blocking and unbound: under Wine every mode
    // change and bind is a round trip to the wineserver, and a receive that
    // follows WaitReadable does not wait anyway.
    BOOL Create();
    // Fixes the peer: a dotted IPv4 address, else the first address of a host name
    // lookup. A name that cannot be resolved fails at once with WSAEINVAL.
    // Once connected only the peer's datagrams are received.
    BOOL Connect(LPCTSTR lpszHostAddress, UINT nHostPort);
    // Both return the byte count or SOCKET_ERROR. A datagram larger than
    // nBufLen is an error (WSAEMSGSIZE), never a silently cut reply.
    int Send(const void* lpBuf, int nBufLen);
    int Receive(void* lpBuf, int nBufLen);
    // TRUE when a datagram or an error is waiting (natively also when a signal cut
    // the wait short: the receive then says "would block"); FALSE when dwTimeoutMs
    // passed or the wait itself failed.
    BOOL WaitReadable(DWORD dwTimeoutMs);
    void Close();

    // The calling thread's last socket error, as a Windows Sockets code.
    static int GetLastError();

private:
    // A SOCKET on Windows, a file descriptor elsewhere; all ones when closed.
    uintptr_t m_hSocket = ~static_cast<uintptr_t>(0);
    bool IsOpen() const { return m_hSocket != ~static_cast<uintptr_t>(0); }
};
