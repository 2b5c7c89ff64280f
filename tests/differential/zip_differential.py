#!/usr/bin/env python3
"""Archives written by Python's zipfile and by Info-ZIP zip, listed and
extracted by zip_list, must match what zipfile itself reads from them."""
import os
import random
import shutil
import subprocess
import sys
import tempfile
import zipfile


def fail(message):
    print(f"zip_differential: {message}", file=sys.stderr)
    sys.exit(1)


def words(size, state):
    rng = random.Random(state)
    vocabulary = ["lorem", "ipsum", "dolor", "sit", "amet", "accelerator", "template", "\n"]
    out = []
    length = 0
    while length < size:
        word = rng.choice(vocabulary)
        out.append(word)
        length += len(word) + 1
    return " ".join(out).encode()[:size]


def write_tree(root):
    files = {
        "readme.txt": words(5000, 1),
        "empty.dat": b"",
        "binary.bin": random.Random(2).randbytes(70000),
        "scripts/lib/util.js": words(30000, 3),
        "scripts/Upper.lxscript": b"function upper(s) { return s.toUpperCase(); }\n",
        "ünïcødé/名前.txt": "名前".encode(),
    }
    for name, data in files.items():
        path = os.path.join(root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    os.makedirs(os.path.join(root, "folder-only"), exist_ok=True)
    return files


def python_archives(work, files):
    made = []
    for method, label in ((zipfile.ZIP_STORED, "stored"), (zipfile.ZIP_DEFLATED, "deflated")):
        path = os.path.join(work, f"python-{label}.zip")
        with zipfile.ZipFile(path, "w", method) as z:
            z.mkdir("folder-only") if hasattr(z, "mkdir") else z.writestr("folder-only/", b"")
            for name, data in files.items():
                z.writestr(name, data)
        made.append(path)
    path = os.path.join(work, "python-force-zip64.zip")
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in files.items():
            with z.open(name, "w", force_zip64=True) as f:
                f.write(data)
    made.append(path)
    # More entries than the 16-bit count holds: zip64 end record and locator.
    path = os.path.join(work, "python-many-entries.zip")
    with zipfile.ZipFile(path, "w", zipfile.ZIP_STORED) as z:
        for i in range(70000):
            z.writestr(f"e/{i}", str(i))
    made.append(path)
    path = os.path.join(work, "python-comment.zip")
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("a.txt", b"with comment")
        z.comment = b"c" * 65535
    made.append(path)
    return made


def infozip_archives(work, tree):
    made = []
    env = dict(os.environ, LANG="C.UTF-8", LC_ALL="C.UTF-8")
    variants = {
        "infozip-deflated.zip": ["-r"],
        "infozip-stored.zip": ["-r", "-0"],
        "infozip-zip64.zip": ["-r", "-fz"],
        "infozip-utf8.zip": ["-r", "-UN=UTF8"],
    }
    for name, options in variants.items():
        path = os.path.join(work, name)
        subprocess.run(["zip", "-q", "-X", *options, path, "."], cwd=tree, env=env, check=True)
        made.append(path)
    # Streamed from a pipe: sizes and CRC in a data descriptor after the data.
    path = os.path.join(work, "infozip-streamed.zip")
    with open(os.path.join(tree, "binary.bin"), "rb") as data:
        subprocess.run(["zip", "-q", "-fz", path, "-"], stdin=data, env=env, check=True)
    made.append(path)
    return made


def compare(zip_list, archive, work):
    data_path = os.path.join(work, "extracted.bin")
    result = subprocess.run([zip_list, archive, data_path], capture_output=True, text=True)
    if result.returncode != 0:
        fail(f"{os.path.basename(archive)}: zip_list failed: {result.stderr.strip()}")
    listed = [line.split(" ") for line in result.stdout.splitlines()]
    with zipfile.ZipFile(archive) as z, open(data_path, "rb") as extracted:
        expected = z.infolist()
        if len(listed) != len(expected):
            fail(f"{archive}: {len(listed)} entries listed, zipfile has {len(expected)}")
        for fields, info in zip(listed, expected):
            index, method, compressed, uncompressed, crc, name_hex = fields
            name = bytes.fromhex(name_hex).decode()
            got = (name, int(method), int(compressed), int(uncompressed), int(crc, 16))
            want = (info.filename, info.compress_type, info.compress_size, info.file_size, info.CRC)
            if got != want:
                fail(f"{os.path.basename(archive)} entry {index}: {got} != {want}")
            if extracted.read(int(uncompressed)) != z.read(info):
                fail(f"{os.path.basename(archive)} entry {index} ({name}): extracted bytes differ")
        if extracted.read(1):
            fail(f"{os.path.basename(archive)}: more bytes extracted than listed")
    return len(listed)


def main():
    if len(sys.argv) != 3:
        fail("usage: zip_differential.py ZIP_LIST WORKDIR")
    zip_list, work = sys.argv[1], sys.argv[2]
    if shutil.which("zip") is None:
        fail("Info-ZIP zip is missing (scripts/bootstrap.sh installs it)")
    shutil.rmtree(work, ignore_errors=True)
    tree = os.path.join(work, "tree")
    os.makedirs(tree)
    files = write_tree(tree)
    archives = python_archives(work, files) + infozip_archives(work, tree)
    for archive in archives:
        count = compare(zip_list, archive, work)
        print(f"{os.path.basename(archive)}: {count} entries match")
    shutil.rmtree(work)


if __name__ == "__main__":
    main()
