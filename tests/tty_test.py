#!/usr/bin/env python3
"""recgen at a terminal: drives the real binary through a pseudo-terminal."""
import os
import re
import sys
import tempfile
import unittest

import pexpect

BIN = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else "recgen"
NAME_PROMPT = "Enter output file name: "
COUNT_PROMPT = "Enter number of records (1000): "


class Terminal(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = self.tmp.name

    def tearDown(self):
        self.tmp.cleanup()

    def spawn(self, cmd=BIN, args=(), timeout=60):
        env = dict(os.environ, TERM="xterm", INPUTRC="/dev/null")
        return pexpect.spawn(cmd, list(args), cwd=self.dir, env=env, encoding="utf-8",
                             timeout=timeout, dimensions=(24, 200))

    def finish(self, p):
        p.expect(pexpect.EOF)
        p.close()
        return p.exitstatus

    def answer(self, p, name_keys, count_keys):
        """Types each reply once its prompt is on the screen; returns the exit status."""
        p.expect_exact(NAME_PROMPT)
        p.send(name_keys)
        p.expect_exact(COUNT_PROMPT)
        p.send(count_keys)
        return self.finish(p)

    def lines(self, name):
        with open(os.path.join(self.dir, name), "rb") as f:
            return f.read().count(b"\r\n")

    def test_prompts_show_before_any_reply(self):
        self.assertEqual(self.answer(self.spawn(), "t.txt\r", "3\r"), 0)
        self.assertEqual(self.lines("t.txt"), 3)

    def test_tab_completes_a_file_name_without_a_trailing_blank(self):
        open(os.path.join(self.dir, "alpha file.txt"), "w").close()
        p = self.spawn()
        p.expect_exact(NAME_PROMPT)
        p.send("alp\t")
        p.expect_exact("alpha file.txt")
        p.send("\r")
        p.expect_exact(COUNT_PROMPT)
        p.sendline("2")
        self.assertEqual(self.finish(p), 0)
        self.assertEqual(os.listdir(self.dir), ["alpha file.txt"])
        self.assertEqual(self.lines("alpha file.txt"), 2)

    def test_tab_completes_a_folder_then_a_file_in_it(self):
        os.mkdir(os.path.join(self.dir, "subdir"))
        open(os.path.join(self.dir, "subdir", "inner.txt"), "w").close()
        p = self.spawn()
        p.expect_exact(NAME_PROMPT)
        p.send("sub\t")
        p.expect_exact("subdir/")
        p.send("in\t")
        p.expect_exact("inner.txt")
        p.send("\r")
        p.expect_exact(COUNT_PROMPT)
        p.sendline("4")
        self.assertEqual(self.finish(p), 0)
        self.assertEqual(os.listdir(os.path.join(self.dir, "subdir")), ["inner.txt"])
        self.assertEqual(self.lines("subdir/inner.txt"), 4)

    def test_count_prompt_completes_nothing(self):
        open(os.path.join(self.dir, "12345.txt"), "w").close()
        self.assertEqual(self.answer(self.spawn(), "c.txt\r", "1\t2\r"), 0)
        self.assertEqual(self.lines("c.txt"), 12)

    def test_line_editing_and_end_of_input(self):
        # two backspaces; then Ctrl-D on an empty line: the offered 1000
        self.assertEqual(self.answer(self.spawn(), "xy\x7f\x7fe.txt\r", "\x04"), 0)
        self.assertEqual(self.lines("e.txt"), 1000)

    def test_ctrl_d_at_the_name_is_an_empty_name(self):
        p = self.spawn()
        p.expect_exact(NAME_PROMPT)
        p.send("\x04")
        p.expect_exact("Can't open output file ()")
        self.assertEqual(self.finish(p), 1)
        self.assertNotIn("Enter number", p.before)

    def test_long_run_shows_progress_then_erases_it(self):
        p = self.spawn()
        p.expect_exact(NAME_PROMPT)
        p.sendline("/dev/null")
        p.expect_exact(COUNT_PROMPT)
        p.sendline("1000000000")
        p.expect(r"\d+/1000000000 records +\d+\.\d% +\d+\.\d\d GB +\d+ MB/s +\d+:\d\d:\d\d left", timeout=60)
        p.timeout = 600
        self.assertEqual(self.finish(p), 0)
        self.assertTrue(p.before.endswith("\r\x1b[K"), repr(p.before[-80:]))

    def test_no_progress_on_a_redirected_standard_error(self):
        p = self.spawn("sh", ["-c", f"exec '{BIN}' 2>err.txt"], timeout=600)
        self.assertEqual(self.answer(p, "/dev/null\r", "600000000\r"), 0)
        self.assertNotIn("records", p.before)
        self.assertEqual(os.path.getsize(os.path.join(self.dir, "err.txt")), 0)


if __name__ == "__main__":
    unittest.main()
