#!/usr/bin/env python3
"""Writes a zip whose bytes depend only on the files' names and contents.

usage: reproducible_zip.py OUT.zip FOLDER_IN_ZIP FILE...

Entries are sorted by name, all stamped with SOURCE_DATE_EPOCH (UTC; zip
cannot go before 1980), with no extra fields, and with the modes unzip
expects from a download: 0755 for the programs and DLLs (.exe, .dll), 0644
for the rest (Windows ignores both), so two runs over the same files give
the same zip.
"""
import os
import stat
import sys
import time
import zipfile


def main():
    out, folder, files = sys.argv[1], sys.argv[2], sys.argv[3:]
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "315532800"))
    stamp = max(time.gmtime(epoch)[:6], (1980, 1, 1, 0, 0, 0))
    with zipfile.ZipFile(out, "w") as archive:
        for path in sorted(files, key=os.path.basename):
            name = os.path.basename(path)
            entry = zipfile.ZipInfo(f"{folder}/{name}", date_time=stamp)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 3  # Unix, so that the mode bits below count
            mode = 0o755 if name.endswith((".exe", ".dll")) else 0o644
            entry.external_attr = (stat.S_IFREG | mode) << 16
            with open(path, "rb") as source:
                archive.writestr(entry, source.read(), compresslevel=9)


if __name__ == "__main__":
    main()
