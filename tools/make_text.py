#!/usr/bin/env python3
"""Converts a UTF-8 text of payload/ into the bytes the setup carries: the target
encoding (gbk, ascii, cp1252, ...) with CR LF line ends, and checks the rules the
readers of that text rely on, so a bad text fails the build instead of the wizard.

    make_text.py INPUT OUTPUT --encoding ENC [--max-line-bytes N] [--setup-font] [--ini]

--max-line-bytes  every line, without its CR LF, is at most N bytes
--setup-font      every double-byte character lies in the setup's own bitmap font
                  (GB2312 zones 0xA1-0xA7 and level-1 hanzi 0xB0A1-0xD7F9)
--ini             the text starts with "[UI_STR]" and has no "[Config]" section and no
                  "UILanguage=" key (the setup appends those at installation)
"""
import argparse
import sys


def fail(path, number, message):
    where = "%s:%d" % (path, number) if number else path
    sys.stderr.write("make_text: error: %s: %s\n" % (where, message))
    sys.exit(1)


def in_setup_font(code):
    lead, trail = code[0], code[1]
    if not 0xA1 <= trail <= 0xFE:
        return False
    try:
        code.decode("gb2312")           # GBK additions inside these zones have blank cells
    except UnicodeDecodeError:
        return False
    return 0xA1 <= lead <= 0xA7 or (0xB0 <= lead <= 0xD7 and (lead, trail) <= (0xD7, 0xF9))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("input")
    parser.add_argument("output")
    parser.add_argument("--encoding", required=True)
    parser.add_argument("--max-line-bytes", type=int, default=0)
    parser.add_argument("--setup-font", action="store_true")
    parser.add_argument("--ini", action="store_true")
    args = parser.parse_args()

    try:
        with open(args.input, encoding="utf-8") as f:
            text = f.read()
    except (OSError, UnicodeDecodeError) as error:
        fail(args.input, 0, "cannot read as UTF-8: %s" % error)
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()                     # the final line end, restored below

    out = bytearray()
    for number, line in enumerate(lines, 1):
        line = line.rstrip("\r")
        try:
            data = line.encode(args.encoding)
        except UnicodeEncodeError as error:
            fail(args.input, number, "%r has no %s code" % (line[error.start], args.encoding))
        if args.max_line_bytes and len(data) > args.max_line_bytes:
            fail(args.input, number, "line is %d bytes in %s, more than %d"
                 % (len(data), args.encoding, args.max_line_bytes))
        if args.setup_font:
            for ch in line:
                code = ch.encode(args.encoding)
                if len(code) == 2 and not in_setup_font(code):
                    fail(args.input, number, "%s (%s) is not in the setup's bitmap font"
                         % (ch, code.hex().upper()))
                elif len(code) > 2:
                    fail(args.input, number, "%s is not a double-byte character" % ch)
        if args.ini:
            if number == 1 and line != "[UI_STR]":
                fail(args.input, number, "the text must start with the line [UI_STR]")
            if line.strip().lower() == "[config]" or "UILanguage=" in line:
                fail(args.input, number, "the setup adds [Config] and UILanguage= itself")
        out += data + b"\r\n"
    if args.ini and not lines:
        fail(args.input, 0, "the text must start with the line [UI_STR]")
    with open(args.output, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
