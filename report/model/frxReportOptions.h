#pragma once

#include "report/model/Picture.h"
#include "report/model/frxPropTable.h"
#include "report/model/frxTypes.h"

#include <QString>
#include <QStringList>

class TfrxReportOptions {
public:
  TfrxReportOptions();

  QString Author;
  bool Compressed = false;
  QString ConnectionName;
  TDateTime CreateDate = 0;
  QStringList Description;
  QString InitString;
  QString Name;
  TDateTime LastChange = 0;
  QString Password;
  TPicture Picture;
  QString VersionBuild;
  QString VersionMajor;
  QString VersionMinor;
  QString VersionRelease;
  // Information only: clearing the report keeps author, description,
  // picture, versions and dates.
  bool Info = false;

  void Clear();

  static TDateTime Now();
  static const TfrxPropTable& Props();
};
