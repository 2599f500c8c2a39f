#include "report/output/PDFStrings.h"

#include <QStringEncoder>

namespace quitanza::report {

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

void AppendHexByte(QByteArray& out, char prefix, unsigned char byte) {
  out += prefix;
  out += HexDigits[byte >> 4];
  out += HexDigits[byte & 0x0F];
}

bool IsPlainLinkTarget(const QString& target) {
  int depth = 0;
  for (QChar ch : target) {
    if (ch.unicode() < 32 || ch.unicode() > 126 || ch == u'\\')
      return false;
    if (ch == u'(')
      ++depth;
    else if (ch == u')' && --depth < 0)
      return false;
  }
  return depth == 0;
}

}  // namespace

QByteArray PdfLiteralString(QByteArrayView bytes) {
  QByteArray out;
  out.reserve(bytes.size() + bytes.size() / 8 + 2);
  out += '(';
  for (char byte : bytes) {
    switch (byte) {
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '(': out += "\\("; break;
      case ')': out += "\\)"; break;
      case '\\': out += "\\\\"; break;
      default: out += byte;
    }
  }
  out += ')';
  return out;
}

QByteArray PdfTextBytes(const QString& text) {
  QStringEncoder toUtf16BE(QStringEncoder::Utf16BE);
  return QByteArrayLiteral("\xFE\xFF") + QByteArray(toUtf16BE(text));
}

namespace {

template <class Bytes>
void AppendHexUnits(Bytes& out, std::u16string_view units) {
  const auto start = out.size();
  out.resize(start + 4 * units.size());
  char* digit = out.data() + start;
  for (char16_t unit : units) {
    for (int shift = 12; shift >= 0; shift -= 4)
      *digit++ = HexDigits[(unit >> shift) & 0x0F];
  }
}

}  // namespace

void AppendPdfHexUnits(QByteArray& out, std::u16string_view units) { AppendHexUnits(out, units); }

void AppendPdfHexUnits(std::string& out, std::u16string_view units) { AppendHexUnits(out, units); }

QByteArray PdfTextHexString(const QString& text) {
  QByteArray out = QByteArrayLiteral("<FEFF");
  out.reserve(6 + 4 * text.size());
  const QStringView view(text);
  AppendPdfHexUnits(out, std::u16string_view(view.utf16(), size_t(view.size())));
  out += '>';
  return out;
}

QByteArray PdfUriBytes(const QString& target) {
  QByteArray out;
  for (char byte : target.toUtf8()) {
    const auto code = static_cast<unsigned char>(byte);
    if (code >= 32 && code <= 126)
      out += byte;
    else
      AppendHexByte(out, '%', code);
  }
  return out;
}

QByteArray PdfUriString(const QString& target) {
  if (IsPlainLinkTarget(target))
    return '(' + target.toLatin1() + ')';
  return PdfLiteralString(PdfUriBytes(target));
}

QByteArray PdfNameEscape(QByteArrayView name) {
  static constexpr QByteArrayView Delimiters("()<>[]{}/%#");
  QByteArray out;
  out.reserve(name.size());
  for (char byte : name) {
    const auto code = static_cast<unsigned char>(byte);
    if (code <= 32 || code >= 127 || Delimiters.contains(byte))
      AppendHexByte(out, '#', code);
    else
      out += byte;
  }
  return out;
}

QByteArray PdfDateText(const QDateTime& time) {
  return "D:" + time.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
}

}  // namespace quitanza::report
