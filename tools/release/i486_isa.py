"""Which instructions a 486 has, for check-i486.py.

An instruction passes only when both its bytes and objdump's name for it are the 486's: the
two-byte opcodes (0F xx) are checked against the 486's opcode map, which catches what objdump
names like a 486 instruction (the multi-byte "nop %eax" is 0F 1F), and the name is checked
against the 486's mnemonics in objdump's AT&T spelling, each size suffix listed, which catches
the one-byte-map and x87 newcomers (fcmov, fcomi, fisttp) and anything VEX-encoded.
"""
import re

_CONDITIONS = ("o no b nb c nc ae nae e z ne nz be nbe a na s ns p np pe po "
               "l nl ge nge le nle g ng").split()
# The 386's integer instructions and the 486's own bswap, cmpxchg, xadd, invd, wbinvd and
# invlpg, as objdump names them without a size suffix.
_INTEGER = set("""
aaa aad aam aas adc add and arpl bound bsf bsr bswap bt btc btr bts call cbtw cwtl cwtd cltd
clc cld cli clts cmc cmp cmps cmpxchg daa das dec div enter hlt idiv imul in inc ins int int3
into invd invlpg iret lahf lar lcall lds lea leave les lfs lgdt lgs lidt ljmp lldt lmsw lods
loop loope loopne loopz loopnz lret lsl lss ltr mov movs movsbl movsbw movswl movzbl movzbw
movzwl mul neg nop not or out outs pop popa popf push pusha pushf rcl rcr ret rol ror sahf sal
sar sbb scas sgdt shl shld shr shrd sidt sldt smsw stc std sti stos str sub test verr verw wait
wbinvd xadd xchg xlat xor jcxz jecxz jmp
""".split()) | {"j" + c for c in _CONDITIONS} | {"set" + c for c in _CONDITIONS}
# The ones that objdump also spells with an operand-size suffix (b, w or l). nop is not among
# them: "nopw" and "nopl" are the Pentium Pro's multi-byte nop.
_SIZED = set("""
adc add and bound bsf bsr bt btc btr bts call cmp cmps cmpxchg dec div enter idiv imul in inc
ins iret lar lcall lds lea leave les lfs lgdt lgs lidt ljmp lmsw lods lret lsl lss mov movs mul
neg not or out outs pop popa popf push pusha pushf rcl rcr ret rol ror sal sar sbb scas sgdt
shl shld shr shrd sidt sldt smsw stos str sub test xadd xchg xor jmp
""".split())
# The 487's instructions (a 486DX has it built in; a 486SX runs it through Windows' emulator).
_X87 = set("""
f2xm1 fabs fadd fadds faddl faddp fiadd fiadds fiaddl fbld fbstp fchs fclex fnclex fcom fcoms
fcoml fcomp fcomps fcompl fcompp fcos fdecstp fdiv fdivs fdivl fdivp fdivr fdivrs fdivrl fdivrp
fidiv fidivs fidivl fidivr fidivrs fidivrl ffree ficom ficoms ficoml ficomp ficomps ficompl fild
filds fildl fildll fildq fincstp finit fninit fist fists fistl fistp fistps fistpl fistpll
fistpq fld flds fldl fldt fld1 fldcw fldenv fldl2e fldl2t fldlg2 fldln2 fldpi fldz fmul fmuls
fmull fmulp fimul fimuls fimull fnop fpatan fprem fprem1 fptan frndint frstor fsave fnsave
fscale fsin fsincos fsqrt fst fsts fstl fstp fstps fstpl fstpt fstcw fnstcw fstenv fnstenv
fstsw fnstsw fsub fsubs fsubl fsubp fsubr fsubrs fsubrl fsubrp fisub fisubs fisubl fisubr
fisubrs fisubrl ftst fucom fucomp fucompp fwait fxam fxch fxtract fyl2x fyl2xp1
""".split())
MNEMONICS = _INTEGER | {m + s for m in _SIZED for s in "bwl"} | _X87 | {
    "ud2",    # there to stop the program, and its bytes stop a 486 just the same
    "pause",  # "rep nop", a nop to older processors
    "tzcnt",  # "rep bsf", which GCC writes for bsf where the input cannot be zero: older
              # processors ignore the prefix, and for a non-zero input both give the same
}
# Prefixes that objdump prints as words of their own; "rep ret" runs on a 486 as ret, and
# "notrack" and "bnd" are the segment and repeat prefixes that later processors read on branches.
PREFIXES = {"lock", "rep", "repz", "repnz", "repe", "repne", "data16", "addr16",
            "cs", "ds", "es", "ss", "fs", "gs", "notrack", "bnd"}
_UNKNOWN = "not in the i486 instruction set"
_PREFIX_BYTES = {0x66, 0x67, 0xF2, 0xF3, 0xF0, 0x2E, 0x36, 0x3E, 0x26, 0x64, 0x65}

