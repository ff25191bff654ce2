# cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P EmbedFile.cmake
# Writes the bytes of INPUT as a C++ array resources::embedded::SYMBOL.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Break the one long line every 16 bytes so the generated file stays readable.
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT}; do not edit.\n"
    "#include <cstddef>\n\n"
    "namespace resources::embedded {\n"
    "extern const unsigned char ${SYMBOL}[] = {\n    ${bytes}\n};\n"
    "extern const std::size_t ${SYMBOL}Size = ${size};\n"
    "}  // namespace resources::embedded\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
