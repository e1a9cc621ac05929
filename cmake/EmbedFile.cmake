# Writes OUTPUT, a C++ source holding the bytes of INPUT as a constant of the program data in the
# runtime's byte-array layout (a 32-bit dimension count of 1, a 32-bit element count, the bytes):
# `SYMBOL_block` is that block, so the program can hand it out without copying it, and `SYMBOL`
# points at its bytes, `SYMBOL_size` of them.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
set(count "")
foreach(shift 0 8 16 24)
  math(EXPR byte "(${size} >> ${shift}) & 0xFF" OUTPUT_FORMAT HEXADECIMAL)
  string(APPEND count "${byte},")
endforeach()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n"
  "namespace pellomi {\n"
  "extern const unsigned char ${SYMBOL}_block[8 + ${size}];\n"
  "extern const unsigned char* const ${SYMBOL};\n"
  "extern const std::size_t ${SYMBOL}_size = ${size};\n"
  "alignas(8) const unsigned char ${SYMBOL}_block[8 + ${size}] = {\n0x1,0x0,0x0,0x0,${count}\n${bytes}};\n"
  "const unsigned char* const ${SYMBOL} = ${SYMBOL}_block + 8;\n}\n")
