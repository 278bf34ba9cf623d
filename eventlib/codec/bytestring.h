#ifndef PAGEWRIGHT_CODEC_BYTESTRING_H
#define PAGEWRIGHT_CODEC_BYTESTRING_H

#include <string>
#include <string_view>

namespace KESTREL {

// Encoded data, clipboard content and chunk payloads: counted bytes that may
// hold zero bytes.
using BYTESTRING = std::string;
using BYTEVIEW = std::string_view;

} // namespace KESTREL

#endif
