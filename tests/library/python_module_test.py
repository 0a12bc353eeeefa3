#!/usr/bin/env python3
"""The Python module signlink against a copy of the library and a virtual sign.
Usage (through examples/run_with_sim.py): python_module_test.py LIBRARY HEADER"""
import os
import re
import sys
import unittest

import signlink

LIBRARY = ""
HEADER = ""


class ResultCodes(unittest.TestCase):
    def test_the_enum_is_the_header_table(self):
        with open(HEADER, encoding="utf-8") as header:
            table = {re.sub(r"^SF_(ERR_)?", "", name): int(value)
                     for name, value in re.findall(r"^\s*(SF_\w+) = (-?\d+)", header.read(), re.M)}
        self.assertEqual(table, {code.name: code.value for code in signlink.Result})


class Module(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.lib = signlink.Library(LIBRARY)
        cls.folder = os.path.dirname(LIBRARY)

    def tearDown(self):
        try:
            self.lib.close()
        except signlink.SignlinkError:
            pass

    def test_a_closed_library_raises_with_the_code(self):
        with self.assertRaises(signlink.SignlinkError) as caught:
            self.lib.screen_id()
        self.assertIs(caught.exception.code, signlink.Result.NOT_OPEN)
        self.assertEqual(caught.exception.function, "SF_RetScreenId")
        with self.assertRaises(signlink.SignlinkError) as caught:
            self.lib.close()
        self.assertIs(caught.exception.code, signlink.Result.CLOSE_NOT_OPEN)
        with self.assertRaises(signlink.SignlinkError) as caught:
            self.lib.get_return_value(0)
        self.assertIs(caught.exception.code, signlink.Result.NOT_OPEN)

    def test_opening_twice_raises_and_keeps_the_first(self):
        self.lib.open()
        with self.assertRaises(signlink.SignlinkError) as caught:
            self.lib.open()
        self.assertIs(caught.exception.code, signlink.Result.ALREADY_OPEN)
        self.assertIn("1001", str(caught.exception))
        self.assertEqual(self.lib.screen_id(), 65278)

    def test_sends_and_reads_the_reply(self):
        with signlink.Library(LIBRARY) as lib:
            self.assertIs(lib.link(), signlink.Link.NETWORK)
            lib.cmd2frame("NONE")
            lib.send()
            reply = lib.get_return_value(0)
        self.assertEqual((reply.frames_success, reply.frames), (1, 1))
        self.assertEqual(reply.data[:2], b"\xfe\xfe")  # the sign id, after the start marker
        self.assertEqual(reply.data[4:8], b"NONE")
        self.assertEqual(reply.data[8], 0)

    def test_an_unknown_command_raises(self):
        self.lib.open()
        with self.assertRaises(signlink.SignlinkError) as caught:
            self.lib.cmd2frame("NO_SUCH_COMMAND")
        self.assertIs(caught.exception.code, signlink.Result.CMD_NOT_BUILT)
        with self.assertRaises(signlink.SignlinkError) as caught:
            self.lib.cmd_set("VRAM", 100, "00")
        self.assertIs(caught.exception.code, signlink.Result.PARAM_VALUE)

    def test_text_goes_to_the_library_in_gbk(self):
        self.lib.open()
        self.lib.cmd_set("VRAM", 4, "你好")
        with open(os.path.join(self.folder, "CmdSet.cfg"), "rb") as definitions:
            self.assertIn("你好".encode("gbk"), definitions.read())

    def test_settings_read_back_as_written(self):
        self.lib.open()
        before = (self.lib.com_port(), self.lib.link(), self.lib.broadcast_ip(), self.lib.screen_id())
        try:
            self.lib.set_com_port(3, 57600, 250)
            self.lib.set_link(signlink.Link.SERIAL)
            self.lib.set_broadcast_ip("127.0.0.9")
            self.lib.set_screen_id(12)
            self.assertEqual(self.lib.com_port(), signlink.ComPort(3, 57600, 250))
            self.assertIs(self.lib.link(), signlink.Link.SERIAL)
            self.assertEqual(self.lib.broadcast_ip(), (127, 0, 0, 9))
            self.assertEqual(self.lib.screen_id(), 12)
            with self.assertRaises(ValueError):
                self.lib.set_broadcast_ip("127.0.0")
        finally:
            com, link, ip, screen = before
            self.lib.set_com_port(com.com, com.baud_rate, com.wait_time_ms)
            self.lib.set_link(link)
            self.lib.set_broadcast_ip(ip)
            self.lib.set_screen_id(screen)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    LIBRARY, HEADER = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1] + sys.argv[3:])
