// Code page 1252, the single-byte code page the data file is written in.
#pragma once

namespace monit12 {

// The Unicode code point of a byte; the five undefined bytes keep their own value (C1 controls).
char32_t cp1252CodePoint(unsigned char byte);

} // namespace monit12
