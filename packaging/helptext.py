#!/usr/bin/env python3
"""Turns a program's --help text into its manual page or into a bash completion, so that
neither can drift from what the program itself says.

  helptext.py man TEMPLATE PROGRAM [ARG...]      the page, on standard output
  helptext.py completion PROGRAM [ARG...]        the completion script, on standard output

PROGRAM is run with --help (no display is needed). The help text has this structure, which
the parser relies on:

  Usage       The first lines: "Usage: " or "usage: " at column 0, then lines indented to
              where the first line's text starts ("       linkfold-cli ...").
  Heading     A line at column 0 that ends in ":" ("Global options:"). It opens a section of
              the page named after it.
  Item        A line indented two spaces that either holds its term, two or more spaces and
              the start of its description ("  --log FILE        where the import log ..."),
              or holds the term alone and is followed by its description indented further
              ("  dump LIB.bml" then "      Loads the library file ..."). The term's first
              word is a command (lower-case) or an option ("-x", "--name"); the words after
              it are arguments: upper-case placeholders (LIB.bml, FILE, DIR), options, and
              choices separated by "|".
  Note        Any other line indented two spaces: prose of the section it stands in.
  Paragraph   Lines at column 0 that do not end in ":"; a blank line ends one. Paragraphs
              before the first heading go to DESCRIPTION; one that begins "Exit status"
              starts EXIT STATUS, where the paragraphs after it stay; the others go to NOTES.

The template is a roff page holding the hand-written parts (NAME, DESCRIPTION, FILES,
ENVIRONMENT, ...) and the lines %SYNOPSIS%, %SECTIONS% and %EXIT_STATUS% where the generated
parts go.
"""

import re
import subprocess
import sys

PLACEHOLDER = re.compile(r"^[A-Z][A-Z0-9_]*(\.[a-z0-9]+)?$")
TERM_GAP = re.compile(r"^  (\S.*?\S|\S)  +(\S.*)$")


def help_text(command):
    result = subprocess.run(command + ["--help"], capture_output=True, text=True, check=False)
    if result.returncode != 0 or not result.stdout.strip():
        sys.exit(f"helptext.py: {' '.join(command)} --help gave status {result.returncode}")
    return result.stdout


def indent_of(line):
    return len(line) - len(line.lstrip(" "))


class Item:
    def __init__(self, term):
        self.term = term
        self.description = []  # (indent, text) lines


class Section:
    def __init__(self, title):
        self.title = title
        self.parts = []  # Item or ("note", [lines]) in order


class Help:
    """The parsed help text."""

    def __init__(self, text):
        self.usage = []
        self.description = []  # paragraphs (lists of lines)
        self.sections = []
        self.notes = []
        self.exit_status = []
        self._parse(text.splitlines())

    def _parse(self, lines):
        i = 0
        while i < len(lines) and not lines[i].strip():
            i += 1
        if i < len(lines) and re.match(r"^[Uu]sage: ", lines[i]):
            start = len("Usage: ")
            self.usage.append(lines[i][start:].strip())
            i += 1
            while i < len(lines) and lines[i].strip() and indent_of(lines[i]) == start:
                self.usage.append(lines[i].strip())
                i += 1
        section = None
        in_exit_status = False
        while i < len(lines):
            line = lines[i]
            if not line.strip():
                i += 1
            elif indent_of(line) == 0 and line.rstrip().endswith(":"):
                section = Section(line.rstrip()[:-1])
                self.sections.append(section)
                i += 1
            elif indent_of(line) == 0:
                paragraph = []
                while i < len(lines) and lines[i].strip() and indent_of(lines[i]) == 0:
                    paragraph.append(lines[i].strip())
                    i += 1
                if paragraph[0].startswith("Exit status"):
                    paragraph[0] = re.sub(r"^Exit status:?\s*", "", paragraph[0])
                    in_exit_status = True
                if in_exit_status:
                    self.exit_status.append(paragraph)
                elif self.sections:
                    self.notes.append(paragraph)
                else:
                    self.description.append(paragraph)
            else:
                if section is None:  # items before any heading
                    section = Section("Options")
                    self.sections.append(section)
                i = self._parse_part(lines, i, section)

    def _parse_part(self, lines, i, section):
        line = lines[i]
        following = lines[i + 1] if i + 1 < len(lines) else ""
        gap = TERM_GAP.match(line) if indent_of(line) == 2 else None
        if gap or (following.strip() and indent_of(following) > indent_of(line)):
            item = Item(gap.group(1) if gap else line.strip())
            if gap:
                item.description.append((0, gap.group(2)))
            i += 1
            base = None
            while i < len(lines) and lines[i].strip() and indent_of(lines[i]) > 2:
                base = indent_of(lines[i]) if base is None else base
                item.description.append((indent_of(lines[i]) - base, lines[i].strip()))
                i += 1
            section.parts.append(item)
            return i
        note = []
        while i < len(lines) and lines[i].strip() and indent_of(lines[i]) == indent_of(line):
            if TERM_GAP.match(lines[i]) and note:
                break
            note.append(lines[i].strip())
            i += 1
        section.parts.append(("note", note))
        return i


