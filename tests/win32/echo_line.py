#!/usr/bin/env python3
"""The far end of a serial line for the Windows test program's round trip under Wine: opens a
pseudo-terminal in raw mode, prints the path of its PC end, and echoes every byte until it is
told to stop (SIGTERM) or 120 s have passed."""
import os
import pty
import select
import signal
import sys
import time
import tty

master, pc_end = pty.openpty()
tty.setraw(pc_end)
print(os.ttyname(pc_end), flush=True)
signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
deadline = time.monotonic() + 120
while time.monotonic() < deadline:
    ready, _, _ = select.select([master], [], [], 0.5)
    if ready:
        os.write(master, os.read(master, 256))
