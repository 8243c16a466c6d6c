#!/usr/bin/env python3
"""Host-side checks of the payload build tools: the packer's capacity rule and the text
converter's rules, each with the case just inside the limit and the one just outside.

    tools_test.py TOOLS_DIR
"""
import os
import subprocess
import sys
import tempfile
import zlib

TOOLS = sys.argv[1]
failures = []


def run(*args):
    result = subprocess.run([sys.executable] + list(args), capture_output=True, text=True)
    return result.returncode, result.stderr


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message)


def pack(folder, size):
    """Packs a 124 licence text of size bytes; returns (exit code, stderr, rc path)."""
    with open(os.path.join(folder, "License_chs.txt"), "wb") as f:
        f.write(b"x" * size)
    manifest = os.path.join(folder, "m.manifest")
    with open(manifest, "w") as f:
        f.write("124  0  65535  License_chs.txt  @SRC@/License_chs.txt\n")
    rc_file = os.path.join(folder, "out.rc")
    code, err = run(os.path.join(TOOLS, "pack_payload.py"), manifest, os.path.join(folder, "out"), rc_file,
                    "--src", folder)
    return code, err, rc_file


def convert(folder, text, *options):
    source = os.path.join(folder, "in.txt")
    with open(source, "w", encoding="utf-8") as f:
        f.write(text)
    out = os.path.join(folder, "out.txt")
    if os.path.exists(out):
        os.remove(out)
    code, err = run(os.path.join(TOOLS, "make_text.py"), source, out, *options)
    data = open(out, "rb").read() if code == 0 else None
    return code, err, data


with tempfile.TemporaryDirectory() as d:
    # Packer: one byte over the capacity fails with its message; exactly the capacity packs.
    code, err, rc_file = pack(d, 65536)
    check(code == 1, "65,536-byte entry 124: exit code %d, expected 1" % code)
    expected = "payload entry 124 (License_chs.txt) inflates to 65536 bytes, more than the 65535 bytes its reader supplies"
    check(expected in err, "65,536-byte entry 124: message was %r" % err)
    check(not os.path.exists(rc_file), "a failed pack still wrote its resource script")
    code, err, rc_file = pack(d, 65535)
    check(code == 0, "65,535-byte entry 124 was refused: %r" % err)
    if code == 0:
        packed = open(os.path.join(d, "out", "124.z"), "rb").read()
        check(packed[:2] == b"\x78\xda", "header %s, expected 78da" % packed[:2].hex())
        check(zlib.decompress(packed) == b"x" * 65535, "the packed entry does not inflate to its source")
        check('124 TEXT "' in open(rc_file).read(), "the resource script does not name entry 124")

    # Text converter: line limit counted in bytes of the target encoding, LF to CR LF.
    fifty = "\u5566" * 25                                   # 25 GB2312 hanzi = 50 bytes
    code, err, data = convert(d, fifty + "\nabc\n", "--encoding", "gbk", "--max-line-bytes", "50")
    check(code == 0, "a 50-byte line was refused: %r" % err)
    check(data == fifty.encode("gbk") + b"\r\nabc\r\n", "output %r is not the GBK text with CR LF" % data)
    code, err, _ = convert(d, "ok\n" + fifty + "a\n", "--encoding", "gbk", "--max-line-bytes", "50")
    check(code == 1 and "in.txt:2" in err and "51 bytes" in err, "a 51-byte line: exit %d, %r" % (code, err))
    code, err, data = convert(d, "no final line end", "--encoding", "ascii")
    check(code == 0 and data == b"no final line end\r\n", "the last line did not get its CR LF: %r" % data)

    # Setup font: level-1 hanzi and symbol zones pass, a level-2 hanzi (D8A1) does not.
    code, err, _ = convert(d, "\u554a\u300a\uff21\n", "--encoding", "gbk", "--setup-font")
    check(code == 0, "level-1 and symbol characters refused: %r" % err)
    level2 = bytes([0xD8, 0xA1]).decode("gbk")
    code, err, _ = convert(d, "\u554a" + level2 + "\n", "--encoding", "gbk", "--setup-font")
    check(code == 1 and "D8A1" in err, "level-2 hanzi accepted: exit %d, %r" % (code, err))
    code, err, _ = convert(d, "\u2170\n", "--encoding", "gbk", "--setup-font")
    check(code == 1 and "A2A1" in err, "GBK-only A2A1 accepted: exit %d, %r" % (code, err))

    # Configuration text rules.
    for text, ok in (("[UI_STR]\nFile=x\n", True), ("File=x\n[UI_STR]\n", False),
                     ("[UI_STR]\n[Config]\n", False), ("[UI_STR]\nUILanguage=1\n", False), ("", False)):
        code, err, _ = convert(d, text, "--encoding", "gbk", "--ini")
        check((code == 0) == ok, "--ini on %r: exit %d, %r" % (text, code, err))

if failures:
    sys.exit(1)
print("all tool checks passed")
