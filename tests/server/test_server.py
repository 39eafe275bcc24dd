#!/usr/bin/env python3
"""The HTTP server of the update tests: python3 tests/server/test_server.py PORT

Serves 127.0.0.1:PORT (a ThreadingHTTPServer) until it is ended. What it
answers is set by the tests at run time:

  GET /__answer?path=<raw path>&kind=<kind>&<name>=<value>...
      From now on a GET of <raw path> gets the answer <kind> with those
      parameters. Every value is percent-encoded; <raw path> decodes to the
      request path's exact bytes (WinINet sends a code page 936 path as raw,
      unescaped bytes, so paths are matched as bytes, never unquoted).
  GET /__reset      forgets every answer and every recorded request.
  GET /__last       answers with the head (request line and headers, as
                    received) of the latest request that was not a control
                    request; 404 when there has been none.
  GET /__offline?seconds=<n>
                    closes the listening socket for n seconds (at most 60),
                    so that connections are refused as if no server ran.

Any other path without an answer gets 404 with an empty body. The control
requests answer 200 "ok" or 400 with a reason.

Answer kinds are functions kind(handler, params) in the dict ANSWERS, params
mapping each parameter name to its bytes. An optional module
download_answers.py next to this file may define its own dict ANSWERS; its
kinds are merged in. The kinds here:

  manifest   body=<bytes> or file=<path>: 200, text/xml, with Content-Length
  cp936      body=<UTF-8 bytes>: the same text re-encoded in code page 936
  not_found  404 with an HTML page
  no_length  body=<bytes>: 200 without Content-Length, ended by closing
  closed_midway body=<bytes>[&length=<n>]: advertises n bytes (default twice
             the body), sends the body, then closes the connection
  empty      200 with Content-Length: 0
  zero_byte  body=<bytes>&tail=<bytes>: body, one zero byte, tail
  endless    body=<bytes>&filler=<bytes>: body, then filler again and again
             without end, until the client goes away
  hang_up    closes the connection without answering
"""

import importlib.util
import os
import socket
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

routes = {}  # raw path bytes -> (kind, params)
last_request = None
state_lock = threading.Lock()
offline_seconds = 0.0


def send_body(handler, status, body, content_type="text/xml", length=True):
    handler.send_response(status)
    handler.send_header("Content-Type", content_type)
    if length:
        handler.send_header("Content-Length", str(len(body)))
    handler.send_header("Connection", "close")
    handler.end_headers()
    handler.wfile.write(body)
    handler.wfile.flush()
    handler.close_connection = True


def manifest(handler, params):
    if "file" in params:
        with open(os.fsdecode(params["file"]), "rb") as f:
            body = f.read()
    else:
        body = params.get("body", b"")
    send_body(handler, 200, body)


def cp936(handler, params):
    send_body(handler, 200, params.get("body", b"").decode("utf-8").encode("gbk"))


def not_found(handler, params):
    page = (b"<!DOCTYPE html><html><head><title>404 Not Found</title></head>"
            b"<body><h1>Not Found</h1><p>The requested URL was not found.</p></body></html>")
    send_body(handler, 404, page, "text/html")


def no_length(handler, params):
    send_body(handler, 200, params.get("body", b""), length=False)


def closed_midway(handler, params):
    body = params.get("body", b"")
    length = int(params.get("length", str(2 * len(body) + 1).encode()))
    handler.send_response(200)
    handler.send_header("Content-Type", "text/xml")
    handler.send_header("Content-Length", str(length))
    handler.end_headers()
    handler.wfile.write(body)
    handler.wfile.flush()
    handler.close_connection = True


def empty(handler, params):
    send_body(handler, 200, b"")


def zero_byte(handler, params):
    send_body(handler, 200, params.get("body", b"") + b"\0" + params.get("tail", b""))


def endless(handler, params):
    filler = params.get("filler", b" ") or b" "
    block = filler * max(1, 8192 // len(filler))
    handler.send_response(200)
    handler.send_header("Content-Type", "text/xml")
    handler.end_headers()
    handler.close_connection = True
    try:
        handler.wfile.write(params.get("body", b""))
        while True:
            handler.wfile.write(block)
    except OSError:
        pass  # the client has gone


def hang_up(handler, params):
    handler.close_connection = True
    handler.connection.shutdown(socket.SHUT_RDWR)


ANSWERS = {
    "manifest": manifest,
    "cp936": cp936,
    "not_found": not_found,
    "no_length": no_length,
    "closed_midway": closed_midway,
    "empty": empty,
    "zero_byte": zero_byte,
    "endless": endless,
    "hang_up": hang_up,
}


def load_download_answers():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "download_answers.py")
    if not os.path.exists(path):
        return
    spec = importlib.util.spec_from_file_location("download_answers", path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    ANSWERS.update(getattr(module, "ANSWERS", {}))


def parse_query(query):
    """name -> bytes, each value percent-decoded to its raw bytes."""
    params = {}
    for pair in query.split(b"&"):
        if not pair:
            continue
        name, _, value = pair.partition(b"=")
        params[urllib.parse.unquote_to_bytes(name).decode("latin-1")] = urllib.parse.unquote_to_bytes(value)
    return params


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, format, *args):
        sys.stderr.write("%s\n" % (format % args))

    def do_GET(self):
        global last_request, offline_seconds
        # http.server decodes the request line as Latin-1: encoding it back
        # gives the bytes as they came.
        raw = self.path.encode("latin-1")
        target, _, query = raw.partition(b"?")
        if target == b"/__reset":
            with state_lock:
                routes.clear()
                last_request = None
            return send_body(self, 200, b"ok", "text/plain")
        if target == b"/__answer":
            params = parse_query(query)
            path = params.pop("path", None)
            kind = params.pop("kind", b"").decode("latin-1")
            if path is None or kind not in ANSWERS:
                return send_body(self, 400, b"path and a known kind are needed", "text/plain")
            with state_lock:
                routes[path] = (kind, params)
            return send_body(self, 200, b"ok", "text/plain")
        if target == b"/__last":
            with state_lock:
                head = last_request
            return send_body(self, 200, head, "application/octet-stream") if head is not None \
                else send_body(self, 404, b"", "text/plain")
        if target == b"/__offline":
            seconds = float(parse_query(query).get("seconds", b"5"))
            with state_lock:
                offline_seconds = min(max(seconds, 0.0), 60.0)
            send_body(self, 200, b"ok", "text/plain")
            threading.Thread(target=self.server.shutdown, daemon=True).start()
            return

        head = self.raw_requestline + b"".join(
            k.encode("latin-1") + b": " + v.encode("latin-1") + b"\r\n" for k, v in self.headers.raw_items())
        with state_lock:
            last_request = head
            answer = routes.get(raw)
        if answer is None:
            return send_body(self, 404, b"", "text/plain")
        kind, params = answer
        ANSWERS[kind](self, params)


class Server(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    global offline_seconds
    port = int(sys.argv[1])
    load_download_answers()
    while True:
        server = Server(("127.0.0.1", port), Handler)
        try:
            server.serve_forever(poll_interval=0.1)
        finally:
            server.server_close()
        with state_lock:
            pause, offline_seconds = offline_seconds, 0.0
        time.sleep(pause)


if __name__ == "__main__":
    try:
        main()
    except KeyboardInterrupt:
        pass
