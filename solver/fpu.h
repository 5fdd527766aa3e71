// The x87 unit must round to nearest with a 64-bit significand, all
// exceptions masked, for long double to be the extended type the solver
// is written for. Windows may start a program at 53 bits.
#pragma once

inline void init_extended_precision()
{
#if defined(__i386__) || defined(__x86_64__)
    unsigned short control;
    __asm__ volatile("fnstcw %0" : "=m"(control));
    control = static_cast<unsigned short>((control & ~0x0F00) | 0x0300 | 0x003F);
    __asm__ volatile("fldcw %0" : : "m"(control));
#endif
}
