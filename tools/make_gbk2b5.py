#!/usr/bin/env python3
"""Builds gbk2b5.bin, the application's GBK-to-Big5 code table.

For every GBK lead byte 0x81-0xFE and trail byte 0x40-0xFE in that order, two bytes:
the Big5 (code page 950) code of the same character, else of its traditional form from
s2t_chars.txt, else two zero bytes. 126 x 191 x 2 = 48,132 bytes.

    make_gbk2b5.py S2T_CHARS OUTPUT
"""
import sys

LEADS = range(0x81, 0xFF)
TRAILS = range(0x40, 0xFF)
TABLE_BYTES = len(LEADS) * len(TRAILS) * 2     # 48,132


def fail(message):
    sys.stderr.write("make_gbk2b5: error: %s\n" % message)
    sys.exit(1)


def big5(ch):
    """The two-byte code page 950 code of ch, or None."""
    try:
        code = ch.encode("cp950")
    except UnicodeEncodeError:
        return None
    return code if len(code) == 2 else None


def read_pairs(path):
    pairs = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0]
            for item in line.split():
                if len(item) != 2:
                    fail("%s:%d: '%s' is not a pair of characters" % (path, number, item))
                simple, traditional = item
                if big5(simple) is not None:
                    fail("%s:%d: %s is in Big5 itself; the pair would never be used" % (path, number, simple))
                if big5(traditional) is None:
                    fail("%s:%d: %s has no Big5 code" % (path, number, traditional))
                if pairs.get(simple, traditional) != traditional:
                    fail("%s:%d: %s is paired twice with different characters" % (path, number, simple))
                pairs[simple] = traditional
    return pairs


def main():
    if len(sys.argv) != 3:
        fail("usage: make_gbk2b5.py S2T_CHARS OUTPUT")
    pairs = read_pairs(sys.argv[1])
    table = bytearray()
    for lead in LEADS:
        for trail in TRAILS:
            code = None
            try:
                ch = bytes([lead, trail]).decode("gbk")
            except UnicodeDecodeError:
                ch = None
            if ch is not None and len(ch) == 1:
                code = big5(ch)
                if code is None and ch in pairs:
                    code = big5(pairs[ch])
            table += code if code else b"\0\0"
    assert len(table) == TABLE_BYTES
    with open(sys.argv[2], "wb") as f:
        f.write(table)


if __name__ == "__main__":
    main()
