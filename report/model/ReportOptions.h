#pragma once

#include "report/model/Picture.h"
#include "report/model/PropTable.h"
#include "report/model/Types.h"

#include <QString>
#include <QStringList>

namespace quitanza::report {

class ReportOptions {
public:
  ReportOptions();

  QString Author;
  bool Compressed = false;
  QString ConnectionName;
  report::DateTime CreateDate = 0;
  QStringList Description;
  QString InitString;
  QString Name;
  report::DateTime LastChange = 0;
  QString Password;
  report::Picture Picture;
  QString VersionBuild;
  QString VersionMajor;
  QString VersionMinor;
  QString VersionRelease;
  // Information only: clearing the report keeps author, description,
  // picture, versions and dates.
  bool Info = false;

  void Clear();

  static report::DateTime Now();
  static const PropTable& Props();
};

}  // namespace quitanza::report
