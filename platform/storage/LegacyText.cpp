#include "platform/storage/LegacyText.h"

#include <QStringDecoder>

#include <stdexcept>

namespace quitanza::platform {

bool IsValidUtf8(QByteArrayView bytes)
{
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = p + bytes.size();
  while (p < end) {
    const unsigned char lead = *p;
    if (lead < 0x80) {
      ++p;
      continue;
    }
    int continuation;
    unsigned char min2 = 0x80;  // tightest bounds of the second byte (RFC 3629 table)
    unsigned char max2 = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      continuation = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      continuation = 2;
      if (lead == 0xE0) min2 = 0xA0;  // overlong
      if (lead == 0xED) max2 = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      continuation = 3;
      if (lead == 0xF0) min2 = 0x90;  // overlong
      if (lead == 0xF4) max2 = 0x8F;  // beyond U+10FFFF
    } else {
      return false;
    }
    if (end - p <= continuation) return false;
    if (p[1] < min2 || p[1] > max2) return false;
    for (int i = 2; i <= continuation; ++i) {
      if ((p[i] & 0xC0) != 0x80) return false;
    }
    p += continuation + 1;
  }
  return true;
}

QString DecodeWindows1252(QByteArrayView bytes)
{
  // Opening a converter is far dearer than decoding one short value, and a
  // register decodes hundreds of thousands of them.
  thread_local QStringDecoder decoder("windows-1252", QStringDecoder::Flag::Stateless);
  if (!decoder.isValid()) throw std::runtime_error("The Windows-1252 text decoder is not available");
  return decoder.decode(bytes);
}

TextEncoding DetectTextEncoding(QByteArrayView bytes)
{
  return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

QString DecodeText(QByteArrayView bytes, TextEncoding encoding)
{
  return encoding == TextEncoding::Utf8 ? QString::fromUtf8(bytes) : DecodeWindows1252(bytes);
}

QString DecodeTextFile(QByteArrayView bytes)
{
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
  return DecodeText(bytes, DetectTextEncoding(bytes));
}

}  // namespace quitanza::platform