# ---- the manual page ----

def roff_text(text):
    """Plain text for a filled line: backslashes kept, option dashes kept as ASCII minus."""
    text = text.replace("\\", "\\e")
    text = re.sub(r"(?<![\w-])(-{1,2})(?=[\w])", lambda m: "\\-" * len(m.group(1)), text)
    return "\\&" + text if text[:1] in (".", "'") else text


def roff_term(term):
    """A term or synopsis line: placeholders in italics, everything else that is a word bold."""
    out = []
    for piece in re.split(r"([\s\[\]|]+)", term):
        if not piece:
            continue
        if re.fullmatch(r"[\s\[\]|]+", piece):
            out.append(piece.replace("\\", "\\e"))
        elif PLACEHOLDER.match(piece):
            out.append("\\fI" + roff_text(piece) + "\\fR")
        else:
            out.append("\\fB" + roff_text(piece) + "\\fR")
    return "".join(out)


def roff_lines(lines):
    return "\n".join(roff_text(line) for line in lines)


def roff_paragraphs(paragraphs):
    return "\n".join(".PP\n" + roff_lines(p) for p in paragraphs)


def roff_item(item):
    out = [".TP", roff_term(item.term)]
    for extra, text in item.description:
        if extra > 0:  # a line set in further than the description: its own line
            out.append(".br")
        out.append(roff_text(text))
    return "\n".join(out)


def manual_page(template, help_):
    synopsis = "\n.br\n".join(roff_term(line) for line in help_.usage)
    sections = []
    exit_status = [roff_paragraphs(help_.exit_status)] if help_.exit_status else []
    if help_.description:
        sections.append(roff_paragraphs(help_.description))
    for section in help_.sections:
        # An "Exit status:" heading joins the page's own EXIT STATUS section.
        is_exit_status = section.title.lower().startswith("exit status")
        target = exit_status if is_exit_status else sections
        if not is_exit_status:
            sections.append(".SH " + roff_text(section.title.upper()))
        for part in section.parts:
            target.append(roff_item(part) if isinstance(part, Item)
                          else ".PP\n" + roff_lines(part[1]))
    if help_.notes:
        sections.append(".SH NOTES\n" + roff_paragraphs(help_.notes))
    page = template
    for name, value in (("%SYNOPSIS%", synopsis), ("%SECTIONS%", "\n".join(sections)),
                        ("%EXIT_STATUS%", "\n".join(exit_status))):
        line = re.compile("^" + name + "$", re.M)
        if not line.search(page):
            sys.exit(f"helptext.py: the template has no line {name}")
        page = line.sub(lambda _: value, page)
    return page


# ---- the bash completion ----

def term_words(term):
    return [w for w in re.split(r"[\s\[\]]+", term) if w]


def argument_kind(word):
    """What completes an argument shown as `word`: "files:GLOB" for a placeholder with an
    extension or one that names a file, "dirs" for DIR, "commands" for COMMAND, "words:..."
    for choices; None for any other placeholder (a name, a text) and for literal words."""
    alternatives = word.split("|")
    if len(alternatives) > 1 and not any(PLACEHOLDER.match(w) for w in alternatives):
        return "words:" + " ".join(alternatives)
    for alternative in alternatives:
        match = PLACEHOLDER.match(alternative)
        if not match:
            continue
        if match.group(1):
            return "files:*" + match.group(1)
        if alternative == "DIR":
            return "dirs"
        if alternative == "COMMAND":
            return "commands"
        if alternative.endswith("FILE"):
            return "files:*"
    return None


