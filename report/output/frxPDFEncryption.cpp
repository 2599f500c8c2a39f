#include "report/output/frxPDFEncryption.h"

#include "report/output/frxPDFNumbers.h"
#include "report/output/frxPDFStrings.h"
#include "report/output/frxRC4.h"
#include "report/output/frxmd5.h"

#include <stdexcept>

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
    data = TfrxRC4(roundKey).Crypt(data);
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

qint32 PdfPermissionValue(TfrxPDFEncBits bits) { return -64 + 4 * (bits & AllPDFEncBits); }

QByteArray TfrxPDFEncryption::PadPassword(QByteArrayView password) {
  const QByteArrayView kept = password.first(qMin<qsizetype>(password.size(), 32));
  return kept.toByteArray() + PasswordPadding.first(32 - kept.size()).toByteArray();
}

TfrxPDFEncryption::TfrxPDFEncryption(QByteArrayView userPassword, QByteArrayView ownerPassword,
                                     qint32 permissions, QByteArrayView fileIdHex)
    : FP(permissions) {
  const QByteArray fileId = FileIdBytes(fileIdHex);
  const QByteArray paddedUser = PadPassword(userPassword);
  const QByteArray paddedOwner = PadPassword(ownerPassword.isEmpty() ? userPassword : ownerPassword);

  const QByteArray ownerKey = StrengthenDigest(MD5Digest(paddedOwner));
  FO = EncryptTwentyRounds(paddedUser, ownerKey);

  FKey = StrengthenDigest(
      MD5Digest({paddedUser, FO, LittleEndianBytes(quint32(FP), 4), fileId})).first(KeyLength);

  FU = EncryptTwentyRounds(MD5Digest({PasswordPadding, fileId}), FKey) + QByteArray(16, '\0');
}

QByteArray TfrxPDFEncryption::ObjectKey(int objectNumber) const {
  return MD5Digest({FKey, LittleEndianBytes(quint32(objectNumber), 3), QByteArrayView("\0\0", 2)});
}

QByteArray TfrxPDFEncryption::EncryptData(QByteArrayView data, int objectNumber) const {
  return TfrxRC4(ObjectKey(objectNumber)).Crypt(data);
}

QByteArray TfrxPDFEncryption::EncryptString(QByteArrayView bytes, int objectNumber) const {
  return PdfLiteralString(EncryptData(bytes, objectNumber));
}

QByteArray TfrxPDFEncryption::EncryptText(const QString& text, int objectNumber) const {
  return EncryptString(PdfTextBytes(text), objectNumber);
}

QByteArray TfrxPDFEncryption::EncryptDictionary() const {
  return "/Encrypt <<\r\n"
         "/Filter /Standard\r\n"
         "/V 2\r\n"
         "/R 3\r\n"
         "/Length 128\r\n"
         "/P " + PdfInt(FP) + "\r\n"
         "/O " + PdfLiteralString(FO) + "\r\n"
         "/U " + PdfLiteralString(FU) + "\r\n"
         ">>\r\n";
}
