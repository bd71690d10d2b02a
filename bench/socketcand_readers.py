#!/usr/bin/python3
"""N socketcand clients in one process that take everything a server sends: each opens bus can0
in raw mode on 127.0.0.1:PORT and counts the frames it reads, until SIGTERM or SIGINT; then one
line per client, "client I: N frames". Plain sockets, so the clients cost little next to the
server they load.

    socketcand_readers.py PORT N
"""

import selectors
import signal
import socket
import sys


def main():
    port, count = int(sys.argv[1]), int(sys.argv[2])
    stop = []
    signal.signal(signal.SIGTERM, lambda *_: stop.append(1))
    signal.signal(signal.SIGINT, lambda *_: stop.append(1))
    sel = selectors.DefaultSelector()
    frames = [0] * count
    tails = [b""] * count
    for i in range(count):
        s = socket.create_connection(("127.0.0.1", port))
        s.sendall(b"< open can0 >< rawmode >")
        s.setblocking(False)
        sel.register(s, selectors.EVENT_READ, i)
    while not stop:
        for key, _ in sel.select(timeout=0.2):
            i = key.data
            try:
                data = key.fileobj.recv(65536)
            except BlockingIOError:
                continue
            if not data:
                sel.unregister(key.fileobj)
                continue
            # A frame cut between two reads: the last 7 bytes (one short of "< frame ") come along.
            text = tails[i] + data
            frames[i] += text.count(b"< frame ")
            tails[i] = text[-7:]
    for i, n in enumerate(frames):
        print(f"client {i}: {n} frames", flush=True)


if __name__ == "__main__":
    main()
