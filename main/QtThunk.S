/*
 * Calls a 16-bit procedure through KERNEL32's QT_Thunk (32-bit Windows 9x only).
 *
 *   uint16_t qv_CallThunk16(uint32_t target1616, uint16_t argument, void* qtThunk);   (cdecl)
 *
 * QT_Thunk switches to the 16-bit stack and calls the 16:16 address in EDX. It keeps its own
 * data in the 64 bytes just below the caller's EBP and copies everything between ESP and that
 * area to the 16-bit stack as the procedure's arguments. So this frame holds a 33-word (66-byte)
 * scratch array directly under EBP, and the one argument word is pushed below it. The 16-bit
 * result comes back in AX (DX:AX for a 32-bit one).
 *
 * This is the contract of Windows 95/98's QT_Thunk. Wine 8.0's hands back 0 because it drops the
 * registers on the way back (docs/windows9x-in-tests.md, "The 16-bit thunk under Wine"): leave
 * this frame as it is.
 */
        .text
        .globl  _qv_CallThunk16
_qv_CallThunk16:
        pushl   %ebx                    /* the 16-bit side may change the callee-saved registers */
        pushl   %esi
        pushl   %edi
        pushl   %ebp
        movl    %esp, %ebp
        subl    $66, %esp               /* the scratch array for QT_Thunk */
        movl    20(%ebp), %edx          /* target1616 */
        movl    24(%ebp), %eax          /* argument */
        movl    28(%ebp), %ecx          /* QT_Thunk */
        pushw   %ax                     /* one argument word */
        call    *%ecx
        movzwl  %ax, %eax               /* the 16-bit result */
        movl    %ebp, %esp              /* drop whatever the thunk left on the stack */
        popl    %ebp
        popl    %edi
        popl    %esi
        popl    %ebx
        ret
