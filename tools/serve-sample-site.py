#!/usr/bin/env python3
"""Serves a folder of product pages (<code>.html) on 127.0.0.1 the way the
bookstore site's page host answers /bec/SA/Forward?...&isbn=<code>.

Listens on a free port and writes the port number to --port-file (or prints
it), logs each request, and stops by itself after --idle seconds without a
request (and after --lifetime seconds in any case)."""
import argparse
import http.server
import os
import sys
import threading
import time
import urllib.parse


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("folder")
    parser.add_argument("--port-file")
    parser.add_argument("--idle", type=float, default=30)
    parser.add_argument("--lifetime", type=float, default=300)
    args = parser.parse_args()
    last_request = [time.monotonic()]

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            last_request[0] = time.monotonic()
            url = urllib.parse.urlsplit(self.path)
            code = urllib.parse.parse_qs(url.query).get("isbn", [""])[0]
            path = os.path.join(args.folder, os.path.basename(code) + ".html")
            if url.path != "/bec/SA/Forward" or not code or not os.path.isfile(path):
                self.send_error(404)
                return
            with open(path, "rb") as page:
                body = page.read()
            self.send_response(200)
            self.send_header("Content-Type", "text/html; charset=Shift_JIS")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def log_message(self, format, *values):
            sys.stderr.write("serve-sample-site: " + format % values + "\n")

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    port = str(server.server_address[1])
    if args.port_file:
        with open(args.port_file + ".part", "w") as out:
            out.write(port)
        os.replace(args.port_file + ".part", args.port_file)
    else:
        print(port, flush=True)

    started = time.monotonic()

    def watchdog():
        while True:
            time.sleep(0.2)
            now = time.monotonic()
            if now - last_request[0] > args.idle or now - started > args.lifetime:
                server.shutdown()
                return

    threading.Thread(target=watchdog, daemon=True).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
