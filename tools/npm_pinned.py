"""npm packages that the tools and tests use, each pinned by tools/<name>/package-lock.json and
installed with npm ci into build/tools/<name> on first use."""

import os
import shutil
import subprocess

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def install(name, module_file):
    """Installs tools/<name> unless its lock file is installed already with `module_file` (a path
    under node_modules) present; returns the install folder."""
    source = os.path.join(REPO, "tools", name)
    target = os.path.join(REPO, "build", "tools", name)
    lock = os.path.join(source, "package-lock.json")
    installed = os.path.join(target, "package-lock.json")
    if os.path.exists(os.path.join(target, "node_modules", module_file)) and \
            os.path.exists(installed):
        with open(lock, "rb") as a, open(installed, "rb") as b:
            if a.read() == b.read():
                return target
    print(f"npm_pinned: installing {name} into {target}")
    shutil.rmtree(target, ignore_errors=True)
    os.makedirs(target)
    for file in ("package.json", "package-lock.json"):
        shutil.copy(os.path.join(source, file), target)
    subprocess.run(["npm", "ci", "--prefix", target, "--ignore-scripts", "--no-audit",
                    "--no-fund", "--loglevel=error"], check=True, stdout=subprocess.DEVNULL)
    return target


if __name__ == "__main__":
    import sys

    if len(sys.argv) != 3:
        raise SystemExit("usage: tools/npm_pinned.py NAME MODULE_FILE")
    print(install(sys.argv[1], sys.argv[2]))
