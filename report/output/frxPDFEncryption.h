#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Allowed actions of a protected PDF document (the export's ProtectionFlags).
enum TfrxPDFEncBit { ePrint = 1, eModify = 2, eCopy = 4, eAnnot = 8 };
using TfrxPDFEncBits = int;

inline constexpr TfrxPDFEncBits AllPDFEncBits = ePrint | eModify | eCopy | eAnnot;

// The P value: -64 + 4 x the bits, so every action allowed gives -4 and none -64.
qint32 PdfPermissionValue(TfrxPDFEncBits bits);

// The keys of one protected export: standard security handler, revision 3,
// 128-bit RC4. Made once when the export starts, then used for every object.
class TfrxPDFEncryption {
public:
  // Passwords are byte texts; an empty owner password takes the user password.
  // fileIdHex is the file identifier of the trailer, 32 hexadecimal digits.
  TfrxPDFEncryption(QByteArrayView userPassword, QByteArrayView ownerPassword,
                    qint32 permissions, QByteArrayView fileIdHex);

  // The password cut to 32 bytes, completed from the fixed padding string.
  static QByteArray PadPassword(QByteArrayView password);

  const QByteArray& Key() const { return FKey; }
  const QByteArray& O() const { return FO; }
  const QByteArray& U() const { return FU; }
  qint32 P() const { return FP; }

  // The RC4 key of one object (generation 0).
  QByteArray ObjectKey(int objectNumber) const;

  // The data encrypted with the object's key: same length, fresh key stream.
  QByteArray EncryptData(QByteArrayView data, int objectNumber) const;

  // The bytes encrypted for the object and written as an escaped literal string.
  QByteArray EncryptString(QByteArrayView bytes, int objectNumber) const;

  // A text string (FE FF and UTF-16BE) encrypted as EncryptString does.
  QByteArray EncryptText(const QString& text, int objectNumber) const;

  // The trailer's /Encrypt entry, CR LF after each line.
  QByteArray EncryptDictionary() const;

private:
  QByteArray FKey;
  QByteArray FO;
  QByteArray FU;
  qint32 FP;
};
