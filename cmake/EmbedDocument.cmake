# cmake -DIN=file -DOUT=source.cpp -DTYPE=CUSTOM -DID=101 -P EmbedDocument.cmake
# Writes the C++ source that compiles the file IN into the program as its resource of type
# TYPE and number ID (the table of shell/resource_table.h).
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" length)
math(EXPR size "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUT}.tmp
"// Made at build time from ${IN}; not edited by hand.\n\n"
"#include \"shell/resource_table.h\"\n\n"
"namespace {\n\n"
"const uint8_t kDocument[${size}] = {\n    ${bytes}\n};\n\n"
"const resources::CustomResource kCustom[] = {{\"${TYPE}\", ${ID}, kDocument}};\n\n"
"}  // namespace\n\n"
"std::span<const resources::CustomResource> resources::CustomTable() { return kCustom; }\n")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
