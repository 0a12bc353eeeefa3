#!/usr/bin/env python3
"""A tiny host of libsignlink through its Python module: sends NONE and the VRAM
command of CmdSet.cfg, and prints the replies.
Usage: host.py [PATH/TO/libsignlink.so]  (default: the installed libsignlink.so.1)"""
import sys

import signlink


def main(path):
    with signlink.Library(path) as lib:
        print("link", lib.link().name, "broadcast", ".".join(str(p) for p in lib.broadcast_ip()))
        for command in ("NONE", "VRAM"):
            if command == "VRAM":
                lib.cmd_set("VRAM", 4, "Hi py")
            lib.cmd2frame(command)
            lib.send()
            reply = lib.get_return_value(0)
            print(f"{command}: frames {reply.frames}, answered {reply.frames_success}, "
                  f"reply: {reply.data.hex(' ').upper()}")
            if reply.frames_success != reply.frames or reply.data[4:8] != command.encode() or reply.data[8] != 0:
                return 1
    return 0


if __name__ == "__main__":
    if len(sys.argv) > 2:
        sys.exit(__doc__)
    try:
        sys.exit(main(sys.argv[1] if len(sys.argv) == 2 else None))
    except signlink.SignlinkError as error:
        sys.exit(f"host.py: {error}")
