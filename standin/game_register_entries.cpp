// Register-form game entries. Like the game's own code, they leave ecx and edx
// (and eax where nothing is returned) scrambled, so a caller that assumes
// otherwise breaks here and not only in the real game.
#include "game_register_entries.h"

asm(R"(
    .text
    .globl _GameGetInventoryItemEntry
_GameGetInventoryItemEntry:
    pushl %eax
    pushl %ecx
    call _GameGetInventoryItemBody
    addl $8, %esp
    movl $0x5c5c5c5c, %ecx
    movl $0x3b3b3b3b, %edx
    ret

    .globl _GameTorchOnEntry
_GameTorchOnEntry:
    pushl $1
    jmp 1f
    .globl _GameTorchOffEntry
_GameTorchOffEntry:
    pushl $0
1:
    movzbl %dl, %edx
    pushl %edx
    pushl %ecx
    call _GameTorchBody
    addl $12, %esp
    movl $0x2a2a2a2a, %eax
    movl $0x5c5c5c5c, %ecx
    movl $0x3b3b3b3b, %edx
    ret
)");
