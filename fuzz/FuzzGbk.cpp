// The GBK <-> UTF-8 conversions on arbitrary bytes: never a crash, and what one direction makes
// the other takes back whole.
#include <cstdlib>

#include "text/Gbk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = text::GbkToUtf8(bytes);
    const std::string gbk = text::Utf8ToGbk(bytes);
    // Text converted from GBK is valid UTF-8 of GBK characters: it converts back unchanged.
    if (text::GbkToUtf8(text::Utf8ToGbk(utf8)) != utf8) std::abort();
    (void)gbk;
    return 0;
}
