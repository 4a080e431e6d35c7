"""Local update servers for the tests: a web server (http.server) and a passive FTP server
(pyftpdlib) over one folder, plus a port that accepts connections and never answers.

Prints "http PORT", "ftp PORT" and "silent PORT" once they listen, then serves until stdin
closes. Under /lying/ the web server announces a smaller size than it sends; under /stalling/
it sends half of a file and then nothing more, noting each such request in the file
"stalled-requests" of the folder; under /trickling/ it sends a file a byte at a time, four
bytes a second.
"""
import functools
import http.server
import logging
import os
import socket
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

LYING_PREFIX = "/lying/"
STALLING_PREFIX = "/stalling/"
TRICKLING_PREFIX = "/trickling/"
SLOW_PREFIXES = (STALLING_PREFIX, TRICKLING_PREFIX)


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def do_HEAD(self):
        if self.path.startswith(LYING_PREFIX):
            self.send_response(200)
            self.send_header("Content-Length", "10")
            self.end_headers()
            return
        for prefix in SLOW_PREFIXES:
            if self.path.startswith(prefix):
                self.path = "/" + self.path[len(prefix):]
        super().do_HEAD()

    def send_slowly(self, prefix):
        name = os.path.join(self.directory, self.path[len(prefix):])
        with open(name, "rb") as f:
            body = f.read()
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        try:
            if prefix == STALLING_PREFIX:
                with open(os.path.join(self.directory, "stalled-requests"), "a") as log:
                    log.write(self.path + "\n")
                self.wfile.write(body[:len(body) // 2])
                self.wfile.flush()
                time.sleep(60)
                return
            for i in range(len(body)):
                self.wfile.write(body[i:i + 1])
                self.wfile.flush()
                time.sleep(0.25)
        except OSError:
            pass  # the client gave up
        self.close_connection = True

    def do_GET(self):
        for prefix in SLOW_PREFIXES:
            if self.path.startswith(prefix):
                self.send_slowly(prefix)
                return
        if self.path.startswith(LYING_PREFIX):
            name = os.path.join(self.directory, self.path[len(LYING_PREFIX):])
            with open(name, "rb") as f:
                body = f.read()
            # No length on the body: it runs until the connection closes.
            self.send_response(200)
            self.send_header("Connection", "close")
            self.end_headers()
            self.wfile.write(body)
            self.close_connection = True
            return
        super().do_GET()


def main():
    logging.getLogger("pyftpdlib").addHandler(logging.NullHandler())
    logging.getLogger("pyftpdlib").propagate = False
    folder, user, password = sys.argv[1], sys.argv[2], sys.argv[3]

    web = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(Handler, directory=folder))
    threading.Thread(target=web.serve_forever, daemon=True).start()

    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, folder, perm="elr")
    ftp_handler = FTPHandler
    ftp_handler.authorizer = authorizer
    ftp_handler.passive_ports = None
    ftp = FTPServer(("127.0.0.1", 0), ftp_handler)
    threading.Thread(target=ftp.serve_forever, daemon=True).start()

    silent = socket.socket()
    silent.bind(("127.0.0.1", 0))
    silent.listen(16)

    print("http", web.server_address[1])
    print("ftp", ftp.socket.getsockname()[1])
    print("silent", silent.getsockname()[1], flush=True)
    sys.stdin.read()


if __name__ == "__main__":
    main()
