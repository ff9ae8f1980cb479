#!/usr/bin/env python3
"""Writes the page's service worker with the list of every file of the build,
and a name for this build's store taken from the files' contents, so a new
build replaces the stored one.

    offline.py OUTPUT_FOLDER
"""
import hashlib
import json
import pathlib
import sys


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: offline.py OUTPUT_FOLDER')
    output = pathlib.Path(sys.argv[1])
    files = sorted(str(path.relative_to(output)) for path in output.rglob('*') if path.is_file())
    files = [name for name in files if name != 'sw.js']
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode())
        digest.update((output / name).read_bytes())
    worker = (pathlib.Path(__file__).parent.parent / 'sw.js').read_text(encoding='utf-8')
    worker = worker.replace('@BUILD@', digest.hexdigest()[:16])
    worker = worker.replace('@FILES@', json.dumps(['./'] + files))
    (output / 'sw.js').write_text(worker, encoding='utf-8')


if __name__ == '__main__':
    main()
