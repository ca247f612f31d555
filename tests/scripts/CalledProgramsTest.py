#!/usr/bin/env python3
"""The scan that finds the programs the scripts call (scripts/lib/called-programs): what
counts as a program in a script, and what a script hands to the install scripts."""
import importlib.machinery
import pathlib
import unittest

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
scanner = importlib.machinery.SourceFileLoader("called_programs", str(ROOT / "scripts/lib/called-programs")).load_module()

SCRIPT = r'''#!/usr/bin/env bash
set -euo pipefail
helper() { true; }
for tool in alpha-tool beta; do
  command -v "$tool" >/dev/null || exit 2
done
command -v gamma-check >/dev/null || echo "no gamma-check"
x=$(gamma --flag)
echo "$(delta "arg") and $((x + 2)) in $HOME"
sudo epsilon | zeta >"$out" 2>&1 && FOO=1 exec eta
packages=(notaprogram other)
list+=("$@")
helper
# theta in a comment
[ -e x ] && iota; while read -r line; do kappa "$line"; done < <(lambda)
xargs -0 mu-tool <"$file"
awk 'BEGIN { nu }' "$file"
case $1 in
  --opt) shift ;;
  *) break ;;
esac
python3 - "$file" <<'PYTHON'
text = open(rho).read()
PYTHON
cat <<-EOF >"$out"
	sigma tau
	EOF
"$root/scripts/install-deps" xi-package omicron-package \
    pi-package
'''


class CalledProgramsTest(unittest.TestCase):
    def test_every_command_place_and_nothing_else(self):
        found = scanner.scan_shell(SCRIPT, {"helper"})
        self.assertEqual(found, {"alpha-tool", "beta", "gamma-check", "gamma", "delta", "epsilon", "zeta", "eta",
                                 "iota", "kappa", "lambda", "mu-tool", "awk", "python3", "cat"})

    def test_packages_handed_to_the_install_scripts(self):
        self.assertEqual(scanner.install_lists(SCRIPT), {"xi-package", "omicron-package", "pi-package"})
        self.assertEqual(scanner.install_lists('echo "scripts/install-deps-packages installs the tools"\n'), set())

    def test_the_packaging_tools_are_called(self):
        # The tools a fresh machine lacked once: each must stay on the list the check asks for.
        called = scanner.programs()
        for program in ("makensis", "lintian", "zip", "unzip", "Xvfb", "wine"):
            self.assertIn(program, called)


if __name__ == "__main__":
    unittest.main()
