#!/usr/bin/env python3
"""A null-modem pair of serial lines for the Windows round trips under Wine: opens two
pseudo-terminals in raw mode, prints the path of the PC's end and then that of the
calculator's end, and passes every byte from one to the other until it is told to stop
(SIGTERM) or 120 s have passed."""
import os
import pty
import select
import signal
import sys
import time
import tty

pc_master, pc_end = pty.openpty()
calc_master, calc_end = pty.openpty()
for end in (pc_end, calc_end):
    tty.setraw(end)
print(os.ttyname(pc_end))
print(os.ttyname(calc_end), flush=True)
signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
other = {pc_master: calc_master, calc_master: pc_master}
deadline = time.monotonic() + 120
while time.monotonic() < deadline:
    ready, _, _ = select.select(list(other), [], [], 0.5)
    for master in ready:
        os.write(other[master], os.read(master, 4096))
