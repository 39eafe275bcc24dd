"""The publishing tool: what it writes for good input, and that it refuses
bad input without writing anything."""
import os
import re
import sys
import tempfile
import unittest
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
import release  # noqa: E402


class ReleaseTest(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        root = self.scratch.name
        self.dist = os.path.join(root, "dist")
        os.makedirs(os.path.join(self.dist, "data", "deep"))
        for relative, content in [("update.exe", b"carried inside"), ("a.txt", b"a"), ("屏笺.exe", b"MZ new"),
                                  (os.path.join("data", "b.txt"), b"b"),
                                  (os.path.join("data", "deep", "c.txt"), b"c")]:
            with open(os.path.join(self.dist, relative), "wb") as f:
                f.write(content)
        self.out = os.path.join(root, "release")
        self.notes = os.path.join(root, "notes.txt")

    def tearDown(self):
        self.scratch.cleanup()

    def write_notes(self, raw):
        with open(self.notes, "wb") as f:
            f.write(raw)

    def publish(self, version="3.3", url="http://127.0.0.1:8080/up/", title=None):
        return release.publish(version, self.notes, url, self.dist, self.out, title)

    def test_archive_and_manifest(self):
        self.write_notes('修复了若干问题\r\n新增 <功能> & "引号" \'单引号\'\n'.encode("utf-8"))
        archive, manifest = self.publish()
        self.assertEqual(os.path.basename(archive), "pingjian-3.3.zip")
        with zipfile.ZipFile(archive) as z:
            names = z.namelist()
            self.assertEqual(names[0], "屏笺.exe")
            self.assertEqual(sorted(names), sorted(["屏笺.exe", "a.txt", "data/b.txt", "data/deep/c.txt"]))
            self.assertEqual(z.read("屏笺.exe"), b"MZ new")
            self.assertTrue(z.getinfo("屏笺.exe").flag_bits & 0x800)  # the name is flagged UTF-8
        text = open(manifest, "rb").read().decode("utf-8")
        attributes = dict(re.findall(r'(\S+)="([^"]*)"', text.split("<版本信息", 1)[1]))
        self.assertEqual(attributes["版本号"], "3.3")
        self.assertEqual(attributes["升级说明"],
                         "修复了若干问题\r\n新增 &lt;功能&gt; &amp; &quot;引号&quot; &apos;单引号&apos;")
        self.assertEqual(attributes["下载地址"], "http://127.0.0.1:8080/up/pingjian-3.3.zip")
        self.assertEqual(attributes["文件标题"], "屏笺3.3")
        self.assertEqual(attributes["文件名"], "pingjian-3.3.zip")
        self.assertIn("<最新版本>", text)

    def test_url_without_trailing_slash_and_full_width_version(self):
        self.write_notes("说明".encode("utf-8"))
        archive, manifest = self.publish(version="３．４", url="https://example.org/files")
        text = open(manifest, encoding="utf-8").read()
        self.assertIn('下载地址="https://example.org/files/pingjian-３．４.zip"', text)

    def test_refusals_write_nothing(self):
        good_notes = "说明".encode("utf-8")
        cases = [
            ("V3.3", good_notes, "http://h/", None, "version"),
            ("0", good_notes, "http://h/", None, "version"),
            ("-1", good_notes, "http://h/", None, "version"),
            ("1e400", good_notes, "http://h/", None, "version"),
            ("", good_notes, "http://h/", None, "version"),
            ("3.3", b"\xff\xfe bad", "http://h/", None, "UTF-8"),
            ("3.3", "表情😀".encode("utf-8"), "http://h/", None, "code page 936"),
            ("3.3", b"bell\x07", "http://h/", None, "control character"),
            ("3.3", b"\r\n", "http://h/", None, "notes are empty"),
            ("3.3", good_notes, "ftp://h/", None, "http"),
            ("3.3", good_notes, "h/path/", None, "http"),
            ("3.3", good_notes, "http://h/a b/", None, "blank"),
            ("3.3", good_notes, "http://h/", "屏笺 3.3", "blank"),
            ("3.3", good_notes, "http://h/", 'x"y', "quotation"),
        ]
        for version, notes, url, title, reason in cases:
            with self.subTest(version=version, notes=notes, url=url, title=title):
                self.write_notes(notes)
                with self.assertRaisesRegex(release.Refused, reason):
                    self.publish(version=version, url=url, title=title)
                self.assertFalse(os.path.exists(self.out) and os.listdir(self.out))

    def test_missing_program_is_refused(self):
        os.remove(os.path.join(self.dist, "屏笺.exe"))
        self.write_notes(b"notes")
        with self.assertRaisesRegex(release.Refused, "build dist"):
            self.publish()
        self.assertFalse(os.path.exists(self.out) and os.listdir(self.out))

    def test_version_reading_matches_the_program(self):
        for text, number in [("3.2", 3.2), (" 3.3e0", 3.3), ("３．３", 3.3), ("V3.3", 0.0), ("", 0.0),
                             ("-1", -1.0), ("3.3abc", 3.3), ("\u30003.5", 3.5), (".5", 0.5)]:
            self.assertEqual(release.read_version(text), number, text)


if __name__ == "__main__":
    unittest.main()
