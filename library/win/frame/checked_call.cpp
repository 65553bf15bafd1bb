#include "library/win/frame/checked_call.h"

// cdecl: (function, args, count, calleePops, stackIntact*) -> EAX of the callee.
// EBX keeps ESP as it was before the arguments were pushed; after the call ESP must be
// EBX again (callee cleaned up) or EBX - 4 * count (caller cleans up). The frame is
// left through EBP, so a callee that popped too much or too little cannot hurt us.
extern "C" std::uint32_t PixfarrowCallChecked(const void* function, const std::uint32_t* args,
                                              std::uint32_t count, std::uint32_t calleePops,
                                              std::uint32_t* stackIntact);

asm(R"(
    .text
    .globl _PixfarrowCallChecked
    .def _PixfarrowCallChecked; .scl 2; .type 32; .endef
_PixfarrowCallChecked:
    pushl %ebp
    movl  %esp, %ebp
    pushl %esi
    pushl %edi
    pushl %ebx
    movl  16(%ebp), %ecx
    leal  0(,%ecx,4), %edx
    movl  %esp, %eax
    subl  %edx, %eax
    andl  $-16, %eax
    addl  %edx, %eax
    movl  %eax, %esp
    movl  %esp, %ebx
    movl  12(%ebp), %esi
    leal  (%esi,%edx), %edi
1:
    cmpl  %esi, %edi
    je    2f
    subl  $4, %edi
    pushl (%edi)
    jmp   1b
2:
    call  *8(%ebp)
    movl  %ebx, %edi
    cmpl  $0, 20(%ebp)
    jne   3f
    movl  16(%ebp), %ecx
    shll  $2, %ecx
    subl  %ecx, %edi
3:
    xorl  %ecx, %ecx
    cmpl  %edi, %esp
    sete  %cl
    movl  24(%ebp), %esi
    movl  %ecx, (%esi)
    leal  -12(%ebp), %esp
    popl  %ebx
    popl  %edi
    popl  %esi
    popl  %ebp
    ret
)");

namespace pixfarrow::win {

CheckedCallResult CallChecked(const void* function, const std::uint32_t* args, std::size_t count,
                              ArgumentCleanup cleanup) {
  std::uint32_t intact = 0;
  const std::uint32_t value = PixfarrowCallChecked(function, args, static_cast<std::uint32_t>(count),
                                                   static_cast<std::uint32_t>(cleanup), &intact);
  return {value, intact != 0};
}

}  // namespace pixfarrow::win
