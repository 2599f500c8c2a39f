#include "platform/storage/IniDocument.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quitanza::platform;

namespace {

const QString Settings = QStringLiteral(u"; issuer settings\n"
                                        u"LOOSE=before any section\n"
                                        u"[Emitente]\n"
                                        u"  Empresa =  Padaria São João  \n"
                                        u"SITE=http://a.b/?x=1\n"
                                        u";CIDADE=commented out\n"
                                        u"EMPTY=\n"
                                        u"\n"
                                        u"[OUTRA]\n"
                                        u"CIDADE=Recife\n"
                                        u"[EMITENTE]\n"
                                        u"CIDADE=second section of the same name\n");

}  // namespace

TEST(IniDocument, FindsValuesWithoutRegardToCase)
{
  const IniDocument document(Settings);
  const struct {
    const char16_t* section;
    const char16_t* key;
    std::optional<QString> value;
  } cases[] = {
    {u"EMITENTE", u"EMPRESA", QStringLiteral(u"Padaria São João")},
    {u"emitente", u"empresa", QStringLiteral(u"Padaria São João")},
    {u"EMITENTE", u"SITE", QStringLiteral(u"http://a.b/?x=1")},
    {u"EMITENTE", u"EMPTY", QString()},
    {u"EMITENTE", u"CIDADE", std::nullopt},  // commented out here, and only the first section counts
    {u"EMITENTE", u"LOOSE", std::nullopt},
    {u"OUTRA", u"CIDADE", QStringLiteral(u"Recife")},
    {u"MISSING", u"CIDADE", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(document.Value(QStringView(c.section), QStringView(c.key)), c.value) << QString::fromUtf16(c.key).toStdString();
  }
}

TEST(IniDocument, ReplacesAValueInItsOwnLineKeepingEverythingElse)
{
  IniDocument document(Settings);
  document.SetValue(u"emitente", u"empresa", u"Mercado Novo");
  QString expected = Settings;
  expected.replace(QStringLiteral(u"  Empresa =  Padaria São João  "), QStringLiteral(u"Empresa=Mercado Novo"));
  EXPECT_EQ(document.ToText(), expected);
}

TEST(IniDocument, AddsANewKeyAtTheEndOfItsSection)
{
  IniDocument document(Settings);
  document.SetValue(u"EMITENTE", u"CODIGO", u"1");
  QString expected = Settings;
  expected.replace(QStringLiteral(u"EMPTY=\n"), QStringLiteral(u"EMPTY=\nCODIGO=1\n"));
  EXPECT_EQ(document.ToText(), expected);
}

TEST(IniDocument, AddsANewSectionAtTheEndOfTheFile)
{
  IniDocument empty;
  empty.SetValue(u"EMITENTE", u"CODIGO", u"1");
  EXPECT_EQ(empty.ToText(), QStringLiteral("[EMITENTE]\nCODIGO=1\n"));

  IniDocument withoutFinalBreak(QStringLiteral("[A]\r\nX=1"));
  withoutFinalBreak.SetValue(u"B", u"Y", u"2");
  EXPECT_EQ(withoutFinalBreak.ToText(), QStringLiteral("[A]\r\nX=1\r\n[B]\r\nY=2\r\n"));
}

TEST(IniDocument, RefusesNamesAndValuesThatWouldBreakTheFile)
{
  IniDocument document(Settings);
  EXPECT_THROW(document.SetValue(u"EMITENTE", u"EMPRESA", u"two\nlines"), std::invalid_argument);
  EXPECT_THROW(document.SetValue(u"EMITENTE", u"EMPRESA", u"carriage\rreturn"), std::invalid_argument);
  EXPECT_THROW(document.SetValue(u"EMITENTE", u"A=B", u"x"), std::invalid_argument);
  EXPECT_THROW(document.SetValue(u"EMITENTE", u" ", u"x"), std::invalid_argument);
  EXPECT_THROW(document.SetValue(u"EMI]TENTE", u"A", u"x"), std::invalid_argument);
  EXPECT_EQ(document.ToText(), Settings);
}
