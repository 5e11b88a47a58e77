/* One instruction from QV_NEWCOMER (its bytes, comma-separated), run from the entry point of a
   program linked without a runtime: the 486 check must refuse it and say what it is. */
#define QV_TEXT(...) #__VA_ARGS__
#define QV_BYTES(...) QV_TEXT(__VA_ARGS__)

void qv_start(void) {
    __asm__ volatile(".byte " QV_BYTES(QV_NEWCOMER));
}
