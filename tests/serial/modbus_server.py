#!/usr/bin/python3
"""A Modbus RTU server on a serial line (pymodbus), serving holding registers 0..65535.

Register r holds 1000 + r unless --set r=value (or a line "r value" of --file) says otherwise.
Answers only requests to its serial address --unit. Prints "ready" once the port is open.
"""

import argparse
import asyncio
import logging

from pymodbus.datastore import ModbusServerContext, ModbusSequentialDataBlock, ModbusSlaveContext
from pymodbus.server import StartAsyncSerialServer
from pymodbus.transaction import ModbusRtuFramer


async def run(args) -> None:
    values = [(1000 + r) & 0xFFFF for r in range(65536)]
    for item in args.set:
        reg, value = item.split("=")
        values[int(reg, 0)] = int(value, 0) & 0xFFFF
    if args.file:
        with open(args.file) as f:
            for line in f:
                parts = line.split()
                if len(parts) == 2:
                    values[int(parts[0], 0)] = int(parts[1], 0) & 0xFFFF
    block = ModbusSequentialDataBlock(0, values)
    slave = ModbusSlaveContext(hr=block, zero_mode=True)
    context = ModbusServerContext(slaves={args.unit: slave}, single=False)
    server = await StartAsyncSerialServer(
        context=context,
        framer=ModbusRtuFramer,
        port=args.port,
        baudrate=args.baud,
        stopbits=2,
        bytesize=8,
        parity="N",
        timeout=0.05,
        defer_start=True,
    )
    await server.start()
    print("ready", flush=True)
    await server.serve_forever()


def main() -> None:
    ap = argparse.ArgumentParser()
    ap.add_argument("--port", required=True)
    ap.add_argument("--unit", type=int, default=1)
    ap.add_argument("--baud", type=int, default=115200)
    ap.add_argument("--set", action="append", default=[])
    ap.add_argument("--file")
    args = ap.parse_args()
    logging.basicConfig(level=logging.ERROR)
    asyncio.run(run(args))


if __name__ == "__main__":
    main()
