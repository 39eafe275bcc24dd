#!/usr/bin/env python3
"""Writes the archive extraction's seed archives to corpus/zip_extract/: a
good update tree (stored and deflated, folders, code page 936 names and a
UTF-8 flagged one), entry names that climb or are absolute, a damaged CRC,
and an empty archive. Run once; the files are kept with the sources. The
archives are put together by hand so that names stay the bytes given."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "zip_extract")
DOS_TIME, DOS_DATE = (7 << 11) | (8 << 5) | 5, ((2024 - 1980) << 9) | (5 << 5) | 6


def entry(name, data=b"", deflate=False, utf8=False, crc_fault=False):
    return dict(name=name.encode("utf-8" if utf8 else "gbk"), data=data, deflate=deflate, utf8=utf8,
                crc_fault=crc_fault)


def archive(entries):
    body, central = b"", b""
    for e in entries:
        crc = zlib.crc32(e["data"]) ^ (1 if e["crc_fault"] else 0)
        if e["deflate"]:
            packer = zlib.compressobj(9, zlib.DEFLATED, -15)
            stored = packer.compress(e["data"]) + packer.flush()
        else:
            stored = e["data"]
        flag, method = (0x800 if e["utf8"] else 0), (8 if e["deflate"] else 0)
        common = struct.pack("<HHHHHIII", 20, flag, method, DOS_TIME, DOS_DATE, crc, len(stored), len(e["data"]))
        central += (b"PK\x01\x02" + struct.pack("<H", 20) + common +
                    struct.pack("<HHHHHII", len(e["name"]), 0, 0, 0, 0, 0, len(body)) + e["name"])
        body += b"PK\x03\x04" + common + struct.pack("<HH", len(e["name"]), 0) + e["name"] + stored
    end = b"PK\x05\x06" + struct.pack("<HHHHIIH", 0, 0, len(entries), len(entries), len(central), len(body), 0)
    return body + central + end


def main():
    os.makedirs(OUT, exist_ok=True)
    seeds = {
        "tree.zip": [
            entry("屏笺.exe", b"MZ" + bytes(200), deflate=True),
            entry("数据/"),
            entry("数据/说明.txt", "新的内容".encode("gbk") * 20, deflate=True),
            entry("data/sub/a.txt", b"plain"),
            entry("说明/表.txt", b"utf-8 flagged", utf8=True),
        ],
        "climbing.zip": [entry(name, b"x") for name in
                         ("../out.txt", "a/../../out.txt", "/abs.txt", "\\abs.txt", "C:/abs.txt",
                          "a/.../b.txt", "a/. ./b.txt", "./ok.txt")],
        "bad_crc.zip": [entry("坏.txt", b"0123456789" * 10, crc_fault=True), entry("好.txt", b"good", deflate=True)],
        "empty.zip": [],
    }
    for file_name, entries in seeds.items():
        with open(os.path.join(OUT, file_name), "wb") as out:
            out.write(archive(entries))


if __name__ == "__main__":
    main()
