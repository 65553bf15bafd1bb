/* Runs a command as on a kernel without 32-bit system calls, the kind that needs the WoW64
 * Wine: a seccomp filter answers every i386 system call (int $0x80, from either mode) with
 * SIGSYS, and 64-bit calls go through. tools/test runs the Windows tests under it when the
 * WoW64 Wine is forced on a kernel that does start 32-bit programs.
 *   no-ia32-syscalls COMMAND [ARGS...] */
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <stddef.h>
#include <stdio.h>
#include <sys/prctl.h>
#include <unistd.h>

int main(int argc, char **argv) {
  struct sock_filter code[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, arch)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_I386, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_TRAP),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  struct sock_fprog filter = {sizeof code / sizeof code[0], code};
  if (argc < 2) {
    fprintf(stderr, "usage: %s COMMAND [ARGS...]\n", argv[0]);
    return 2;
  }
  if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) || prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter)) {
    perror("no-ia32-syscalls: seccomp");
    return 1;
  }
  execvp(argv[1], argv + 1);
  perror(argv[1]);
  return 127;
}
