# SPDX-License-Identifier: MIT
"""What every end-to-end case shares: failures, waiting, and the runner that starts one case
in a temporary folder from the command line, or lists the cases (--list, which the build's
tests are made from)."""

import argparse
import os
import shutil
import tempfile
import time
import traceback

import assets

SKIP = 77
TIMEOUT = 30.0


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe until it returns something true; fails with `what` after timeout, or
    returns None then when `what` is None."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            if what is None:
                return None
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def main(cases, tools, doc, missing=None):
    """Runs the case named on the command line, or lists the cases with --list; missing(binary),
    when given, names what the cases lack, if anything."""
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--list", action="store_true", help="print the cases' names and stop")
    parser.add_argument("--binary")
    parser.add_argument("--manifest", help="the catalogue of the game's files")
    parser.add_argument("--keep", action="store_true", help="keep the temporary folder")
    parser.add_argument("case", nargs="?", choices=sorted(cases))
    arguments = parser.parse_args()
    if arguments.list:
        print("\n".join(cases))
        return 0
    if not (arguments.binary and arguments.manifest and arguments.case):
        parser.error("--binary, --manifest and a case are needed")
    binary = os.path.abspath(arguments.binary)
    assets.load_catalogue(arguments.manifest)
    lacking = [f"{tool} is missing" for tool in tools if shutil.which(tool) is None]
    if missing:
        lacking.append(missing(binary))
    lacking = [reason for reason in lacking if reason]
    if lacking:
        print(f"{lacking[0]}: skipped")
        return SKIP
    folder = tempfile.mkdtemp(prefix="kornibelle-e2e-")
    try:
        cases[arguments.case](binary, folder)
    except Failure as failure:
        traceback.print_exc()
        print(f"FAILED: {failure}\n(folder {folder})")
        return 1
    finally:
        if not arguments.keep:
            shutil.rmtree(folder, ignore_errors=True)
    print("passed")
    return 0
