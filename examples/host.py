#!/usr/bin/env python3
"""A tiny host of libsignlink.so through ctypes: sends NONE and the VRAM command of
CmdSet.cfg, and prints the replies. Usage: host.py PATH/TO/libsignlink.so"""
import ctypes
import sys


class SfIpRecord(ctypes.Structure):
    _fields_ = [("part", ctypes.c_int32 * 4)]


def main(path):
    lib = ctypes.CDLL(path)
    for name in ("OpenSF", "CloseSF", "Cmd2Frame", "Send", "SF_GetReturnValue", "SF_RetBroadcastIp", "CmdSet"):
        getattr(lib, name).restype = ctypes.c_int32
    lib.Cmd2Frame.argtypes = [ctypes.c_char_p]
    lib.CmdSet.argtypes = [ctypes.c_char_p, ctypes.c_int32, ctypes.c_char_p, ctypes.c_int32]
    lib.Send.argtypes = [ctypes.c_int32, ctypes.c_int32]
    lib.SF_GetReturnValue.argtypes = [ctypes.POINTER(ctypes.c_int32), ctypes.POINTER(ctypes.c_int32),
                                      ctypes.POINTER(ctypes.c_uint8)]
    lib.SF_RetBroadcastIp.argtypes = [ctypes.POINTER(SfIpRecord)]

    def check(what, code):
        print(f"{what}: {code}")
        if code != 0:
            raise SystemExit(1)

    check("OpenSF", lib.OpenSF())
    try:
        ip = SfIpRecord()
        check("SF_RetBroadcastIp", lib.SF_RetBroadcastIp(ctypes.byref(ip)))
        print("broadcast", ".".join(str(p) for p in ip.part))
        reply = (ctypes.c_uint8 * 20480)()
        for command in (b"NONE", b"VRAM"):
            if command == b"VRAM":
                check("CmdSet", lib.CmdSet(b"VRAM", 4, b"Hi py", 0))
            check(f"Cmd2Frame {command.decode()}", lib.Cmd2Frame(command))
            check("Send", lib.Send(0, 0))
            frame, length = ctypes.c_int32(0), ctypes.c_int32(0)
            answered = lib.SF_GetReturnValue(ctypes.byref(frame), ctypes.byref(length), reply)
            data = bytes(reply[: length.value])
            print(f"frames {frame.value}, answered {answered}, reply: {data.hex(' ').upper()}")
            if answered != frame.value or data[4:8] != command or data[8] != 0:
                raise SystemExit(1)
    finally:
        print("CloseSF:", lib.CloseSF())


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
