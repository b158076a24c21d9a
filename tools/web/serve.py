#!/usr/bin/env python3
"""A small web server on 127.0.0.1 for the tests and the demo (standard library only).

Serves the files of --root; a missing file is a 404. Paths with these prefixes
misbehave on purpose, so that tests can check the error and time-out handling:

  hang/<anything>          accepts the connection, reads the request, never answers
  stall/<file>             sends the headers and the first half of the file, then nothing more
  status/<code>/<anything> answers with that HTTP status and a short body
  bytes/<n>                answers 200 with n bytes of numbered CR LF lines (see PatternBytes)
  trickle/<file>           sends the headers at once, then the file one byte a second
  cut/<file>               announces the file's length, sends all but its last byte, closes
  chunked/<file>           sends the file in two chunks, properly ended
  chunkcut/<file>          as chunked/, but closes half-way through the second chunk
  chunkopen/<file>         as chunked/, but closes without the terminating chunk
  redirect/<n>/<file>      redirects to redirect/<n-1>/<file>; redirect/0/<file> is the file
  loop/<anything>          redirects to itself, for ever

The server never outlives --lifetime seconds (default 600); a connection held open
by hang/, stall/ or trickle/ ends with it.
"""

import argparse
import http.server
import os
import sys
import threading
import time
import urllib.parse

START = time.monotonic()
STOP = threading.Event()


def pattern_bytes(count):
    """count bytes of the lines "000000001\\r\\n", "000000002\\r\\n", ... (11 bytes each)."""
    lines = (count + 10) // 11
    text = "".join("%09d\r\n" % n for n in range(1, lines + 1))
    return text[:count].encode("ascii")


class Handler(http.server.BaseHTTPRequestHandler):
    server_version = "KelvaneTestWeb/1"
    protocol_version = "HTTP/1.1"

    def log_message(self, fmt, *args):  # quiet on stderr; the --log file says what happened
        pass

    def record(self, status):
        log = self.server.log_file
        if log:
            with self.server.log_lock:
                log.write("%d %s %s %s %s\n" % (
                    (time.monotonic() - START) * 1000, self.command, self.path, status,
                    self.headers.get("User-Agent", "-").replace(" ", "_")))
                log.flush()

    def send_body(self, status, body, content_type="text/plain"):
        self.record(status)
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def do_HEAD(self):
        self.do_GET()

    def do_GET(self):
        path = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path).lstrip("/")
        parts = path.split("/")
        if parts[0] == "hang":
            self.record("hang")
            STOP.wait()
            self.close_connection = True
            return
        if parts[0] == "status" and len(parts) >= 2 and parts[1].isdigit():
            code = int(parts[1])
            # The body starts with the code, as an error page may: a reader that took
            # it for the file would read a number from it.
            self.send_body(code, ("%d error page\r\n" % code).encode("ascii"), "text/html")
            return
        if parts[0] == "bytes" and len(parts) == 2 and parts[1].isdigit():
            self.send_body(200, pattern_bytes(int(parts[1])))
            return
        rest = "/".join(parts[1:])
        if parts[0] in self.MODES:
            self.MODES[parts[0]](self, rest)
            return
        body = self.read_file(path)
        if body is None:
            self.send_body(404, b"404 not found\r\n", "text/html")
        else:
            self.send_body(200, body, self.content_type(path))

    def file_or_404(self, name, mode):
        body = self.read_file(name)
        if body is None:
            self.send_body(404, b"404 not found\r\n", "text/html")
        else:
            self.record(mode)
        return body

    def start_reply(self, headers):
        self.send_response(200)
        for key, value in headers:
            self.send_header(key, value)
        self.end_headers()
        self.wfile.flush()

    def announce_whole(self, name, mode):
        """Starts a reply that announces the file's whole length; None after a 404."""
        body = self.file_or_404(name, mode)
        if body is not None:
            self.start_reply([("Content-Length", str(len(body)))])
        return body

    def stall(self, name):
        body = self.announce_whole(name, "stall")
        if body is None:
            return
        self.wfile.write(body[:len(body) // 2])
        self.wfile.flush()
        STOP.wait()
        self.close_connection = True

    def trickle(self, name):
        body = self.announce_whole(name, "trickle")
        if body is None:
            return
        for i in range(len(body)):
            if STOP.wait(1.0):
                break
            self.wfile.write(body[i:i + 1])
            self.wfile.flush()
        self.close_connection = True

    def cut(self, name):
        body = self.announce_whole(name, "cut")
        if body is None:
            return
        self.wfile.write(body[:-1])
        self.close_connection = True

    def chunked(self, name, ending="whole"):
        body = self.file_or_404(name, "chunked-" + ending)
        if body is None:
            return
        self.start_reply([("Transfer-Encoding", "chunked")])
        half = len(body) // 2
        for second, chunk in enumerate((body[:half], body[half:])):
            if not chunk:
                continue
            self.wfile.write(b"%x\r\n" % len(chunk))
            if second and ending == "cut":
                self.wfile.write(chunk[:-1])
                self.close_connection = True
                return
            self.wfile.write(chunk + b"\r\n")
        if ending == "whole":
            self.wfile.write(b"0\r\n\r\n")
        self.close_connection = True

    def redirect(self, rest):
        count, _, name = rest.partition("/")
        if not count.isdigit():
            self.send_body(404, b"404 not found\r\n", "text/html")
        elif int(count) == 0:
            body = self.file_or_404(name, "redirected")
            if body is not None:
                self.send_body(200, body)
        else:
            self.send_redirect("/redirect/%d/%s" % (int(count) - 1, name))

    def loop(self, rest):
        self.send_redirect(self.path)

    def send_redirect(self, location):
        self.record(302)
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Length", "0")
        self.end_headers()

    MODES = {
        "stall": stall,
        "trickle": trickle,
        "cut": cut,
        "chunked": chunked,
        "chunkcut": lambda self, name: self.chunked(name, "cut"),
        "chunkopen": lambda self, name: self.chunked(name, "open"),
        "redirect": redirect,
        "loop": loop,
    }

    def read_file(self, name):
        root = os.path.realpath(self.server.root)
        full = os.path.realpath(os.path.join(root, name))
        # Nothing outside the root, however the path is spelt.
        if os.path.commonpath([root, full]) != root or not os.path.isfile(full):
            return None
        with open(full, "rb") as f:
            return f.read()

    @staticmethod
    def content_type(path):
        return "text/html" if path.endswith((".html", ".php")) else "text/plain"


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", required=True)
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--ready", help="file written once the port is bound")
    parser.add_argument("--lifetime", type=float, default=600.0)
    parser.add_argument("--log", help="one line per request: ms method path status agent")
    args = parser.parse_args()

    server = Server(("127.0.0.1", args.port), Handler)
    server.root = args.root
    server.log_lock = threading.Lock()
    server.log_file = open(args.log, "a", encoding="utf-8") if args.log else None

    def end_of_life():
        STOP.wait(args.lifetime)
        STOP.set()
        server.shutdown()

    threading.Thread(target=end_of_life, daemon=True).start()
    if args.ready:
        with open(args.ready, "w", encoding="ascii") as f:
            f.write("%d\n" % os.getpid())
    else:
        print("ready", flush=True)
    try:
        server.serve_forever(poll_interval=0.2)
    except KeyboardInterrupt:
        pass
    STOP.set()
    server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
