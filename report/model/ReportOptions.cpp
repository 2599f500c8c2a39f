#include "report/model/ReportOptions.h"

#include "report/model/PropBuilder.h"

#include <QDateTime>

namespace quitanza::report {

namespace {

// Passwords are stored with every character code lowered by 10.
QString ShiftChars(const QString& text, int delta)
{
  QString shifted = text;
  for (QChar& c : shifted)
    c = QChar(static_cast<char16_t>(c.unicode() + delta));
  return shifted;
}

}  // namespace

ReportOptions::ReportOptions() { CreateDate = LastChange = Now(); }

DateTime ReportOptions::Now()
{
  static const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
  const QDateTime now = QDateTime::currentDateTime();
  const QDateTime local(now.date(), now.time());
  return static_cast<double>(epoch.msecsTo(local)) / 86400000.0;
}

void ReportOptions::Clear()
{
  ConnectionName.clear();
  InitString.clear();
  Name.clear();
  Password.clear();
  if (Info)
    return;
  Author.clear();
  Compressed = false;
  Description.clear();
  Picture.Clear();
  VersionBuild.clear();
  VersionMajor.clear();
  VersionMinor.clear();
  VersionRelease.clear();
  CreateDate = LastChange = Now();
}

const PropTable& ReportOptions::Props()
{
  static const PropTable table = [] {
    using O = report::ReportOptions;
    PropTable t;
    PropBuilder<O> b(t);
    b.Str(QStringLiteral("Author"), &O::Author);
    b.Bool(QStringLiteral("Compressed"), &O::Compressed, false);
    b.Str(QStringLiteral("ConnectionName"), &O::ConnectionName);
    b.Float(QStringLiteral("CreateDate"), &O::CreateDate);
    b.List(QStringLiteral("Description"), &O::Description);
    b.Str(QStringLiteral("InitString"), &O::InitString);
    b.Str(QStringLiteral("Name"), &O::Name);
    b.Float(QStringLiteral("LastChange"), &O::LastChange);
    b.Str(QStringLiteral("Password"), Access([](const O& o) { return ShiftChars(o.Password, -10); },
                                             [](O& o, const QString& v) { o.Password = ShiftChars(v, 10); }));
    b.Sub(QStringLiteral("Picture"), &O::Picture, report::Picture::Props());
    b.Str(QStringLiteral("VersionBuild"), &O::VersionBuild);
    b.Str(QStringLiteral("VersionMajor"), &O::VersionMajor);
    b.Str(QStringLiteral("VersionMinor"), &O::VersionMinor);
    b.Str(QStringLiteral("VersionRelease"), &O::VersionRelease);
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
