# cmake -DINPUT=tobrisk.res -DOUTPUT=tobrisk_res.cpp -P embed_resources.cmake
# Writes the compiled resources as a byte array that registers itself with the window layer
# as the program module's resources.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from tobrisk.res by embed_resources.cmake.
#include \"user/resources.h\"

namespace {

alignas(4) const unsigned char kResources[] = {
    ${bytes}
};

const HINSTANCE kModule = layer::user::RegisterProgramResources(kResources, sizeof kResources);

}  // namespace
")
