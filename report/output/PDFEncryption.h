#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFlags>
#include <QString>

namespace quitanza::report {

// Allowed actions of a protected PDF document (the export's ProtectionFlags).
enum class PDFEncBit { Print = 1, Modify = 2, Copy = 4, Annot = 8 };
Q_DECLARE_FLAGS(PDFEncBits, PDFEncBit)
Q_DECLARE_OPERATORS_FOR_FLAGS(PDFEncBits)

inline constexpr PDFEncBits AllPDFEncBits = PDFEncBit::Print | PDFEncBit::Modify | PDFEncBit::Copy | PDFEncBit::Annot;

// The P value: -64 + 4 x the bits, so every action allowed gives -4 and none -64.
qint32 PdfPermissionValue(PDFEncBits bits);

// The keys of one protected export: standard security handler, revision 3,
// 128-bit RC4. Made once when the export starts, then used for every object.
class PDFEncryption {
public:
  // Passwords are byte texts; an empty owner password takes the user password.
  // fileIdHex is the file identifier of the trailer, 32 hexadecimal digits.
  PDFEncryption(QByteArrayView userPassword, QByteArrayView ownerPassword,
                qint32 permissions, QByteArrayView fileIdHex);

  // The password cut to 32 bytes, completed from the fixed padding string.
  static QByteArray PadPassword(QByteArrayView password);

  const QByteArray& Key() const { return m_key; }
  const QByteArray& O() const { return m_o; }
  const QByteArray& U() const { return m_u; }
  qint32 P() const { return m_p; }

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
  QByteArray m_key;
  QByteArray m_o;
  QByteArray m_u;
  qint32 m_p;
};

}  // namespace quitanza::report
