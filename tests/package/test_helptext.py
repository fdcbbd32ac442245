#!/usr/bin/env python3
"""The --help parser behind the manual pages and the completion, fed the forms a help text
may take: items with and without a gap, set-in lines, notes, an "Exit status:" heading or
paragraph, roff's special characters."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "packaging"))
import helptext  # noqa: E402

HELP = """Usage: tool COMMAND [OPTIONS]
       tool help [COMMAND]

Reads things.

Commands:
  show LIB.bml [--json] [--look-in both|name|url]
      Prints the library; a path looks like Root\\News\\.
        set in: its own line
  help [COMMAND]
      Prints the help of COMMAND.
  both commands read LIB.bml alone,
  as the window does.

Options:
  --log FILE        the log
                    (default: IMPLOG.TXT)
  --home DIR        the folder
  --version         prints the version

.dotted paragraph after the items.

Exit status:
  0  success
  2  damaged input
"""

TEMPLATE = ".TH T 1\n.SH SYNOPSIS\n%SYNOPSIS%\n.SH DESCRIPTION\nHand.\n%SECTIONS%\n" \
           ".SH \"EXIT STATUS\"\n%EXIT_STATUS%\n.SH FILES\n"


class ManualPage(unittest.TestCase):
    def setUp(self):
        self.page = helptext.manual_page(TEMPLATE, helptext.Help(HELP))

    def test_every_part_lands_in_its_section(self):
        page = self.page
        order = [".SH SYNOPSIS", "\\fBhelp\\fR [\\fICOMMAND\\fR]", "Reads things.", ".SH COMMANDS",
                 ".TP\n\\fBshow\\fR", "both commands", ".SH OPTIONS", "\\fB\\-\\-home\\fR \\fIDIR\\fR",
                 ".SH NOTES", "\\&.dotted", ".SH \"EXIT STATUS\"", ".TP\n\\fB0\\fR", "damaged input",
                 ".SH FILES"]
        positions = [page.find(text) for text in order]
        self.assertNotIn(-1, positions, [t for t, p in zip(order, positions) if p < 0])
        self.assertEqual(positions, sorted(positions))
        self.assertNotIn("%", page)

    def test_text_is_escaped_for_roff(self):
        self.assertIn("Root\\eNews\\e.", self.page)
        self.assertIn(".br\nset in: its own line", self.page)
        self.assertIn("(default: IMPLOG.TXT)", self.page)

    def test_a_template_without_a_placeholder_is_refused(self):
        with self.assertRaises(SystemExit):
            helptext.manual_page(".TH T 1\n%SECTIONS%\n", helptext.Help(HELP))


class Completion(unittest.TestCase):
    def test_commands_options_and_their_arguments(self):
        script = helptext.completion(helptext.Help(HELP), "tool")
        for line in ("_tool_commands='help show'",
                     "_tool_options='--home --log --version'",
                     "[show]='--json --look-in'",
                     "[show]='files:*.bml'",
                     "[help]='commands'",
                     "[--home]='dirs' [--log]='files:*' [--look-in]='words:both name url'",
                     "complete -F _tool tool"):
            self.assertIn(line, script)


if __name__ == "__main__":
    unittest.main()
