#pragma once

#include <QString>
#include <QStringList>

namespace quitanza::app {

// The files an output option must never replace: a PDF written over
// recibo.xml would destroy the register. They are the data folder's own
// files (register, settings, templates, lock), the templates installed
// with the program, the issuer's logo and whatever a command adds (its input).
class ProtectedFiles {
public:
  explicit ProtectedFiles(const QString& dataFolder);

  void Add(const QString& path) { m_paths << path; }

  // Throws InvalidInputError when `target` is one of the files, however it
  // is reached (another spelling of the path, a symbolic or a hard link).
  void RefuseAsOutput(const QString& target) const;

private:
  QStringList m_paths;
};

}  // namespace quitanza::app
