#!/usr/bin/python3
"""Breaks the game on purpose, one plausible mistake at a time, and tells which ones the tests miss.

Each mistake in mutants.txt is a text replacement in one file that must match exactly once. For
each, the script applies it, rebuilds only what the tests of that layer need (the core alone, with
no Qt, for a mistake in src/core; the windows' tests otherwise), runs those tests, and puts the file
back. The windows read some of the core too (sizes, names, the news), so a core mistake that the
core's tests miss goes on to the whole program's tests. A mistake no test notices survives: a
missing test, or a line that does nothing.

    tools/mutate/mutate.py [--only WORD] [--list] [--mutants FILE]

--only runs the mistakes whose file or note contains WORD; --list prints them and runs nothing;
--mutants reads the mistakes from FILE (a fresh reader's list, say) instead of mutants.txt.
The builds are kept in build-mutants/, so a second run starts fast.
"""
import argparse
import pathlib
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]
BUILDS = ROOT / "build-mutants"
# What a mistake must be caught by, by layer: the core's tests for the core; for the windows every
# test of the program, the real program on its desktops too. Packaging and layout test neither.
LAYERS = {
    "core": (["-DQUIMBO_BUILD_UI=OFF"], ["quimbo_core_tests"]),
    "windows": ([], ["quimbo", "quimbo_core_tests", "quimbo_window_tests", "quimbo_screenshots"]),
}
SKIPPED_TESTS = "Packaging|Fuzz|Layout"


def read_mutants(path):
    """Blocks of four lines: file, text to find, its replacement, why it is a plausible mistake.
    Blocks are separated by a blank line; '#' starts a comment line; '\\n' in a text is a new line."""
    mutants, block = [], []
    for line in path.read_text(encoding="utf-8").splitlines() + [""]:
        if line.startswith("#"):
            continue
        if line.strip():
            block.append(line)
            continue
        if block:
            if len(block) != 4:
                sys.exit(f"mutants.txt: a block needs four lines, not {len(block)}: {block}")
            file, old, new, why = block
            mutants.append((file, old.replace("\\n", "\n"), new.replace("\\n", "\n"), why))
            block = []
    return mutants


def layers_of(file):
    """The layers whose tests judge a mistake in `file`, the quickest first."""
    return ["core", "windows"] if file.startswith("src/core/") else ["windows"]


def configure(layer):
    flags, _ = LAYERS[layer]
    build = BUILDS / layer
    if not (build / "CMakeCache.txt").exists():
        subprocess.run(["cmake", "-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=Release",
                        "-DQUIMBO_BUILD_BENCHMARKS=OFF", *flags], check=True, stdout=subprocess.DEVNULL)
    return build


def passes(layer):
    """True when the layer's tests all pass; a build that fails counts as caught."""
    build = BUILDS / layer
    _, targets = LAYERS[layer]
    built = subprocess.run(["cmake", "--build", build, "-j4", "--target", *targets],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if built.returncode != 0:
        return False
    # The quick tests first, the real program on its desktops only when they all pass: most
    # mistakes are caught in seconds.
    for tests in (["-E", f"{SKIPPED_TESTS}|Smoke"], ["-R", "Smoke"]):
        try:
            tested = subprocess.run(["ctest", "--test-dir", build, "-j2", "--stop-on-failure", "--timeout", "240",
                                     "--no-tests=ignore", *tests],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=900,
                                    env={"QT_QPA_PLATFORM": "offscreen", "PATH": "/usr/bin:/bin"})
        except subprocess.TimeoutExpired:
            return False  # a hang is noticed too
        if tested.returncode != 0:
            return False
    return True


def main():
    # A run stopped with a signal still puts the mutated file back (the finally below).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--only", default="")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--mutants", type=pathlib.Path, default=ROOT / "tools/mutate/mutants.txt")
    options = parser.parse_args()
    mutants = [m for m in read_mutants(options.mutants)
               if options.only in m[0] or options.only in m[3]]
    if options.list:
        for number, (file, _, _, why) in enumerate(mutants, 1):
            print(f"{number:3} {file}: {why}")
        return 0

    for layer in sorted({layer for m in mutants for layer in layers_of(m[0])}):
        configure(layer)
        if not passes(layer):
            sys.exit(f"the {layer} tests fail before any mistake is made")

    survivors, started = [], time.monotonic()
    for number, (file, old, new, why) in enumerate(mutants, 1):
        path = ROOT / file
        original = path.read_text(encoding="utf-8")
        if original.count(old) != 1:
            sys.exit(f"mistake {number} ({why}): its text stands {original.count(old)} times in {file}")
        path.write_text(original.replace(old, new), encoding="utf-8")
        try:
            caught = not all(passes(layer) for layer in layers_of(file))
        finally:
            path.write_text(original, encoding="utf-8")
        print(f"{number:3} {'caught  ' if caught else 'SURVIVED'} {file}: {why}", flush=True)
        if not caught:
            survivors.append((number, file, why))

    for layer in sorted({layer for m in mutants for layer in layers_of(m[0])}):  # as the tree is
        subprocess.run(["cmake", "--build", BUILDS / layer, "-j4"], stdout=subprocess.DEVNULL)
    killed = len(mutants) - len(survivors)
    print(f"\n{killed} of {len(mutants)} mistakes caught ({100 * killed / len(mutants):.0f} %) "
          f"in {time.monotonic() - started:.0f} s")
    for number, file, why in survivors:
        print(f"  survived {number}: {file}: {why}")
    return 1 if survivors else 0


if __name__ == "__main__":
    sys.exit(main())
