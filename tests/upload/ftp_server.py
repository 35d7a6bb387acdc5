"""A small FTP server for the upload tests, on Debian's pyftpdlib.

Prints "PORT <n>" once it listens. The password is read from a file at every log on, so a
test can mend a wrong password while the server runs. --drop-after cuts a data connection
once that many bytes of a file have arrived, as a failing network would.
"""
import argparse
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer, AuthenticationFailed
from pyftpdlib.handlers import FTPHandler, DTPHandler
from pyftpdlib.servers import FTPServer


class FileAuthorizer(DummyAuthorizer):
    def __init__(self, password_file):
        super().__init__()
        self.password_file = password_file

    def validate_authentication(self, username, password, handler):
        with open(self.password_file, encoding="utf-8") as f:
            expected = f.read().strip()
        if not self.has_user(username) or password != expected:
            raise AuthenticationFailed("Authentication failed.")


def dropping_dtp(base, limit):
    class DroppingDTP(base):
        def handle_read(self):
            super().handle_read()
            if self.tot_bytes_received >= limit:
                # The data connection goes mid-file and the server says so, as one whose
                # disk or link failed would.
                self._resp = ("426 Connection closed; transfer aborted.", logging.debug)
                self.close()

        # pyftpdlib calls handle_read_event, an alias bound in its own class.
        handle_read_event = handle_read

    return DroppingDTP


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password-file", required=True)
    parser.add_argument("--cert")
    parser.add_argument("--drop-after", type=int, default=0)
    parser.add_argument("--read-limit", type=int, default=0)
    args = parser.parse_args()

    logging.basicConfig(level=logging.WARNING)
    authorizer = FileAuthorizer(args.password_file)
    authorizer.add_user(args.user, "unused", args.root, perm="elradfmwMT")

    if args.cert:
        from pyftpdlib.handlers import TLS_FTPHandler, TLS_DTPHandler

        class Handler(TLS_FTPHandler):
            pass

        from OpenSSL import SSL

        Handler.certfile = args.cert
        context = Handler.get_ssl_context()
        # The data connection resumes the control connection's session, as curl asks.
        context.set_session_id(b"upload-tests")
        # With TLS 1.3 the server sends session tickets on the data connection that curl
        # never reads; its close then resets the connection and the kernel throws away the
        # end of the file pyftpdlib has not read yet, which it still reports as complete.
        # TLS 1.2 sends nothing after the handshake.
        context.set_max_proto_version(SSL.TLS1_2_VERSION)

        class EagerTLS_DTP(TLS_DTPHandler):
            # A client may start the data connection's handshake before it sends STOR, as
            # curl does. pyftpdlib 1.5.7 closes a data connection that turns readable before
            # a transfer begins, so while the handshake runs it is read all the same.
            def readable(self):
                if self._ssl_accepting:
                    return True
                return super().readable()

        dtp = EagerTLS_DTP
    else:
        class Handler(FTPHandler):
            pass

        dtp = DTPHandler
    if args.read_limit:
        from pyftpdlib.handlers import ThrottledDTPHandler

        class Throttled(ThrottledDTPHandler, dtp):
            read_limit = args.read_limit

        dtp = Throttled
    if args.drop_after:
        dtp = dropping_dtp(dtp, args.drop_after)
    Handler.dtp_handler = dtp
    Handler.authorizer = authorizer
    Handler.passive_ports = None
    server = FTPServer(("127.0.0.1", args.port), Handler)
    print("PORT %d" % server.address[1], flush=True)
    server.serve_forever(timeout=0.2)


if __name__ == "__main__":
    sys.exit(main())