def completion(help_, program):
    commands, options, arguments = {}, set(), {}
    for section in help_.sections:
        for part in section.parts:
            if not isinstance(part, Item):
                continue
            words = term_words(part.term)
            if words[0].startswith("-"):
                options.add(words[0])
                if len(words) > 1 and argument_kind(words[1]):
                    arguments[words[0]] = argument_kind(words[1])
                continue
            if not re.fullmatch(r"[a-z][a-z0-9-]*", words[0]):
                continue
            own, files = [], []
            for before, word in zip(words, words[1:]):
                for alternative in word.split("|") if not word.startswith("-") else [word]:
                    if alternative.startswith("-"):
                        own.append(alternative)
                kind = argument_kind(word)
                if before.startswith("-") and kind:
                    arguments.setdefault(before, kind)
                elif kind and not kind.startswith("words:"):
                    files.append(kind)
            commands[words[0]] = (sorted(set(own)), files)

    def quote(text):
        return "'" + text.replace("'", "'\\''") + "'"

    name = re.sub(r"\W", "_", program)
    out = [f"# bash completion for {program}, generated from its --help; do not edit.",
           f"_{name}_commands={quote(' '.join(sorted(commands)))}",
           f"_{name}_options={quote(' '.join(sorted(options)))}",
           f"declare -gA _{name}_command_options=(" + " ".join(
               f"[{c}]={quote(' '.join(o))}" for c, (o, _) in sorted(commands.items())) + ")",
           f"declare -gA _{name}_command_files=(" + " ".join(
               f"[{c}]={quote(' '.join(f))}" for c, (_, f) in sorted(commands.items())) + ")",
           f"declare -gA _{name}_arguments=(" + " ".join(
               f"[{o}]={quote(k)}" for o, k in sorted(arguments.items())) + ")",
           COMPLETION_FUNCTION.replace("@NAME@", name).replace("@PROGRAM@", program)]
    return "\n".join(out) + "\n"


COMPLETION_FUNCTION = r'''
_@NAME@() {
  local cur="${COMP_WORDS[COMP_CWORD]}" prev="${COMP_WORDS[COMP_CWORD-1]}"
  local command="" word kind i
  for ((i = 1; i < COMP_CWORD; i++)); do
    word="${COMP_WORDS[i]}"
    [ "$word" = "--" ] && break
    if [[ " $_@NAME@_commands " == *" $word "* ]] && [ -z "${_@NAME@_arguments[${COMP_WORDS[i-1]}]:-}" ]; then
      command="$word"
      break
    fi
  done
  kind="${_@NAME@_arguments[$prev]:-}"
  if [ -n "$kind" ]; then
    _@NAME@_argument "$kind"
  elif [ -z "$command" ]; then
    COMPREPLY=($(compgen -W "$_@NAME@_commands $_@NAME@_options" -- "$cur"))
  elif [[ "$cur" == -* ]]; then
    COMPREPLY=($(compgen -W "${_@NAME@_command_options[$command]} $_@NAME@_options" -- "$cur"))
  else
    for kind in ${_@NAME@_command_files[$command]}; do _@NAME@_argument "$kind"; done
  fi
}

# Adds the candidates for one kind of argument: "files:GLOB", "dirs", "commands" or
# "words:W1 W2 ...".
_@NAME@_argument() {
  local cur="${COMP_WORDS[COMP_CWORD]}" pattern
  case "$1" in
    words:*) COMPREPLY+=($(compgen -W "${1#words:}" -- "$cur")) ;;
    commands) COMPREPLY+=($(compgen -W "$_@NAME@_commands" -- "$cur")) ;;
    dirs) compopt -o filenames 2>/dev/null; COMPREPLY+=($(compgen -d -- "$cur")) ;;
    files:*)
      compopt -o filenames 2>/dev/null
      pattern="${1#files:}"
      if [ "$pattern" = "*" ]; then
        COMPREPLY+=($(compgen -f -- "$cur"))
      else  # the matching files and the folders that may hold them
        COMPREPLY+=($(compgen -d -- "$cur") $(compgen -f -X "!$pattern" -- "$cur"))
      fi ;;
  esac
}
complete -F _@NAME@ @PROGRAM@
'''


def main(argv):
    if len(argv) >= 4 and argv[1] == "man":
        with open(argv[2], encoding="utf-8") as template:
            sys.stdout.write(manual_page(template.read(), Help(help_text(argv[3:]))))
    elif len(argv) >= 3 and argv[1] == "completion":
        program = argv[2].rsplit("/", 1)[-1]
        sys.stdout.write(completion(Help(help_text(argv[2:])), program))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
