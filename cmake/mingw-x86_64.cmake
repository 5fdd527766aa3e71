# The same program for 64-bit Windows: only the test stand-in where a
# machine's kernel runs no 32-bit programs, so 32-bit Wine cannot start.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
