#!/usr/bin/env python3
"""Publishes an update: packs the program's folder into an update archive and
writes the manifest 屏笺.xml beside it, both ready for any static web server.

    release.py --version 3.3 --notes notes.txt --url http://host/path/ \
               --dist dist --out release [--title 屏笺3.3]

The archive holds the program's folder tree with 屏笺.exe first, paths
relative to that folder. The manifest is UTF-8 with the document element
最新版本 and one 版本信息 carrying 版本号, 升级说明, 下载地址, 文件标题 and
文件名; the five XML references are escaped and line breaks in the notes are
kept as they are, since the program reads attribute values unnormalised.

Bad input is refused with a message and nothing is written.
"""
import argparse
import math
import os
import re
import sys
import tempfile
import zipfile

PROGRAM = "屏笺.exe"
MANIFEST = "屏笺.xml"
CARRIED_INSIDE = {"update.exe"}  # the updater travels inside 屏笺.exe


class Refused(Exception):
    pass


def read_version(text):
    """The number the program reads from 版本号: full-width ASCII forms and
    the ideographic space are made ASCII, then the longest decimal prefix
    after leading white space counts; no such prefix reads as 0."""
    normal = []
    for ch in text:
        code = ord(ch)
        if 0xFF01 <= code <= 0xFF5E:
            normal.append(chr(code - 0xFEE0))
        elif ch == "\u3000":
            normal.append(" ")
        else:
            normal.append(ch)
    match = re.match(r"[ \t\n\v\f\r]*([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)", "".join(normal))
    return float(match.group(1)) if match else 0.0


def check_text(name, text):
    """A value must survive the program's code page 936 and the XML reader."""
    try:
        text.encode("gbk")
    except UnicodeEncodeError as error:
        raise Refused(f"{name}: {text[error.start]!r} cannot be written in code page 936")
    for ch in text:
        if ord(ch) < 0x20 and ch not in "\t\r\n":
            raise Refused(f"{name}: control character {ord(ch):#04x} cannot be written")


def check_word(name, text):
    """Title, file name and URL travel as single words on the updater's
    command line: a blank or a quotation mark would shift every later word."""
    if not text:
        raise Refused(f"{name} is empty")
    if re.search(r'[\x00-\x20"\u3000]', text):
        raise Refused(f"{name} {text!r} holds a blank or a quotation mark")
    check_text(name, text)


def escape(value):
    return (value.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace("'", "&apos;").replace('"', "&quot;"))


def manifest(version, notes, url, title, file_name):
    attributes = [("版本号", version), ("升级说明", notes), ("下载地址", url),
                  ("文件标题", title), ("文件名", file_name)]
    body = "\n".join(f'    {name}="{escape(value)}"' for name, value in attributes)
    return f'<?xml version="1.0" encoding="utf-8"?>\n<最新版本>\n  <版本信息\n{body} />\n</最新版本>\n'


def program_files(dist):
    """Files of the program's folder, relative to it, 屏笺.exe first."""
    files = []
    for folder, subfolders, names in os.walk(dist):
        subfolders.sort()
        for name in sorted(names):
            relative = os.path.relpath(os.path.join(folder, name), dist)
            if relative not in CARRIED_INSIDE:
                files.append(relative)
    if PROGRAM not in files:
        raise Refused(f"{os.path.join(dist, PROGRAM)} does not exist: build dist/ first")
    files.remove(PROGRAM)
    return [PROGRAM] + files


def prepare(version, notes_path, url, title):
    if not re.match(r"^https?://[^/\s]+", url, re.IGNORECASE):
        raise Refused(f"URL {url!r} is not an http or https address")
    number = read_version(version)
    if not math.isfinite(number) or number <= 0:
        raise Refused(f"version {version!r} does not read as a number greater than 0")
    check_word("version", version)
    try:
        with open(notes_path, "rb") as f:
            raw = f.read()
    except OSError as error:
        raise Refused(f"notes: {error}")
    try:
        notes = raw.decode("utf-8")
    except UnicodeDecodeError as error:
        raise Refused(f"notes: byte {raw[error.start]:#04x} at {error.start} is not UTF-8")
    if notes.startswith("\ufeff"):
        notes = notes[1:]
    notes = notes.rstrip("\r\n")
    if not notes.strip():
        raise Refused("notes are empty: the updater needs at least one word of them")
    check_text("notes", notes)
    file_name = f"pingjian-{version}.zip"
    title = title if title is not None else f"屏笺{version}"
    check_word("title", title)
    check_word("file name", file_name)
    download_url = url if url.endswith("/") else url + "/"
    download_url += file_name
    check_word("URL", download_url)
    return notes, title, file_name, download_url


def publish(version, notes_path, url, dist, out, title=None):
    notes, title, file_name, download_url = prepare(version, notes_path, url, title)
    files = program_files(dist)
    os.makedirs(out, exist_ok=True)
    # Written under temporary names first, so a failure leaves nothing half-made.
    archive_tmp = tempfile.NamedTemporaryFile(dir=out, suffix=".part", delete=False)
    manifest_tmp = tempfile.NamedTemporaryFile(dir=out, suffix=".part", delete=False)
    try:
        with zipfile.ZipFile(archive_tmp, "w", zipfile.ZIP_DEFLATED) as archive:
            for relative in files:
                archive.write(os.path.join(dist, relative), relative.replace(os.sep, "/"))
        archive_tmp.close()
        manifest_tmp.write(manifest(version, notes, download_url, title, file_name).encode("utf-8"))
        manifest_tmp.close()
        os.replace(archive_tmp.name, os.path.join(out, file_name))
        os.replace(manifest_tmp.name, os.path.join(out, MANIFEST))
    finally:
        for leftover in (archive_tmp.name, manifest_tmp.name):
            if os.path.exists(leftover):
                os.remove(leftover)
    return os.path.join(out, file_name), os.path.join(out, MANIFEST)


def main(argv):
    parser = argparse.ArgumentParser(description="Publish an update of 屏笺.")
    parser.add_argument("--version", required=True)
    parser.add_argument("--notes", required=True, help="UTF-8 text file with the release notes")
    parser.add_argument("--url", required=True, help="http(s) address of the folder the files will be served from")
    parser.add_argument("--title", help="the title the updater shows (default 屏笺<version>)")
    parser.add_argument("--dist", default="dist")
    parser.add_argument("--out", default="release")
    parser.add_argument("--check", action="store_true", help="only check the input; write nothing")
    args = parser.parse_args(argv)
    try:
        if args.check:
            prepare(args.version, args.notes, args.url, args.title)
            return 0
        archive, manifest_path = publish(args.version, args.notes, args.url, args.dist, args.out, args.title)
    except Refused as refusal:
        print(f"release: refused: {refusal}", file=sys.stderr)
        return 2
    print(f"release: wrote {archive} and {manifest_path}; put both in the folder {args.url}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
