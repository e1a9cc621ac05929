# Writes OUTPUT, a C++ source holding the bytes of INPUT as `extern const unsigned char SYMBOL[]`.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n"
  "namespace pellomi {\n"
  "extern const unsigned char ${SYMBOL}[${size}];\n"
  "extern const std::size_t ${SYMBOL}_size = ${size};\n"
  "alignas(8) const unsigned char ${SYMBOL}[${size}] = {\n${bytes}};\n}\n")
