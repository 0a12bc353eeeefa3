#!/usr/bin/env python3
"""Runs a host program against a virtual sign on loopback TCP.

run_with_sim.py SIGNSIM LIBRARY DATA_DIR -- COMMAND...
Starts SIGNSIM on 127.0.0.1 with a free port, puts a copy of LIBRARY and
DATA_DIR/CmdSet.cfg into a temporary folder with a SendFrame.cfg for that port,
and runs COMMAND with "{dir}" replaced by the folder and LD_LIBRARY_PATH set to it.
The exit status is COMMAND's."""
import os
import shutil
import subprocess
import sys
import tempfile


def main(argv):
    if len(argv) < 5 or argv[3] != "--":
        sys.exit(__doc__)
    signsim, library, data, command = argv[0], argv[1], argv[2], argv[4:]
    sim = subprocess.Popen([signsim, "--tcp", "127.0.0.1:0"], stdout=subprocess.PIPE, text=True)
    try:
        ready = sim.stdout.readline().split()
        tcp = next((w[4:] for w in ready if w.startswith("tcp=")), "")
        if not tcp:
            sys.exit("signsim did not get ready")
        host, port = tcp.rsplit(":", 1)
        with tempfile.TemporaryDirectory(prefix="signlink-example-") as folder:
            # The file under its SONAME, for hosts linked with -lsignlink, and the
            # development name beside it.
            shutil.copy(library, os.path.join(folder, "libsignlink.so.1"))
            os.symlink("libsignlink.so.1", os.path.join(folder, "libsignlink.so"))
            shutil.copy(os.path.join(data, "CmdSet.cfg"), folder)
            with open(os.path.join(folder, "SendFrame.cfg"), "w") as settings:
                settings.write(f"[Setup]\nCommuPort=TCP\n[Argv]\nScreenID=65278\nBroadCastId={host}\nPort={port}\n")
            env = dict(os.environ, LD_LIBRARY_PATH=folder)
            return subprocess.call([part.replace("{dir}", folder) for part in command], env=env)
    finally:
        sim.terminate()
        sim.wait()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
