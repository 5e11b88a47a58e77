#!/usr/bin/env python3
"""Fails when a 32-bit Windows program holds an instruction that a 486 does not have.

  check-i486.py [--objdump PROG] [--map FILE] [--exceptions FILE] [--all] PROGRAM.exe

A 486 stops a program with "This program has performed an illegal operation" at the first
instruction it does not have, and so do the Pentium, Pentium MMX and K6-2 at most of the later
ones. Rejected, each by a rule of its own that names it in the message (i486_isa.py): cmov,
fcmov, fcomi/fcomip/fucomi/fucomip, the multi-byte nop (0F 1F) and the hint nops (0F 19 to
0F 1E), cmpxchg8b, rdtsc, rdpmc, sysenter/sysexit/syscall, MMX, 3DNow!, SSE and later (the
prefetches included), endbr32, cpuid (which the first 486s lack), and bytes that objdump cannot
decode. Only code is checked: instructions reached from the entry point, from the start of a
function (its symbol, its unwind-table entry or the start of an object file's code in the map)
or from an address stored in a data section or an instruction (function pointers, vtables, jump
tables), following fall-through, jumps and calls; and every instruction inside a function's
unwind-table range, where the compiler puts no data. Tables that the linker keeps in .text (such
as the constructor list) and padding between functions are data and are not read as code.

The linker map (--map) names the function and the object file of each finding in a stripped
program. An exceptions file (i486_exceptions.py reads it) lists instructions that the program
runs only after a test that answers for this very machine, and which functions alone may lead
to them: the check fails where any other code reaches an excused function, and on a line that
excuses nothing.
"""
import argparse
import bisect
import re
import struct
import subprocess
import sys

from i486_exceptions import read_exceptions, unguarded_references
from i486_isa import PREFIXES, newer_than_486
from i486_unwind import fde_ranges


class Instruction:
    __slots__ = ("address", "code", "length", "mnemonic", "operands", "text")

    def __init__(self, address, raw, text):
        self.address = address
        self.code = bytes.fromhex(raw)
        self.length = len(self.code)
        self.text = text.strip()
        words = self.text.split(None, 1)
        while len(words) > 1 and words[0] in PREFIXES:
            words = words[1].split(None, 1)
        self.mnemonic = words[0] if words else ""
        self.operands = words[1] if len(words) > 1 else ""

    def newer_than_486(self):
        """None for an i486 instruction, else what it is."""
        return newer_than_486(self.code, self.mnemonic, self.operands)

    def ends_flow(self):
        return self.mnemonic in ("ret", "retl", "retw", "lret", "iret", "hlt", "ud2", "int3") or \
            self.mnemonic.startswith("jmp") or self.mnemonic == "ljmp"

    def direct_target(self):
        if self.mnemonic.startswith(("j", "call", "loop")):
            match = re.match(r"([0-9a-f]+)(\s|$)", self.operands)
            if match:
                return int(match.group(1), 16)
        return None


_INSN = re.compile(r"^\s*([0-9a-f]+):\t([0-9a-f ]+?)\s*\t(.*)$")
_LABEL = re.compile(r"^([0-9a-f]+) <(.+)>:$")


