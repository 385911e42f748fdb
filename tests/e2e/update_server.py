#!/usr/bin/env python3
"""A loopback HTTP server for the update scenarios.

It listens on 127.0.0.1 on a free port (written to --port-file), serves at
most --max-connections connections one after the other and ends by itself
after --lifetime seconds. Every step goes to --log, one word a line, so a
scenario can wait for it:

  connected            a client connected
  request GET /path    its request line, once the headers are in
  answered             the answer was sent (mode "answer")
  closed               the client closed its end of the connection
  dropped              the server closed the connection unanswered (mode "drop")

Modes: "answer" sends --body-file as the body of a 200 answer; "silent"
reads the request and never answers, holding the connection open until the
client goes away or the lifetime ends; "drop" reads the request and closes
the connection without a word.
"""
import argparse
import os
import select
import socket
import time


def log(path, line):
    with open(path, "a") as f:
        f.write(line + "\n")


def read_request(conn, deadline):
    data = b""
    while b"\r\n\r\n" not in data and len(data) < 8192:
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([conn], [], [], left)[0]:
            return None
        chunk = conn.recv(4096)
        if not chunk:
            return None
        data += chunk
    return data.split(b"\r\n", 1)[0].decode("latin-1")


def wait_for_close(conn, deadline):
    while True:
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([conn], [], [], left)[0]:
            return False
        try:
            if not conn.recv(4096):
                return True
        except OSError:
            return True


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--mode", choices=["answer", "silent", "drop"], required=True)
    p.add_argument("--body-file")
    p.add_argument("--port-file", required=True)
    p.add_argument("--log", required=True)
    p.add_argument("--max-connections", type=int, default=3)
    p.add_argument("--lifetime", type=float, default=120)
    a = p.parse_args()
    body = open(a.body_file, "rb").read() if a.body_file else b""
    end = time.monotonic() + a.lifetime

    server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    server.bind(("127.0.0.1", 0))
    server.listen(4)
    with open(a.port_file + ".tmp", "w") as f:
        f.write(str(server.getsockname()[1]))
    os.replace(a.port_file + ".tmp", a.port_file)

    for _ in range(a.max_connections):
        left = end - time.monotonic()
        if left <= 0 or not select.select([server], [], [], left)[0]:
            break
        conn, _ = server.accept()
        with conn:
            log(a.log, "connected")
            line = read_request(conn, end)
            if line is None:
                log(a.log, "closed")
                continue
            log(a.log, "request " + " ".join(line.split(" ")[:2]))
            if a.mode == "answer":
                head = ("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n"
                        "Content-Length: %d\r\nConnection: close\r\n\r\n" % len(body))
                conn.sendall(head.encode("ascii") + body)
                log(a.log, "answered")
                conn.shutdown(socket.SHUT_WR)
            if a.mode == "drop":
                conn.close()
                log(a.log, "dropped")
                continue
            if wait_for_close(conn, end):
                log(a.log, "closed")
    server.close()


if __name__ == "__main__":
    main()
