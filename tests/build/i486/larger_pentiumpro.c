/* Built with -march=pentiumpro, as Debian's compiler builds by default: the compiler picks the
   larger value with a cmov, which a 486, Pentium or K6 does not have. */
int qv_larger(int a, int b) {
    return a > b ? a : b;
}
