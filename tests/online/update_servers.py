"""Local update servers for the tests: a web server (http.server) and a passive FTP server
(pyftpdlib) over one folder, plus a port that accepts connections and never answers.

Prints "http PORT", "ftp PORT" and "silent PORT" once they listen, then serves until stdin
closes. Under /lying/ the web server announces a smaller size than it sends.
"""
import functools
import http.server
import logging
import os
import socket
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

LYING_PREFIX = "/lying/"


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def do_HEAD(self):
        if self.path.startswith(LYING_PREFIX):
            self.send_response(200)
            self.send_header("Content-Length", "10")
            self.end_headers()
            return
        super().do_HEAD()

    def do_GET(self):
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
