"""The exceptions file of check-i486.py, and the check that each excused function is reached
only through its guard.

One line per exception: FUNCTION MNEMONICS CALLERS GUARD. FUNCTION is a glob over the demangled
name ("?" for a space), MNEMONICS a comma-separated list of globs. CALLERS names, as
comma-separated globs, the only functions that may call, jump to or take the address of
FUNCTION (where the guard runs, and code that merely compares the address), or is "-" where the
guard is inside FUNCTION itself, before the instructions. GUARD says what the guard asks.
"""
import fnmatch
import re


class ExceptionRule:
    """A line of the exceptions file: FUNCTION MNEMONICS CALLERS GUARD."""

    def __init__(self, line):
        self.function, mnemonics, callers, self.guard = line.split(None, 3)
        self.mnemonics = mnemonics.split(",")
        self.callers = [] if callers == "-" else callers.split(",")
        self.used = False

    def excuses(self, function, mnemonic):
        return function and fnmatch.fnmatchcase(function, self.function) and \
            any(fnmatch.fnmatchcase(mnemonic, m) for m in self.mnemonics)


def read_exceptions(path):
    exceptions = []
    if not path:
        return exceptions
    with open(path) as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                exceptions.append(ExceptionRule(line))
    return exceptions


def references(program, code, target, stored):
    """The instructions that call, jump to or take the address of target, and whether a data
    section holds it (a function pointer there may be called from anywhere)."""
    found = []
    for address in sorted(code):
        insn = program.instructions[address]
        values = {int(v, 16) for v in re.findall(r"0x([0-9a-f]+)", insn.operands)}
        if insn.direct_target() == target or target in values:
            found.append(address)
    return found, target in stored


def unguarded_references(program, names, code, rule, start):
    """Findings for each way into the function at start other than through rule.callers."""
    if not rule.callers:
        return []
    found, in_data = references(program, code, start, program.stored_addresses())
    function, _ = names.function(start)
    lines = []
    for address in found:
        caller, offset = names.function(address)
        if not (caller and any(fnmatch.fnmatchcase(caller, c) for c in rule.callers)):
            lines.append(f"  {address:#010x}  {caller or '(no symbol)'}+{offset:#x}: "
                         f"{program.instructions[address].text}  (reaches {function}, which only "
                         f"{' or '.join(rule.callers)} may reach: {rule.guard})")
    if in_data:
        lines.append(f"  {start:#010x}  {function}: its address is stored in data, so it may be "
                     f"reached other than through {' or '.join(rule.callers)}")
    return lines
