#!/usr/bin/env python3
"""recgen at a terminal: drives the real binary through a pseudo-terminal."""
import os
import sys
import tempfile
import unittest

import pexpect

BIN = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else "recgen"


class Terminal(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = self.tmp.name

    def tearDown(self):
        self.tmp.cleanup()

    def spawn(self, **kw):
        return pexpect.spawn(BIN, cwd=self.dir, encoding="utf-8", timeout=20,
                             dimensions=(24, 100), **kw)

    def test_prompts_show_before_any_reply(self):
        p = self.spawn()
        p.expect_exact("Enter output file name: ")
        p.sendline("t.txt")
        p.expect_exact("Enter number of records (1000): ")
        p.sendline("3")
        p.expect(pexpect.EOF)
        p.close()
        self.assertEqual(p.exitstatus, 0)
        with open(os.path.join(self.dir, "t.txt"), "rb") as f:
            self.assertEqual(f.read().count(b"\r\n"), 3)


if __name__ == "__main__":
    unittest.main()
