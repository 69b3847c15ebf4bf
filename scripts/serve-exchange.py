#!/usr/bin/env python3
"""Serves the sample recipe exchange (exchange/) on 127.0.0.1 with http.server.

The community pages live at paths without extension ("Saffin/English"), which http.server would
send as application/octet-stream; here every file without extension goes out as HTML."""
import argparse
import functools
import http.server
import pathlib

parser = argparse.ArgumentParser()
parser.add_argument("--port", type=int, default=8765)
parser.add_argument("--directory", default=str(pathlib.Path(__file__).resolve().parent.parent / "exchange"))
args = parser.parse_args()


class Handler(http.server.SimpleHTTPRequestHandler):
    def guess_type(self, path):
        if not pathlib.PurePath(path).suffix:
            return "text/html; charset=utf-8"
        return super().guess_type(path)

    def log_message(self, *_):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", args.port), functools.partial(Handler, directory=args.directory))
server.serve_forever()
