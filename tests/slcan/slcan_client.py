#!/usr/bin/python3
"""python-can's own SLCAN client against zelm-sim's adapter side: opens the port at 250 kbit/s,
prints the frames it receives for a while (identifier, format, length), sends one extended frame
given in hex, and closes.

    slcan_client.py PORT IDENTIFIER_HEX DATA_HEX
"""

import sys
import time

import can


def main() -> None:
    port, ident, data = sys.argv[1], int(sys.argv[2], 16), bytes.fromhex(sys.argv[3])
    bus = can.interface.Bus(interface="slcan", channel=port, bitrate=250000)
    seen = set()
    end = time.time() + 1.5
    while time.time() < end:
        msg = bus.recv(0.2)
        if msg is not None:
            seen.add((msg.arbitration_id, int(msg.is_extended_id), len(msg.data)))
    for ident_seen, extended, length in sorted(seen):
        print(f"frame {ident_seen:X} ext={extended} len={length}")
    bus.send(can.Message(arbitration_id=ident, data=data, is_extended_id=True))
    time.sleep(0.5)
    bus.shutdown()
    print("done", flush=True)


if __name__ == "__main__":
    main()