class Program:
    def __init__(self, path, objdump):
        self.path = path
        self.objdump = objdump
        self.instructions = {}
        self.labels = {}
        self.code_ranges = []
        self.data_sections = []
        self.section_vmas = {}
        self.eh_frame = None
        self.tables = []
        self._read_headers()
        self._disassemble([])

    def _run(self, *args):
        return subprocess.run([self.objdump, *args, self.path], check=True, text=True,
                              stdout=subprocess.PIPE).stdout

    def _read_headers(self):
        headers = self._run("-f", "-h")
        self.entry = int(re.search(r"start address 0x([0-9a-f]+)", headers).group(1), 16)
        lines = headers.splitlines()
        for i, line in enumerate(lines):
            fields = line.split()
            if len(fields) == 7 and fields[0].isdigit():
                name, size, vma, offset = fields[1], int(fields[2], 16), int(fields[3], 16), \
                    int(fields[5], 16)
                flags = lines[i + 1] if i + 1 < len(lines) else ""
                self.section_vmas[int(fields[0]) + 1] = vma
                if "CODE" in flags:
                    self.code_ranges.append((vma, vma + size))
                elif name in (".eh_frame", ".eh_fram"):
                    # A stripped PE program keeps only the first eight letters of the name.
                    self.eh_frame = (vma, offset, size)
                elif "CONTENTS" in flags and not name.startswith((".debug", ".eh_frame")):
                    self.data_sections.append((offset, size))

    def _disassemble(self, extra):
        for line in self._run("-d", "-w", "-z", *extra).splitlines():
            match = _INSN.match(line)
            if match:
                address = int(match.group(1), 16)
                self.instructions.setdefault(address,
                                             Instruction(address, match.group(2), match.group(3)))
                continue
            match = _LABEL.match(line)
            if match:
                self.labels.setdefault(int(match.group(1), 16), match.group(2))

    def in_code(self, address):
        return any(start <= address < end for start, end in self.code_ranges) and \
            not any(start <= address < end for start, end in self.tables)

    def add_tables_from(self, address):
        """ld keeps the constructor and destructor lists and the exception tables at the end of
        .text: from the constructor list on, the section holds data."""
        for start, end in self.code_ranges:
            if start <= address < end:
                self.tables.append((address, end))

    def at(self, address):
        """The instruction that starts at this address, decoding afresh where the linear
        disassembly ran out of step (data, or a jump into the middle of what it decoded)."""
        if address not in self.instructions:
            self._disassemble([f"--start-address={address:#x}", f"--stop-address={address + 64:#x}"])
        return self.instructions.get(address)

    def unwind_ranges(self):
        """The code ranges of the unwind table's entries (FDEs). Read from the bytes, because
        objdump finds no ".eh_frame" in a stripped program, whose section is ".eh_fram"."""
        if not self.eh_frame:
            return []
        vma, offset, size = self.eh_frame
        with open(self.path, "rb") as f:
            f.seek(offset)
            table = f.read(size)
        return fde_ranges(table, vma)

    def function_symbols(self):
        # Type "function" (0x20) in the COFF symbol table of an unstripped program; the values
        # are offsets into the symbol's section.
        table = self._run("-t")
        found = re.findall(r"\(sec\s+(\d+)\)\(fl 0x\w+\)\(ty\s+20\)\(scl\s+\d+\) \(nx \d\) "
                           r"0x([0-9a-f]+)", table)
        return [self.section_vmas[int(sec)] + int(value, 16) for sec, value in found
                if int(sec) in self.section_vmas]

    def stored_addresses(self):
        with open(self.path, "rb") as f:
            image = f.read()
        found = set()
        for offset, size in self.data_sections:
            chunk = image[offset:offset + size]
            for (value,) in struct.iter_unpack("<I", chunk[:len(chunk) // 4 * 4]):
                if self.in_code(value):
                    found.add(value)
        return found


def _walk(program, address, seen):
    """The instructions from this address to the end of its flow, and the jumps it makes."""
    path, targets = [], []
    while address not in seen and program.in_code(address):
        insn = program.at(address)
        if insn is None:
            break
        path.append(address)
        target = insn.direct_target()
        if target is not None and program.in_code(target):
            targets.append(target)
        if insn.ends_flow():
            break
        address += insn.length
    return path, targets


def code_addresses(program, section_starts=()):
    """Addresses of the instructions that the program can run."""
    code = set()
    unwind = program.unwind_ranges()
    for start, end in unwind:
        address = start
        while address < end:
            insn = program.at(address)
            if insn is None:
                break
            code.add(address)
            address += insn.length
    # A value in a data section or an instruction's immediate that points into code, and the
    # start of an object file's piece of code in the map, are taken for a function or jump
    # target only where the disassembly has an instruction start, and only while what follows
    # decodes: a number that merely looks like an address must not make data look like code.
    stored = [a for a in [*program.stored_addresses(), *section_starts]
              if a in program.instructions]
    known = [program.entry, *program.function_symbols(), *(start for start, _ in unwind)]
    pending = [(a, False) for a in stored] + [(a, True) for a in known if program.in_code(a)]
    seen, scanned = set(), set()
    while pending:
        while pending:
            address, trusted = pending.pop()
            path, targets = _walk(program, address, seen)
            if not trusted and any(program.instructions[a].mnemonic in ("(bad)", ".byte")
                                   for a in path):
                continue
            seen.update(path)
            code.update(path)
            pending += [(t, True) for t in targets]
        for address in code - scanned:
            for value in re.findall(r"\$0x([0-9a-f]+)", program.instructions[address].operands):
                target = int(value, 16)
                if target not in seen and program.in_code(target) and \
                        target in program.instructions:
                    pending.append((target, False))
        scanned |= code
    return code


def _function_of_section(section):
    """The function whose own section this is: ".text$_Z3fooi", ".text.unlikely.bar"."""
    match = re.match(r"^\.text(?:\.unlikely|\.startup|\.hot)?[.$](.+)$", section)
    if not match or match.group(1) in ("unlikely", "startup", "hot"):
        return None
    return "_" + match.group(1)  # as COFF spells the symbol


class Names:
    """Function and object file for an address, from the linker map and the symbols."""

    def __init__(self, program, map_path, cxxfilt):
        # A section symbol names a function where the section is the function's own
        # (".text$name", ".text.name"); a plain ".text" says less than the map's names.
        self.symbols = {}
        for address, label in program.labels.items():
            name = _function_of_section(label) if label.startswith(".") else label
            if name:
                self.symbols[address] = name
        self.objects = []
        if map_path:
            self._read_map(map_path)
        for address, name in self.symbols.items():
            if name.strip("_") == "CTOR_LIST":
                program.add_tables_from(address)
        self.addresses = sorted(self.symbols)
        self.objects.sort()
        self.cxxfilt = cxxfilt
        self._demangled = {}

    def _read_map(self, path):
        section = None
        with open(path, errors="replace") as f:
            for line in f:
                fields = line.split()
                if re.match(r"^ \.text\S*\s*$", line):
                    section = fields[0]
                    continue
                if len(fields) >= 4 and fields[0].startswith(".text") and line.startswith(" "):
                    self._input_section(fields[0], fields[1], fields[2], " ".join(fields[3:]))
                elif section and len(fields) >= 3 and fields[0].startswith("0x") and \
                        fields[1].startswith("0x"):
                    self._input_section(section, fields[0], fields[1], " ".join(fields[2:]))
                elif len(fields) == 2 and fields[0].startswith("0x") and \
                        re.match(r"^[A-Za-z_.$?@][\w.$?@]*$", fields[1]):
                    # The map spells C names without the underscore that COFF puts before them.
                    self.symbols.setdefault(int(fields[0], 16), "_" + fields[1])
                elif len(fields) == 4 and fields[0].startswith("0x") and fields[2:] == ["=", "."]:
                    # Linker-script labels such as "__CTOR_LIST__ = ."
                    self.symbols.setdefault(int(fields[0], 16), "_" + fields[1])
                section = None

    def _input_section(self, name, address, size, obj):
        start, length = int(address, 16), int(size, 16)
        if length == 0:
            return
        self.objects.append((start, start + length, obj.rsplit("/", 1)[-1]))
        function = _function_of_section(name)
        if function:
            self.symbols.setdefault(start, function)

    def demangle(self, names):
        """Demangles C++ names and takes the underscore that COFF puts before C names."""
        names = sorted(set(names) - self._demangled.keys())
        try:
            out = subprocess.run([self.cxxfilt], input="\n".join(names) + "\n", text=True,
                                 stdout=subprocess.PIPE, check=True).stdout.splitlines()
        except (OSError, subprocess.CalledProcessError):
            out = names
        for name, plain in zip(names, out):
            if plain == name and name.startswith("_"):
                plain = name[1:]
            self._demangled[name] = plain

    def function_name_at(self, address):
        i = bisect.bisect_right(self.addresses, address) - 1
        return self.symbols[self.addresses[i]] if i >= 0 else ""

    def function(self, address):
        """The name of the function and the offset into it. A symbol before the start of the
        object file's part of the code belongs to another file, and names nothing here."""
        i = bisect.bisect_right(self.addresses, address) - 1
        section = self.input_section(address)
        if i < 0 or (section and self.addresses[i] < section[0]):
            return None, address - section[0] if section else 0
        start = self.addresses[i]
        name = self.symbols[start]
        if name not in self._demangled:
            self.demangle([name])
        return self._demangled[name], address - start

    def input_section(self, address):
        """(start, end, object file) of the linked-in piece of code holding this address."""
        for piece in self.objects:
            if piece[0] <= address < piece[1]:
                return piece
        return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("--objdump", default="i686-w64-mingw32-objdump")
    parser.add_argument("--map")
    parser.add_argument("--exceptions")
    parser.add_argument("--all", action="store_true", help="list every finding")
    args = parser.parse_args()

    program = Program(args.program, args.objdump)
    names = Names(program, args.map, args.objdump.replace("objdump", "c++filt"))
    # Names also finds where the tables at the end of .text begin, so it comes first.
    exceptions = read_exceptions(args.exceptions)
    findings, excused = [], {}
    code = code_addresses(program, [start for start, _, _ in names.objects])
    flagged = [a for a in sorted(code) if program.instructions[a].newer_than_486()]
    names.demangle(names.function_name_at(a) for a in flagged)
    guarded_starts = {}
    for address in flagged:
        insn = program.instructions[address]
        what = insn.newer_than_486()
        function, offset = names.function(address)
        rule = next((e for e in exceptions if e.excuses(function, insn.mnemonic)), None)
        if rule:
            rule.used = True
            excused.setdefault((function, rule.guard), []).append(insn.mnemonic)
            guarded_starts[address - offset] = rule
            continue
        section = names.input_section(address)
        if function:
            where = f"{function}+{offset:#x}" + (f" [{section[2]}]" if section else "")
        else:
            where = f"[{section[2]}]+{offset:#x}" if section else "(no symbol)"
        findings.append(f"  {address:#010x}  {where}: {insn.text}  ({what})")
    # Each way into an excused function that bypasses its guard, and each line that excuses
    # nothing (a guard nobody checks any more).
    bypasses = [line for start, rule in sorted(guarded_starts.items())
                for line in unguarded_references(program, names, code, rule, start)]
    bypasses += [f"  \"{e.function} {','.join(e.mnemonics)}\" excuses nothing: the line goes"
                 for e in exceptions if not e.used]

    for (function, guard), mnemonics in sorted(excused.items()):
        print(f"{args.program}: allowed in {function}: {', '.join(sorted(set(mnemonics)))} "
              f"({guard})")
    if findings:
        count = f"{len(findings)} instruction{'s' if len(findings) > 1 else ''}"
        print(f"{args.program}: {count} that a 486 does not have:")
        shown = findings if args.all else findings[:100]
        print("\n".join(shown))
        if len(shown) < len(findings):
            print(f"  ... and {len(findings) - len(shown)} more (--all lists them)")
    if bypasses:
        print(f"{args.exceptions}: {len(bypasses)} fault{'s' if len(bypasses) > 1 else ''}:")
        print("\n".join(bypasses))
    if findings or bypasses:
        return 1
    print(f"{args.program}: {len(code)} instructions checked, all of them the 486's")
    return 0


if __name__ == "__main__":
    sys.exit(main())
