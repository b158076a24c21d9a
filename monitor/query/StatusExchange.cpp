#include "query/StatusExchange.h"

#include <chrono>

#include "framework/Socket.h"
#include "query/GameServer.h"
#include "query/ServerAddress.h"

const char STATUS_REQUEST[10] = {'\xFF', '\xFF', '\xFF', '\xFF', 's', 't', 'a', 't', 'u', 's'};

using Clock = std::chrono::steady_clock;

// Waits for the first datagram from the connected server; TRUE with its size.
static BOOL ReceiveReply(CAsyncSocket& socket, Clock::time_point start, char* pBuffer, int& nReceived, DWORD& nPing)
{
    for (;;) {
        auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        if (elapsed >= PING_NOT_ANSWERING)
            return FALSE;
        // The socket blocks: never receive unless the wait says something is there.
        if (!socket.WaitReadable(static_cast<DWORD>(PING_NOT_ANSWERING - elapsed)))
            return FALSE;
        // Stamped on waking, before the receive: what the system takes to hand the
        // datagram over is not the server's time. Cut, not rounded, to milliseconds.
        const Clock::time_point woke = Clock::now();
        nReceived = socket.Receive(pBuffer, STATUS_REPLY_SIZE);
        if (nReceived > 0) {
            nPing = static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(woke - start).count());
            return TRUE;
        }
        // An empty datagram is no reply; any error but "nothing yet" ends the wait,
        // among them the reset that an ICMP port unreachable leaves behind.
        if (nReceived == 0 || CAsyncSocket::GetLastError() != WSAEWOULDBLOCK)
            return FALSE;
    }
}

BOOL ExchangeStatus(const CString& strAddress, CString& strReply, DWORD& nPing)
{
    CAsyncSocket socket;
    if (!AfxSocketInit() || !socket.Create())
        return FALSE;
    CServerAddress address = SplitServerAddress(strAddress);
    // Connecting makes the socket take datagrams from this server only, and lets
    // the system report an unreachable port.
    if (!socket.Connect(address.strHost, static_cast<UINT>(ReadLeadingInt(address.strPort))))
        return FALSE;
    // Timed from just before the send: a thread pre-empted right after it must not
    // report less than the server's real delay.
    const Clock::time_point start = Clock::now();
    if (socket.Send(STATUS_REQUEST, sizeof STATUS_REQUEST) != sizeof STATUS_REQUEST)
        return FALSE;
    char buffer[STATUS_REPLY_SIZE + 1];
    int nReceived = 0;
    if (!ReceiveReply(socket, start, buffer, nReceived, nPing))
        return FALSE;
    buffer[nReceived] = '\0';
    strReply = buffer;
    return TRUE;
}
