#!/usr/bin/python3
"""The sample profiles against profiles/profile.schema.json (python3-jsonschema) and against the
program's own reader (canquorvex-cli profile check); profiles that break the format are refused by
both.

    check_profiles.py PROFILES_DIR CANQUORVEX_CLI
"""

import glob
import json
import os
import subprocess
import sys
import tempfile

import jsonschema

# Each breaks the format in one way; the schema and the reader both refuse it.
BROKEN = {
    "register out of range": {"schema": 1, "device": "P", "registers": [{"register": 128, "name": "X"}]},
    "unknown type": {"schema": 1, "device": "P", "registers": [{"register": 5, "name": "X", "type": "f32"}]},
    "enum without values": {"schema": 1, "device": "P", "registers": [{"register": 5, "name": "X", "type": "enum"}]},
    "bit 16": {"schema": 1, "device": "P", "registers": [{"register": 5, "name": "X", "bits": {"16": "B"}}]},
    "scale 0": {"schema": 1, "device": "P", "registers": [{"register": 5, "name": "X", "scale": 0}]},
    "no device": {"schema": 1, "registers": []},
    "schema 2": {"schema": 2, "device": "P", "registers": []},
}


def reader_accepts(cli, path):
    run = subprocess.run([cli, "profile", "check", path], capture_output=True, text=True, timeout=30)
    return run.returncode, run.stderr.strip()


def main():
    profiles, cli = sys.argv[1], sys.argv[2]
    with open(os.path.join(profiles, "profile.schema.json"), encoding="utf-8") as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    failures = []
    samples = [p for p in sorted(glob.glob(os.path.join(profiles, "*.json"))) if not p.endswith(".schema.json")]
    if not samples:
        failures.append(f"no sample profile in {profiles}")
    for path in samples:
        with open(path, encoding="utf-8") as f:
            errors = [e.message for e in validator.iter_errors(json.load(f))]
        if errors:
            failures.append(f"{path}: the schema refuses it: {errors[0]}")
        code, message = reader_accepts(cli, path)
        if code != 0:
            failures.append(f"{path}: the reader refuses it (exit {code}): {message}")
    with tempfile.TemporaryDirectory() as scratch:
        for name, doc in BROKEN.items():
            if validator.is_valid(doc):
                failures.append(f"{name}: the schema accepts it")
            path = os.path.join(scratch, "broken.json")
            with open(path, "w", encoding="utf-8") as f:
                json.dump(doc, f)
            code, message = reader_accepts(cli, path)
            if code != 1 or "broken.json" not in message:
                failures.append(f"{name}: the reader answers exit {code}: {message!r}")
    for failure in failures:
        print(failure)
    print(f"{len(samples)} sample(s), {len(BROKEN)} broken profile(s) checked, {len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
