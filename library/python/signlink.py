"""Send named commands to LED message signs through libsignlink.

A thin, typed layer over the fourteen C exports of libsignlink.so.1:

    import signlink
    with signlink.Library() as lib:          # OpenSF ... CloseSF
        lib.cmd_set("VRAM", 4, "Hello")      # CmdSet
        lib.cmd2frame("VRAM")                # Cmd2Frame
        lib.send()                           # Send
        reply = lib.get_return_value(0)      # SF_GetReturnValue
        print(reply.frames_success, reply.frames, reply.data.hex(" "))

Every call that the library answers with a failure code raises SignlinkError, whose
`code` is a Result. Texts (command names, values) may be str, sent in the signs'
GBK character set, or bytes, sent as they are. The library keeps its files in one
folder: $SIGNLINK_DIR, else its own folder when writable, else
$XDG_CONFIG_HOME/signlink seeded from the installed samples.
"""

import ctypes
import enum
import os
from dataclasses import dataclass
from typing import Optional, Sequence, Tuple, Union

__all__ = ["Result", "Link", "SignlinkError", "ComPort", "Reply", "Library", "REPLY_BYTES"]

REPLY_BYTES = 20480
"""The most bytes of one reply that the library delivers."""

Text = Union[str, bytes]


class Result(enum.IntEnum):
    """The result codes of libsignlink (SfResult in signlink.h)."""

    OK = 0
    CMD_NOT_BUILT = 1
    NOT_OPEN = 1000
    ALREADY_OPEN = 1001
    CLOSE_NOT_OPEN = 1002
    FILES_MISSING = 1010
    PARAM_INCOMPLETE = 1011
    PARAM_VALUE = 1012
    SERIAL_SETTINGS = 1020
    FILE_WRITE = 1030
    INTERNAL = -1
    BAD_ARGUMENT = -2
    FRAME_INPUT = -3
    PORT_OPEN = -4
    NO_REPLY = -5
    REPLY_CHECK = -6
    REPLY_FRAME = -7
    NET_STARTUP = -8
    NET_SOCKET = -9
    NET_CONNECT = -10
    NET_SEND = -11


_MEANINGS = {
    Result.CMD_NOT_BUILT: "the command definition is missing, incomplete, too large or names an unreadable file",
    Result.NOT_OPEN: "the library is not open",
    Result.ALREADY_OPEN: "the library is already open",
    Result.CLOSE_NOT_OPEN: "the library is not open",
    Result.FILES_MISSING: "CmdSet.cfg or SendFrame.cfg is missing from the library's folder",
    Result.PARAM_INCOMPLETE: "the parameter's definition is incomplete",
    Result.PARAM_VALUE: "parameter number over 99, or a value that is not hexadecimal text",
    Result.SERIAL_SETTINGS: "COM is 0 or absent, or ScreenID is over 65535",
    Result.FILE_WRITE: "a file in the library's folder cannot be written",
    Result.INTERNAL: "the system refused a resource",
    Result.BAD_ARGUMENT: "a bad argument",
    Result.FRAME_INPUT: "FrameInput.dat holds no usable frames",
    Result.PORT_OPEN: "the serial port cannot be opened",
    Result.NO_REPLY: "no reply byte received",
    Result.REPLY_CHECK: "the reply's check field is wrong",
    Result.REPLY_FRAME: "the reply is not framed",
    Result.NET_STARTUP: "the socket layer cannot be started",
    Result.NET_SOCKET: "no socket can be created",
    Result.NET_CONNECT: "the connection cannot be made",
    Result.NET_SEND: "the frame cannot be sent",
}


class Link(enum.IntEnum):
    """The link of SF_RetComSelect and SF_SetComSelect."""

    SERIAL = 0
    NETWORK = 1


class SignlinkError(Exception):
    """An export answered with a failure code."""

    def __init__(self, function: str, code: int):
        try:
            self.code: Union[Result, int] = Result(code)
        except ValueError:
            self.code = code
        self.function = function
        meaning = _MEANINGS.get(self.code, "unknown code")
        super().__init__(f"{function}: {int(code)} ({meaning})")


@dataclass(frozen=True)
class ComPort:
    """[Argv] COM, [ComPort] BaudRate and WaitTimeMs (0 when absent)."""

    com: int
    baud_rate: int
    wait_time_ms: int


@dataclass(frozen=True)
class Reply:
    """What SF_GetReturnValue delivers for one frame of the last run."""

    frames_success: int  # one more than the number of the last frame answered correctly
    frames: int  # the number of frames of the run
    data: bytes  # the stored reply of the asked frame


class _ComPortRecord(ctypes.Structure):
    _fields_ = [("com", ctypes.c_int32), ("baudRate", ctypes.c_int32), ("waitTimeMs", ctypes.c_int32),
                ("reserved", ctypes.c_int32)]


class _ComSelectRecord(ctypes.Structure):
    _fields_ = [("link", ctypes.c_int32), ("reserved", ctypes.c_int32)]


class _IpRecord(ctypes.Structure):
    _fields_ = [("part", ctypes.c_int32 * 4)]


