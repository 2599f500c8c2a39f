#include "report/output/PDFFontName.h"

#include "report/output/PDFStrings.h"

#include <QStringEncoder>
#include <QStringList>

namespace quitanza::report {

using namespace platform;

namespace {

const QStringList& SimulatedStyleFonts() {
  static const QStringList fonts{QStringLiteral(u"ＭＳ ゴシック"), QStringLiteral(u"ＭＳ Ｐゴシック"),
                                 QStringLiteral(u"ＭＳ 明朝"), QStringLiteral(u"ＭＳ Ｐ明朝"),
                                 QStringLiteral(u"MS UI Gothic")};
  return fonts;
}

// Family names are single-byte text in the files of this program; a name the
// code page cannot hold (a Japanese family, for one) would turn into question
// marks there, so such a name keeps its characters as UTF-8 instead.
QByteArray FamilyBytes(const QString& family) {
  QStringEncoder windows1252("windows-1252", QStringEncoder::Flag::Stateless);
  QByteArray bytes = windows1252(family);
  if (windows1252.hasError())
    return family.toUtf8();
  return bytes;
}

QByteArray StyleSuffix(FontStyles style) {
  QByteArray suffix;
  if (style & FontStyle::Bold)
    suffix += "Bold";
  if (style & FontStyle::Italic)
    suffix += "Italic";
  return suffix;
}

}  // namespace

bool IsSimulatedStyleFont(const QString& name) {
  return SimulatedStyleFonts().contains(name);
}

QByteArray GetFontName(const QString& family, FontStyles style) {
  QByteArray name = FamilyBytes(family);
  if (!IsSimulatedStyleFont(family)) {
    const QByteArray suffix = StyleSuffix(style);
    if (!suffix.isEmpty())
      name += ',' + suffix;
  }
  return PdfNameEscape(name);
}

}  // namespace quitanza::report
