#pragma once

#include <string>
#include <string_view>

class QIODevice;

namespace quitanza::report {

class XMLItem;

// Writes a document in the template layout: CR LF line ends and two spaces of
// indentation per level, or everything on one line without indentation.
// Output is UTF-8, flushed to the stream whenever the buffer passes 4096 bytes.
class XMLWriter {
public:
  XMLWriter(QIODevice& stream, bool autoIndent) : m_stream(stream), m_autoIndent(autoIndent) {}

  void WriteHeader();
  void WriteItem(const report::XMLItem& item, int level);
  // Element primitives for writers that do not build items first. The
  // attribute text is UTF-8, already escaped.
  void OpenElement(int level, std::string_view name, std::string_view attributes, bool hasChildren);
  void CloseElement(int level, std::string_view name);
  void Flush();

private:
  // Indentation, '<', name and attributes: the part every tag shares.
  void StartTag(int level, std::string_view name, std::string_view attributes);
  void Indent(int level);
  void LineEnd();
  void FlushIfFull();

  QIODevice& m_stream;
  bool m_autoIndent;
  std::string m_buffer;
};

}  // namespace quitanza::report