_I32 = ctypes.c_int32
_P_I32 = ctypes.POINTER(ctypes.c_int32)
_SIGNATURES = {
    "OpenSF": [],
    "CloseSF": [],
    "SF_RetComPort": [ctypes.POINTER(_ComPortRecord)],
    "SF_SetComPort": [_I32, _I32, _I32],
    "SF_RetComSelect": [ctypes.POINTER(_ComSelectRecord)],
    "SF_SetComSelect": [_I32],
    "SF_RetBroadcastIp": [ctypes.POINTER(_IpRecord)],
    "SF_SetBroadcastIp": [ctypes.POINTER(_IpRecord)],
    "SF_RetScreenId": [_P_I32],
    "SF_SetScreenId": [_I32],
    "Cmd2Frame": [ctypes.c_char_p],
    "CmdSet": [ctypes.c_char_p, _I32, ctypes.c_char_p, _I32],
    "Send": [_I32, _I32],
    "SF_GetReturnValue": [_P_I32, _P_I32, ctypes.POINTER(ctypes.c_uint8)],
}


def _bytes(text: Text) -> bytes:
    return text.encode("gbk") if isinstance(text, str) else bytes(text)


class Library:
    """libsignlink loaded into this process.

    path: the library file; else $SIGNLINK_LIBRARY; else libsignlink.so.1 as the
    system's loader finds it. The library's state is shared by the whole process:
    two Library objects on the same file are the same library. Used in a `with`
    block it is opened at the start and closed at the end.
    """

    def __init__(self, path: Optional[str] = None):
        self.path = path or os.environ.get("SIGNLINK_LIBRARY") or "libsignlink.so.1"
        self._lib = ctypes.CDLL(self.path)
        self._open = False
        for name, argtypes in _SIGNATURES.items():
            function = getattr(self._lib, name)
            function.argtypes = argtypes
            function.restype = ctypes.c_int32

    def __enter__(self) -> "Library":
        self.open()
        return self

    def __exit__(self, *exc) -> None:
        self.close()

    def _call(self, name: str, *args) -> int:
        code = getattr(self._lib, name)(*args)
        if code != Result.OK:
            raise SignlinkError(name, code)
        return code

    def open(self) -> None:
        """OpenSF: choose the folder, check CmdSet.cfg and SendFrame.cfg."""
        self._call("OpenSF")
        self._open = True

    def close(self) -> None:
        """CloseSF."""
        self._call("CloseSF")
        self._open = False

    def com_port(self) -> ComPort:
        """SF_RetComPort."""
        record = _ComPortRecord()
        self._call("SF_RetComPort", ctypes.byref(record))
        return ComPort(record.com, record.baudRate, record.waitTimeMs)

    def set_com_port(self, com: int, baud_rate: int, wait_time_ms: int) -> None:
        """SF_SetComPort."""
        self._call("SF_SetComPort", com, baud_rate, wait_time_ms)

    def link(self) -> Link:
        """SF_RetComSelect."""
        record = _ComSelectRecord()
        self._call("SF_RetComSelect", ctypes.byref(record))
        return Link(record.link)

    def set_link(self, link: Link) -> None:
        """SF_SetComSelect: SERIAL writes "RS232", NETWORK "TCP"."""
        self._call("SF_SetComSelect", int(link))

    def broadcast_ip(self) -> Tuple[int, int, int, int]:
        """SF_RetBroadcastIp: (0, 0, 0, 0) when absent, 255s when no address."""
        record = _IpRecord()
        self._call("SF_RetBroadcastIp", ctypes.byref(record))
        return tuple(record.part)

    def set_broadcast_ip(self, address: Union[str, Sequence[int]]) -> None:
        """SF_SetBroadcastIp, from "A.B.C.D" or four numbers."""
        parts = [int(p) for p in address.split(".")] if isinstance(address, str) else list(address)
        if len(parts) != 4:
            raise ValueError(f"an address has four numbers, not {address!r}")
        self._call("SF_SetBroadcastIp", ctypes.byref(_IpRecord((ctypes.c_int32 * 4)(*parts))))

    def screen_id(self) -> int:
        """SF_RetScreenId."""
        value = ctypes.c_int32(0)
        self._call("SF_RetScreenId", ctypes.byref(value))
        return value.value

    def set_screen_id(self, screen_id: int) -> None:
        """SF_SetScreenId."""
        self._call("SF_SetScreenId", screen_id)

    def cmd_set(self, command: Text, number: int, value: Text, is_address: bool = False) -> None:
        """CmdSet: parameter `number` of `command` in CmdSet.cfg."""
        self._call("CmdSet", _bytes(command), number, _bytes(value), 1 if is_address else 0)

    def cmd2frame(self, command: Text) -> None:
        """Cmd2Frame: the frames of `command` into FrameInput.dat."""
        self._call("Cmd2Frame", _bytes(command))

    def send(self, start_frame: int = 0, read_timeout_ms: int = 0) -> None:
        """Send: blocks until every frame from start_frame on is answered or one fails."""
        self._call("Send", start_frame, read_timeout_ms)

    def get_return_value(self, frame: int) -> Reply:
        """SF_GetReturnValue for frame number `frame` of the last run.

        The export answers 1000 both when the library is not open and when frame
        999 was the last one answered; only a library this object did not open
        makes it an error."""
        frames = ctypes.c_int32(frame)
        length = ctypes.c_int32(0)
        buffer = (ctypes.c_uint8 * REPLY_BYTES)()
        success = self._lib.SF_GetReturnValue(ctypes.byref(frames), ctypes.byref(length), buffer)
        if success == Result.BAD_ARGUMENT or (success == Result.NOT_OPEN and not self._open):
            raise SignlinkError("SF_GetReturnValue", success)
        return Reply(success, frames.value, bytes(buffer[: length.value]))
