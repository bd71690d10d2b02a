#!/usr/bin/python3
"""A scripted Modbus RTU device on a serial line, for the serial link's tests.

Reads requests of a fixed length, logs each as one line of hex to --log and answers it the way it
is told: a correct read-holding-registers answer, nothing at all, an answer that stops after some
bytes, one with a corrupted byte, extra bytes after it, or a block of filler bytes with a correct
CRC. With --deaf it never reads, so the line backs up.
"""

import argparse
import os
import select
import sys
import time
import tty


def crc16(data: bytes) -> int:
    crc = 0xFFFF
    for b in data:
        crc ^= b
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def with_crc(body: bytes) -> bytes:
    c = crc16(body)
    return body + bytes([c & 0xFF, c >> 8])


def read_exactly(fd: int, n: int) -> bytes:
    got = b""
    while len(got) < n:
        select.select([fd], [], [])
        chunk = os.read(fd, n - len(got))
        if not chunk:
            sys.exit(0)
        got += chunk
    return got


def main() -> None:
    ap = argparse.ArgumentParser()
    ap.add_argument("--port", required=True)
    ap.add_argument("--log", required=True)
    ap.add_argument("--req-len", type=int, default=9)
    ap.add_argument("--silent", action="store_true", help="read requests, never answer")
    ap.add_argument("--deaf", action="store_true", help="never read")
    ap.add_argument("--set", action="append", default=[], help="REG=VALUE of a holding register")
    ap.add_argument("--blob", type=int, default=0, help="answer N bytes of filler ending in a CRC")
    ap.add_argument("--stall-after", type=int, default=-1, help="send only the first K bytes")
    ap.add_argument("--corrupt-at", type=int, default=-1, help="flip bit 0 of byte I")
    ap.add_argument("--extra", type=int, default=0, help="append N filler bytes after the answer")
    ap.add_argument("--trickle", type=float, default=0.0, help="send the answer one byte every S seconds")
    args = ap.parse_args()

    regs = {r: 1000 + r for r in range(65536)}
    for item in args.set:
        reg, value = item.split("=")
        regs[int(reg, 0)] = int(value, 0) & 0xFFFF

    fd = os.open(args.port, os.O_RDWR | os.O_NOCTTY)
    tty.setraw(fd)
    print("ready", flush=True)
    if args.deaf:
        while True:
            select.select([], [], [])

    while True:
        req = read_exactly(fd, args.req_len)
        with open(args.log, "a") as log:
            log.write(req.hex() + "\n")
        if args.silent:
            continue
        if args.blob:
            answer = with_crc(bytes((i * 7 + 1) & 0xFF for i in range(args.blob - 2)))
        else:
            start = (req[2] << 8) | req[3]
            count = (req[4] << 8) | req[5]
            data = b"".join(regs[start + i].to_bytes(2, "big") for i in range(count))
            answer = with_crc(bytes([req[0], 3, (2 * count) & 0xFF]) + data)
        answer = bytearray(answer)
        if args.corrupt_at >= 0:
            answer[args.corrupt_at] ^= 0x01
        if args.stall_after >= 0:
            answer = answer[: args.stall_after]
        answer += bytes(0x55 for _ in range(args.extra))
        if args.trickle > 0:
            for b in answer:
                os.write(fd, bytes([b]))
                time.sleep(args.trickle)
            continue
        view = memoryview(answer)
        while view:
            n = os.write(fd, view)
            view = view[n:]


if __name__ == "__main__":
    main()
