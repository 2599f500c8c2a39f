#include "report/expressions/ExpressionCharset.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace quitanza::report {

namespace {

// Font charset identifiers and the code pages their fonts are written in.
const char* CodePageName(std::uint8_t charset) {
  switch (charset) {
    case 0: return "windows-1252";    // ANSI
    case 77: return "macintosh";      // MAC
    case 128: return "Shift_JIS";     // SHIFTJIS
    case 129: return "windows-949";   // HANGEUL
    case 134: return "GBK";           // GB2312
    case 136: return "Big5";          // CHINESEBIG5
    case 161: return "windows-1253";  // GREEK
    case 162: return "windows-1254";  // TURKISH
    case 163: return "windows-1258";  // VIETNAMESE
    case 177: return "windows-1255";  // HEBREW
    case 178: return "windows-1256";  // ARABIC
    case 186: return "windows-1257";  // BALTIC
    case 204: return "windows-1251";  // RUSSIAN
    case 222: return "windows-874";   // THAI
    case 238: return "windows-1250";  // EASTEUROPE
    case 255: return "IBM850";        // OEM, as on Brazilian machines
    default: return nullptr;
  }
}

}  // namespace

QString RoundTripThroughCharset(const QString& text, std::uint8_t charset) {
  const char* codePage = CodePageName(charset);
  if (codePage == nullptr) return text;
  QStringEncoder encoder(codePage);
  QStringDecoder decoder(codePage);
  if (!encoder.isValid() || !decoder.isValid()) return text;
  const QByteArray bytes = encoder.encode(text);
  // The conversion marks characters the code page lacks with SUB; fonts show them as '?'.
  return QString(decoder.decode(bytes)).replace(QChar(0x1A), u'?');
}

}  // namespace quitanza::report
