#include "report/output/PDFFontSubset.h"

#include "platform/graphics/FontFace.h"

#include <QCryptographicHash>
#include <QList>

#include <hb-ot.h>
#include <hb-subset.h>

#include <map>
#include <memory>
#include <mutex>

namespace quitanza::report {

using namespace platform;

namespace {

constexpr int SubsetTagLength = 6;

struct FaceDeleter {
  void operator()(hb_face_t* face) const { hb_face_destroy(face); }
};
struct BlobDeleter {
  void operator()(hb_blob_t* blob) const { hb_blob_destroy(blob); }
};
struct InputDeleter {
  void operator()(hb_subset_input_t* input) const { hb_subset_input_destroy(input); }
};
using FacePointer = std::unique_ptr<hb_face_t, FaceDeleter>;
using BlobPointer = std::unique_ptr<hb_blob_t, BlobDeleter>;

hb_face_t* SourceFace(const FontFace& face) { return hb_font_get_face(face.HarfBuzzFont()); }

bool HasTrueTypeOutlines(hb_face_t* face) {
  const BlobPointer glyf(hb_face_reference_table(face, HB_TAG('g', 'l', 'y', 'f')));
  return hb_blob_get_length(glyf.get()) > 0;
}

// Preparing a face for subsetting costs several subsets, so a face is
// prepared only when it is subset a second time: a one-receipt process
// subsets each face once and should not pay for it, a batch gets the fast
// path from its second document on. Faces live as long as the process, and so
// does their prepared form. The subsetter is not documented as thread-safe on
// one face, hence the lock around its use.
std::mutex SubsetLock;

hb_face_t* FaceToSubset(const FontFace& face) {
  static std::map<const FontFace*, FacePointer> prepared;  // null: subset once, not prepared yet
  auto found = prepared.find(&face);
  if (found == prepared.end()) {
    prepared.emplace(&face, nullptr);
    return SourceFace(face);
  }
  if (!found->second)
    found->second.reset(hb_subset_preprocess(SourceFace(face)));
  return found->second.get();
}

QByteArray PostScriptName(const FontFace& face) {
  char name[128];
  unsigned int size = sizeof name;
  hb_ot_name_get_utf8(SourceFace(face), HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &size, name);
  QByteArray clean;
  // PostScript names are printable ASCII without PDF delimiters; anything
  // else would break the name token.
  for (const char c : QByteArrayView(name, size)) {
    if (c > ' ' && c < 127 && !QByteArrayView("()<>[]{}/%#").contains(c))
      clean += c;
  }
  return clean.isEmpty() ? face.FamilyName().toLatin1().replace(' ', "") : clean;
}

}  // namespace

QByteArray SubsetFontProgram(const FontFace& face, const std::vector<PDFGlyph>& glyphs) {
  if (!HasTrueTypeOutlines(SourceFace(face)))
    return {};
  const std::unique_ptr<hb_subset_input_t, InputDeleter> input(hb_subset_input_create_or_fail());
  if (!input)
    return {};
  hb_set_t* glyphSet = hb_subset_input_glyph_set(input.get());
  hb_set_t* unicodeSet = hb_subset_input_unicode_set(input.get());
  for (const PDFGlyph& glyph : glyphs) {
    hb_set_add(glyphSet, glyph.Glyph);
    // A character map of the shown characters keeps the program a complete
    // TrueType font for readers that check it.
    for (const char32_t c : glyph.Unicode.toUcs4())
      hb_set_add(unicodeSet, c);
  }
  hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_RETAIN_GIDS);
  const std::lock_guard lock(SubsetLock);
  const FacePointer subset(hb_subset_or_fail(FaceToSubset(face), input.get()));
  if (!subset)
    return {};
  const BlobPointer blob(hb_face_reference_blob(subset.get()));
  unsigned int length = 0;
  const char* data = hb_blob_get_data(blob.get(), &length);
  return QByteArray(data, qsizetype(length));
}

QByteArray SubsetFontName(const FontFace& face, const std::vector<PDFGlyph>& glyphs) {
  QCryptographicHash hash(QCryptographicHash::Md5);
  for (const PDFGlyph& glyph : glyphs) {
    const char bytes[2] = {char(glyph.Glyph >> 8), char(glyph.Glyph & 0xFF)};
    hash.addData(QByteArrayView(bytes, 2));
  }
  const QByteArray digest = hash.result();
  QByteArray tag;
  for (int i = 0; i < SubsetTagLength; ++i)
    tag += char('A' + quint8(digest[i]) % 26);
  return tag + '+' + PostScriptName(face);
}

}  // namespace quitanza::report
