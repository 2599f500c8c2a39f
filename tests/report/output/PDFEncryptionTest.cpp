#include "report/output/PDFEncryption.h"

#include "report/output/PDFStrings.h"
#include "report/output/RC4.h"
#include "report/output/Md5.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quitanza::report;

namespace {

// Values written by an independent PDF tool for the same passwords, file
// identifier and permissions. The second half of its U value is arbitrary
// filler by definition, so only the first 16 bytes are compared.
constexpr char ReferenceFileId[] = "78a536d3843975d71cc58f3e0dfcf553";

TEST(PDFEncryption, MatchesAnIndependentToolWithBothPasswords) {
  const PDFEncryption encryption("user", "owner", -4, ReferenceFileId);
  EXPECT_EQ(encryption.O().toHex(),
            QByteArray("0ba3835f88f90388e74e54584125ce142be0de24c6b0d37746e075b891756671"));
  EXPECT_EQ(encryption.U().first(16).toHex(), QByteArray("dab08072bc391c117d7fd34d8369b9f8"));
  EXPECT_EQ(encryption.U().sliced(16), QByteArray(16, '\0'));
}

TEST(PDFEncryption, UserPasswordAloneTakesTheOwnerRole) {
  const PDFEncryption encryption("user", "", -4, ReferenceFileId);
  EXPECT_EQ(encryption.O().toHex(),
            QByteArray("ce69e44fd4717582076b810914829e577152c3110ee581d65e53c64a4e8f578d"));
  EXPECT_EQ(encryption.U().first(16).toHex(), QByteArray("8caf377bb98ca36ba287c8fdb731f542"));
  EXPECT_EQ(encryption.O(), PDFEncryption("user", "user", -4, ReferenceFileId).O());
}

TEST(PDFEncryption, PermissionValueFollowsTheFlags) {
  EXPECT_EQ(PdfPermissionValue(AllPDFEncBits), -4);
  EXPECT_EQ(PdfPermissionValue({}), -64);
  EXPECT_EQ(PdfPermissionValue(PDFEncBit::Print), -60);
  EXPECT_EQ(PdfPermissionValue(PDFEncBit::Modify), -56);
  EXPECT_EQ(PdfPermissionValue(PDFEncBit::Copy), -48);
  EXPECT_EQ(PdfPermissionValue(PDFEncBit::Annot), -32);
}

TEST(PDFEncryption, PermissionsChangeTheDocumentKey) {
  EXPECT_NE(PDFEncryption("u", "", -4, ReferenceFileId).Key(),
            PDFEncryption("u", "", -64, ReferenceFileId).Key());
}

TEST(PDFEncryption, PadsPasswordsToThirtyTwoBytes) {
  const QByteArray padded = PDFEncryption::PadPassword("ab");
  EXPECT_EQ(padded.toHex(),
            QByteArray("6162" "28bf4e5e4e758a4164004e56fffa0108" "2e2e00b6d0683e802f0ca9fe6453"));
  EXPECT_EQ(PDFEncryption::PadPassword("").toHex(),
            QByteArray("28bf4e5e4e758a4164004e56fffa01082e2e00b6d0683e802f0ca9fe6453697a"));
  const QByteArray longPassword = "0123456789abcdefghijklmnopqrstuvwxyz";
  EXPECT_EQ(PDFEncryption::PadPassword(longPassword), longPassword.first(32));
}

TEST(PDFEncryption, PasswordsCountWithTheirFirstThirtyTwoBytesOnly) {
  const QByteArray first32 = "0123456789abcdefghijklmnopqrstuv";
  const PDFEncryption cut(first32, "", -4, ReferenceFileId);
  const PDFEncryption longer(first32 + "wxyz", "", -4, ReferenceFileId);
  EXPECT_EQ(cut.Key(), longer.Key());
  EXPECT_EQ(cut.O(), longer.O());
}

TEST(PDFEncryption, ObjectKeyIsDigestOfKeyNumberAndGeneration) {
  const PDFEncryption encryption("u", "", -4, ReferenceFileId);
  const QByteArray expected =
      MD5Digest({encryption.Key(), QByteArrayView("\x34\x12\x00\x00\x00", 5)});
  EXPECT_EQ(encryption.ObjectKey(0x1234), expected);
  EXPECT_NE(encryption.ObjectKey(1), encryption.ObjectKey(2));
}

TEST(PDFEncryption, EncryptsEachPieceWithAFreshKeyStream) {
  const PDFEncryption encryption("u", "", -4, ReferenceFileId);
  const QByteArray data = "BT /F0 12 Tf ET";
  const QByteArray once = encryption.EncryptData(data, 5);
  EXPECT_EQ(once.size(), data.size());
  EXPECT_EQ(encryption.EncryptData(data, 5), once);
  EXPECT_EQ(RC4(encryption.ObjectKey(5)).Crypt(once), data);
}

TEST(PDFEncryption, EncryptedEmptyTextIsTheTwoMarkBytes) {
  const PDFEncryption encryption("u", "", -4, ReferenceFileId);
  EXPECT_EQ(encryption.EncryptText(QString(), 9),
            PdfLiteralString(encryption.EncryptData("\xFE\xFF", 9)));
  EXPECT_EQ(encryption.EncryptText(QStringLiteral(u"Ação"), 9),
            PdfLiteralString(encryption.EncryptData(QByteArrayView("\xFE\xFF\x00\x41\x00\xE7\x00\xE3\x00\x6F", 10), 9)));
}

TEST(PDFEncryption, WritesTheEncryptionDictionary) {
  const PDFEncryption encryption("user", "owner", -4, ReferenceFileId);
  const QByteArray dictionary = encryption.EncryptDictionary();
  EXPECT_TRUE(dictionary.startsWith("/Encrypt <<\r\n/Filter /Standard\r\n/V 2\r\n/R 3\r\n"
                                    "/Length 128\r\n/P -4\r\n/O ("));
  EXPECT_TRUE(dictionary.endsWith(")\r\n>>\r\n"));
  EXPECT_TRUE(dictionary.contains(")\r\n/U ("));
  EXPECT_TRUE(PDFEncryption("u", "", -64, ReferenceFileId).EncryptDictionary().contains("\r\n/P -64\r\n"));
}

TEST(PDFEncryption, RefusesAMalformedFileIdentifier) {
  for (const char* id : {"", "78a536d3", "zz a536d3843975d71cc58f3e0dfcf553", "78a536d3843975d71cc58f3e0dfcf5530"})
    EXPECT_THROW(PDFEncryption("u", "", -4, id), std::invalid_argument) << id;
}

}  // namespace
