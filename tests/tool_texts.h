// The tools' own texts, byte for byte, as the tests expect them: written out
// here once, apart from the tools' sources, so that a change on either side
// shows.
#ifndef TESTS_TOOL_TEXTS_H_
#define TESTS_TOOL_TEXTS_H_

#include <string>

#include "tests/d88_writer.h"

namespace d88test {

// "ファイルをオープンできません.\n" in Shift_JIS, 30 bytes.
inline const std::string kCannotOpen =
    "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xF0\x83\x49\x81\x5B\x83\x76\x83\x93"
    "\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x2E\x0A";
// "ディスク3または ユーザーディスクを認識しました.\n", 48 bytes.
inline const std::string kRecognised =
    "\x83\x66\x83\x42\x83\x58\x83\x4E\x33\x82\xDC\x82\xBD\x82\xCD\x20\x83\x86"
    "\x81\x5B\x83\x55\x81\x5B\x83\x66\x83\x42\x83\x58\x83\x4E\x82\xF0\x94\x46"
    "\x8E\xAF\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x2E\x0A";
// "ディスクイメージが見つかりませんでした.\n", 40 bytes.
inline const std::string kNotFound =
    "\x83\x66\x83\x42\x83\x58\x83\x4E\x83\x43\x83\x81\x81\x5B\x83\x57\x82\xAA"
    "\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5"
    "\x82\xBD\x2E\x0A";
inline const std::string kCutting = "cutting ... DRIVER\n";

// The music block signature.
inline const Bytes kSignature = {0x02, 0x00, 0xFF, 0x01, 0x00, 0xFF};

}  // namespace d88test

#endif  // TESTS_TOOL_TEXTS_H_