# The 486's two-byte opcodes (the byte after 0F), ud2 (0F 0B) included.
_OPCODES_0F = {0x00, 0x01, 0x02, 0x03, 0x06, 0x08, 0x09, 0x0B, 0x20, 0x21, 0x22, 0x23, 0x24,
               0x26, *range(0x80, 0xA0), 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA8, 0xA9, 0xAB,
               0xAC, 0xAD, 0xAF, *range(0xB0, 0xB8), *range(0xBA, 0xC2), *range(0xC8, 0xD0)}
# What the newer two-byte opcodes are, for the message: (first, last, what).
_NEWER_0F = [
    (0x05, 0x05, "syscall, K6 and later"),
    (0x07, 0x07, "sysret, K6 and later"),
    (0x0D, 0x0D, "3DNow! prefetch, K6-2"),
    (0x0E, 0x0F, "3DNow!, K6-2"),
    (0x10, 0x17, "SSE"),
    (0x18, 0x18, "SSE prefetch"),
    (0x19, 0x1E, "hint nop, Pentium Pro"),
    (0x1F, 0x1F, "multi-byte nop, Pentium Pro"),
    (0x28, 0x2F, "SSE"),
    (0x30, 0x30, "wrmsr, Pentium"),
    (0x31, 0x31, "rdtsc, Pentium"),
    (0x32, 0x32, "rdmsr, Pentium"),
    (0x33, 0x33, "rdpmc, Pentium Pro"),
    (0x34, 0x35, "sysenter/sysexit, Pentium II"),
    (0x38, 0x3A, "SSSE3 and later"),
    (0x40, 0x4F, "cmov, Pentium Pro"),
    (0x50, 0x5F, "SSE"),
    (0x60, 0x7F, "MMX"),
    (0xAE, 0xAE, "fxsave, MXCSR or fence: SSE and later"),
    (0xB8, 0xB8, "popcnt, SSE4 and later"),
    (0xC2, 0xC6, "SSE"),
    (0xD0, 0xFE, "MMX"),
]
# Names of newcomers outside the two-byte map: (pattern, what).
_NEWER_NAMES = [
    (re.compile(r"^fcmov"), "fcmov, Pentium Pro"),
    (re.compile(r"^f(u)?comip?$"), "fcomi, Pentium Pro"),
    (re.compile(r"^fisttp"), "fisttp, SSE3"),
    (re.compile(r"^ffreep$"), "ffreep, undocumented"),
    (re.compile(r"^v"), "AVX"),
]


def _strip_prefixes(code):
    i = 0
    while i < len(code) - 1 and code[i] in _PREFIX_BYTES:
        i += 1
    return code[:i], code[i:]


def _two_byte_newcomer(prefixes, code, operands):
    """What a two-byte opcode (0F xx) newer than the 486 is, or None for the 486's."""
    if len(code) < 2:
        return "bytes that are no instruction"
    second = code[1]
    modrm_reg = (code[2] >> 3) & 7 if len(code) > 2 else None
    if second == 0x1E and 0xF3 in prefixes and code[2:3] in (b"\xfb", b"\xfa"):
        return "endbr32/endbr64, CET"
    if second == 0xBC and 0xF3 in prefixes:
        return None  # tzcnt, see MNEMONICS
    if second == 0xBD and 0xF3 in prefixes:
        return "lzcnt, which a 486 runs as bsr: another result"
    if second == 0xA2:
        # Later 486s have it, the first ones do not: the runtime runs it only after testing
        # that it exists, which the exceptions file names function by function.
        return "cpuid, not on every 486"
    if second == 0xC7:
        if modrm_reg == 1:
            return "cmpxchg8b, Pentium"
        if modrm_reg in (6, 7):
            return "rdrand/rdseed, Ivy Bridge and later"
        return _UNKNOWN
    if second in _OPCODES_0F:
        return None
    what = next((what for first, last, what in _NEWER_0F if first <= second <= last), _UNKNOWN)
    if what in ("SSE", "MMX", _UNKNOWN):
        # MMX and SSE share opcodes: the registers tell them apart.
        if re.search(r"%[xyz]mm", operands):
            return "SSE"
        if re.search(r"%mm\d", operands):
            return "MMX"
    return what


def newer_than_486(code, mnemonic, operands):
    """None for an instruction that a 486 has, else what it is. code is the instruction's
    bytes, mnemonic and operands objdump's text for them (without prefixes)."""
    prefixes, rest = _strip_prefixes(code)
    if mnemonic.startswith("v") and rest[:1] in (b"\xc4", b"\xc5", b"\x62"):
        return "AVX"
    what = _two_byte_newcomer(prefixes, rest, operands) if rest[:1] == b"\x0f" else None
    if mnemonic in ("(bad)", ".byte", "") or "(bad)" in operands:
        return what if what and what != _UNKNOWN else "bytes that are no instruction"
    if what:
        return what
    if re.search(r"%[xyz]mm", operands):
        return "SSE"
    if re.search(r"%mm\d", operands):
        return "MMX"
    if mnemonic in MNEMONICS:
        return None
    for pattern, what in _NEWER_NAMES:
        if pattern.search(mnemonic):
            return what
    return _UNKNOWN
