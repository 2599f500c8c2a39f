#include "report/output/PDFEncryption.h"

#include "report/output/PDFNumbers.h"
#include "report/output/PDFStrings.h"
#include "report/output/RC4.h"
#include "report/output/Md5.h"

#include <stdexcept>

namespace quitanza::report {

namespace {

constexpr QByteArrayView PasswordPadding(
    "\x28\xBF\x4E\x5E\x4E\x75\x8A\x41\x64\x00\x4E\x56\xFF\xFA\x01\x08"
    "\x2E\x2E\x00\xB6\xD0\x68\x3E\x80\x2F\x0C\xA9\xFE\x64\x53\x69\x7A",
    32);

constexpr int KeyLength = 16;

// MD5 applied 50 more times to its own output, as revision 3 asks.
QByteArray StrengthenDigest(QByteArray digest) {
  for (int i = 0; i < 50; ++i)
    digest = MD5Digest(digest);
  return digest;
}

// Encrypts with the key, then 19 more times with the key's bytes XORed with 1..19.
QByteArray EncryptTwentyRounds(QByteArray data, const QByteArray& key) {
  for (int round = 0; round < 20; ++round) {
    QByteArray roundKey = key;
    for (char& byte : roundKey)
      byte = char(byte ^ round);
    data = RC4(roundKey).Crypt(data);
  }
  return data;
}

QByteArray LittleEndianBytes(quint32 value, int count) {
  QByteArray bytes;
  for (int i = 0; i < count; ++i)
    bytes += char((value >> (8 * i)) & 0xFF);
  return bytes;
}

QByteArray FileIdBytes(QByteArrayView fileIdHex) {
  const QByteArray bytes = QByteArray::fromHex(fileIdHex.toByteArray());
  if (fileIdHex.size() != 32 || bytes.size() != 16 || bytes.toHex() != fileIdHex.toByteArray().toLower())
    throw std::invalid_argument("PDF file identifier must be 32 hexadecimal digits");
  return bytes;
}

}  // namespace

qint32 PdfPermissionValue(PDFEncBits bits) { return -64 + 4 * (bits & AllPDFEncBits); }

QByteArray PDFEncryption::PadPassword(QByteArrayView password) {
  const QByteArrayView kept = password.first(qMin<qsizetype>(password.size(), 32));
  return kept.toByteArray() + PasswordPadding.first(32 - kept.size()).toByteArray();
}

PDFEncryption::PDFEncryption(QByteArrayView userPassword, QByteArrayView ownerPassword,
                             qint32 permissions, QByteArrayView fileIdHex)
    : m_p(permissions) {
  const QByteArray fileId = FileIdBytes(fileIdHex);
  const QByteArray paddedUser = PadPassword(userPassword);
  const QByteArray paddedOwner = PadPassword(ownerPassword.isEmpty() ? userPassword : ownerPassword);

  const QByteArray ownerKey = StrengthenDigest(MD5Digest(paddedOwner));
  m_o = EncryptTwentyRounds(paddedUser, ownerKey);

  m_key = StrengthenDigest(
      MD5Digest({paddedUser, m_o, LittleEndianBytes(quint32(m_p), 4), fileId})).first(KeyLength);

  m_u = EncryptTwentyRounds(MD5Digest({PasswordPadding, fileId}), m_key) + QByteArray(16, '\0');
}

QByteArray PDFEncryption::ObjectKey(int objectNumber) const {
  return MD5Digest({m_key, LittleEndianBytes(quint32(objectNumber), 3), QByteArrayView("\0\0", 2)});
}

QByteArray PDFEncryption::EncryptData(QByteArrayView data, int objectNumber) const {
  return report::RC4(ObjectKey(objectNumber)).Crypt(data);
}

QByteArray PDFEncryption::EncryptString(QByteArrayView bytes, int objectNumber) const {
  return PdfLiteralString(EncryptData(bytes, objectNumber));
}

QByteArray PDFEncryption::EncryptText(const QString& text, int objectNumber) const {
  return EncryptString(PdfTextBytes(text), objectNumber);
}

QByteArray PDFEncryption::EncryptDictionary() const {
  return "/Encrypt <<\r\n"
         "/Filter /Standard\r\n"
         "/V 2\r\n"
         "/R 3\r\n"
         "/Length 128\r\n"
         "/P " + PdfInt(m_p) + "\r\n"
         "/O " + PdfLiteralString(m_o) + "\r\n"
         "/U " + PdfLiteralString(m_u) + "\r\n"
         ">>\r\n";
}

}  // namespace quitanza::report
