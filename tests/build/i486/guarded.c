/* A program whose Pentium Pro code (qv_larger, with its cmov) is excused in
   guarded-exceptions.txt as reached only through qv_pick_larger, which asks first. Built with
   QV_BYPASS, it also calls qv_larger directly, which the check must refuse. */
int qv_larger(int a, int b);

volatile int qv_has_cmov;

__attribute__((noinline)) int qv_pick_larger(int a, int b) {
    return qv_has_cmov ? qv_larger(a, b) : (a > b ? a : b);
}

int qv_start(void) {
#ifdef QV_BYPASS
    return qv_larger(3, 4) + qv_pick_larger(1, 2);
#else
    return qv_pick_larger(1, 2);
#endif
}
