/* A small program for the 486 check, built for the 486 and linked without a runtime, so that
   its code is only what is here. It keeps data in its code section the way hand-written
   assembly does: bytes after a return and a table behind a label, both of which would decode as
   cmov. */

__asm__(".text\n"
        ".globl _qv_one\n"
        "_qv_one:\n"
        "  movl $1, %eax\n"
        "  ret\n"
        "  .byte 0x0f, 0x44, 0xc1\n" /* cmove %ecx,%eax, as data */
        ".globl _qv_table_in_code\n"
        "_qv_table_in_code:\n"
        "  .byte 0x0f, 0x4c, 0xc2, 0x0f, 0x4f, 0xc1, 0x90, 0x90\n");

int qv_one(void);
extern const unsigned char qv_table_in_code[8];

static int qv_twice(int value) {
    return value * 2;
}

/* Reached only through this table, as window procedures and virtual functions are. */
int (*const qv_callbacks[])(int) = {qv_twice};

int qv_start(void) {
    return qv_one() + qv_table_in_code[3];
}
