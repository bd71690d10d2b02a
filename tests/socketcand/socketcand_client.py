#!/usr/bin/python3
"""python-can's own socketcand client against zelm-sim's or the tool's server: opens bus can0,
prints the frames it receives for a while (identifier and length, once each), optionally sends one
frame given in hex and prints every frame that follows (identifier and data), then the errors the
server sent (python-can logs them as messages it cannot parse) and "done".

    socketcand_client.py PORT SECONDS [IDENTIFIER_HEX DATA_HEX]
"""

import logging
import sys
import time

import can


class ServerErrors(logging.Handler):
    def __init__(self):
        super().__init__()
        self.seen = []

    def emit(self, record):
        text = record.getMessage()
        if "< error" in text:
            self.seen.append(text[text.index("< error"):])


def main() -> None:
    port, seconds = int(sys.argv[1]), float(sys.argv[2])
    errors = ServerErrors()
    logging.getLogger("can.interfaces.socketcand.socketcand").addHandler(errors)
    bus = can.Bus(interface="socketcand", host="127.0.0.1", port=port, channel="can0")
    seen = set()
    end = time.time() + seconds
    while time.time() < end:
        msg = bus.recv(0.1)
        if msg is not None:
            seen.add((msg.arbitration_id, len(msg.data)))
    for ident, length in sorted(seen):
        print(f"frame {ident:X} len={length}")
    if len(sys.argv) > 3:
        ident, data = int(sys.argv[3], 16), bytes.fromhex(sys.argv[4])
        bus.send(can.Message(arbitration_id=ident, data=data, is_extended_id=ident > 0x7FF))
        after = set()
        end = time.time() + 1.5
        while time.time() < end:
            msg = bus.recv(0.1)
            if msg is not None:
                after.add((msg.arbitration_id, bytes(msg.data).hex()))
        for ident, data in sorted(after):
            print(f"after {ident:X} {data}")
    for text in errors.seen:
        print(f"server {text}")
    bus.shutdown()
    print("done", flush=True)


if __name__ == "__main__":
    main()
